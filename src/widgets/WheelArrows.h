#pragma once

class QWheelEvent;
class QWidget;

// A mouse wheel on a dialog driven like the remote: one notch (120) or more
// becomes an Up or Down press posted to target (the focused widget, wherever
// the caller finds it). The event is accepted either way.
void wheelToArrow(QWheelEvent* event, QWidget* target);
