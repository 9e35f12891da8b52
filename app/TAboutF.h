// The About dialog: a dedication, the picture, the version and author, and a link to the game's
// local page.
#pragma once

#include "framework/TForm.h"

#include <functional>

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
    // The Skins folder's page, beside the program, and the page of that name in the current folder.
    static std::string SkinsPage();
    static std::string LocalPage();
    // The address of the link's next press: the first of the two pages that exists, else the web.
    static std::string LinkAddress(const std::function<bool(const std::string&)>& fileExists);

private:
    void CreatePanel();
    void CreateFooter();
};

extern TAboutF* AboutF;
