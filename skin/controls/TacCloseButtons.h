// The close buttons of a skinned page control's tabs: whether they show, the section that paints
// them, and which one is under the mouse or pressed.
#pragma once

#include <functional>
#include <string>

class TComponent;

// What happens to a sheet whose close button was clicked: its tab hides, or the sheet goes.
enum TacCloseAction { acaHide, acaFree };
using TacCloseBtnClickEvent =
    std::function<void(TComponent* sender, int tabIndex, bool& canClose, TacCloseAction& action)>;

struct TacCloseButtons {
    bool Show = false;
    // Empty: the skin's close picture (GLOBALINFO "SICONCLOSE", else "BICONCLOSE").
    std::string Skin;
    int HotPage = -1;
    int PressedPage = -1;

    // The state of the page's button: 2 pressed, 1 under the mouse, 0 otherwise.
    int StateOf(int page) const { return page == PressedPage ? 2 : page == HotPage ? 1 : 0; }
};
