// Controls made for the binding tests (a skinned graphic control, a skinned container, a skinned
// edit) and a fixture whose skin manager holds a small skin of known colours.
#pragma once

#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"
#include "tests/framework/FormTestFixture.h"

#include "skin/data/TsSkinManager.h"

#include "framework/TCustomControl.h"
#include "framework/TEdit.h"
#include "framework/TGraphicControl.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The colours and shapes of the test skin's sections.
namespace TestSkin {
constexpr TColor Panel = RGB(200, 180, 160);
constexpr TColor Half = RGB(0, 100, 200); // TRANSPARENCY=40
constexpr TColor Button = RGB(10, 20, 30);
constexpr TColor ButtonFrame = RGB(128, 128, 128); // its 9 x 9 borders mask, 3-pixel frame
constexpr TColor Speed = RGB(40, 50, 60);
constexpr TColor Edit = RGB(250, 240, 230);
constexpr TColor EditFont = RGB(20, 10, 5);
constexpr int HalfTransparency = 40;
// Sections: PANEL, CLEAR (TRANSPARENCY=100), HALF, GRAD (GRADIENTPERCENT=100), BUTTON (borders
// mask whose top-left and bottom-right corner pixels are magenta), SPEEDBUTTON, CHECKBOX, EDIT.
std::vector<std::uint8_t> Archive();
} // namespace TestSkin

// A skinned control without a window; paints from its cache when skinned.
class TTestGraphic : public TGraphicControl, public TacSkinnedControl {
public:
    TTestGraphic(TComponent* owner, int kind, bool opaque = false);
    std::string ClassName() const override { return "TTestGraphic"; }
    TsCommonData* SkinData() const override { return FData.get(); }
    void PrepareCache() override;

    int Prepared = 0;
    // Called with the device of each paint before anything is drawn.
    std::function<void(HDC)> OnPainting;
    // The plain look: a fill of this colour.
    TColor PlainColor = clYellow;

protected:
    void WndProc(TMessage& message) override;
    void Paint() override;

private:
    std::unique_ptr<TsCommonData> FData;
};

// A skinned container window: its binding answers for its children and passes commands on.
class TTestContainer : public TCustomControl, public TacSkinnedControl {
public:
    TTestContainer(TComponent* owner, int kind);
    std::string ClassName() const override { return "TTestContainer"; }
    TsCommonData* SkinData() const override { return FData.get(); }

protected:
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TsCommonData> FData;
};

class TTestEdit : public TEdit, public TacSkinnedControl {
public:
    explicit TTestEdit(TComponent* owner);
    std::string ClassName() const override { return "TTestEdit"; }
    TsCommonData* SkinData() const override { return FData.get(); }

protected:
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TsCommonData> FData;
};

// The skin commands a control received, with the code and argument, in order.
class TCommandLog {
public:
    explicit TCommandLog(TControl& control);
    ~TCommandLog();
    TCommandLog(const TCommandLog&) = delete;
    TCommandLog& operator=(const TCommandLog&) = delete;

    // The codes in order, without the is-skinned questions a broadcast asks on its way.
    std::vector<std::uint16_t> Codes() const;
    // Runs before the control handles each command.
    std::function<void(std::uint16_t code)> OnCommand;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> Seen; // code, argument

private:
    TControl& FControl;
    TWndHookHandle FHook;
};

class BindingTest : public FormTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A client pixel of the control as the screen shows it.
    TColor Pixel(const TControl& control, int x, int y);
    void SkinOn() { Manager->SetActive(true); Pump(); }
    void SkinOff() { Manager->SetActive(false); Pump(); }
    // A control owned by the form, placed on parent.
    template <class T, class... Args> T* On(TWinControl* parent, Args&&... args) {
        auto* control = new T(Form, std::forward<Args>(args)...);
        control->SetParent(parent);
        return control;
    }

    std::unique_ptr<TsSkinManager> Manager;
    TForm* Form = nullptr; // shown, owned by the application like the program's windows

};
