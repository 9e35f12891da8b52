// The colour dialog component: Execute shows the framework's colour dialog with Color and the
// custom colours, and gives back the chosen colour.
#pragma once

#include "framework/Events.h"
#include "framework/TComponent.h"

#include "platform/gfx/Color.h"

#include <memory>

class TStrings;
class TColorDialogForm;

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = TSet<TColorDialogOption>;

// CustomColors holds up to 16 lines "ColorA=RRGGBB" .. "ColorP=RRGGBB" (hexadecimal, red first);
// lines of other names or with bad values are ignored, missing ones are white. Options and
// HelpContext are kept for dialogs built on this one; the framework's own window shows all its
// parts whatever the options.
class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* owner);
    ~TColorDialog() override;
    std::string ClassName() const override { return "TColorDialog"; }

    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    TStrings* CustomColors() const { return FCustomColors.get(); }
    void SetCustomColors(const TStrings* colors);
    TColorDialogOptions Options() const { return FOptions; }
    void SetOptions(TColorDialogOptions options) { FOptions = options; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }

    // Shows the dialog modally. True with the chosen colour in Color after OK; false with Color
    // unchanged after Cancel, Esc or the close box. The custom colours are kept either way.
    virtual bool Execute();

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

private:
    void LoadCustomColors(TColorDialogForm& form) const;
    void SaveCustomColors(const TColorDialogForm& form);

    TColor FColor = clBlack;
    std::unique_ptr<TStrings> FCustomColors;
    TColorDialogOptions FOptions;
    int FHelpContext = 0;
};
