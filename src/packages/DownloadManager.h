#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;

// One download: where from, where to, and who asked for it.
struct dltask_st {
    QString name; // caller's name for the download (package name for icons)
    QString url; // address; its last "/" component is the stored file name
    QString dstDir; // destination folder, created when missing
    QString userTag; // kind of download ("BENTO.XML", "BENTO.ICON")
    QString extra; // carried through unchanged

    bool operator==(const dltask_st&) const = default;
};

// Progress or outcome of a download; repeats the task so one manager can
// serve several kinds of download.
struct dlresult_st {
    qint32 status = 0; // network error code, 0 = none; always 0 in progress
    QString errorString; // error text, empty in progress reports
    dltask_st task;
    qint64 bytesReceived = 0;
    qint64 bytesTotal = -1; // -1 while the server has not announced a size
    qint32 elapsedMs = 0; // since the transfer started
};

Q_DECLARE_METATYPE(dltask_st)
Q_DECLARE_METATYPE(dlresult_st)

// Fetches files over HTTP one at a time from a queue. Each file is written
// as "~" + name in its destination folder and renamed only after a clean
// transfer, so a broken download never replaces a good file. GUI thread only.
//
// The signals and the private slots share names; connect to the signals with
// qOverload<const dlresult_st&>(&DownloadManager::finished) (and the same for
// downloadProgress).
class DownloadManager : public QObject
{
    Q_OBJECT

public:
    explicit DownloadManager(QObject* parent = nullptr);
    ~DownloadManager() override;

    // false (nothing queued) when url or dstDir is empty.
    bool append(const dltask_st& task);
    bool prepend(const dltask_st& task);
    // Drop every queued task whose field equals the argument exactly and abort
    // the running transfer when it matches (it still ends with finished()).
    void remove(QString url);
    void removeUserTag(QString tag);
    void removeDstDir(QString dir);
    // false while idle (result untouched); otherwise fills task, byte counts
    // and elapsedMs, leaving status and errorString as they were.
    bool getDownloadStatus(dlresult_st& result) const;
    // The platform's network-information service reports the network online.
    bool isNetworkAccessible();
    // Credentials offered to servers that ask (twice per transfer at most).
    void setAuth(QString user, QString password);

signals:
    void finished(const dlresult_st& dlresult);
    void downloadProgress(const dlresult_st& dlresult);

private slots:
    void downloadProgress(qint64 received, qint64 total);
    void finished();
    void readyRead();
    void authenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void triggerNextDownload();

private:
    bool enqueue_(const dltask_st& task, bool front);
    template<typename Match> void removeMatching_(Match match);
    void createManager_();
    void drain_();
    void fillRunning_(dlresult_st& result) const;
    dlresult_st currentResult_() const;

    QNetworkAccessManager* m_manager = nullptr;
    QNetworkReply* m_reply = nullptr;
    QFile m_file;
    QElapsedTimer m_timer;
    QList<dltask_st> m_queue;
    dltask_st m_current;
    qint64 m_received = 0;
    qint64 m_total = -1;
    QString m_user;
    QString m_password;
    QString m_fileName;
    QString m_tmpFileName;
    int m_authAttempts = 0;
    QDir m_dir;
    QByteArray m_buffer; // reused for every read of the reply
};
