#include "packages/DownloadManager.h"

#include "util/GuardedFile.h"

#include <QAuthenticator>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

static_assert(int(DownloadManager::StalledStatus) == int(QNetworkReply::TimeoutError));

namespace {

constexpr qsizetype kBufferSize = 256 * 1024;

// The stored name of a download: the last "/" component of its address.
// Names that would leave the destination folder are refused.
QString fileNameOf(const QString& url)
{
    const QString name = url.section(QLatin1Char('/'), -1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    return name;
}

} // namespace

DownloadManager::DownloadManager(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<dltask_st>();
    qRegisterMetaType<dlresult_st>();
    m_stallTimer = new QTimer(this);
    m_stallTimer->setSingleShot(true);
    m_stallTimer->setInterval(StallTimeoutMs);
    connect(m_stallTimer, &QTimer::timeout, this, &DownloadManager::stalled);
    createManager_();
}

qint64 DownloadManager::sizeLimit(const QString& userTag)
{
    return userTag == QLatin1String("BENTO.ICON") ? IconLimit : qint64(GuardedFile::CatalogLimit);
}

void DownloadManager::setStallTimeout(int ms) { m_stallTimer->setInterval(ms); }

DownloadManager::~DownloadManager()
{
    // Going away mid-transfer: no signal, and no "~" file left behind.
    if (m_reply) {
        disconnect(m_reply, nullptr, this, nullptr);
        m_reply->abort();
        delete m_reply;
        m_reply = nullptr;
        m_file.close();
        m_file.remove();
    }
}

void DownloadManager::createManager_()
{
    m_manager = new QNetworkAccessManager(this);
    connect(m_manager, &QNetworkAccessManager::authenticationRequired, this, &DownloadManager::authenticationRequired);
}

bool DownloadManager::append(const dltask_st& task) { return enqueue_(task, false); }

bool DownloadManager::prepend(const dltask_st& task) { return enqueue_(task, true); }

bool DownloadManager::enqueue_(const dltask_st& task, bool front)
{
    if (task.url.isEmpty() || task.dstDir.isEmpty())
        return false;
    // Start on the next pass of the event loop, never inside the caller.
    if (!m_reply && m_queue.isEmpty())
        QTimer::singleShot(0, this, &DownloadManager::triggerNextDownload);
    if (front)
        m_queue.prepend(task);
    else
        m_queue.append(task);
    return true;
}

template<typename Match> void DownloadManager::removeMatching_(Match match)
{
    m_queue.removeIf(match);
    // Aborting ends in finished(), which reports the error and moves on.
    if (m_reply && match(m_current))
        m_reply->abort();
}

void DownloadManager::remove(QString url)
{
    removeMatching_([&url](const dltask_st& t) { return t.url == url; });
}

void DownloadManager::removeUserTag(QString tag)
{
    removeMatching_([&tag](const dltask_st& t) { return t.userTag == tag; });
}

void DownloadManager::removeDstDir(QString dir)
{
    removeMatching_([&dir](const dltask_st& t) { return t.dstDir == dir; });
}

bool DownloadManager::getDownloadStatus(dlresult_st& result) const
{
    if (!m_reply)
        return false;
    fillRunning_(result);
    return true;
}

bool DownloadManager::isNetworkAccessible()
{
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = QNetworkInformation::instance();
    return info && info->reachability() == QNetworkInformation::Reachability::Online;
}

void DownloadManager::setAuth(QString user, QString password)
{
    m_user = user;
    m_password = password;
}

// The running transfer's task, counts and time; status and error text stay as they are.
void DownloadManager::fillRunning_(dlresult_st& r) const
{
    r.task = m_current;
    r.bytesReceived = m_received;
    r.bytesTotal = m_total;
    r.elapsedMs = qint32(m_timer.elapsed());
}

dlresult_st DownloadManager::currentResult_() const
{
    dlresult_st r;
    fillRunning_(r);
    return r;
}

void DownloadManager::triggerNextDownload()
{
    while (!m_reply && !m_queue.isEmpty()) {
        m_received = 0;
        m_total = 0;
        m_written = 0;
        m_failStatus = 0;
        m_failText.clear();
        m_current = m_queue.takeFirst();
        m_limit = sizeLimit(m_current.userTag);

        if (!m_dir.mkpath(m_current.dstDir) || !m_dir.cd(m_current.dstDir))
            continue;
        m_fileName = fileNameOf(m_current.url);
        if (m_fileName.isEmpty())
            continue;
        m_tmpFileName = QLatin1Char('~') + m_fileName;
        m_file.setFileName(m_dir.filePath(m_tmpFileName));
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            continue;

        m_authAttempts = 0;
        m_timer.start();
        m_stallTimer->start();
        m_reply = m_manager->get(QNetworkRequest(QUrl(m_current.url)));
        connect(m_reply, &QNetworkReply::downloadProgress, this,
            qOverload<qint64, qint64>(&DownloadManager::downloadProgress));
        connect(m_reply, &QNetworkReply::finished, this, qOverload<>(&DownloadManager::finished));
        connect(m_reply, &QNetworkReply::readyRead, this, &DownloadManager::readyRead);
    }
}

void DownloadManager::readyRead()
{
    if (!m_reply)
        return;
    m_stallTimer->start();
    // The abort ends the transfer through finished().
    if (!drain_())
        m_reply->abort();
}

void DownloadManager::fail_(qint32 status, const QString& text)
{
    // The first cause is the one reported.
    if (m_failStatus)
        return;
    m_failStatus = status;
    m_failText = text;
}

bool DownloadManager::drain_()
{
    if (m_failStatus)
        return false;
    // Written as it arrives through one reused buffer: a fresh buffer per
    // notification would cost more in page faults than the copy itself.
    if (m_buffer.isEmpty())
        m_buffer.resize(kBufferSize);
    for (;;) {
        const qint64 n = m_reply->read(m_buffer.data(), m_buffer.size());
        if (n <= 0)
            return true;
        if (m_written + n > m_limit) {
            fail_(TooLargeStatus, QStringLiteral("Download larger than %1 bytes").arg(m_limit));
            return false;
        }
        // A short write is tried again, so that the one that fails says why
        // (a full disk, a file size limit).
        for (qint64 done = 0; done < n;) {
            const qint64 written = m_file.write(m_buffer.constData() + done, n - done);
            if (written <= 0) {
                fail_(WriteFailedStatus,
                    QStringLiteral("Cannot write %1: %2").arg(m_file.fileName(), m_file.errorString()));
                return false;
            }
            done += written;
        }
        m_written += n;
    }
}

void DownloadManager::stalled()
{
    if (!m_reply)
        return;
    fail_(StalledStatus, QStringLiteral("No data received for %1 s").arg(m_stallTimer->interval() / 1000.0));
    m_reply->abort();
}

void DownloadManager::downloadProgress(qint64 received, qint64 total)
{
    m_received = received;
    m_total = total;
    m_stallTimer->start();
    // A size announced past the bound ends the transfer before its body comes.
    if (qMax(received, total) > m_limit) {
        fail_(TooLargeStatus, QStringLiteral("Download larger than %1 bytes").arg(m_limit));
        if (m_reply)
            m_reply->abort();
        return;
    }
    emit downloadProgress(currentResult_());
}

void DownloadManager::authenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    if (reply != m_reply)
        return;
    ++m_authAttempts;
    if (m_authAttempts <= 2 && !m_user.isEmpty() && !m_password.isEmpty()) {
        // Setting a different user first marks the credentials as new, so the
        // second offer is really sent even though it repeats the first.
        authenticator->setUser(QString());
        authenticator->setUser(m_user);
        authenticator->setPassword(m_password);
        return;
    }
    reply->abort();
}

