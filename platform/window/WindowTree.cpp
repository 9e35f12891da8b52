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

static std::ptrdiff_t IndexOf(const std::vector<Window*>& list, const Window* w) {
    auto it = std::find(list.begin(), list.end(), w);
    return it == list.end() ? -1 : it - list.begin();
}

// Puts x directly above `below` unless it already is somewhere above it.
static bool PlaceAbove(std::vector<Window*>& list, Window* x, Window* below) {
    if (IndexOf(list, x) < IndexOf(list, below)) return false;
    list.erase(std::remove(list.begin(), list.end(), x), list.end());
    list.insert(list.begin() + IndexOf(list, below), x);
    return true;
}

static void RaiseOwned(std::vector<Window*>& list, Window* w, std::vector<Window*>& moved, int depth) {
    if (depth > 64) return; // owner chains are short; this only guards against a corrupt one
    std::vector<Window*> owned;
    for (Window* t : list)
        if (t->FOwner == w && t != w) owned.push_back(t);
    // Each goes directly above w, top-most first, so they keep their order among themselves.
    for (Window* o : owned) {
        bool changed = false;
        if ((w->FExStyle & WS_EX_TOPMOST) && !(o->FExStyle & WS_EX_TOPMOST)) {
            o->FExStyle |= WS_EX_TOPMOST; // an owned window follows its owner into the top-most band
            changed = true;
        }
        changed = PlaceAbove(list, o, w) || changed;
        if (changed) moved.push_back(o);
        RaiseOwned(list, o, moved, depth + 1);
    }
}

std::vector<Window*> WindowTree::KeepOwnedAbove(Window* w) {
    std::vector<Window*> moved;
    if (w->FParent) return moved;
    auto& list = WindowSystem::Current()->TopLevels();
    Window* owner = w->FOwner;
    if (owner && !owner->FParent && IndexOf(list, owner) >= 0) {
        if ((owner->FExStyle & WS_EX_TOPMOST)) w->FExStyle |= WS_EX_TOPMOST;
        PlaceAbove(list, w, owner);
    }
    RaiseOwned(list, w, moved, 0);
    return moved;
}

std::vector<Window*> WindowTree::BringToTop(Window* w) {
    std::vector<Window*> moved;
    if (Link(w, HWND_TOP)) moved.push_back(w);
    if (w->FParent) return moved;
    for (Window* o : KeepOwnedAbove(w)) moved.push_back(o);
    return moved;
}

static void DropOwned(std::vector<Window*>& list, Window* w, int depth) {
    if (depth > 64) return;
    std::vector<Window*> owned;
    for (Window* t : list)
        if (t->FOwner == w && t != w && (t->FExStyle & WS_EX_TOPMOST)) owned.push_back(t);
    for (Window* o : owned) {
        o->FExStyle &= ~WS_EX_TOPMOST;
        list.erase(std::remove(list.begin(), list.end(), o), list.end());
        list.insert(list.begin() + IndexOf(list, w), o);
        DropOwned(list, o, depth + 1);
    }
}

void WindowTree::DropOwnedFromTopMost(Window* w) {
    if (!w->FParent) DropOwned(WindowSystem::Current()->TopLevels(), w, 0);
}

bool WindowTree::WouldOwnItself(const Window* w, const Window* owner) {
    for (const Window* o = owner; o; o = o->FOwner)
        if (o == w) return true;
    return false;
}

void WindowTree::Descendants(Window* w, std::vector<HWND>& out) {
    for (Window* c : w->FChildren) {
        out.push_back(c->FHandle);
        Descendants(c, out);
    }
}
