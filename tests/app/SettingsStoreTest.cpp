// The settings file and the settings dialog: what a start reads into the dialog, the manager and
// the windows, what "Сохранить" and the end of the program write, the gates that decide it, and
// failed writes.
#include "tests/app/GameFixture.h"

#include "app/TRecordsListF.h"
#include "app/TSettingsF.h"
#include "framework/TCheckBox.h"
#include "framework/TIniFile.h"
#include "framework/TStringList.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsColorSelect.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsTrackBar.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"

#include <sys/stat.h>

namespace {

// The look the manager is in when a form hears one of its commands.
struct THeard {
    int Code = 0;
    std::string Name;
    int Hue = 0;
    int Saturation = 0;
    bool operator==(const THeard&) const = default;
};

std::ostream& operator<<(std::ostream& out, const THeard& h) {
    return out << "{" << h.Code << " " << h.Name << " " << h.Hue << " " << h.Saturation << "}";
}

} // namespace

class SettingsStoreTest : public GameTest {
protected:
    std::string Stored(const std::string& section, const std::string& key) {
        return TIniFile(SettingsPath()).ReadString(section, key, "<none>");
    }
    std::vector<std::string> StoredKeys(const std::string& section) {
        TStringList keys;
        TIniFile(SettingsPath()).ReadSection(section, keys);
        std::vector<std::string> out;
        for (int i = 0; i < keys.Count(); ++i) out.push_back(keys[i]);
        return out;
    }
    void ClickSave() {
        ClickOn([] { return SettingsF->SaveB; });
    }
    // Starts the program with the main window recording the skin commands it hears (apply,
    // remove, refresh) with the manager's look at that moment; Heard() reads them.
    void StartRecording() {
        Start(20240611, {1280, 1024}, {}, [this] {
            Form1->PushWindowProc([this](TMessage& m, const TWndMethod& next) {
                const int code = m.Msg == SM_SKINCMD ? SkinCmdCode(m.WParam) : 0;
                if (code == scNewSkin || code == scRemoveSkin || code == scSetSkin) {
                    const TsSkinManager& skins = *Form1->sSkinManager1;
                    FHeard.push_back({code, skins.SkinName(), skins.HueOffset(), skins.Saturation()});
                }
                next(m);
            });
        });
    }
    std::vector<THeard> Heard() {
        return Ui([this] { return FHeard; });
    }

private:
    // Outlives the program, which ends in TearDown.
    std::vector<THeard> FHeard;
};

TEST_F(SettingsStoreTest, SaveWritesAllElevenKeysOfTheLookInTheirOrderAndNothingElse) {
    Start();
    ClickMenu(1);
    ClickSave();
    EXPECT_EQ(StoredKeys("settings"), (std::vector<std::string>{"useskin", "skinname", "hueoffset", "saturation", "sectw",
                                                                "usecolorpanel", "colorpanel", "savesize", "savepos",
                                                                "savedifftren", "fontcolor"}));
    const std::vector<std::pair<const char*, const char*>> defaults{
        {"useskin", "0"},       {"skinname", "Desert (internal)"}, {"hueoffset", "0"}, {"saturation", "0"},
        {"sectw", "10"},        {"usecolorpanel", "0"},            {"colorpanel", "0"}, {"savesize", "0"},
        {"savepos", "0"},       {"savedifftren", "0"},             {"fontcolor", "0"}};
    for (const auto& [key, value] : defaults) EXPECT_EQ(Stored("settings", key), value) << key;
    EXPECT_TRUE(StoredKeys("global").empty());
}

TEST_F(SettingsStoreTest, SavedValuesAsTheyStandComeBackAtTheNextStart) {
    Start();
    ClickMenu(1);
    Ui([] {
        SettingsF->SaturationTb->SetPosition(35);
        SettingsF->SectwE->SetText("");
        SettingsF->ColorPanelCS->SetColorValue(RGB(10, 20, 30));
        SettingsF->UseColorPanelChb->SetChecked(true);
        SettingsF->FontCOlorCS->SetColorValue(clBtnFace);
        SettingsF->SavePosChb->SetChecked(true);
    });
    ClickSave();
    // The gap field's text is written as it stands; a system colour is negative.
    EXPECT_EQ(Stored("settings", "sectw"), "");
    EXPECT_EQ(Stored("settings", "fontcolor"), std::to_string(static_cast<std::int32_t>(clBtnFace)));
    EXPECT_EQ(Stored("settings", "colorpanel"), std::to_string(30 << 16 | 20 << 8 | 10));
    Quit();

    Start();
    const auto [saturation, gapText, gap, panel, font, cellFont, pos] = Ui([] {
        return std::make_tuple(SettingsF->SaturationTb->Position(), SettingsF->SectwE->Text(), Form1->Sectw,
                               Form1->Panel->Color(), SettingsF->FontCOlorCS->ColorValue(), Form1->Cell(40)->Font()->Color(),
                               SettingsF->SavePosChb->Checked());
    });
    EXPECT_EQ(saturation, 35);
    EXPECT_EQ(gapText, "10") << "an empty stored gap reads as the default";
    EXPECT_EQ(gap, 10);
    EXPECT_EQ(panel, RGB(10, 20, 30));
    EXPECT_EQ(font, clBtnFace);
    EXPECT_EQ(cellFont, clBtnFace);
    EXPECT_TRUE(pos);
}

