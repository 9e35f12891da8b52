// Nested message loops.
#include "platform/window/ModalLoop.h"
#include "platform/window/MessageApi.h"
#include "platform/window/WindowSystem.h"

bool ModalLoop::Run() {
    FDone = false;
    FRunning = true;
    MSG msg;
    bool ended = true;
    while (!FDone) {
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            if (WindowSystem::Current()) PostQuitMessage(static_cast<int>(msg.wParam));
            ended = false;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    FRunning = false;
    return ended;
}

void ModalLoop::End() {
    FDone = true;
    if (FRunning) PostMessage(nullptr, WM_NULL, 0, 0);
}