void DownloadManager::finished()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_stallTimer->stop();
    // Whatever is still buffered belongs to the file (nothing after an error).
    const bool clean = reply->error() == QNetworkReply::NoError && !m_failStatus;
    if (clean && drain_())
        keepFile_();
    if (m_file.isOpen())
        m_file.close();

    dlresult_st result = currentResult_();
    result.status = m_failStatus ? m_failStatus : qint32(reply->error());
    result.errorString = m_failStatus ? m_failText : result.status ? reply->errorString() : QString();

    if (result.status) {
        m_file.remove();
        // A manager that saw an error may hold a broken connection; the next
        // transfer gets a fresh one.
        m_manager->deleteLater();
        createManager_();
    }

    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
    m_reply = nullptr;
    emit finished(result);
    triggerNextDownload();
}

bool DownloadManager::keepFile_()
{
    // Every byte is on the disk before the good copy is replaced, and it is
    // replaced in one step: renamed over, never deleted first.
    const bool flushed = m_file.flush() && ::fsync(m_file.handle()) == 0;
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError) {
        fail_(WriteFailedStatus, QStringLiteral("Cannot write %1: %2").arg(m_file.fileName(), m_file.errorString()));
        return false;
    }
    const QString finalPath = m_dir.filePath(m_fileName);
    if (std::rename(QFile::encodeName(m_file.fileName()).constData(), QFile::encodeName(finalPath).constData()) != 0) {
        const int error = errno;
        fail_(RenameFailedStatus,
            QStringLiteral("Cannot rename %1 to %2: %3")
                .arg(m_file.fileName(), finalPath, QString::fromLocal8Bit(std::strerror(error))));
        return false;
    }
    return true;
}
