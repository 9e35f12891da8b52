// The X side of the smoke test's checks.
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

bool SendToGoneWindow() {
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return false;
    const Window gone = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
    XDestroyWindow(dpy, gone);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = gone;
    event.xclient.format = 32;
    XSendEvent(dpy, gone, False, NoEventMask, &event);
    XSync(dpy, False);
    XCloseDisplay(dpy);
    return true;
}