TEST_F(SettingsStoreTest, AStartPutsTheStoredLookIntoTheDialogAndIntoEffect) {
    PutSettings("[settings]\r\nhueoffset=400\r\nsaturation=-20\r\nsectw=25\r\ncolorpanel=255\r\nusecolorpanel=1\r\n"
                "savesize=1\r\nsavepos=0\r\nsavedifftren=1\r\nfontcolor=32768\r\n");
    Start();
    struct TSeen {
        int Hue = 0, ManagerHue = 0, Saturation = -1, Gap = 0, CellLeft = 0;
        std::string GapText;
        TColor PanelSwatch = 0, Panel = 0, FontSwatch = 0, CellFont = 0, DigitFont = 0;
        bool PanelEnabled = false, Custom = false, Size = false, Pos = true, DiffTren = false, Skin = true;
    };
    const TSeen s = Ui([] {
        TSeen r;
        r.Hue = SettingsF->HueOffsetTb->Position();
        r.ManagerHue = Form1->sSkinManager1->HueOffset();
        r.Saturation = SettingsF->SaturationTb->Position();
        r.GapText = SettingsF->SectwE->Text();
        r.Gap = Form1->Sectw;
        r.CellLeft = Form1->Cell(0)->Left();
        r.PanelSwatch = SettingsF->ColorPanelCS->ColorValue();
        r.PanelEnabled = SettingsF->ColorPanelCS->Enabled();
        r.Panel = Form1->Panel->Color();
        r.Custom = Form1->Panel->SkinData()->CustomColor();
        r.Size = SettingsF->SaveSizeChb->Checked();
        r.Pos = SettingsF->SavePosChb->Checked();
        r.DiffTren = SettingsF->SaveDiffTrenChb->Checked();
        r.FontSwatch = SettingsF->FontCOlorCS->ColorValue();
        r.CellFont = Form1->Cell(80)->Font()->Color();
        r.DigitFont = SetValueF->DigitButtons[4]->Font()->Color();
        r.Skin = Form1->sSkinManager1->Active();
        return r;
    });
    EXPECT_EQ(s.Hue, 360) << "a hue beyond the range stands at its end";
    EXPECT_EQ(s.ManagerHue, 360);
    EXPECT_EQ(s.Saturation, 0);
    EXPECT_EQ(s.GapText, "25");
    EXPECT_EQ(s.Gap, 25);
    EXPECT_EQ(s.CellLeft, 25);
    EXPECT_EQ(s.PanelSwatch, TColor{255});
    EXPECT_TRUE(s.PanelEnabled);
    EXPECT_EQ(s.Panel, TColor{255});
    EXPECT_TRUE(s.Custom);
    EXPECT_TRUE(s.Size);
    EXPECT_FALSE(s.Pos);
    EXPECT_TRUE(s.DiffTren);
    EXPECT_EQ(s.FontSwatch, TColor{32768});
    EXPECT_EQ(s.CellFont, TColor{32768});
    EXPECT_EQ(s.DigitFont, TColor{32768});
    EXPECT_FALSE(s.Skin);
}

TEST_F(SettingsStoreTest, WithSkinningStoredOnTheManagerHearsHueZeroNameOnThenStoredHueAndSaturation) {
    PutSettings("[settings]\r\nuseskin=1\r\nskinname=Wood (internal)\r\nhueoffset=120\r\nsaturation=40\r\n");
    StartRecording();
    // Switching on loads the named skin at hue 0 (apply, then refresh); the stored hue and the
    // stored saturation then each reload and refresh it.
    const std::vector<THeard> expected{{scNewSkin, "Wood (internal)", 0, 0},
                                       {scSetSkin, "Wood (internal)", 0, 0},
                                       {scSetSkin, "Wood (internal)", 120, 0},
                                       {scSetSkin, "Wood (internal)", 120, 40}};
    EXPECT_EQ(Heard(), expected);
    EXPECT_EQ(Ui([] { return SettingsF->UseSkinChb->Checked() && Form1->sSkinManager1->Active(); }), true);
}

