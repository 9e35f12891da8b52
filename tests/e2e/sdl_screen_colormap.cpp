// The X side of the smoke test's colormap check.
#include "tests/e2e/sdl_screen_colormap.h"

#include <X11/Xlib.h>

std::vector<std::string> WindowsWithOwnColormap() {
    std::vector<std::string> found;
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return found;
    const int screen = DefaultScreen(dpy);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(dpy, RootWindow(dpy, screen), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attrs;
            if (!XGetWindowAttributes(dpy, children[i], &attrs) || attrs.map_state != IsViewable) continue;
            if (attrs.colormap == DefaultColormap(dpy, screen) && attrs.visual == DefaultVisual(dpy, screen))
                continue;
            char* name = nullptr;
            found.push_back(XFetchName(dpy, children[i], &name) && name ? name : "(no name)");
            if (name) XFree(name);
        }
        if (children) XFree(children);
    }
    XCloseDisplay(dpy);
    return found;
}
