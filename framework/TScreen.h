// The screen as the application sees it: its forms, size and work area, the active form and
// control, and the application-wide cursor.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/TComponent.h"
#include "framework/TFont.h"

#include <memory>
#include <vector>

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;
    std::string ClassName() const override { return "TScreen"; }

    // Forms in the order they were made.
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int index) const;
    int CustomFormCount() const { return FormCount(); }
    TCustomForm* CustomForms(int index) const { return Forms(index); }

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int WorkAreaLeft() const { return WorkAreaRect().Left; }
    int WorkAreaTop() const { return WorkAreaRect().Top; }
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }

    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    // A cursor other than crDefault overrides every control's own (crHourGlass while busy).
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    TFont* DefaultFont() const { return FDefaultFont.get(); }
    // The platform's font for hints (its status font).
    TFont* HintFont() const { return FHintFont.get(); }

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form) { FActiveForm = form; }
    void SetActiveControl(TWinControl* control) { FActiveControl = control; }

private:
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
    std::unique_ptr<TFont> FDefaultFont;
    std::unique_ptr<TFont> FHintFont;
};

// The screen of the running application (owned by it); nullptr without one.
extern TScreen* Screen;
