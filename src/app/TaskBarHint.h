#pragma once

// The window manager hint that keeps a window off the task bar, sent as the
// client message "_NET_WM_STATE" (add "_NET_WM_STATE_SKIP_TASKBAR") to the
// root window of the default screen. Kept apart from Qt code: Xlib's macros
// clash with Qt names.
//
// display is the Xlib display the window was created on. Sending on that same
// connection keeps the message behind the window's map request, so the window
// manager already manages the window when the message arrives. With a null
// display a connection of its own is opened; false when that fails.
bool sendSkipTaskBar(unsigned long window, void* display);
