#pragma once
// What the window suites share: widget look-ups, keys to the focused widget, answers to popups and choice menus.
#include "RecordingRunner.h"
#include "widgets/BusySign.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

template<typename T = QWidget> T* part(const QWidget& w, const QString& name) { return w.findChild<T*>(name); }
inline QString text(const QWidget& w, const QString& name) { return part<QLabel>(w, name)->text(); }

inline void showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w, 30000));
}

// Key press and release on the widget that has the focus.
inline void pressKey(Qt::Key key)
{
    QWidget* w = QApplication::focusWidget();
    QVERIFY2(w, "nothing has the focus");
    QTest::keyClick(w, key);
}

inline QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// A busy sign is up and painted on one of the program's windows.
inline bool busySignUp()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (const BusySign* sign = BusySign::of(top); sign && sign->isVisible() && sign->paints() > 0)
            return true;
    return false;
}

// Counts the commands the GUI thread waits for while it lives, and names those that ran with no busy sign up.
struct SignWatch_s {
    RecordingRunner& runner;
    int waits = 0;
    QStringList bare;
    explicit SignWatch_s(RecordingRunner& r)
        : runner(r)
    {
        runner.beforeGuiWait = [this](const RecordingRunner::Call_s& c) {
            ++waits;
            if (!busySignUp())
                bare << c.line();
        };
    }
    ~SignWatch_s() { runner.beforeGuiWait = {}; }
};

// Runs fn on the next popup menu or modal dialog once it is up. fn may hold the caller's locals: the wait ends
// with the test (or data row) that asked, and with its first failure.
inline void onModal(const std::function<void(QWidget*)>& fn)
{
    const QByteArray asker = QByteArray(QTest::currentTestFunction()) + '/' + QTest::currentDataTag();
    QTimer::singleShot(20, [fn, asker] {
        if (QTest::currentTestFailed()
            || asker != QByteArray(QTest::currentTestFunction()) + '/' + QTest::currentDataTag())
            return;
        QWidget* w = QApplication::activePopupWidget();
        w = w ? w : QApplication::activeModalWidget();
        w ? fn(w) : onModal(fn);
    });
}

// A choice menu's entries without its separators, trimmed, the default one marked: "*Off|10 min|...|[Back]".
inline QString entries(QWidget* popup)
{
    QStringList l;
    auto* menu = qobject_cast<QMenu*>(popup);
    for (QAction* a : menu ? menu->actions() : QList<QAction*>())
        if (!a->isSeparator())
            l << (a == menu->defaultAction() ? "*" : "") + a->text().trimmed();
    return l.join('|');
}

// Chooses the entry with that text as the viewer does: highlighted, then Return.
inline void pick(QWidget* popup, const QString& text)
{
    auto* menu = qobject_cast<QMenu*>(popup);
    for (QAction* a : menu ? menu->actions() : QList<QAction*>())
        if (a->text() == text) {
            menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
    QFAIL(qPrintable("no entry " + text));
}
