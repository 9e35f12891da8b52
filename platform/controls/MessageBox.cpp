// The message box function.
#include "platform/controls/MessageBox.h"
#include "platform/controls/DialogApi.h"
#include "platform/controls/MessageBoxDialog.h"
#include "platform/controls/StandardControls.h"
#include "platform/window/Win.h"

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    RegisterStandardControls();
    HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    MessageBoxDialog box(text, caption, type);
    INT_PTR result = DialogBoxIndirect(box.Template(), root,
                                       [&box](HWND dlg, UINT msg, WPARAM w, LPARAM l) { return box.Proc(dlg, msg, w, l); });
    return static_cast<int>(result);
}
