#pragma once

#include "lirc/virtualKeyboard.h"

#include <QDateTime>
#include <QObject>

#include <functional>

class QTimer;

// The key names of the system's IR daemon as the home screen takes them: each
// keeps the screen awake, moves the focus of this program, goes on to a
// program that registered for the remote's keys, and feeds the power key,
// whose short press closes the foreground application and whose long hold
// restarts the home screen's service.
class RemoteKeys : public QObject
{
    Q_OBJECT

public:
    // Creates the keep-alive keyboard "uinput-IVO" (left shift only) and the
    // power key's 500 ms timer.
    explicit RemoteKeys(QObject* parent = nullptr);
    ~RemoteKeys() override;

    // One line of the daemon: the key name and a two-digit repeat counter,
    // " 00 " marking the first event of a press.
    void keyLine(const QString& keystr);
    // A power-key timer tick: a hold that got no new event since the last
    // tick was released; one held for more than 5.5 s restarts the service.
    void powerTick();
    // Presses and releases left shift, which resets the display's blanking.
    void keepAlive() { m_keyboard.tap(KeepAliveKey); }
    // A live program is registered for the remote's keys: the registration
    // file names a running process. A stale or garbage file is emptied.
    static bool registered();

    enum class PowerKey { Idle, Holding };
    PowerKey powerKey() const;
    // The power key's clock; tests set their own.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    static constexpr std::uint16_t KeepAliveKey = 42; // KEY_LEFTSHIFT

protected:
    // A key of the daemon, to the focus of the moment.
    bool event(QEvent* event) override;

private:
    void endHold_();

    VirtualKeyboard m_keyboard;
    QTimer* m_timer;
    QDateTime m_pressTime;
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
    int m_count = 0;
    int m_lastCount = 0;
    int m_pending = 0; // keys posted and not handled yet
};
