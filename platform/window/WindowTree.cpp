// Z-order bookkeeping.
#include "platform/window/WindowTree.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

std::vector<Window*>& WindowTree::Siblings(Window* w) {
    return w->FParent ? w->FParent->FChildren : WindowSystem::Current()->TopLevels();
}

void WindowTree::Unlink(Window* w) {
    auto& list = Siblings(w);
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

static std::size_t FirstNonTopMost(const std::vector<Window*>& list) {
    std::size_t i = 0;
    while (i < list.size() && (list[i]->FExStyle & WS_EX_TOPMOST)) ++i;
    return i;
}

bool WindowTree::Link(Window* w, HWND insertAfter) {
    auto& list = Siblings(w);
    std::vector<Window*> before = list;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    bool topLevel = w->FParent == nullptr;
    std::size_t pos;
    if (insertAfter == HWND_TOPMOST && topLevel) {
        w->FExStyle |= WS_EX_TOPMOST;
        pos = 0;
    } else if (insertAfter == HWND_NOTOPMOST && topLevel) {
        w->FExStyle &= ~WS_EX_TOPMOST;
        pos = FirstNonTopMost(list);
    } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        pos = (topLevel && !(w->FExStyle & WS_EX_TOPMOST)) ? FirstNonTopMost(list) : 0;
    } else if (insertAfter == HWND_BOTTOM) {
        if (topLevel) w->FExStyle &= ~WS_EX_TOPMOST;
        pos = list.size();
    } else {
        auto it = std::find_if(list.begin(), list.end(), [&](Window* s) { return s->FHandle == insertAfter; });
        pos = it == list.end() ? 0 : static_cast<std::size_t>(it - list.begin()) + 1;
        if (topLevel) {
            // A window keeps to its band: top-most ones above, the others below.
            std::size_t band = FirstNonTopMost(list);
            if (w->FExStyle & WS_EX_TOPMOST) pos = std::min(pos, band);
            else pos = std::max(pos, band);
        }
    }
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(std::min(pos, list.size())), w);
    return list != before;
}

std::vector<Window*> WindowTree::OwnedBy(Window* owner) {
    std::vector<Window*> out;
    for (Window* t : WindowSystem::Current()->TopLevels())
        if (t->FOwner == owner) out.push_back(t);
    return out;
}

void WindowTree::BringToTop(Window* w) {
    if (w->FParent) {
        Link(w, HWND_TOP);
        return;
    }
    Link(w, HWND_TOP);
    // Owned windows stay above their owner, in their present order.
    std::vector<Window*> owned = OwnedBy(w);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) BringToTop(*it);
}

void WindowTree::Descendants(Window* w, std::vector<HWND>& out) {
    for (Window* c : w->FChildren) {
        out.push_back(c->FHandle);
        Descendants(c, out);
    }
}
