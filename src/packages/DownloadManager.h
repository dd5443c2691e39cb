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
class QTimer;

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
// as "~" + name in its destination folder and renamed over the final name
// only after a clean transfer whose every byte was written, so a broken
// download never replaces a good file. A transfer that receives nothing for
// 30 s, or grows past the bound of its kind (icons 8 MB, anything else, the
// catalog above all, 64 MB), is aborted; it ends in finished() like any
// failure and the queue moves on. GUI thread only.
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

    // Failures the manager finds itself, as dlresult_st::status (the
    // network's own codes stay below 1000); errorString names the cause.
    enum Status : qint32 {
        StalledStatus = 4, // QNetworkReply::TimeoutError: nothing received for the stall time
        TooLargeStatus = 1001, // more bytes announced or sent than the bound of the kind
        WriteFailedStatus = 1002, // the temporary file could not be written (a full disk)
        RenameFailedStatus = 1003, // the finished file could not take its final name
    };
    static constexpr int StallTimeoutMs = 30000;
    static constexpr qint64 IconLimit = qint64(8) << 20;
    // The bound of a download of that kind (user tag).
    static qint64 sizeLimit(const QString& userTag);
    // Tests wait for less than the real 30 s.
    void setStallTimeout(int ms);

signals:
    void finished(const dlresult_st& dlresult);
    void downloadProgress(const dlresult_st& dlresult);

private slots:
    void downloadProgress(qint64 received, qint64 total);
    void finished();
    void readyRead();
    void authenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void triggerNextDownload();
    void stalled();

private:
    bool enqueue_(const dltask_st& task, bool front);
    template<typename Match> void removeMatching_(Match match);
    void createManager_();
    // Writes what the reply has; false (with the failure noted) when the
    // file cannot take it or the bound is passed.
    bool drain_();
    void fail_(qint32 status, const QString& text);
    // Puts the finished temporary file in place; false with the failure noted.
    bool keepFile_();
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
    QTimer* m_stallTimer = nullptr;
    qint64 m_written = 0;
    qint64 m_limit = 0;
    qint32 m_failStatus = 0; // a failure found here, reported instead of the reply's
    QString m_failText;
};
