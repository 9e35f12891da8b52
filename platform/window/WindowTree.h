// Z-order links between windows: siblings topmost first, top-most top-level windows above the
// rest, owned windows kept above their owners.
#pragma once

#include "platform/window/Window.h"

#include <vector>

class WindowTree {
public:
    // The list w lives in: its parent's children or the top-level list.
    static std::vector<Window*>& Siblings(Window* w);
    // Inserts w into its sibling list at the place insertAfter names (HWND_TOP, HWND_BOTTOM,
    // HWND_TOPMOST, HWND_NOTOPMOST or a sibling); true when the order changed.
    static bool Link(Window* w, HWND insertAfter);
    static void Unlink(Window* w);
    // Moves a top-level window to the top of its band and its owned windows above it; returns the
    // top-level windows whose place changed.
    static std::vector<Window*> BringToTop(Window* w);
    // After w moved: an owned w stays above its owner, and w's owned windows (recursively) stay
    // above w, following it into the top-most band. Returns the windows moved besides w.
    static std::vector<Window*> KeepOwnedAbove(Window* w);
    // w left the top-most band: its owned windows (recursively) leave it too, placed right above it.
    static void DropOwnedFromTopMost(Window* w);
    // True when making `owner` the owner of w would make w (indirectly) own itself.
    static bool WouldOwnItself(const Window* w, const Window* owner);
    static std::vector<Window*> OwnedBy(Window* owner);
    // Every descendant, depth first, each parent before its children, siblings topmost first.
    static void Descendants(Window* w, std::vector<HWND>& out);
};
