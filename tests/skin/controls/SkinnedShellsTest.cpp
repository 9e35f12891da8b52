// Every skinned control has its binding with its kind and section, and the skin manager's
// commands reach every binding through the containers; the bound label keeps its place.
#include "skin/controls/TsButton.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsColorSelect.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsEditLabel.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/controls/TsTabSheet.h"
#include "skin/controls/TsTrackBar.h"
#include "skin/windows/TsSkinProvider.h"
#include "tests/framework/FormTestFixture.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/TsSkinManager.h"

namespace {

const char* const Sections[] = {"BUTTON", "CHECKBOX", "EDIT", "COMBOBOX", "PANEL", "PAGECONTROL",
                                "TRACKBAR", "SPEEDBUTTON", "TABSHEET", "FORM"};

std::vector<std::uint8_t> EverySectionSkin() {
    std::string options = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n";
    int shade = 10;
    for (const char* section : Sections) {
        options += std::string("[") + section + "]\nCOLOR=" + std::to_string(RGB(shade, shade, shade)) + "\n";
        shade += 10;
    }
    return PackTestSkin(options, Solid(4, 4, clGray));
}

class SkinnedShells : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Manager = std::make_unique<TsSkinManager>(nullptr);
        Manager->SetActive(false);
        Manager->InternalSkins().Add(TsStoredSkin("Every (internal)", EverySectionSkin()));
        Manager->SetSkinName("Every (internal)");
        Form = new TForm(Application);
        Form->SetBounds(10, 10, 400, 300);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        Manager.reset();
        FormTest::TearDown();
    }
    template <class T> T* On(TWinControl* parent) {
        auto* control = new T(Form);
        control->SetParent(parent);
        return control;
    }

    std::unique_ptr<TsSkinManager> Manager;
    TForm* Form = nullptr;
};

struct TShell {
    TControl* Control;
    TsCommonData* Data;
    int Kind;
    const char* Section;
};

} // namespace

TEST_F(SkinnedShells, EveryShellIsBoundWithItsKindAndTheManagersCommandsReachItInsideContainers) {
    auto* provider = new TsSkinProvider(Form);
    auto* panel = On<TsPanel>(Form);
    auto* pages = On<TsPageControl>(Form);
    auto* sheet = new TsTabSheet(Form);
    sheet->SetPageControl(pages);
    auto* cell = On<TsSpeedButton>(panel);
    auto* swatch = On<TsColorSelect>(panel);
    auto* onSheet = On<TsEdit>(sheet);
    const std::vector<TShell> shells = {
        {On<TsButton>(Form), nullptr, 93, "BUTTON"},  {On<TsCheckBox>(Form), nullptr, 32, "CHECKBOX"},
        {On<TsComboBox>(Form), nullptr, 3, "COMBOBOX"}, {On<TsMemo>(Form), nullptr, 7, "EDIT"},
        {On<TsTrackBar>(Form), nullptr, 165, "TRACKBAR"}, {panel, nullptr, 51, "PANEL"},
        {pages, nullptr, 141, "PAGECONTROL"},          {sheet, nullptr, 57, "TABSHEET"},
        {cell, nullptr, 92, "SPEEDBUTTON"},              {swatch, nullptr, 92, "SPEEDBUTTON"},
        {onSheet, nullptr, 3, "EDIT"}};
    std::vector<TsCommonData*> bindings{provider->SkinData()};
    for (const TShell& shell : shells) {
        TsCommonData* data = TacSkinnedControl::Of(shell.Control)->SkinData();
        bindings.push_back(data);
        EXPECT_EQ(data->OwnerControl(), shell.Control) << shell.Section;
        EXPECT_EQ(data->ControlKind(), shell.Kind) << shell.Section;
        EXPECT_EQ(data->SkinSection(), shell.Section);
        EXPECT_TRUE(IsSkinnedControl(shell.Control)) << shell.Section;
    }
    EXPECT_EQ(provider->SkinData()->PaintedControl(), Form);

    Manager->SetActive(true);
    for (TsCommonData* data : bindings) {
        EXPECT_TRUE(data->IsSkinned()) << data->SkinSection();
        EXPECT_FALSE(data->PaintSuspended()) << data->SkinSection();
    }
    EXPECT_EQ(onSheet->Color(), RGB(30, 30, 30)) << "the edit on the sheet took its section's colour";

    Manager->SetActive(false);
    for (TsCommonData* data : bindings) {
        EXPECT_EQ(data->SkinSectionIndex(), -1) << data->SkinSection();
        EXPECT_TRUE(data->PaintSuspended()) << data->SkinSection();
    }
    EXPECT_EQ(onSheet->Color(), clWindow) << "the edit on the sheet heard the removal";
}

TEST_F(SkinnedShells, AProviderPaintsWithItsBindingsManager) {
    auto* provider = new TsSkinProvider(Form);
    EXPECT_EQ(provider->FormSkinManager(), Manager.get()) << "the default manager";
    TsSkinManager other(nullptr);
    provider->SkinData()->SetSkinManager(&other);
    EXPECT_EQ(provider->FormSkinManager(), &other);
    provider->SkinData()->SetSkinManager(Manager.get());
    EXPECT_EQ(provider->SkinData()->StoredSkinManager(), nullptr) << "the default manager is stored as none";
}

TEST_F(SkinnedShells, AnExplicitManagerThatGoesIsForgotten) {
    auto* button = On<TsButton>(Form);
    {
        TsSkinManager other(nullptr);
        button->SkinData()->SetSkinManager(&other);
        EXPECT_EQ(button->SkinData()->SkinManager(), &other);
    }
    EXPECT_EQ(button->SkinData()->StoredSkinManager(), nullptr);
    EXPECT_EQ(button->SkinData()->SkinManager(), Manager.get());
}

TEST_F(SkinnedShells, ABoundLabelIsMadeOnlyWhenActiveAndKeepsItsPlaceBesideTheEdit) {
    auto* edit = On<TsEdit>(Form);
    edit->SetBounds(150, 60, 80, 21);
    TsBoundLabel* bound = edit->BoundLabel();
    EXPECT_EQ(bound->Label(), nullptr);

    bound->SetCaption("Имя");
    bound->SetIndent(2);
    bound->SetActive(true);
    TsEditLabel* label = bound->Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), Form);
    EXPECT_EQ(label->Caption(), "Имя");
    EXPECT_EQ(label->BoundsRect().Right, 150 - 2 - 4);
    EXPECT_EQ(label->Top(), 60 + (21 - label->Height()) / 2);

    edit->SetBounds(170, 90, 80, 21);
    EXPECT_EQ(label->BoundsRect().Right, 170 - 2 - 4) << "the label follows the edit";
    edit->Hide();
    EXPECT_FALSE(label->Visible());
    edit->Show();

    bound->SetLayout(sclTopRight);
    EXPECT_EQ(label->BoundsRect().Right, 250);
    EXPECT_EQ(label->BoundsRect().Bottom, 90 - 2);
    bound->SetLayout(sclTopCenter);
    EXPECT_EQ(label->Left(), 170 + (80 - label->Width()) / 2);

    bound->SetMaxWidth(30);
    bound->SetLayout(sclLeft);
    EXPECT_EQ(label->Width(), 30);
    EXPECT_TRUE(label->WordWrap());
    EXPECT_GE(label->Height(), 21);

    bound->SetActive(false);
    EXPECT_EQ(bound->Label(), nullptr);
    EXPECT_EQ(Form->ControlCount(), 1) << "the label is gone from the form";
}
