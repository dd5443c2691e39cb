#pragma once

#include <QObject>
#include <QString>

class QLocalSocket;
class QTimer;

// Client of the system infrared daemon's socket "/dev/lircd": every line the
// daemon broadcasts (code, repeat count, button name, remote name) is handed
// on unchanged. A lost or refused connection is retried on a timer.
class LircInput : public QObject
{
    Q_OBJECT

public:
    explicit LircInput(QObject* parent = nullptr);

    // Stops the retry timer and drops the connection.
    void stop();
    // The retry interval; 10 s unless a test shortens it. Takes effect at the
    // next start().
    void setReconnectInterval(int ms);
    int reconnectInterval() const;
    bool isConnected() const;
    // Hands on at once the lines the daemon has sent so far, before the event
    // loop has looked at the connection.
    void readPending();

    static constexpr int DefaultReconnectMs = 10000;
    // The longest piece of a line handed on at once.
    static constexpr int MaxPiece = 127;

signals:
    // One line with its line feed; a longer line arrives in pieces.
    void irkeyPressed(const QString& line);

public slots:
    // Starts the retry timer and connects unless connected or connecting.
    void start();
    void readyRead();
    void timeout();

private:
    void connectToDaemon_();

    QTimer* m_timer;
    QLocalSocket* m_socket;
};
