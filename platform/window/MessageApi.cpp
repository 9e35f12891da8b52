// Sending, posting and retrieving messages; timers, waits and hooks.
#include "platform/window/MessageApi.h"
#include "platform/window/InputApi.h"
#include "platform/window/InputRouter.h"
#include "platform/window/PaintManager.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowSystem.h"

#include "platform/system/LetterCase.h"

#include <algorithm>
#include <cctype>

namespace {
// Counts the handlers on the stack, so retired window records are freed only when none runs.
struct HandlerScope {
    explicit HandlerScope(WindowSystem& ws) : Depth(ws.HandlerDepth()) { ++Depth; }
    ~HandlerScope() { --Depth; }
    int& Depth;
};
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws ? ws->Find(hwnd) : nullptr;
    if (!w) return 0;
    HandlerScope scope(*ws);
    std::shared_ptr<WindowProcNode> top = w->FProc; // keeps the procedure alive if it removes itself
    if (!top) return DefWindowProc(hwnd, msg, wParam, lParam);
    return top->Fn(hwnd, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || (hwnd && !ws->Find(hwnd))) return FALSE;
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = static_cast<DWORD>(ws->Now());
    m.pt = ws->Router().CursorPos();
    ws->Posted().Post(m);
    return TRUE;
}

BOOL PostThreadMessage(DWORD, UINT msg, WPARAM wParam, LPARAM lParam) {
    return PostMessage(nullptr, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    if (WindowSystem* ws = WindowSystem::Current()) ws->Posted().PostQuit(exitCode);
}

static bool InRange(UINT msg, UINT minMsg, UINT maxMsg) {
    return (minMsg == 0 && maxMsg == 0) || (msg >= minMsg && msg <= maxMsg);
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT minMsg, UINT maxMsg, UINT removeFlags) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || !msg) return FALSE;
    ws->CollectIfIdle();
    bool remove = (removeFlags & PM_REMOVE) != 0;
    ws->Router().CheckHover(ws->Now());
    if (!(ws = WindowSystem::Current())) return FALSE;
    MSG m;
    for (;;) {
        if (ws->Posted().Take(m, hwnd, minMsg, maxMsg, remove)) {
            ws->FLastMessageTime = m.time;
            ws->FLastMessagePos = m.pt;
            *msg = m;
            return TRUE;
        }
        TInputEvent e;
        if (!ws->Input().Pop(e)) break;
        ws->Router().Process(e);
        if (!WindowSystem::Current()) return FALSE;
    }
    // WM_QUIT ignores the filters: a loop waiting for one window's messages must still end.
    if (ws->Posted().QuitPending()) {
        m = MSG{};
        m.message = WM_QUIT;
        m.wParam = static_cast<WPARAM>(remove ? ws->Posted().TakeQuit() : ws->Posted().ExitCode());
        *msg = m;
        return TRUE;
    }
    if (InRange(WM_PAINT, minMsg, maxMsg)) {
        if (Window* w = ws->Paint().NextToPaint(hwnd)) {
            m = MSG{};
            m.hwnd = w->FHandle;
            m.message = WM_PAINT;
            m.time = static_cast<DWORD>(ws->Now());
            *msg = m;
            return TRUE;
        }
    }
    if (InRange(WM_TIMER, minMsg, maxMsg) && ws->Timers().TakeDue(m, hwnd, ws->Now(), remove)) {
        m.pt = ws->Router().CursorPos();
        *msg = m;
        return TRUE;
    }
    return FALSE;
}

// When the loop next has something to do by the clock: the timers it can retrieve and hovering.
static std::uint64_t WakeTime(WindowSystem& ws, HWND hwnd, UINT minMsg, UINT maxMsg) {
    std::uint64_t due = InRange(WM_TIMER, minMsg, maxMsg) ? ws.Timers().NextDue(hwnd) : Backend::kNoDeadline;
    return std::min(due, ws.Router().HoverDue());
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT minMsg, UINT maxMsg) {
    for (;;) {
        WindowSystem* ws = WindowSystem::Current();
        if (!ws || !msg) return FALSE;
        if (PeekMessage(msg, hwnd, minMsg, maxMsg, PM_REMOVE)) return msg->message != WM_QUIT;
        if (!(ws = WindowSystem::Current())) return FALSE;
        ws->Paint().FlushPresents();
        // A due timer the filter leaves out must not wake the wait again and again.
        ws->GetBackend().WaitForInput(WakeTime(*ws, hwnd, minMsg, maxMsg));
    }
}

