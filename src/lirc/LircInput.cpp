#include "lirc/LircInput.h"

#include "appliance/Appliance.h"

#include <QLocalSocket>
#include <QTimer>

namespace {

// The clients of this process (all on the GUI thread).
QList<LircInput*>& clients()
{
    static QList<LircInput*> all;
    return all;
}

// A client reads its copy of a line moments after the first one: a few lines
// kept are plenty.
constexpr qsizetype MaxKept = 64;

} // namespace

LircInput::LircInput(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_socket(new QLocalSocket(this))
{
    m_timer->setInterval(DefaultReconnectMs);
    m_timer->setSingleShot(false);
    connect(m_timer, &QTimer::timeout, this, &LircInput::timeout);
    connect(m_socket, &QLocalSocket::readyRead, this, &LircInput::readyRead);
    // A new connection gets none of the lines decided for before.
    connect(
        m_socket, &QLocalSocket::connected, this, [this] { (m_window ? m_decided : windowlessDecided_()).clear(); });
    clients().append(this);
}

LircInput::~LircInput() { clients().removeOne(this); }

void LircInput::setWindow(QObject* window) { m_window = window; }

QList<LircInput::Decided_s>& LircInput::windowlessDecided_()
{
    static QList<Decided_s> kept;
    return kept;
}

bool LircInput::takes(const QString& line, const QObject* goesTo)
{
    const Decided_s d = answer_(m_decided, line, goesTo, this);
    return d.byWindow && d.window == m_window;
}

bool LircInput::takenByWindow(const QString& line, const QObject* goesTo)
{
    return answer_(windowlessDecided_(), line, goesTo, nullptr).byWindow;
}

LircInput::Decided_s LircInput::answer_(
    QList<Decided_s>& mine, const QString& line, const QObject* goesTo, const LircInput* reader)
{
    if (!mine.isEmpty() && mine.first().line == line)
        return mine.takeFirst();
    // What else was kept is for lines that never came on this connection.
    mine.clear();
    // A window's client that is not connected gets no copy: the key is left
    // to the clients that do.
    Decided_s d {line, false, nullptr};
    for (const LircInput* c : std::as_const(clients())) {
        if (c->m_window && c->m_window == goesTo && (c == reader || c->isConnected()))
            d = {line, true, c->m_window};
    }
    bool windowless = false;
    for (LircInput* c : std::as_const(clients())) {
        if (c == reader || !c->isConnected())
            continue;
        if (c->m_window)
            keep_(c->m_decided, d);
        else
            windowless = true;
    }
    if (windowless && reader && reader->m_window)
        keep_(windowlessDecided_(), d);
    return d;
}

void LircInput::keep_(QList<Decided_s>& kept, const Decided_s& d)
{
    kept.append(d);
    if (kept.size() > MaxKept)
        kept.removeFirst();
}

void LircInput::setReconnectInterval(int ms) { m_timer->setInterval(ms); }

int LircInput::reconnectInterval() const { return m_timer->interval(); }

bool LircInput::isConnected() const { return m_socket->state() == QLocalSocket::ConnectedState; }

void LircInput::connectToDaemon_()
{
    m_socket->connectToServer(Appliance::path(QStringLiteral("/dev/lircd")), QIODevice::ReadOnly);
}

void LircInput::start()
{
    if (!m_timer->isActive())
        m_timer->start();
    const QLocalSocket::LocalSocketState state = m_socket->state();
    if (state == QLocalSocket::UnconnectedState || state == QLocalSocket::ClosingState)
        connectToDaemon_();
}

void LircInput::stop()
{
    if (m_timer->isActive())
        m_timer->stop();
    const QLocalSocket::LocalSocketState state = m_socket->state();
    if (state == QLocalSocket::ConnectedState || state == QLocalSocket::ConnectingState)
        m_socket->disconnectFromServer();
}

void LircInput::readyRead()
{
    // Whole lines only: a line that came in two reads waits for its end,
    // where a piece of it would name no key. A line too long for one piece
    // still goes out piece by piece.
    char piece[MaxPiece + 1];
    while (m_socket->canReadLine() || m_socket->bytesAvailable() >= MaxPiece) {
        const qint64 got = m_socket->readLine(piece, sizeof piece);
        if (got <= 0)
            break;
        emit irkeyPressed(QString::fromUtf8(piece, got));
    }
}

void LircInput::timeout()
{
    if (m_socket->state() == QLocalSocket::UnconnectedState)
        connectToDaemon_();
}
