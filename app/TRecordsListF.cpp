// The records window.
#include "app/TRecordsListF.h"

#include "app/SettingsIni.h"
#include "app/TIniStore.h"
#include "app/logic/TRecordsTable.h"
#include "framework/TScreen.h"
#include "platform/text/Font.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsMemo.h"

#include <cmath>
#include <vector>

TRecordsListF* RecordsListF = nullptr;

TRecordsListF::TRecordsListF(TComponent* owner) : TForm(owner) {
    SetName("RecordsListF");
    SetCaption("Таблица рекордов");
    SetBounds(192, 114, 379, 302);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);

    sLabel1 = new TsLabel(this);
    sLabel1->SetName("sLabel1");
    sLabel1->SetParent(this);
    sLabel1->SetAutoSize(false);
    sLabel1->SetAlignment(taCenter);
    sLabel1->SetBounds(8, 0, 353, 24);
    sLabel1->Font()->SetName("MS Sans Serif");
    sLabel1->Font()->SetSize(14);
    sLabel1->Font()->SetStyle({fsBold});
    sLabel1->Font()->SetColor(clPurple);
    sLabel1->SetCaption("Таблица рекордов:");
    sLabel1->SetAnchors({akLeft, akTop, akRight});

    RecordsM = new TsMemo(this);
    RecordsM->SetName("RecordsM");
    RecordsM->SetParent(this);
    RecordsM->SkinData()->SetSkinSection("EDIT");
    RecordsM->SetBounds(8, 32, 353, 204);
    RecordsM->Font()->SetName("Courier");
    RecordsM->Font()->SetSize(12);
    RecordsM->Font()->SetCharset(RUSSIAN_CHARSET);
    RecordsM->SetWordWrap(false);
    RecordsM->SetHint("Здесь показана таблица рекордов.\r\nКаждое место обратная величина от выбранной сложности.\r\n"
                      "т.е например 1 место соответветствует 10 уровню сложности,\r\nа 10 место - 1му уровню.");
    RecordsM->SetShowHint(true);
    RecordsM->SetAnchors({akLeft, akTop, akRight, akBottom});

    OkB = new TsButton(this);
    OkB->SetName("OkB");
    OkB->SetParent(this);
    OkB->SkinData()->SetSkinSection("BUTTON");
    OkB->SetCaption("Закрыть");
    OkB->SetBounds(152, 246, 75, 25);
    OkB->SetAnchors({akLeft, akBottom});
    OkB->OnClick = [this](TObject* s) { OkBClick(s); };

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnResize = [this](TObject* s) { FormResize(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

TRecordsListF::~TRecordsListF() {
    DoDestroy();
    if (RecordsListF == this) RecordsListF = nullptr;
}

void TRecordsListF::FormCreate(TObject*) {
    RecordsM->SetWidth(353);
    RecordsM->SetHeight(204);
    OkB->SetTop(Height() - 56);
    SetLeft(static_cast<int>(std::floor(Screen->Width() / 2.0 - Width() / 2.0)));
    SetTop(static_cast<int>(std::floor(Screen->Height() / 2.0 - Height() / 2.0)));
}

void TRecordsListF::FormResize(TObject*) {
    if (OkB) OkB->SetLeft(static_cast<int>(std::floor(Width() / 2.0 - OkB->Width() / 2.0)));
}

void TRecordsListF::FormShow(TObject*) {
    std::vector<std::string> lines;
    TIniStore store(SettingsIni());
    TRecordsTable(store).AppendLines(lines);
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    RecordsM->SetText(text);
}

void TRecordsListF::OkBClick(TObject*) {
    SetModalResult(mrOk);
}
