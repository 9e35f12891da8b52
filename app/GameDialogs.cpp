// The game's questions through the framework's dialogs.
#include "app/GameDialogs.h"

#include "framework/Dialogs.h"

void ShowGameMessage(const std::string& text) {
    ShowMessage(text);
}

bool AskInformation(const std::string& text) {
    return MessageDlg(text, mtInformation, {mbOK}, 0) == mrOk;
}

std::string AskText(const std::string& caption, const std::string& prompt) {
    return InputBox(caption, prompt, "");
}
