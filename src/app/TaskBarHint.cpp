#include "app/TaskBarHint.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

bool sendSkipTaskBar(unsigned long window, void* shared)
{
    Display* display = shared ? static_cast<Display*>(shared) : XOpenDisplay(nullptr);
    if (!display)
        return false;
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1; // add
    event.xclient.data.l[1] = long(XInternAtom(display, "_NET_WM_STATE_SKIP_TASKBAR", False));
    event.xclient.data.l[2] = 0;
    event.xclient.data.l[3] = 0;
    event.xclient.data.l[4] = 0;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
    if (!shared)
        XCloseDisplay(display);
    return true;
}
