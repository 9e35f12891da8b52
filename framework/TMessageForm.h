// The form of the framework's message dialogs (ShowMessage, MessageDlg): an icon for the kind,
// the text, and a row of buttons, sized to the text.
#pragma once

#include "framework/DialogTypes.h"
#include "framework/TForm.h"

#include <string>

class TButton;
class TImage;
class TLabel;

// Built in code, so that skinning finds an ordinary form ("TMessageForm") with a label named
// "Message", an image named "Image" and buttons named after their kind ("OK", "Cancel", "Yes",
// ...). Enter clicks the default button (OK, else Yes, else the first); Esc and the close box give
// mrCancel, through the Cancel button when there is one.
class TMessageForm : public TForm {
public:
    TMessageForm(TComponent* owner, const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
    std::string ClassName() const override { return "TMessageForm"; }

    TLabel* Message() const { return FMessage; }
    // nullptr for mtCustom, which has no icon.
    TImage* Image() const { return FImage; }
    // The button of that kind, nullptr when the dialog has none.
    TButton* Button(TMsgDlgBtn kind) const;

    // "Warning", "Error", "Information", "Confirm"; the application's title for mtCustom.
    static std::string CaptionOf(TMsgDlgType type);
    // "OK", "Cancel", "&Yes", "&No", ...
    static std::string ButtonCaption(TMsgDlgBtn kind);
    static TModalResult ButtonResult(TMsgDlgBtn kind);

private:
    void CreateIcon(TMsgDlgType type);
    void CreateMessage(const std::string& text);
    void CreateButtons(TMsgDlgButtons buttons);
    void Arrange();

    TLabel* FMessage = nullptr;
    TImage* FImage = nullptr;
    std::vector<std::pair<TMsgDlgBtn, TButton*>> FButtons;
};
