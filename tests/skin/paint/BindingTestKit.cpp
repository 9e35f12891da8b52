// The binding tests' controls, skin and fixture.
#include "tests/skin/paint/BindingTestKit.h"

#include "skin/paint/CachePainting.h"
#include "skin/paint/ContainerCommands.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "skin/data/SkinCommands.h"

namespace {

std::string Key(const char* name, TColor value) {
    return std::string(name) + "=" + std::to_string(value) + "\n";
}

} // namespace

std::vector<std::uint8_t> TestSkin::Archive() {
    const std::string options = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"
                                "[PANEL]\n" + Key("COLOR", Panel) +
                                "[CLEAR]\nTRANSPARENCY=100\n" + Key("COLOR", RGB(1, 2, 3)) +
                                "[HALF]\n" + Key("COLOR", Half) + "TRANSPARENCY=" + std::to_string(HalfTransparency) +
                                "\n[GRAD]\nGRADIENTPERCENT=100\nGRADIENTDATA=0;16777215;100;0;0\n"
                                "[BUTTON]\n" + Key("COLOR", Button) +
                                "BORDERSMASK=^0000^0000^0009^0009^0003^0003^0003^0003^1^0^4^0\n"
                                "[SPEEDBUTTON]\n" + Key("COLOR", Speed) +
                                "[CHECKBOX]\n" + Key("COLOR", RGB(7, 7, 7)) +
                                "[EDIT]\n" + Key("COLOR", Edit) + Key("FONTCOLOR", EditFont);
    Bitmap master = Solid(9, 9, ButtonFrame);
    master.SetPixel(0, 0, clFuchsia);
    master.SetPixel(8, 8, clFuchsia);
    return PackTestSkin(options, master);
}

TTestGraphic::TTestGraphic(TComponent* owner, int kind, bool opaque)
    : TGraphicControl(owner), FData(std::make_unique<TsCommonData>(this, kind)) {
    if (opaque) FControlStyle.Include(csOpaque);
    FData->ApplySkin();
}

void TTestGraphic::PrepareCache() {
    ++Prepared;
    TacSkinnedControl::PrepareCache();
}

void TTestGraphic::WndProc(TMessage& message) {
    FData->RouteMessage(message, [this](TMessage& m) { TGraphicControl::WndProc(m); });
}

void TTestGraphic::Paint() {
    HDC dc = Canvas()->Handle();
    if (OnPainting) OnPainting(dc);
    if (!PaintFromCache(*this, dc)) dc->FillRect(ClientRect(), PlainColor);
}

TTestContainer::TTestContainer(TComponent* owner, int kind)
    : TCustomControl(owner), FData(std::make_unique<TsCommonData>(this, kind)) {
    FControlStyle.Include(csAcceptsControls);
    FData->ApplySkin();
}

void TTestContainer::WndProc(TMessage& message) {
    RouteContainerMessage(*this, *FData, message, [this](TMessage& m) { TCustomControl::WndProc(m); });
}

TTestEdit::TTestEdit(TComponent* owner) : TEdit(owner), FData(std::make_unique<TsCommonData>(this, 3)) {
    FData->ApplySkin();
}

void TTestEdit::WndProc(TMessage& message) {
    FData->RouteMessage(message, [this](TMessage& m) { TEdit::WndProc(m); });
}

TCommandLog::TCommandLog(TControl& control) : FControl(control) {
    FHook = control.PushWindowProc([this](TMessage& m, const TWndMethod& next) {
        if (m.Msg == SM_SKINCMD) {
            Seen.emplace_back(SkinCmdCode(m.WParam), SkinCmdArgument(m.WParam));
            if (OnCommand) OnCommand(SkinCmdCode(m.WParam));
        }
        next(m);
    });
}

TCommandLog::~TCommandLog() {
    FControl.RemoveWindowProc(FHook);
}

std::vector<std::uint16_t> TCommandLog::Codes() const {
    std::vector<std::uint16_t> codes;
    for (const auto& [code, argument] : Seen) {
        if (code != scIsSkinned) codes.push_back(code);
    }
    return codes;
}

void BindingTest::SetUp() {
    FormTest::SetUp();
    Manager = std::make_unique<TsSkinManager>(nullptr);
    Manager->SetActive(false);
    Manager->InternalSkins().Add(TsStoredSkin("Test (internal)", TestSkin::Archive()));
    Manager->SetSkinName("Test (internal)");
    Form = new TForm(Application);
    Form->SetBounds(30, 30, 260, 200);
    Form->SetColor(RGB(90, 60, 30));
    Form->Show();
    Pump();
}

TColor BindingTest::Pixel(const TControl& control, int x, int y) {
    Pump();
    Bitmap screen = CaptureScreen();
    const TPoint p = At(control, x, y);
    return screen.Pixel(p.X, p.Y);
}

void BindingTest::TearDown() {
    Manager.reset();
    FormTest::TearDown();
}
