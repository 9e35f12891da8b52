// The desktop's standard pointer shapes for our IDC_* cursors, made once and kept.
#pragma once

#include <SDL_mouse.h>

#include <map>

class SdlCursors {
public:
    SdlCursors() = default;
    ~SdlCursors() { Clear(); }
    SdlCursors(const SdlCursors&) = delete;
    SdlCursors& operator=(const SdlCursors&) = delete;

    // The desktop shape for an IDC_* number; arrow for numbers it has no shape for.
    static SDL_SystemCursor ShapeFor(int idc);
    // Shows the cursor for idc; 0 hides the pointer.
    void Show(int idc);
    // Frees the shapes made (before the desktop's video shuts down).
    void Clear();

private:
    std::map<SDL_SystemCursor, SDL_Cursor*> FMade;
    bool FHidden = false;
};
