#pragma once
// What happened to the focus lately, for the monkey's failure reports under a window manager: Qt's focus window and
// focus widget, the X server's focus events and the window manager's active window, the focus keeper's lines and
// the steps, each with the milliseconds since the run began.
#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QStringList>

class FocusHistory : public QObject, public QAbstractNativeEventFilter
{
public:
    // Starts recording on the X display Qt runs on (Qt's own changes on any platform).
    FocusHistory();
    ~FocusHistory() override;

    // Notes a line (a step, a message); safe from any thread.
    void note(const QString& what);
    // The last lines, oldest first.
    QString text() const;
    // The history recording now, if any: the test's message handler hands it the focus keeper's lines.
    static FocusHistory* current();

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override;

private:
    static QString windowName_(quint32 window);

    QElapsedTimer m_clock;
    mutable QMutex m_mutex;
    QStringList m_lines;
    quint32 m_root = 0, m_activeAtom = 0;
};
