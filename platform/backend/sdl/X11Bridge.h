// What the desktop back end does straight on the X server when the video driver is x11: window
// shapes, stacking, the screen's pixels and whether a compositing manager runs. Kept apart so
// that the X headers (whose names clash with ours) stay in one file.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"

#include <vector>

struct SDL_Window;

class X11Bridge {
public:
    // True when the real windows are X windows.
    static bool Active();
    // Cuts the window to the rectangles (window coordinates); whole = the plain rectangle again.
    static bool SetShape(SDL_Window* window, const std::vector<TRect>& rects, bool whole);
    // Puts the window above its siblings without asking for activation.
    static bool Raise(SDL_Window* window);
    // Where the pointer is on the screen now, asked of the server (the video's own answer is a
    // cache that a pointer grab leaves stale).
    static bool QueryPointer(SDL_Window* anyWindow, TPoint& out);
    // The screen's pixels as the X server shows them (any of our windows names the display); with
    // area, only that part of the screen (parts off the screen stay black).
    static bool CaptureScreen(SDL_Window* anyWindow, Bitmap& out, const TRect* area = nullptr);
    // A compositing manager draws windows with their opacity.
    static bool HasCompositor(SDL_Window* anyWindow);
    // The id of a 32-bit true-colour visual, whose windows a compositing manager blends by their
    // per-pixel alpha; 0 when the display has none.
    static unsigned long AlphaVisual(SDL_Window* anyWindow);
    // The id of the screen's default visual; 0 when the real windows are not X windows.
    static unsigned long ScreenVisual(SDL_Window* anyWindow);
    // A window of the screen's default visual takes the screen's colormap: the server draws a
    // window of its own colormap as a whole rectangle over the windows below, the part cut out of
    // its shape black (a shaped hint showed a black box round it).
    static bool ShareScreenColormap(SDL_Window* window);
    // From now on an X error for a window that no longer exists is let pass: requests reach the
    // server after the fact, so a window closing while a request for it is on its way (a wake-up,
    // a focus change) gives one, which the usual handler answers by ending the program. Other
    // errors still go to the handler in place before.
    static bool TolerateGoneWindows(SDL_Window* anyWindow);
    // A window manager runs (it hands out the keyboard focus; without one, we do).
    static bool HasWindowManager(SDL_Window* anyWindow);
};
