// The About dialog: a dedication, the picture, the version and author, and a link to the game's
// local page.
#pragma once

#include "framework/TForm.h"

class TButton;
class TImage;
class TLabel;
class TPanel;
class TsWebLabel;

class TAboutF : public TForm {
public:
    static constexpr const char* PageName = "tavik.html";
    static constexpr const char* WebPage = "https://example.org/tavik-sudoku/";

    explicit TAboutF(TComponent* owner);
    ~TAboutF() override;
    std::string ClassName() const override { return "TAboutF"; }

    TPanel* Panel1 = nullptr;
    TLabel* ProductName = nullptr;
    TImage* ProgramIcon = nullptr;
    TLabel* Version = nullptr;
    TLabel* Comments = nullptr;
    TButton* OKButton = nullptr;
    TsWebLabel* sWebLabel1 = nullptr;

    // Runs after the press has opened the current address: chooses the address of the next
    // press (the page in the Skins folder, else the one in the current folder, else the web).
    void sWebLabel1Click(TObject* sender);
    // The Skins folder's page, beside the program.
    static std::string SkinsPage();

private:
    void CreatePanel();
    void CreateFooter();
};

extern TAboutF* AboutF;
