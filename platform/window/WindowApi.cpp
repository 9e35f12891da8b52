// The window functions: thin checks in front of the window system's classes.
#include "platform/window/WindowApi.h"
#include "platform/window/FocusManager.h"
#include "platform/window/InputRouter.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintManager.h"
#include "platform/window/WindowLifecycle.h"
#include "platform/window/WindowPlacement.h"
#include "platform/window/WindowSystem.h"
#include "platform/window/WindowTree.h"

#include <algorithm>

static Window* Lookup(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Find(hwnd) : nullptr;
}

ATOM RegisterClass(const WNDCLASS& wc) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Classes().Register(wc) : 0;
}

BOOL UnregisterClass(const std::string& className) {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->Classes().Unregister(className) ? TRUE : FALSE;
}

std::string GetClassName(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && w->FClass ? w->FClass->FName : std::string();
}

UINT GetClassStyle(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w ? w->ClassStyle() : 0;
}

UINT SetClassStyle(HWND hwnd, UINT style) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = Lookup(hwnd);
    if (!ws || !w || !w->FClass) return 0;
    const UINT previous = w->FClass->FStyle;
    ws->Classes().SetStyle(w->FClass->FName, style);
    return previous;
}

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& text, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, void* createParam) {
    CREATESTRUCT cs;
    cs.lpCreateParams = createParam;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = text;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    return WindowLifecycle::Create(cs);
}

BOOL DestroyWindow(HWND hwnd) {
    return WindowSystem::Current() ? WindowLifecycle::Destroy(hwnd) : FALSE;
}

BOOL IsWindow(HWND hwnd) {
    return Lookup(hwnd) ? TRUE : FALSE;
}

HWND GetParent(HWND hwnd) {
    Window* w = Lookup(hwnd);
    if (!w) return nullptr;
    if (w->FParent) return w->FParent->FHandle;
    return w->FOwner ? w->FOwner->FHandle : nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    Window* w = Lookup(hwnd);
    if (!w) return nullptr;
    switch (flags) {
    case GA_PARENT: return w->FParent ? w->FParent->FHandle : nullptr;
    case GA_ROOT: return w->TopLevel()->FHandle;
    case GA_ROOTOWNER: {
        Window* r = w->TopLevel();
        while (r->FOwner) r = r->FOwner;
        return r->FHandle;
    }
    default: return nullptr;
    }
}

HWND SetParent(HWND child, HWND newParent) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = Lookup(child);
    Window* p = newParent ? Lookup(newParent) : nullptr;
    if (!w || (newParent && !p) || p == w || (p && p->IsDescendantOf(w))) return nullptr;
    HWND old = w->FParent ? w->FParent->FHandle : nullptr;
    bool visible = (w->FStyle & WS_VISIBLE) != 0;
    if (visible) ShowWindow(child, SW_HIDE);
    if (!(w = Lookup(child))) return nullptr;
    if (!w->FParent) ws->NotifyTopLevel(w, TTopLevelChange::tcDestroyed);
    WindowTree::Unlink(w);
    w->FParent = p;
    if (p) {
        w->FStyle |= WS_CHILD;
        w->FStyle &= ~WS_POPUP;
    } else {
        w->FStyle &= ~WS_CHILD;
    }
    WindowTree::Link(w, HWND_TOP);
    if (!p) {
        ws->Paint().SizeBacking(w);
        ws->NotifyTopLevel(w, TTopLevelChange::tcCreated);
    }
    if (visible) ShowWindow(child, SW_SHOWNA);
    return old;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = Lookup(hwnd);
    if (!w) return nullptr;
    if (cmd == GW_CHILD) return w->FChildren.empty() ? nullptr : w->FChildren.front()->FHandle;
    if (cmd == GW_OWNER) return w->FOwner ? w->FOwner->FHandle : nullptr;
    if (cmd == GW_ENABLEDPOPUP) {
        for (Window* t : ws->TopLevels())
            if (t->FOwner == w && (t->FStyle & WS_VISIBLE) && !(t->FStyle & WS_DISABLED)) return t->FHandle;
        return nullptr;
    }
    auto& list = WindowTree::Siblings(w);
    auto it = std::find(list.begin(), list.end(), w);
    switch (cmd) {
    case GW_HWNDFIRST: return list.front()->FHandle;
    case GW_HWNDLAST: return list.back()->FHandle;
    case GW_HWNDNEXT: return (it + 1) == list.end() ? nullptr : (*(it + 1))->FHandle;
    case GW_HWNDPREV: return it == list.begin() ? nullptr : (*(it - 1))->FHandle;
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND parent) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return nullptr;
    if (!parent) return ws->TopLevels().empty() ? nullptr : ws->TopLevels().front()->FHandle;
    return GetWindow(parent, GW_CHILD);
}