BOOL WaitMessage() {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return FALSE;
    MSG m;
    if (PeekMessage(&m, nullptr, 0, 0, PM_NOREMOVE)) return TRUE;
    if (!(ws = WindowSystem::Current())) return FALSE;
    ws->Paint().FlushPresents();
    ws->GetBackend().WaitForInput(WakeTime(*ws, nullptr, 0, 0));
    return TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return FALSE;
    UINT vk = static_cast<UINT>(msg->wParam);
    bool ctrl = ws->Router().KeyDown(VK_CONTROL);
    bool alt = ws->Router().KeyDown(VK_MENU);
    if (msg->message == WM_SYSKEYDOWN) {
        if (!alt) return FALSE;
        // A letter of the layout's own script (Alt+И on a Russian layout) is the character, not
        // the Latin letter printed at the key's place.
        char32_t typed = ws->Router().KeyCharacter(static_cast<int>(vk));
        if (UpperChar(typed) != LowerChar(typed))
            return PostMessage(msg->hwnd, WM_SYSCHAR, static_cast<WPARAM>(LowerChar(typed)), msg->lParam);
        bool letterOrDigit = (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == VK_SPACE;
        if (!letterOrDigit) return FALSE;
        return PostMessage(msg->hwnd, WM_SYSCHAR, static_cast<WPARAM>(std::tolower(static_cast<int>(vk))), msg->lParam);
    }
    WPARAM ch = 0;
    if (vk == VK_BACK) ch = 8;
    else if (vk == VK_TAB) ch = 9;
    else if (vk == VK_RETURN) ch = 13;
    else if (vk == VK_ESCAPE) ch = 27;
    else if (ctrl && !alt && vk >= 'A' && vk <= 'Z') ch = vk - 'A' + 1;
    if (!ch) return FALSE;
    return PostMessage(msg->hwnd, WM_CHAR, ch, msg->lParam);
}

LRESULT DispatchMessage(const MSG* msg) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || !msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        const TIMERPROC* cb = ws->Timers().Callback(msg->hwnd, msg->wParam);
        if (!cb) return 0;
        TIMERPROC fn = *cb; // the callback may kill its own timer
        fn(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    Window* w = ws->Find(msg->hwnd);
    if (!w) return 0;
    if (msg->message != WM_PAINT) return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    std::uint64_t before = ws->Paint().BeginPaintCount();
    Region pending = w->FUpdate;
    LRESULT r = SendMessage(msg->hwnd, WM_PAINT, 0, 0);
    // A procedure that answers WM_PAINT without BeginPaint would otherwise be asked for ever.
    if ((ws = WindowSystem::Current()) && ws->Paint().BeginPaintCount() == before && (w = ws->Find(msg->hwnd))) {
        w->FUpdate.Subtract(pending);
        w->FInternalPaint = false;
    }
    return r;
}

DWORD GetMessageTime() {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->FLastMessageTime : 0;
}

TPoint GetMessagePos() {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->FLastMessagePos : TPoint{};
}

UINT RegisterWindowMessage(const std::string& name) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->RegisterMessage(name) : 0;
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC fn) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || (hwnd && !ws->Find(hwnd))) return 0;
    UINT_PTR got = ws->Timers().Set(hwnd, id, intervalMs, std::move(fn), ws->Now());
    return hwnd && id == 0 ? 1 : got; // a window timer's id is the caller's, as given
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->Timers().Kill(hwnd, id) ? TRUE : FALSE;
}

void Sleep(DWORD ms) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return;
    // Animations draw a frame, then pause: the frame reaches the screen before the pause.
    ws->Paint().FlushPresents();
    ws->GetClock().Sleep(ms);
}

DWORD GetTickCount() {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? static_cast<DWORD>(ws->Now()) : 0;
}

DWORD GetCurrentThreadId() {
    return 1;
}

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, void*, DWORD) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || idHook != WH_CBT) return nullptr;
    return ws->Hooks().Add(std::move(proc));
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->Hooks().Remove(hook) ? TRUE : FALSE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Hooks().CallNext(hook, code, wParam, lParam) : 0;
}
