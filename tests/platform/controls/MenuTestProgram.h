// A small program for menu tests on the UI-driver thread: a main window with a menu bar whose
// window procedure records the menu messages it receives; tests act as the user through the
// driver and read the record on the UI thread.
#pragma once

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/controls/MenuApi.h"
#include "platform/controls/MenuModule.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

enum : UINT {
    kIdNew = 101, kIdOpen = 102, kIdDisabled = 103, kIdExit = 104, kIdOne = 111, kIdTwo = 112,
    kIdUndo = 201, kIdCopy = 202, kIdHelp = 301
};

struct TMenuMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
};

class MenuProgram {
public:
    // Bar: "&File" (New, Open, -, Recent > (One, Two), Disabled, -, Exit), "&Edit" (Undo, Copy),
    // "&Help" (a command on the bar itself).
    void Build() {
        RegisterMenuControls();
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        WNDCLASS wc;
        wc.lpszClassName = "MenuMain";
        wc.hbrBackground = clBtnFace;
        wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (IsRecorded(m)) Log.push_back({m, w, l});
            auto it = Handlers.find(m);
            if (it != Handlers.end()) return it->second(h, w, l);
            if (m == WM_DESTROY) PostQuitMessage(0);
            return DefWindowProc(h, m, w, l);
        };
        RegisterClass(wc);
        Recent = CreatePopupMenu();
        AppendMenu(Recent, MF_STRING, kIdOne, "&One");
        AppendMenu(Recent, MF_STRING, kIdTwo, "&Two");
        File = CreatePopupMenu();
        AppendMenu(File, MF_STRING, kIdNew, "&New\tCtrl+N");
        AppendMenu(File, MF_STRING, kIdOpen, "&Open...");
        AppendMenu(File, MF_SEPARATOR, 0, "");
        AppendMenu(File, MF_POPUP, reinterpret_cast<UINT_PTR>(Recent), "&Recent");
        AppendMenu(File, MF_STRING | MF_GRAYED, kIdDisabled, "&Disabled");
        AppendMenu(File, MF_SEPARATOR, 0, "");
        AppendMenu(File, MF_STRING, kIdExit, "E&xit");
        Edit = CreatePopupMenu();
        AppendMenu(Edit, MF_STRING, kIdUndo, "&Undo");
        AppendMenu(Edit, MF_STRING, kIdCopy, "&Copy");
        Bar = CreateMenu();
        AppendMenu(Bar, MF_POPUP, reinterpret_cast<UINT_PTR>(File), "&File");
        AppendMenu(Bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Edit), "&Edit");
        AppendMenu(Bar, MF_STRING, kIdHelp, "&Help");
        Main = CreateWindowEx(0, "MenuMain", "Menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr, Bar);
    }

    int Run() {
        Build();
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        DestroyMenu(Bar);
        return 0;
    }

    static bool IsRecorded(UINT m) {
        switch (m) {
        case WM_COMMAND: case WM_SYSCOMMAND: case WM_ENTERMENULOOP: case WM_EXITMENULOOP: case WM_INITMENU:
        case WM_INITMENUPOPUP: case WM_UNINITMENUPOPUP: case WM_MENUSELECT: case WM_LBUTTONDOWN: case WM_LBUTTONUP:
        case WM_MEASUREITEM: case WM_DRAWITEM:
            return true;
        default: return false;
        }
    }

    HWND Main = nullptr;
    HMENU Bar = nullptr, File = nullptr, Edit = nullptr, Recent = nullptr;
    std::vector<TMenuMessage> Log;
    std::map<UINT, std::function<LRESULT(HWND, WPARAM, LPARAM)>> Handlers;
};

// The driver with the program, and the questions tests ask of it (answered on the UI thread).
class MenuDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        Driver = std::make_unique<HeadlessDriver>([this] { return App.Run(); });
        Driver->WaitIdle();
    }
    void TearDown() override { Driver->Shutdown(); }

    template <typename T> T OnUi(const std::function<T()>& fn) {
        T out{};
        Driver->RunOnUi([&] { out = fn(); });
        return out;
    }
    // Centre of a bar item or of an item of a showing popup, in screen coordinates.
    TPoint ItemCentre(HMENU menu, int position) {
        return OnUi<TPoint>([&] {
            TRect r;
            if (!GetMenuItemRect(App.Main, menu, static_cast<UINT>(position), &r)) return TPoint{-1, -1};
            return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        });
    }
    void ClickItem(HMENU menu, int position) {
        TPoint p = ItemCentre(menu, position);
        ASSERT_GE(p.X, 0) << "item " << position << " is not showing";
        Driver->Click(p.X, p.Y);
    }
    // The menus shown by "#32768" windows, bottom-most level first.
    std::vector<HMENU> OpenMenus() {
        return OnUi<std::vector<HMENU>>([] {
            std::vector<HMENU> out;
            EnumWindows([&](HWND h) {
                if (GetClassName(h) == "#32768" && IsWindowVisible(h))
                    out.insert(out.begin(), reinterpret_cast<HMENU>(SendMessage(h, MN_GETHMENU, 0, 0)));
                return true;
            });
            return out;
        });
    }
    std::vector<TMenuMessage> Messages(UINT msg) {
        return OnUi<std::vector<TMenuMessage>>([&] {
            std::vector<TMenuMessage> out;
            std::copy_if(App.Log.begin(), App.Log.end(), std::back_inserter(out), [&](const TMenuMessage& m) { return m.Msg == msg; });
            return out;
        });
    }
    // The command ids of the WM_COMMAND messages received from menus.
    std::vector<UINT> Commands() {
        std::vector<UINT> ids;
        for (const TMenuMessage& m : Messages(WM_COMMAND)) {
            EXPECT_EQ(HIWORD(m.WParam), 0) << "menu commands come with source 0";
            EXPECT_EQ(m.LParam, 0);
            ids.push_back(LOWORD(m.WParam));
        }
        return ids;
    }
    void ClearLog() { Driver->RunOnUi([&] { App.Log.clear(); }); }
    int HiliteOf(HMENU menu) {
        return OnUi<int>([&] {
            for (int i = 0; i < GetMenuItemCount(menu); ++i)
                if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
            return -1;
        });
    }

    MenuProgram App;
    std::unique_ptr<UiDriver> Driver;
};
