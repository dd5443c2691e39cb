#pragma once

// The window manager hint that keeps a window off the task bar, sent as the
// client message "_NET_WM_STATE" (add "_NET_WM_STATE_SKIP_TASKBAR") to the
// root window of the default screen. Kept apart from Qt code: Xlib's macros
// clash with Qt names. False when no X display could be opened.
bool sendSkipTaskBar(unsigned long window);
