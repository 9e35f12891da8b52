// A registered window class: its name, class procedure, class styles, cursor, icon and background.
#pragma once

#include "platform/window/WinTypes.h"

#include <memory>
#include <string>

struct WindowClass {
    std::string FName;
    UINT FStyle = 0;
    std::shared_ptr<WindowProcNode> FProc; // bottom of every window's chain; nullptr = DefWindowProc
    HCURSOR FCursor = nullptr;
    HICON FIcon = nullptr;
    TColor FBackground = clNone;
};
