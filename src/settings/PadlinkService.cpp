#include "settings/PadlinkService.h"

#include "appliance/CommandRunner.h"
#include "appliance/Login.h"
#include "appliance/Paths.h"
#include "appliance/Sudo.h"
#include "settings/DetachedDaemon.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <unistd.h>

namespace {

// The boot link and what it must point to. Only the link's own location is
// taken under the sysroot: its content is the appliance's path, as the
// appliance's boot reads it.
constexpr AppliancePath_s kLink {"/etc/Tellora/xorg_rcS.d/S03remotepad"};
const QString kTarget = QStringLiteral("/etc/Tellora/xinit/start_remotepad");
constexpr AppliancePath_s kDaemon {"/opt/bin/remotepad"};
const QString kDaemonName = QStringLiteral("remotepad");

// printf-style warnings with one or two texts for %s.
void warn(const char* format, const QString& a, const QString& b = QString())
{
    QString text = QString::fromUtf8(format);
    text.replace(text.indexOf(QLatin1String("%s")), 2, a);
    if (!b.isNull())
        text.replace(text.indexOf(QLatin1String("%s")), 2, b);
    qWarning().noquote() << text;
}

QString errorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool isLink(const QString& path) { return QFileInfo(path).isSymLink(); }
// Anything at the path, a dangling link included.
bool occupied(const QString& path) { return QFileInfo::exists(path) || isLink(path); }

QString linkContent(const QString& path)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(QFile::encodeName(path).toStdString(), error);
    return error ? QString() : QString::fromStdString(target.string());
}

} // namespace

PadlinkService::PadlinkService(bool administrator)
    : m_administrator(administrator)
{
    // The account is named by the login; only a plain name counts.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._-]+$"));
    const QString user = Login::userName();
    m_adminAccount = administrator && plain.match(user).hasMatch() && user == QLatin1String("admin");
}

bool PadlinkService::isEnabled() { return isLink(kLink.local()); }

bool PadlinkService::refuse_() const
{
    qWarning() << "Padlink: non-admin user tried to change Padlink setting";
    return isEnabled();
}

bool PadlinkService::runAsRoot_(const QString& program, const QStringList& args) const
{
    if (m_adminAccount)
        return Appliance::runner().run(program, args, Budget::Setting).ok();
    return Sudo::run(QStringList {program} + args);
}

bool PadlinkService::removeLink_(const QString& path) const
{
    if (path != kLink.local()) {
        qWarning().noquote() << QStringLiteral("Padlink: unexpected remove path: %1").arg(path);
        return false;
    }
    if (!occupied(path))
        return true;
    if (m_adminAccount) {
        QFile file(path);
        if (file.remove())
            return true;
        qWarning().noquote() << QStringLiteral("Padlink: failed to remove %1: %2").arg(path, file.errorString());
        return false;
    }
    Sudo::run({Appliance::path(QStringLiteral("/bin/rm")), QStringLiteral("-f"), path});
    if (!occupied(path))
        return true;
    qWarning().noquote() << QStringLiteral("Padlink: failed to remove %1 with sudo rm -f").arg(path);
    return false;
}

bool PadlinkService::createLink_(const QString& target, const QString& link) const
{
    if (target != kTarget || link != kLink.local()) {
        warn("Padlink: unexpected symlink path: %s -> %s", link, target);
        return false;
    }
    if (m_adminAccount) {
        if (::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0)
            return true;
        warn("Padlink: symlink 建立失敗: %s", errorText(errno));
        return false;
    }
    if (Sudo::run({Appliance::path(QStringLiteral("/bin/ln")), QStringLiteral("-s"), target, link}))
        return true;
    warn("Padlink: sudo symlink 建立失敗: %s", link);
    return false;
}

bool PadlinkService::startDaemon_() const
{
    using DetachedDaemon::Failure;
    const DetachedDaemon::Result_s r = DetachedDaemon::start(kDaemon.localStd().c_str(), "remotepad");
    switch (r.failure) {
    case Failure::None:
        return true;
    case Failure::Pipe:
        warn("Padlink: exec error pipe 建立失敗: %s", errorText(r.error));
        break;
    case Failure::CloseOnExec:
        warn("Padlink: exec error pipe close-on-exec 設定失敗: %s", errorText(r.error));
        break;
    case Failure::Fork:
        warn("Padlink: fork 失敗: %s", errorText(r.error));
        break;
    case Failure::Exec:
        warn("Padlink: daemon exec 失敗: %s", errorText(r.error));
        qWarning() << "Padlink: daemon 啟動失敗";
        break;
    case Failure::Intermediate:
        qWarning() << "Padlink: daemon 啟動失敗";
        break;
    }
    return false;
}

bool PadlinkService::disable()
{
    if (!m_administrator)
        return refuse_();
    const QString link = kLink.local();
    if (!runAsRoot_(Appliance::path(QStringLiteral("/bin/killall")), {kDaemonName})) {
        if (Appliance::runner().run(Appliance::path(QStringLiteral("/bin/pidof")), {kDaemonName}, Budget::Query).ok()) {
            qWarning() << "Padlink: /bin/killall remotepad failed";
            qWarning() << "Padlink: daemon 停止失敗，保留 Enable Padlink 狀態";
            return true;
        }
        qWarning() << "Padlink: remotepad is already stopped";
    }
    if (isLink(link)) {
        if (removeLink_(link))
            return false;
        warn("Padlink: symlink 刪除失敗: %s", link);
        return true;
    }
    if (occupied(link)) {
        warn("Padlink: symlink 路徑存在但不是 symlink，略過刪除: %s", link);
        return true;
    }
    return false;
}

bool PadlinkService::enable()
{
    if (!m_administrator)
        return refuse_();
    const QString link = kLink.local();
    if (isLink(link)) {
        if (!removeLink_(link)) {
            warn("Padlink: 既有 symlink 刪除失敗: %s", link);
            return false;
        }
    } else if (occupied(link)) {
        warn("Padlink: symlink 路徑已存在但不是 symlink: %s", link);
        return false;
    }
    if (!createLink_(kTarget, link))
        return false;
    if (!isLink(link) || linkContent(link) != kTarget) {
        warn("Padlink: symlink 建立後驗證失敗: %s", link);
        removeLink_(link);
        return false;
    }
    if (!startDaemon_()) {
        removeLink_(link);
        return false;
    }
    return true;
}
