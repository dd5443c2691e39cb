#include "lirc/LircInput.h"

#include "appliance/Appliance.h"

#include <QLocalSocket>
#include <QTimer>

LircInput::LircInput(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_socket(new QLocalSocket(this))
{
    m_timer->setInterval(DefaultReconnectMs);
    m_timer->setSingleShot(false);
    connect(m_timer, &QTimer::timeout, this, &LircInput::timeout);
    connect(m_socket, &QLocalSocket::readyRead, this, &LircInput::readyRead);
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

void LircInput::readPending()
{
    // Waiting no time pulls in what the kernel holds and emits readyRead.
    if (isConnected())
        m_socket->waitForReadyRead(0);
    readyRead();
}
