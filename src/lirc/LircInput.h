#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLocalSocket;
class QTimer;

// Client of the system infrared daemon's socket "/dev/lircd": every line the
// daemon broadcasts (code, repeat count, button name, remote name) is handed
// on unchanged. A lost or refused connection is retried on a timer.
//
// The daemon sends every line to each of this program's clients, and a key
// must act once: a window of ours with a client of its own (the audio output
// chooser) takes the keys that go to it, the other clients' owner (the home
// window) the rest. Which it is gets decided once per line, by the first
// client to read it, and the copies on the other connections get the same
// answer however late they are read: OK on the chooser's Apply closes the
// chooser before the home window may have read that line.
class LircInput : public QObject
{
    Q_OBJECT

public:
    explicit LircInput(QObject* parent = nullptr);
    ~LircInput() override;

    // Makes this the client of a window that takes its keys through it (not
    // owned); without one a client's lines are the home window's.
    void setWindow(QObject* window);
    // For the owner of a client with a window, once for every line it hands
    // on: whether that window takes the line's key. goesTo: the window the
    // key would go to now.
    bool takes(const QString& line, const QObject* goesTo);
    // For the owner of the clients without a window, once for every line:
    // whether a window with a client of its own takes the line's key.
    static bool takenByWindow(const QString& line, const QObject* goesTo);

    // Stops the retry timer and drops the connection.
    void stop();
    // The retry interval; 10 s unless a test shortens it. Takes effect at the
    // next start().
    void setReconnectInterval(int ms);
    int reconnectInterval() const;
    bool isConnected() const;

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
    // A line and what was decided for it, kept for a client yet to read it.
    struct Decided_s {
        QString line;
        bool byWindow;
        QPointer<QObject> window;
    };
    // The answer for a line read by reader (null: a client without a window),
    // taken from mine, the answers kept for it, or decided here.
    static Decided_s answer_(
        QList<Decided_s>& mine, const QString& line, const QObject* goesTo, const LircInput* reader);
    static QList<Decided_s>& windowlessDecided_();
    static void keep_(QList<Decided_s>& kept, const Decided_s& d);
    void connectToDaemon_();

    QTimer* m_timer;
    QLocalSocket* m_socket;
    QPointer<QObject> m_window;
    // Lines another client read first, in the daemon's order.
    QList<Decided_s> m_decided;
};
