#pragma once

#include <functional>

class QEvent;
class QObject;
class QWidget;

// What an option row of the Display and Preferences pages does with a key or
// a click: Return, Right or a click on the row that already has the focus
// acts on it (a first click only focuses it), Up and Down go to the row above
// or below, and the row shows its arrows while it has the focus. The page
// says what each of these means for its rows.
namespace OptionRowEvents {

struct Actions_s {
    std::function<void()> activate;
    std::function<void(bool down)> move;
    std::function<void(bool show)> showArrows;
};

// True when the event was used up; focus changes go on to the default
// handling after the arrows are shown or hidden.
bool handle(QWidget* row, QEvent* event, const Actions_s& actions);

// Hands the row's events to the page's filter, which then also gives the
// focus on a click: were Qt to give it first, the filter would see a press on
// a focused row and a first click would open the menu.
void watch(QWidget* row, QObject* filter);

} // namespace OptionRowEvents
