// The standard dialogs and their placement.
#include "framework/Dialogs.h"

#include "framework/TInputQuery.h"
#include "framework/TMessageForm.h"
#include "framework/TScreen.h"

#include "platform/window/Win.h"

#include <algorithm>
#include <memory>

void ShowMessage(const std::string& text) {
    MessageDlgPos(text, mtCustom, {mbOK}, 0, -1, -1);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
    return MessageDlgPos(text, type, buttons, helpContext, -1, -1);
}

int MessageDlgPos(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext, int x,
                  int y) {
    (void)helpContext; // the program has no help viewer
    std::unique_ptr<TMessageForm> dialog(CreateMessageDialog(text, type, buttons));
    if (x == -1 && y == -1)
        PlaceDialog(dialog.get());
    else
        dialog->SetBounds(x, y, dialog->Width(), dialog->Height());
    return dialog->ShowModal();
}

TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return new TMessageForm(nullptr, text, type, buttons);
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
    TInputQuery query(caption, prompt, value);
    if (!query.Execute()) return false;
    value = query.Value();
    return true;
}

std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue) {
    std::string value = defaultValue;
    InputQuery(caption, prompt, value);
    return value;
}

void PlaceDialog(TCustomForm* dialog) {
    TRect work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (Screen) work = Screen->WorkAreaRect();
    TRect area = work;
    TCustomForm* active = Screen ? Screen->ActiveForm() : nullptr;
    if (active && active != dialog && active->HandleAllocated() && IsWindowVisible(active->Handle()) &&
        !IsIconic(active->Handle()))
        area = active->BoundsRect();
    const int width = dialog->Width(), height = dialog->Height();
    const int left = std::clamp(area.Left + (area.Width() - width) / 2, work.Left,
                                std::max(work.Left, work.Right - width));
    const int top = std::clamp(area.Top + (area.Height() - height) / 2, work.Top,
                               std::max(work.Top, work.Bottom - height));
    dialog->SetPosition(poDesigned);
    dialog->SetBounds(left, top, width, height);
}
