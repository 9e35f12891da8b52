// Pointer shapes.
#include "platform/backend/sdl/SdlCursors.h"
#include "platform/window/WinCodes.h"

#include <SDL_events.h>

void SdlCursors::Clear() {
    for (auto& [shape, cursor] : FMade) SDL_FreeCursor(cursor);
    FMade.clear();
}

SDL_SystemCursor SdlCursors::ShapeFor(int idc) {
    switch (idc) {
    case IDC_IBEAM:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case IDC_WAIT:
        return SDL_SYSTEM_CURSOR_WAIT;
    case IDC_CROSS:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case IDC_SIZENWSE:
        return SDL_SYSTEM_CURSOR_SIZENWSE;
    case IDC_SIZENESW:
        return SDL_SYSTEM_CURSOR_SIZENESW;
    case IDC_SIZEWE:
        return SDL_SYSTEM_CURSOR_SIZEWE;
    case IDC_SIZENS:
        return SDL_SYSTEM_CURSOR_SIZENS;
    case IDC_SIZEALL:
        return SDL_SYSTEM_CURSOR_SIZEALL;
    case IDC_NO:
        return SDL_SYSTEM_CURSOR_NO;
    case IDC_HAND:
        return SDL_SYSTEM_CURSOR_HAND;
    case IDC_APPSTARTING:
        return SDL_SYSTEM_CURSOR_WAITARROW;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

void SdlCursors::Show(int idc) {
    if (idc == 0) {
        SDL_ShowCursor(SDL_DISABLE);
        FHidden = true;
        return;
    }
    SDL_SystemCursor shape = ShapeFor(idc);
    SDL_Cursor*& cursor = FMade[shape];
    if (!cursor) cursor = SDL_CreateSystemCursor(shape);
    if (cursor) SDL_SetCursor(cursor);
    if (FHidden) {
        SDL_ShowCursor(SDL_ENABLE);
        FHidden = false;
    }
}
