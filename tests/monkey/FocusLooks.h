#pragma once
// Whether a viewer across the room sees where the focus is, and only there: the control that has it looks different
// with it than without it, by a frame or band at least 2 px wide on a 1080-line screen (not a thin line, not a text
// colour), and no other control of the active window differs so from its own look without the focus, or keeps a
// filled highlight that its focus only rings. Pictures are the window's rendering of a control and what is round
// it, taken with the focus on the control and moved away.
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QSet>
#include <QStringList>

class QWidget;

class FocusLooks
{
public:
    // At a place the walk reached, in the GUI thread; the focus's own look only where the place is new. Returns
    // what is wrong, each fault once for the whole walk.
    QStringList check(const QString& place, bool newPlace);

private:
    struct Look_s {
        QPointer<QWidget> widget; // the key's address may come again for another widget
        QImage unfocused;
        QList<QImage> fine; // the first pictures of it seen since that did not look focused
    };
    enum class Shows { Not, Only, Always }; // whether a control looks focused: never, only with it, all the time
    // Takes the control's look with the focus and after the focus went back to `back` (to none for null), and keeps
    // the second.
    Shows measure_(QWidget* control, QWidget* back);
    void note_(const QString& key, const QString& fault);

    int m_width = 2; // a band's least width on this screen
    QHash<const QWidget*, Look_s> m_unfocused;
    QSet<QString> m_noted;
    QStringList m_faults;
};
