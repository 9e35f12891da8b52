// gallery: shows every standard control on the headless screen and writes two pictures, one with
// the Game menu open (and its Recent files submenu), one with a message box open.
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/controls/MenuApi.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/window/Win.h"
#include "tools/gallery/GalleryWindow.h"

#include <cstdio>
#include <string>

namespace {
int RunGallery() {
    GalleryWindow::Create();
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return static_cast<int>(msg.wParam);
}

TPoint Centre(UiDriver& driver, HMENU menu, int position) {
    TPoint p{-1, -1};
    driver.RunOnUi([&] {
        TRect r;
        if (GetMenuItemRect(GalleryWindow::Menus().Window, menu, static_cast<UINT>(position), &r)) p = {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    });
    return p;
}

// Counts the visible windows of a class: the pictures must show what they are named after.
int Showing(UiDriver& driver, const char* className) {
    int n = 0;
    driver.RunOnUi([&] {
        EnumWindows([&](HWND h) {
            if (GetClassName(h) == className && IsWindowVisible(h)) ++n;
            return true;
        });
    });
    return n;
}

bool Expect(bool ok, const char* what) {
    if (!ok) std::fprintf(stderr, "gallery: %s\n", what);
    return ok;
}

bool Save(UiDriver& driver, const std::string& path) {
    std::string error;
    if (WritePngFile(path, driver.Screenshot(), &error)) return true;
    std::fprintf(stderr, "gallery: %s: %s\n", path.c_str(), error.c_str());
    return false;
}
}

int main(int argc, char** argv) {
    std::string prefix = argc > 1 ? argv[1] : "gallery";
    HeadlessDriver driver(RunGallery, {800, 600});
    driver.WaitIdle();
    const GalleryWindow::TMenus* menus = nullptr;
    driver.RunOnUi([&] { menus = &GalleryWindow::Menus(); });
    TPoint game = Centre(driver, menus->Bar, 0);
    driver.Click(game.X, game.Y);
    TPoint recent = Centre(driver, menus->File, 2);
    driver.MouseMove(recent.X, recent.Y);
    driver.Advance(500);
    TPoint first = Centre(driver, menus->Recent, 0);
    driver.MouseMove(first.X, first.Y);
    bool ok = Expect(Showing(driver, "#32768") == 2, "the menu and its submenu did not open");
    ok = Save(driver, prefix + "-menu.png") && ok;
    driver.PressKey(VK_ESCAPE);
    driver.PressKey(VK_ESCAPE);
    driver.PressKey('G', {VK_MENU});
    driver.Type("m");
    ok = Expect(Showing(driver, "#32770") == 1, "the message box did not open") && ok;
    ok = Save(driver, prefix + "-messagebox.png") && ok;
    driver.PressKey(VK_RETURN);
    ok = Expect(Showing(driver, "#32770") == 0, "the message box did not close on Enter") && ok;
    driver.Shutdown();
    if (ok) std::printf("gallery: wrote %s-menu.png and %s-messagebox.png\n", prefix.c_str(), prefix.c_str());
    return ok ? 0 : 1;
}
