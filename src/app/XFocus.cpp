#include "app/XFocus.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <cstdlib>

unsigned long xInputFocus(void* display)
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(static_cast<Display*>(display), &focus, &revert);
    return focus == PointerRoot ? 0 : focus;
}

unsigned long xActiveWindow(void* display, unsigned long atom, bool* named)
{
    auto* d = static_cast<Display*>(display);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    unsigned long window = 0;
    *named = false;
    if (XGetWindowProperty(
            d, DefaultRootWindow(d), Atom(atom), 0, 1, False, XA_WINDOW, &type, &format, &count, &after, &data)
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

bool xWindowShown(void* connection, unsigned long window)
{
    auto* c = static_cast<xcb_connection_t*>(connection);
    xcb_generic_error_t* error = nullptr;
    xcb_get_window_attributes_reply_t* reply
        = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, xcb_window_t(window)), &error);
    const bool shown = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(reply);
    std::free(error);
    return shown;
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
