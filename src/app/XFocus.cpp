#include "app/XFocus.h"

#include <X11/Xlib.h>

unsigned long xInputFocus(void* display)
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(static_cast<Display*>(display), &focus, &revert);
    return focus == PointerRoot ? 0 : focus;
}

void xRefocus(void* display, unsigned long window)
{
    auto* d = static_cast<Display*>(display);
    // Setting the focus where it already is changes nothing and tells nobody.
    XSetInputFocus(d, PointerRoot, RevertToPointerRoot, CurrentTime);
    XSetInputFocus(d, Window(window), RevertToParent, CurrentTime);
    XFlush(d);
}