BOOL IsChild(HWND parent, HWND hwnd) {
    Window* p = Lookup(parent);
    Window* w = Lookup(hwnd);
    return p && w && w->IsChild() && w->IsDescendantOf(p) ? TRUE : FALSE;
}

HWND GetDlgItem(HWND parent, int id) {
    Window* p = Lookup(parent);
    if (!p) return nullptr;
    for (Window* c : p->FChildren)
        if (c->FId == static_cast<UINT_PTR>(id)) return c->FHandle;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && w->FParent ? static_cast<int>(w->FId) : 0;
}

HMENU GetMenu(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && !w->FParent ? w->FMenu : nullptr;
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    Window* w = Lookup(hwnd);
    if (!w || w->FParent) return FALSE;
    w->FMenu = menu;
    return DrawMenuBar(hwnd);
}

BOOL DrawMenuBar(HWND hwnd) {
    if (!Lookup(hwnd)) return FALSE;
    return SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    Window* w = Lookup(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_STYLE: return static_cast<LONG_PTR>(w->FStyle);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->FExStyle);
    case GWLP_ID: return static_cast<LONG_PTR>(w->FId);
    case GWLP_USERDATA: return w->FUserData;
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->FOwner ? w->FOwner->FHandle : nullptr);
    default: return 0;
    }
}

