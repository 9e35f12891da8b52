// The input functions.
#include "platform/window/InputApi.h"
#include "platform/window/FocusManager.h"
#include "platform/window/InputRouter.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowSystem.h"

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || !tme) return FALSE;
    if (tme->dwFlags & TME_QUERY) {
        ws->Router().QueryTracking(*tme);
        return TRUE;
    }
    return ws->Router().Track(*tme) ? TRUE : FALSE;
}

HWND SetCapture(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Focus().SetCapture(hwnd) : nullptr;
}

BOOL ReleaseCapture() {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->Focus().ReleaseCapture() ? TRUE : FALSE;
}

HWND GetCapture() {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->Find(ws->Focus().Capture()) ? ws->Focus().Capture() : nullptr;
}

BOOL GetCursorPos(TPoint* point) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || !point) return FALSE;
    *point = ws->Router().CursorPos();
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return FALSE;
    ws->Router().SetCursorPos({x, y});
    return TRUE;
}

BOOL ClipCursor(const TRect* rect) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return FALSE;
    ws->Router().SetClip(rect ? std::optional<TRect>(*rect) : std::nullopt);
    return TRUE;
}

BOOL GetClipCursor(TRect* rect) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || !rect) return FALSE;
    auto clip = ws->Router().Clip();
    TSize s = ws->GetBackend().ScreenSize();
    *rect = clip ? *clip : TRect{0, 0, s.cx, s.cy};
    return TRUE;
}

HCURSOR LoadCursor(void*, int cursorId) {
    // The handle is the cursor number itself: standard cursors need no loading.
    return cursorId >= IDC_ARROW && cursorId <= IDC_HELP ? reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(cursorId))
                                                         : nullptr;
}

int CursorId(HCURSOR cursor) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(cursor));
}

HCURSOR SetCursor(HCURSOR cursor) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Router().SetCursor(cursor) : nullptr;
}

HCURSOR GetCursor() {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Router().Cursor() : nullptr;
}

HWND SetFocus(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Focus().SetFocus(hwnd) : nullptr;
}

HWND GetFocus() {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->Find(ws->Focus().Focus()) ? ws->Focus().Focus() : nullptr;
}

SHORT GetKeyState(int vk) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return 0;
    int v = (ws->Router().KeyDown(vk) ? 0x8000 : 0) | (ws->Router().KeyToggled(vk) ? 1 : 0);
    return static_cast<SHORT>(v);
}

SHORT GetAsyncKeyState(int vk) {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->Router().KeyDown(vk) ? static_cast<SHORT>(0x8000) : 0;
}

HWND SetActiveWindow(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Focus().Activate(hwnd, WA_ACTIVE) : nullptr;
}

HWND GetActiveWindow() {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->Find(ws->Focus().Active()) ? ws->Focus().Active() : nullptr;
}

BOOL SetForegroundWindow(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || !ws->Find(hwnd)) return FALSE;
    ws->Focus().Activate(hwnd, WA_ACTIVE);
    return GetActiveWindow() == GetAncestor(hwnd, GA_ROOT) ? TRUE : FALSE;
}

HWND GetForegroundWindow() {
    return GetActiveWindow();
}

UINT GetDoubleClickTime() {
    return 500;
}
