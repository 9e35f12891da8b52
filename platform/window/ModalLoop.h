// A nested message loop: runs until End() is called or WM_QUIT arrives; WM_QUIT is posted again so
// that the loop outside sees it too.
#pragma once

#include "platform/window/WinTypes.h"

class ModalLoop {
public:
    // Returns false when the loop ended by WM_QUIT (or the window system stopped).
    bool Run();
    // Safe from any handler; an idle loop is woken by an empty thread message.
    void End();
    bool Running() const { return FRunning; }

private:
    bool FDone = false;
    bool FRunning = false;
};