TEST_F(SettingsStoreTest, WithHueAndSaturationStoredAsZeroTheSkinIsAppliedOnce) {
    PutSettings("[settings]\r\nuseskin=1\r\nskinname=BlueIce (internal)\r\n");
    StartRecording();
    const std::vector<THeard> expected{{scNewSkin, "BlueIce (internal)", 0, 0}, {scSetSkin, "BlueIce (internal)", 0, 0}};
    EXPECT_EQ(Heard(), expected);
}

TEST_F(SettingsStoreTest, AStoredSkinThatIsNotListedLeavesTheListEmptyAndSwitchesOnWithAnEmptyName) {
    PutSettings("[settings]\r\nuseskin=1\r\nskinname=Nowhere\r\n");
    Start();
    const auto [index, text, active, name] = Ui([] {
        return std::make_tuple(SettingsF->SkinNameCb->ItemIndex(), SettingsF->SkinNameCb->Text(), Form1->sSkinManager1->Active(),
                               Form1->sSkinManager1->SkinName());
    });
    EXPECT_EQ(index, -1);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(active);
    // An empty name gives the first internal skin.
    EXPECT_EQ(name, "Neutral2 (internal)");
}

TEST_F(SettingsStoreTest, WithNothingSelectedTheListKeepsItsNoSkinTextAndSaveWritesAnEmptyName) {
    Start();
    ClickMenu(1);
    Ui([] {
        Form1->sSkinManager1->SetSkinName("Gone");
        SettingsF->FillSkinList();
    });
    EXPECT_EQ(Ui([] { return SettingsF->SkinNameCb->Text(); }), "Скин не выбран");
    Ui([] { SettingsF->SelectSkin("Nowhere"); });
    EXPECT_EQ(Ui([] { return SettingsF->SkinNameCb->Text(); }), "Скин не выбран");
    EXPECT_EQ(Ui([] { return SettingsF->SkinNameCb->ItemIndex(); }), -1);
    ClickSave();
    EXPECT_EQ(Stored("settings", "skinname"), "");
}

TEST_F(SettingsStoreTest, SaveSizeTurnedOnAndCancelledStillWritesTheSizesButTheNextStartRestoresNone) {
    Start();
    const TRect chooser = Ui([] { return SetValueF->BoundsRect(); });
    Ui([] {
        Form1->SetBounds(Form1->Left(), Form1->Top(), 600, 520);
        SetValueF->SetBounds(SetValueF->Left(), SetValueF->Top(), 200, 180);
    });
    ClickMenu(1);
    ClickOn([] { return SettingsF->SaveSizeChb; });
    EXPECT_TRUE(Ui([] { return SettingsF->SaveSizeChb->Checked(); }));
    ClickOn([] { return SettingsF->CancelB; });
    Quit();
    EXPECT_EQ(StoredKeys("global"), (std::vector<std::string>{"form_width", "form_height", "setform_width", "setform_height",
                                                              "recform_width", "recform_height"}));
    EXPECT_EQ(Stored("global", "form_width"), "600");
    EXPECT_EQ(Stored("global", "setform_height"), "180");
    EXPECT_TRUE(StoredKeys("settings").empty());

    Start();
    EXPECT_EQ(Ui([] { return Form1->BoundsRect(); }), Bounds(390, 262, 450, 450));
    EXPECT_EQ(Ui([] { return SetValueF->BoundsRect().Size(); }), chooser.Size());
}

TEST_F(SettingsStoreTest, StoredSizesWithoutPlacesRestoreTheOtherWindowsSizesAndKeepThemCentred) {
    PutSettings("[settings]\r\nsavesize=1\r\nsavepos=0\r\n[global]\r\nsetform_width=150\r\nsetform_height=160\r\n"
                "recform_width=420\r\nrecform_height=330\r\nsettingsform_left=5\r\nrecform_left=5\r\n");
    Start();
    const auto [chooser, records, settings] =
        Ui([] { return std::make_tuple(SetValueF->BoundsRect(), RecordsListF->BoundsRect(), SettingsF->BoundsRect()); });
    EXPECT_EQ(chooser.Size(), (TSize{150, 160}));
    EXPECT_EQ(records.Size(), (TSize{420, 330}));
    // The records window was centred with its design size, 379 × 302.
    EXPECT_EQ(records.TopLeft(), (TPoint{(1280 - 379) / 2, (1024 - 302) / 2}));
    EXPECT_EQ(settings, Bounds((1280 - 336) / 2, (1024 - 278) / 2, 336, 278));
}

