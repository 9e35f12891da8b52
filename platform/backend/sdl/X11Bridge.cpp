// Direct X server calls of the desktop back end.
#include "platform/backend/sdl/X11Bridge.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {
struct TX11Window {
    Display* Dpy = nullptr;
    ::Window Win = 0;
};

bool Lookup(SDL_Window* window, TX11Window& out) {
    if (!window) return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    out.Dpy = info.info.x11.display;
    out.Win = info.info.x11.window;
    return out.Dpy != nullptr;
}

XErrorHandler gPreviousErrorHandler = nullptr;

int LetGoneWindowsPass(Display* dpy, XErrorEvent* error) {
    if (error->error_code == BadWindow) return 0;
    return gPreviousErrorHandler ? gPreviousErrorHandler(dpy, error) : 0;
}

int ShiftOf(unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// One channel of an X pixel scaled to 8 bits, whatever the visual's depth.
std::uint8_t Channel(unsigned long pixel, unsigned long mask) {
    if (!mask) return 0;
    unsigned long v = (pixel & mask) >> ShiftOf(mask);
    unsigned long max = mask >> ShiftOf(mask);
    return static_cast<std::uint8_t>(max == 255 ? v : v * 255 / max);
}

void CopyImage(XImage* image, Bitmap& out, TPoint at) {
    for (int y = 0; y < image->height; ++y) {
        std::uint8_t* row = out.ScanLine(at.Y + y) + at.X * 3;
        for (int x = 0; x < image->width; ++x) {
            unsigned long p = XGetPixel(image, x, y);
            row[x * 3] = Channel(p, image->blue_mask);
            row[x * 3 + 1] = Channel(p, image->green_mask);
            row[x * 3 + 2] = Channel(p, image->red_mask);
        }
    }
}
} // namespace

bool X11Bridge::Active() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "x11") == 0;
}

bool X11Bridge::SetShape(SDL_Window* window, const std::vector<TRect>& rects, bool whole) {
    TX11Window x;
    if (!Lookup(window, x)) return false;
    int event = 0, error = 0;
    if (!XShapeQueryExtension(x.Dpy, &event, &error)) return false;
    if (whole) {
        XShapeCombineMask(x.Dpy, x.Win, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> xr;
        xr.reserve(rects.size());
        for (const TRect& r : rects)
            xr.push_back({static_cast<short>(r.Left), static_cast<short>(r.Top),
                          static_cast<unsigned short>(r.Width()), static_cast<unsigned short>(r.Height())});
        XShapeCombineRectangles(x.Dpy, x.Win, ShapeBounding, 0, 0, xr.data(), static_cast<int>(xr.size()),
                                ShapeSet, Unsorted);
    }
    XFlush(x.Dpy);
    return true;
}

bool X11Bridge::Raise(SDL_Window* window) {
    TX11Window x;
    if (!Lookup(window, x)) return false;
    XRaiseWindow(x.Dpy, x.Win);
    XFlush(x.Dpy);
    return true;
}

bool X11Bridge::QueryPointer(SDL_Window* anyWindow, TPoint& out) {
    TX11Window x;
    if (!Lookup(anyWindow, x)) return false;
    ::Window root = 0, child = 0;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(x.Dpy, DefaultRootWindow(x.Dpy), &root, &child, &rootX, &rootY, &winX, &winY, &mask))
        return false;
    out = {rootX, rootY};
    return true;
}

bool X11Bridge::CaptureScreen(SDL_Window* anyWindow, Bitmap& out, const TRect* area) {
    TX11Window x;
    if (!Lookup(anyWindow, x)) return false;
    ::Window root = DefaultRootWindow(x.Dpy);
    XWindowAttributes attrs;
    if (!XGetWindowAttributes(x.Dpy, root, &attrs)) return false;
    const TRect screen{0, 0, attrs.width, attrs.height};
    const TRect want = area ? *area : screen;
    const TRect part{std::max(want.Left, 0), std::max(want.Top, 0), std::min(want.Right, screen.Right),
                     std::min(want.Bottom, screen.Bottom)};
    out = Bitmap(std::max(0, want.Width()), std::max(0, want.Height()));
    if (part.Width() <= 0 || part.Height() <= 0) return true;
    XSync(x.Dpy, False); // everything we drew has reached the server
    XImage* image = XGetImage(x.Dpy, root, part.Left, part.Top, static_cast<unsigned>(part.Width()),
                              static_cast<unsigned>(part.Height()), AllPlanes, ZPixmap);
    if (!image) return false;
    CopyImage(image, out, {part.Left - want.Left, part.Top - want.Top});
    XDestroyImage(image);
    return true;
}

bool X11Bridge::HasCompositor(SDL_Window* anyWindow) {
    TX11Window x;
    if (!Lookup(anyWindow, x)) return false;
    std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(x.Dpy));
    Atom selection = XInternAtom(x.Dpy, name.c_str(), False);
    return XGetSelectionOwner(x.Dpy, selection) != None;
}

unsigned long X11Bridge::AlphaVisual(SDL_Window* anyWindow) {
    TX11Window x;
    if (!Lookup(anyWindow, x)) return 0;
    XVisualInfo info;
    if (!XMatchVisualInfo(x.Dpy, DefaultScreen(x.Dpy), 32, TrueColor, &info)) return 0;
    return info.visualid;
}

unsigned long X11Bridge::ScreenVisual(SDL_Window* anyWindow) {
    TX11Window x;
    if (!Lookup(anyWindow, x)) return 0;
    return XVisualIDFromVisual(DefaultVisual(x.Dpy, DefaultScreen(x.Dpy)));
}

bool X11Bridge::ShareScreenColormap(SDL_Window* window) {
    TX11Window x;
    if (!Lookup(window, x)) return false;
    XWindowAttributes attrs;
    if (!XGetWindowAttributes(x.Dpy, x.Win, &attrs)) return false;
    const int screen = XScreenNumberOfScreen(attrs.screen);
    if (attrs.visual != DefaultVisual(x.Dpy, screen)) return false;
    XSetWindowColormap(x.Dpy, x.Win, DefaultColormap(x.Dpy, screen));
    XFlush(x.Dpy);
    return true;
}

bool X11Bridge::TolerateGoneWindows(SDL_Window* anyWindow) {
    TX11Window x;
    if (!Lookup(anyWindow, x)) return false;
    const XErrorHandler previous = XSetErrorHandler(LetGoneWindowsPass);
    if (previous != LetGoneWindowsPass) gPreviousErrorHandler = previous;
    return true;
}

bool X11Bridge::HasWindowManager(SDL_Window* anyWindow) {
    TX11Window x;
    if (!Lookup(anyWindow, x)) return false;
    Atom check = XInternAtom(x.Dpy, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    int status = XGetWindowProperty(x.Dpy, DefaultRootWindow(x.Dpy), check, 0, 1, False, XA_WINDOW, &type,
                                    &format, &count, &after, &data);
    bool found = status == Success && type == XA_WINDOW && count == 1;
    if (data) XFree(data);
    return found;
}