static LONG_PTR ChangeStyle(HWND hwnd, int index, DWORD value) {
    Window* w = Lookup(hwnd);
    DWORD old = index == GWL_STYLE ? w->FStyle : w->FExStyle;
    STYLESTRUCT ss{old, value};
    SendMessage(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
    if (!(w = Lookup(hwnd))) return 0;
    if (index == GWL_STYLE) {
        // Visibility is changed by ShowWindow only, as on the desktop.
        w->FStyle = (ss.styleNew & ~WS_VISIBLE) | (w->FStyle & WS_VISIBLE);
    } else {
        // Only SetWindowPos moves a window into or out of the top-most band, which the z-order
        // keeps together above the rest.
        w->FExStyle = (ss.styleNew & ~WS_EX_TOPMOST) | (w->FExStyle & WS_EX_TOPMOST);
        if (!(w->FExStyle & WS_EX_LAYERED)) w->FLayered.reset();
    }
    SendMessage(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
    return static_cast<LONG_PTR>(old);
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* w = Lookup(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: return ChangeStyle(hwnd, index, static_cast<DWORD>(value));
    case GWLP_ID: w->FId = static_cast<UINT_PTR>(value); break;
    case GWLP_USERDATA: w->FUserData = value; break;
    case GWLP_HWNDPARENT: {
        Window* o = Lookup(reinterpret_cast<HWND>(value));
        if (o) o = o->TopLevel();
        if (w->FParent || WindowTree::WouldOwnItself(w, o)) return 0; // an owner cycle would never end
        w->FOwner = o;
        if (o) {
            for (Window* moved : WindowTree::KeepOwnedAbove(w)) WindowSystem::Current()->NotifyTopLevel(moved, TTopLevelChange::tcZOrder);
            WindowSystem::Current()->NotifyTopLevel(w, TTopLevelChange::tcZOrder);
        }
        break;
    }
    default: return 0;
    }
    return old;
}

BOOL SetProp(HWND hwnd, const std::string& name, std::uintptr_t data) {
    Window* w = Lookup(hwnd);
    if (!w || name.empty()) return FALSE;
    w->FProps[name] = data;
    return TRUE;
}

std::uintptr_t GetProp(HWND hwnd, const std::string& name) {
    Window* w = Lookup(hwnd);
    if (!w) return 0;
    auto it = w->FProps.find(name);
    return it == w->FProps.end() ? 0 : it->second;
}

std::uintptr_t RemoveProp(HWND hwnd, const std::string& name) {
    Window* w = Lookup(hwnd);
    if (!w) return 0;
    auto it = w->FProps.find(name);
    if (it == w->FProps.end()) return 0;
    std::uintptr_t v = it->second;
    w->FProps.erase(it);
    return v;
}

BOOL SetWindowText(HWND hwnd, const std::string& text) {
    if (!Lookup(hwnd)) return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) ? TRUE : FALSE;
}

std::string GetWindowText(HWND hwnd) {
    std::string text;
    if (Lookup(hwnd)) SendMessage(hwnd, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    return text;
}

int GetWindowTextLength(HWND hwnd) {
    return Lookup(hwnd) ? static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

BOOL GetWindowRect(HWND hwnd, TRect* rect) {
    Window* w = Lookup(hwnd);
    if (!w || !rect) return FALSE;
    *rect = w->ScreenRect();
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, TRect* rect) {
    Window* w = Lookup(hwnd);
    if (!w || !rect) return FALSE;
    *rect = {0, 0, w->FClient.Width(), w->FClient.Height()};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, TPoint* point) {
    Window* w = Lookup(hwnd);
    if (!w || !point) return FALSE;
    TPoint o = w->ClientScreenOrigin();
    *point = {point->X + o.X, point->Y + o.Y};
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, TPoint* point) {
    Window* w = Lookup(hwnd);
    if (!w || !point) return FALSE;
    TPoint o = w->ClientScreenOrigin();
    *point = {point->X - o.X, point->Y - o.Y};
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, TPoint* points, int count) {
    Window* f = from ? Lookup(from) : nullptr;
    Window* t = to ? Lookup(to) : nullptr;
    if ((from && !f) || (to && !t)) return 0;
    TPoint a = f ? f->ClientScreenOrigin() : TPoint{};
    TPoint b = t ? t->ClientScreenOrigin() : TPoint{};
    int dx = a.X - b.X, dy = a.Y - b.Y;
    for (int i = 0; i < count; ++i) points[i] = {points[i].X + dx, points[i].Y + dy};
    return MAKELONG(dx, dy);
}

int MapWindowRect(HWND from, HWND to, TRect* rect) {
    TPoint pts[2] = {rect->TopLeft(), rect->BottomRight()};
    int r = MapWindowPoints(from, to, pts, 2);
    *rect = {pts[0].X, pts[0].Y, pts[1].X, pts[1].Y};
    return r;
}

HWND WindowFromPoint(TPoint screen) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Router().HitTest(screen).first : nullptr;
}

HWND ChildWindowFromPoint(HWND parent, TPoint client) {
    Window* p = Lookup(parent);
    if (!p || !TRect{0, 0, p->FClient.Width(), p->FClient.Height()}.Contains(client)) return nullptr;
    for (Window* c : p->FChildren)
        if (c->ContainsInParent(client)) return c->FHandle;
    return parent;
}

BOOL ShowWindow(HWND hwnd, int cmd) {
    return WindowSystem::Current() ? WindowPlacement::Show(hwnd, cmd) : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && w->IsShowing() ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && (w->FStyle & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && (w->FStyle & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = Lookup(hwnd);
    if (!w) return FALSE;
    BOOL wasDisabled = (w->FStyle & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        w->FStyle &= ~WS_DISABLED;
        SendMessage(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        w->FStyle |= WS_DISABLED;
        HWND focus = ws->Focus().Focus();
        Window* f = ws->Find(focus);
        if (f && (f == w || f->IsDescendantOf(w))) ws->Focus().SetFocus(nullptr);
        Window* cap = ws->Find(ws->Focus().Capture());
        if (cap && (cap == w || cap->IsDescendantOf(w))) ws->Focus().ReleaseCapture();
        SendMessage(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && !(w->FStyle & WS_DISABLED) ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    return WindowSystem::Current() ? WindowPlacement::SetPos(hwnd, insertAfter, x, y, width, height, flags) : FALSE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL EnumChildWindows(HWND parent, const WNDENUMPROC& fn) {
    Window* p = Lookup(parent);
    if (!p || !fn) return FALSE;
    std::vector<HWND> all;
    WindowTree::Descendants(p, all);
    for (HWND h : all)
        if (Lookup(h) && !fn(h)) return FALSE;
    return TRUE;
}

BOOL EnumThreadWindows(DWORD, const WNDENUMPROC& fn) {
    return EnumWindows(fn);
}

BOOL EnumWindows(const WNDENUMPROC& fn) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || !fn) return FALSE;
    std::vector<HWND> tops;
    for (Window* t : ws->TopLevels()) tops.push_back(t->FHandle);
    for (HWND h : tops)
        if (Lookup(h) && !fn(h)) return FALSE;
    return TRUE;
}

WNDPROC SetWindowProc(HWND hwnd, WindowProcFn fn) {
    Window* w = Lookup(hwnd);
    if (!w || !fn) return nullptr;
    auto below = std::make_shared<WindowProcLink>(WindowProcLink{w->FProc});
    w->FProc = std::make_shared<WindowProcNode>(WindowProcNode{std::move(fn), below});
    return below;
}

BOOL RemoveWindowProc(HWND hwnd, const WNDPROC& installed) {
    Window* w = Lookup(hwnd);
    if (!w || !installed) return FALSE;
    if (w->FProc && w->FProc->Below == installed) {
        w->FProc = installed->Target;
        return TRUE;
    }
    // Re-link the procedure above the removed one to the one below it; the removed procedure's
    // own link stays intact, so a call already running inside it still finds its way down.
    for (std::shared_ptr<WindowProcNode> n = w->FProc; n && n->Below; n = n->Below->Target) {
        const std::shared_ptr<WindowProcNode>& next = n->Below->Target;
        if (next && next->Below == installed) {
            n->Below->Target = installed->Target;
            return TRUE;
        }
    }
    return FALSE;
}

LRESULT CallWindowProc(const WNDPROC& prev, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (prev && prev->Target) {
        std::shared_ptr<WindowProcNode> node = prev->Target; // may be re-linked while it runs
        return node->Fn(hwnd, msg, wParam, lParam);
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}