TEST_F(SettingsStoreTest, WindowsStoredOnALargerDesktopStayWholeOnASmallerOne) {
    PutSettings("[settings]\r\nsavesize=1\r\nsavepos=1\r\n[global]\r\nsetform_width=3000\r\nsetform_height=90\r\n"
                "recform_width=1800\r\nrecform_height=400\r\nrecform_left=1700\r\nrecform_top=1100\r\n"
                "settingsform_left=1500\r\nsettingsform_top=-400\r\n");
    Start(20240611, {1024, 768});
    const TRect work = Ui([] { return Screen->WorkAreaRect(); });
    const auto [chooser, records, settings] =
        Ui([] { return std::make_tuple(SetValueF->BoundsRect(), RecordsListF->BoundsRect(), SettingsF->BoundsRect()); });
    EXPECT_EQ(chooser.Size(), (TSize{work.Width(), 90}));
    EXPECT_EQ(records, Bounds(work.Left, work.Bottom - 400, work.Width(), 400));
    EXPECT_EQ(settings, Bounds(work.Right - 336, work.Top, 336, 278));
}

TEST_F(SettingsStoreTest, TheEndWritesDifficultyTrainingSizesAndPlacesAsTheBoxesAllow) {
    PutSettings("[settings]\r\nsavesize=1\r\nsavepos=1\r\nsavedifftren=1\r\n");
    Start();
    const auto [main, chooser, settings, records] = Ui([] {
        Form1->DifficultTB->SetPosition(7);
        Form1->TreningChb->SetChecked(true);
        Form1->SetBounds(40, 50, 610, 530);
        SettingsF->SetBounds(60, 70, 336, 278);
        RecordsListF->SetBounds(80, 90, 400, 320);
        return std::make_tuple(Form1->BoundsRect(), SetValueF->BoundsRect(), SettingsF->BoundsRect(), RecordsListF->BoundsRect());
    });
    Quit();
    EXPECT_EQ(StoredKeys("global"),
              (std::vector<std::string>{"difficult", "trening", "form_width", "form_height", "setform_width", "setform_height",
                                        "recform_width", "recform_height", "form_left", "form_top", "settingsform_left",
                                        "settingsform_top", "recform_left", "recform_top"}));
    EXPECT_EQ(Stored("global", "difficult"), "7");
    EXPECT_EQ(Stored("global", "trening"), "1");
    auto stored = [this](const std::string& key) { return std::stoi(Stored("global", key)); };
    EXPECT_EQ(Bounds(stored("form_left"), stored("form_top"), stored("form_width"), stored("form_height")), main);
    EXPECT_EQ((TSize{stored("setform_width"), stored("setform_height")}), chooser.Size());
    EXPECT_EQ((TPoint{stored("settingsform_left"), stored("settingsform_top")}), settings.TopLeft());
    EXPECT_EQ(Bounds(stored("recform_left"), stored("recform_top"), stored("recform_width"), stored("recform_height")), records);

    Start();
    EXPECT_EQ(Ui([] { return Form1->BoundsRect(); }), main);
    EXPECT_EQ(Ui([] { return RecordsListF->BoundsRect(); }), records);
    EXPECT_EQ(Ui([] { return Form1->DifficultTB->Position() * 10 + Form1->Training; }), 71);
}

TEST_F(SettingsStoreTest, AFailedSaveIsReportedOnceAndTheGameGoesOn) {
    ASSERT_EQ(mkfifo(SettingsPath().c_str(), 0600), 0);
    Start();
    ClickMenu(1);
    ClickSave();
    const std::string report = ActiveDialogText();
    EXPECT_NE(report.find("Unable to write to"), std::string::npos) << report;
    EXPECT_NE(report.find("settings.ini"), std::string::npos) << report;
    PressEnter();
    // The writes after the failed one were skipped: no second report.
    EXPECT_EQ(ActiveFormClass(), "TForm1");
    EXPECT_EQ(HiddenCells().size(), 34u);
}

TEST_F(SettingsStoreTest, AFailedWriteAtTheEndIsReportedOnceAndTheProgramStillEnds) {
    ASSERT_EQ(mkfifo(SettingsPath().c_str(), 0600), 0);
    Start();
    Ui([] {
        SettingsF->SaveDiffTrenChb->SetChecked(true);
        SettingsF->SaveSizeChb->SetChecked(true);
    });
    Driver().StartOnUi([] { Form1->Close(); });
    EXPECT_NE(ActiveDialogText().find("Unable to write to"), std::string::npos) << ActiveDialogText();
    PressEnter();
    Driver().WaitIdle();
    EXPECT_TRUE(Driver().Finished());
}
