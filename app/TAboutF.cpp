// The About dialog.
#include "app/TAboutF.h"

#include "app/AboutPicture.h"
#include "framework/TButton.h"
#include "framework/TImage.h"
#include "framework/TJPEGImage.h"
#include "framework/TLabel.h"
#include "framework/TMemoryStream.h"
#include "framework/TPanel.h"
#include "platform/system/Files.h"
#include "platform/system/Paths.h"
#include "skin/controls/TsWebLabel.h"

TAboutF* AboutF = nullptr;

TAboutF::TAboutF(TComponent* owner) : TForm(owner) {
    SetName("AboutF");
    SetCaption("О программе");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(298);
    SetClientHeight(210);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    CreatePanel();
    CreateFooter();
}

TAboutF::~TAboutF() {
    DoDestroy();
    if (AboutF == this) AboutF = nullptr;
}

void TAboutF::CreatePanel() {
    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetBounds(8, 7, 281, 164);
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetCaption("");

    ProductName = new TLabel(this);
    ProductName->SetName("ProductName");
    ProductName->SetParent(Panel1);
    ProductName->SetAutoSize(false);
    ProductName->SetWordWrap(true);
    ProductName->SetBounds(8, 12, 114, 140);
    ProductName->SetCaption("Посвящается всем, кто любит тихие вечера, крепкий чай и задачи, "
                            "которые решаются одной лишь логикой.\r\n\r\nНи одной цифры наугад!");

    ProgramIcon = new TImage(this);
    ProgramIcon->SetName("ProgramIcon");
    ProgramIcon->SetParent(Panel1);
    ProgramIcon->SetBounds(128, 8, 145, 145);
    ProgramIcon->SetStretch(true);
    const std::span<const std::uint8_t> picture = AboutPictureData();
    TMemoryStream stream;
    stream.Write(picture.data(), picture.size());
    stream.SetPosition(0);
    TJPEGImage jpeg;
    jpeg.LoadFromStream(stream);
    ProgramIcon->Picture()->SetGraphic(&jpeg);
}

void TAboutF::CreateFooter() {
    Version = new TLabel(this);
    Version->SetName("Version");
    Version->SetParent(this);
    Version->SetBounds(10, 176, 80, 13);
    Version->SetCaption("Версия: 1.0");

    Comments = new TLabel(this);
    Comments->SetName("Comments");
    Comments->SetParent(this);
    Comments->SetBounds(10, 192, 80, 13);
    Comments->SetCaption("Автор: Тавик");

    sWebLabel1 = new TsWebLabel(this);
    sWebLabel1->SetName("sWebLabel1");
    sWebLabel1->SetParent(this);
    sWebLabel1->SetBounds(96, 176, 110, 26);
    TFont normal;
    normal.Assign(Font());
    normal.SetStyle({fsBold});
    normal.SetColor(clNavy);
    sWebLabel1->SetNormalFont(&normal);
    normal.SetColor(clBlue);
    sWebLabel1->SetHoverFont(&normal);
    sWebLabel1->SetCaption("Правила и советы\r\nна странице игры");
    sWebLabel1->SetHint("Ссылка на адрес в интернет");
    sWebLabel1->SetShowHint(true);
    sWebLabel1->SetURL(SkinsPage());
    sWebLabel1->OnClick = [this](TObject* s) { sWebLabel1Click(s); };

    OKButton = new TButton(this);
    OKButton->SetName("OKButton");
    OKButton->SetParent(this);
    OKButton->SetBounds(214, 178, 75, 25);
    OKButton->SetCaption("OK");
    OKButton->SetDefault(true);
    OKButton->SetModalResult(mrOk);
}

std::string TAboutF::SkinsPage() {
    return ProgramDirectory() + "Skins" + PathDelim + PageName;
}

std::string TAboutF::LocalPage() {
    return CurrentDirectory() + PathDelim + PageName;
}

std::string TAboutF::LinkAddress(const std::function<bool(const std::string&)>& fileExists) {
    if (fileExists(SkinsPage())) return SkinsPage();
    if (fileExists(LocalPage())) return LocalPage();
    return WebPage;
}

void TAboutF::sWebLabel1Click(TObject*) {
    sWebLabel1->SetURL(LinkAddress(FileExists));
}
