#include "home/RemoteKeys.h"

#include "appliance/ApplianceCommands.h"
#include "appliance/ConfigFile.h"
#include "appliance/Paths.h"
#include "lirc/LircInput.h"
#include "lirc/RemoteKeyTarget.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <cerrno>

#include <signal.h>

namespace {

// Key names of the IR daemon, the key each becomes in this program and the
// key a registered program gets, in the order they are tested.
struct RemoteKey_s {
    const char* names[2];
    Qt::Key key;
    const char* forwarded;
};
const RemoteKey_s kRemoteKeys[] = {
    {{"KEY_LEFT", nullptr}, Qt::Key_Left, "Left"},
    {{"KEY_RIGHT", nullptr}, Qt::Key_Right, "Right"},
    {{"KEY_OK", "KEY_ENTER"}, Qt::Key_Return, "Return"},
    {{"KEY_UP", nullptr}, Qt::Key_Up, "Up"},
    {{"KEY_DOWN", nullptr}, Qt::Key_Down, "Down"},
    {{"KEY_EXIT", nullptr}, Qt::Key_Escape, "Escape"},
};

const RemoteKey_s* remoteKey(const QString& keystr)
{
    for (const RemoteKey_s& k : kRemoteKeys) {
        for (const char* name : k.names) {
            if (name && keystr.contains(QLatin1String(name)))
                return &k;
        }
    }
    return nullptr;
}

constexpr int KeepAliveKeys[] = {RemoteKeys::KeepAliveKey};
constexpr const char* KeepAliveDevices[] = {Paths::Uinput.path};

} // namespace

RemoteKeys::RemoteKeys(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    // Without the device the screen may blank; nothing else depends on it.
    m_keyboard.create({"uinput-IVO", 0, 0, KeepAliveKeys, KeepAliveDevices});
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, &RemoteKeys::powerTick);
}

RemoteKeys::~RemoteKeys() = default;

bool RemoteKeys::registered()
{
    const QString file = Paths::RegistrationPidFile.local();
    GuardedFile::State state;
    const QByteArray bytes = ConfigFile::read(file, &state);
    if (state != GuardedFile::State::Read)
        return false;
    bool live = false;
    if (bytes.size() >= 4) {
        bool number = false;
        const int pid = QString::fromLatin1(bytes.left(bytes.indexOf('\n'))).trimmed().toInt(&number, 10);
        // A process of another user answers the probe with EPERM: it lives.
        live = number && pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
    }
    if (!live && !bytes.isEmpty())
        GuardedFile::makeEmpty(QFile::encodeName(file).constData());
    return live;
}

void RemoteKeys::keyLine(const QString& keystr)
{
    keepAlive();
    const bool forward = registered();
    QWidget* target = remoteKeyTarget();
    // A window with an IR daemon client of its own (the audio chooser) takes
    // its keys itself; asked for every line, whichever client read it first.
    const bool taken = LircInput::takenByWindow(keystr, target ? target->window() : nullptr);

    if (const RemoteKey_s* k = remoteKey(keystr)) {
        // OK repeats while held; only the first event of a press is a Return.
        const bool repeat = k->key == Qt::Key_Return && !keystr.contains(QLatin1String(" 00 "));
        // Posted to this object, and handed on when its turn comes: two lines
        // read at once must not both go to a button the first one's dialog
        // covers by then, nor to one in a dialog that closed meanwhile. A key
        // read while one before it is still on its way (both came while the
        // program waited for another) goes where that one leaves the focus.
        if ((target || m_pending > 0) && !repeat && !taken) {
            QCoreApplication::postEvent(this, new RemoteKeyEvent(m_pending > 0 ? nullptr : target, k->key));
            ++m_pending;
        }
        if (forward)
            Appliance::runner().runShell(
                QStringLiteral("sh"), QStringLiteral("xdotool key %1").arg(k->forwarded), Budget::Setting);
    }

    if (!keystr.contains(QLatin1String("KEY_SLEEP")) && !keystr.contains(QLatin1String("KEY_POWER"))) {
        endHold_();
    } else if (m_timer->isActive()) {
        ++m_count;
    } else {
        m_timer->start();
        m_count = 1;
        m_lastCount = 1;
        m_pressTime = m_now();
    }
}

bool RemoteKeys::event(QEvent* event)
{
    if (event->type() != RemoteKeyEvent::type())
        return QObject::event(event);
    const auto* remote = static_cast<RemoteKeyEvent*>(event);
    --m_pending;
    if (QWidget* target = remote->receiver()) {
        QKeyEvent key(QEvent::KeyPress, remote->key(), Qt::NoModifier);
        QCoreApplication::sendEvent(target, &key);
    }
    return true;
}

void RemoteKeys::powerTick()
{
    if (m_count <= 0)
        return;
    if (m_count == m_lastCount) {
        // Released: close the foreground application, unless it is the media
        // centre, which takes the power key itself.
        const CommandResult_s probe = Appliance::runner().runShell(
            Paths::Bash.local(), QStringLiteral("ps aux| grep 'kodi.bin -p' | grep -v grep"), Budget::Query);
        if (probe.out.trimmed().isEmpty())
            Appliance::runner().startDetachedLine(QStringLiteral("xdotool key alt+F4"));
        endHold_();
    } else {
        m_lastCount = m_count;
    }
    if (m_pressTime.msecsTo(m_now()) > 5499) {
        ApplianceCmd::restartService();
        endHold_();
    }
}

void RemoteKeys::endHold_()
{
    m_count = 0;
    m_timer->stop();
}

RemoteKeys::PowerKey RemoteKeys::powerKey() const
{
    return m_timer->isActive() || m_count != 0 ? PowerKey::Holding : PowerKey::Idle;
}
