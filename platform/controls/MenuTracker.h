// The menu loop: a local modal loop, with the mouse captured by the owner window, that opens,
// switches and closes the menu bar's drop-downs and the popup menus, answers the mouse and the
// keyboard for them, tells the owner what happens (WM_ENTERMENULOOP, WM_INITMENU,
// WM_INITMENUPOPUP, WM_MENUSELECT, WM_ENTERIDLE, WM_UNINITMENUPOPUP, WM_EXITMENULOOP) and ends
// with the command chosen (WM_COMMAND, or WM_SYSCOMMAND for the system menu).
#pragma once

#include "platform/controls/MenuPainter.h"

#include <vector>

class MenuTracker {
public:
    // TrackPopupMenuEx: the chosen id with TPM_RETURNCMD, else TRUE (FALSE when it could not run).
    static UINT_PTR TrackPopup(HMENU menu, UINT flags, TPoint pt, HWND owner, const TRect* exclude, bool system);
    // A press on the menu bar at a screen point.
    static void TrackBar(HWND hwnd, TPoint screen);
    // Alt or F10 alone (key 0) enters the bar; Alt+letter opens the item with that mnemonic.
    static void KeyMenu(HWND hwnd, WPARAM key);
    static void ShowSystemMenu(HWND hwnd, TPoint screen);
    // Cancels the menu being tracked; false when none is.
    static bool EndCurrent();
    // How the highlighted bar item of a window looks now: pressed while its drop-down is open.
    static TBarItemLook BarLook(HWND hwnd);

    // Delay before a submenu opens under the pointer.
    static constexpr UINT kOpenDelayMs = 400;

private:
    struct TLevel {
        HMENU Menu = nullptr;
        HWND Window = nullptr;
    };
    struct THit {
        int Level = kNowhere; // kBar, a popup level, or kNowhere
        int Index = -1;
    };
    static constexpr int kBar = -1;
    static constexpr int kNowhere = -2;
    static constexpr UINT_PTR kOpenTimer = 0xFFF1;

    MenuTracker(HWND owner, UINT flags, bool system);
    bool Notify() const { return !(FFlags & TPM_NONOTIFY); }
    void Begin(HMENU initMenu);
    void Run();
    void Finish();
    void Deliver();
    bool Intercept(MSG& msg);
    void SendIdle();

    // Structure.
    bool OpenRoot(HMENU menu, TPoint pt, const TRect* exclude, bool selectFirst);
    bool OpenSubmenu(int level, bool selectFirst);
    HWND ShowPopup(HMENU menu, int parentIndex, const TRect& from, int how, TPoint pt, const TRect* exclude);
    void CloseFrom(int level);
    void Select(int level, int index);
    void SelectBar(int index, bool open, bool selectFirst);
    void Choose(int level, int index);
    void Cancel() { FDone = true; }
    Menu* MenuAt(int level) const;
    MenuItem* Selected(int level, int* index = nullptr) const;
    void SendMenuSelect(int level, int index);
    THit HitTest(TPoint screen) const;

    // Input.
    void MouseMove(TPoint pt);
    void ButtonDown(TPoint pt);
    void ButtonUp(TPoint pt);
    void KeyDown(UINT vk);
    void Char(char32_t c);
    void MoveSelection(int level, int step);
    void MoveBar(int step);
    void Activate(int level, int index);
    void Timer(HWND window);

    HWND FOwner;
    UINT FFlags;
    bool FSystem;
    bool FPopupMode = true;
    HMENU FBar = nullptr;
    int FBarIndex = -1;
    bool FBarOpen = false;
    bool FButtonDown = false;
    bool FMouseChoice = false; // a release chose: system commands carry the pointer position
    std::vector<TLevel> FLevels;
    bool FDone = false;
    bool FChosen = false;
    bool FIdleSent = false;
    UINT FCommand = 0;
    bool FCommandIsSystem = false;
    LPARAM FCommandPos = 0;
    MenuTracker* FOuter = nullptr;

    // One menu is tracked at a time on the UI thread, as on the desktop; EndMenu and the bar's
    // painting reach it here.
    static MenuTracker* FCurrent;
};
