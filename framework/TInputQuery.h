// The text input box: a plain form, built in code, with a prompt, an edit and OK and Cancel.
#pragma once

#include <string>

class TButton;
class TEdit;
class TForm;
class TLabel;

class TInputQuery {
public:
    // Maximum length of the entered text, in characters.
    static constexpr int kMaxLength = 255;

    TInputQuery(const std::string& caption, const std::string& prompt, const std::string& value);
    ~TInputQuery();
    TInputQuery(const TInputQuery&) = delete;
    TInputQuery& operator=(const TInputQuery&) = delete;

    // Shows the box modally; true when it was closed by OK.
    bool Execute();
    std::string Value() const;
    TForm* Form() const { return FForm; }

private:
    void Arrange();

    TForm* FForm;
    TLabel* FPrompt = nullptr;
    TEdit* FEdit = nullptr;
    TButton* FOk = nullptr;
    TButton* FCancel = nullptr;
};
