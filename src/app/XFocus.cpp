#include "app/XFocus.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

unsigned long xInputFocus(void* display)
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(static_cast<Display*>(display), &focus, &revert);
    return focus == PointerRoot ? 0 : focus;
}

unsigned long xActiveWindow(void* display, bool* named)
{
    auto* d = static_cast<Display*>(display);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    unsigned long window = 0;
    *named = false;
    if (XGetWindowProperty(
            d, DefaultRootWindow(d), property, 0, 1, False, XA_WINDOW, &type, &format, &count, &after, &data)
            == Success
        && data) {
        if (type == XA_WINDOW && format == 32 && count == 1) {
            *named = true;
            window = reinterpret_cast<unsigned long*>(data)[0];
        }
        XFree(data);
    }
    return window;
}

void xWatchActiveWindow(void* display, unsigned long* atom, unsigned long* root)
{
    auto* d = static_cast<Display*>(display);
    *root = DefaultRootWindow(d);
    *atom = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    // The mask is this client's own; what it already asks for stays.
    XWindowAttributes attributes;
    if (XGetWindowAttributes(d, *root, &attributes))
        XSelectInput(d, *root, attributes.your_event_mask | PropertyChangeMask);
    XFlush(d);
}

void xRefocus(void* display, unsigned long window)
{
    auto* d = static_cast<Display*>(display);
    // Setting the focus where it already is changes nothing and tells nobody.
    XSetInputFocus(d, PointerRoot, RevertToPointerRoot, CurrentTime);
    XSetInputFocus(d, Window(window), RevertToParent, CurrentTime);
    XFlush(d);
}
