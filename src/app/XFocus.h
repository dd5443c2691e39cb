#pragma once

// The X server's input focus, asked and set on the Xlib display Qt runs on.
// Kept apart from Qt code: Xlib's macros clash with Qt names.

// The window that has the input focus; 0 for none or for the pointer root.
unsigned long xInputFocus(void* display);
// The window manager's active window (the root window's property atom, as
// xWatchActiveWindow gives it; 0 for none); named is false when the window
// manager keeps no such property.
unsigned long xActiveWindow(void* display, unsigned long atom, bool* named);
// Whether a window exists and is shown (it and its ancestors mapped), on
// Qt's xcb connection: a window that is gone answers with an error, not a
// fatal one.
bool xWindowShown(void* connection, unsigned long window);
// Asks the X server to report changes of the root window's properties to this
// client too, and returns the atom of "_NET_ACTIVE_WINDOW" and the root window.
void xWatchActiveWindow(void* display, unsigned long* atom, unsigned long* root);
// Moves the input focus away from window and back to it, so that its client
// hears a focus-out and a focus-in for it.
void xRefocus(void* display, unsigned long window);
