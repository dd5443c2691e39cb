#include "home/ApplianceWatch.h"

#include "appliance/CommandRunner.h"
#include "appliance/ConfigFile.h"
#include "appliance/FileRewatch.h"
#include "appliance/Paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <utility>

#include <sys/stat.h>

namespace {

constexpr AppliancePath_s kCommandFile {"/tmp/ivo.cmd"};
constexpr AppliancePath_s kSecondCommandFile {"/tmp/ivo.hd3"};
constexpr AppliancePath_s kConfigFolder {"/etc/config"};

bool same(const QString& a, const char* b) { return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0; }

} // namespace

ApplianceWatch::ApplianceWatch(QObject* parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
    , m_rewatch(std::make_unique<FileRewatch>(m_watcher))
{
    // Taken in process, with the same hex digest as the pipeline later
    // changes are checked with, which would hold up the first frame.
    if (const QByteArray conf = ConfigFile::read(Paths::BentoConf.local()); !conf.isEmpty())
        m_checksum = QString::fromLatin1(QCryptographicHash::hash(conf, QCryptographicHash::Md5).toHex());
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &ApplianceWatch::fileChanged);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &ApplianceWatch::directoryChanged);
}

ApplianceWatch::~ApplianceWatch() = default;

void ApplianceWatch::watch_(const AppliancePath_s& file, bool truncate)
{
    const QString path = file.local();
    // Most of these lie in world-writable folders: whatever was planted there
    // is replaced, never written through.
    if (truncate)
        GuardedFile::makeEmpty(QFile::encodeName(path).constData());
    if (QFileInfo::exists(path))
        m_watcher->addPath(path);
}

void ApplianceWatch::watchReceiver()
{
    watch_(Paths::KeyboltMarker, true);
    const QString pidFile = Paths::RegistrationPidFile.local();
    if (!QFileInfo::exists(pidFile))
        QDir().mkpath(QFileInfo(pidFile).absolutePath());
    watch_(Paths::RegistrationPidFile, true);
    m_rewatch->watch(Paths::KeyboltMarker.local());
}

void ApplianceWatch::watchAll()
{
    watch_(kConfigFolder, false);
    watch_(Paths::BentoConf, false);
    watch_(Paths::SystemConf, false);
    watch_(kCommandFile, true);
    watch_(kSecondCommandFile, true);
    watch_({"/tmp/.audiosource.conf"}, true);
    // Other programs replace these rather than rewrite them.
    for (const AppliancePath_s& file : {kCommandFile, kSecondCommandFile})
        m_rewatch->watch(file.local());
}

void ApplianceWatch::restore(const AppliancePath_s& file)
{
    const QString path = file.local();
    GuardedFile::makeEmpty(QFile::encodeName(path).constData());
    m_watcher->addPath(path);
}

void ApplianceWatch::fileChanged(const QString& path)
{
    if (path == Paths::BentoConf.local())
        return packageConf_();
    if (m_rewatch->contains(path))
        m_rewatch->changed(path);
    otherFileChanged_(path);
}

void ApplianceWatch::directoryChanged(const QString& path)
{
    // A command file created again, after it was removed or renamed away.
    for (const QString& file : m_rewatch->returned(path))
        otherFileChanged_(file);
    if (path != kConfigFolder.local())
        return;
    // Replacing a file can take it off the watch list: put it back.
    if (!m_watcher->files().contains(Paths::BentoConf.local())) {
        emit packageConfTouched();
        // The same checksum as the file's own watch, so the two reports of
        // one replacement read it once, and an identical copy not at all.
        return packageConf_();
    }
    const QString system = Paths::SystemConf.local();
    const QFileInfo info(system);
    if (!m_watcher->files().contains(system) && info.exists()) {
        m_watcher->addPath(system);
        if (info.size() > 0)
            emit systemConfChanged();
    }
}

QString ApplianceWatch::checksum_() const
{
    const QString script = QStringLiteral("md5sum %1 | awk '{print $1}'").arg(Paths::BentoConf.local());
    return QString::fromLocal8Bit(
        Appliance::runner().runShell(Paths::Bash.local(), script, Budget::Query).out.trimmed());
}

void ApplianceWatch::packageConf_()
{
    const QString file = Paths::BentoConf.local();
    const QFileInfo info(file);
    // A file replaced by renaming drops out of the watch list.
    if (info.exists() && !m_watcher->files().contains(file))
        m_watcher->addPath(file);
    // An empty file is a writer half way through, not a removal of everything.
    if (!info.exists() || info.size() == 0)
        return;
    emit packageConfTouched();
    const QString checksum = checksum_();
    if (checksum == m_checksum)
        return;
    m_checksum = checksum;
    emit packageConfChanged();
}

void ApplianceWatch::otherFileChanged_(const QString& path)
{
    if (path == kCommandFile.local())
        commandFile_();
    else if (path == kSecondCommandFile.local())
        secondCommandFile_();
    else if (path == Paths::SystemConf.local())
        emit systemConfChanged();
    else if (path == Paths::KeyboltMarker.local())
        emit keyboltMarkerChanged();
    else if (path == Paths::RegistrationPidFile.local())
        registrationFile_();
}

// The first line of a command file, or an empty one when there is no new
// command in it. One write may come as two change reports (the truncation, then
// the text) that are both handled once the text is in: the command in it is
// one, and its second reading finds the file as the first left it. The same
// line written again is a new command, as its write gives the file another
// modification time. A file that changes while it is read is left to the
// report of that change.
QString ApplianceWatch::commandLine_(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const auto state = [&name] {
        struct stat st = {};
        if (::stat(name.constData(), &st) != 0)
            return QString();
        return QStringLiteral("%1 %2 %3.%4")
            .arg(st.st_ino)
            .arg(st.st_size)
            .arg(st.st_mtim.tv_sec)
            .arg(st.st_mtim.tv_nsec);
    };
    const QString before = state();
    const QString line = ConfigFile::firstLine(path);
    if (before.isEmpty())
        return line;
    if (state() != before)
        return {};
    const QString read = before + QLatin1Char('\n') + line;
    if (std::exchange(m_commandsRead[path], read) == read)
        return {};
    return line;
}

void ApplianceWatch::commandFile_()
{
    const QStringList words = commandLine_(kCommandFile.local()).split(QLatin1Char(' '));
    if (!same(words.value(0), "Settings"))
        return;
    if (same(words.value(1), "Open"))
        emit settingsOpenRequested();
    else if (same(words.value(1), "Close"))
        emit settingsCloseRequested();
}

void ApplianceWatch::secondCommandFile_()
{
    const QString line = commandLine_(kSecondCommandFile.local());
    const QStringList fields = line.split(QLatin1Char(' '));
    const QString command = line.left(3);
    if (same(command, "lsp")) {
        if (same(fields.value(1), "cantora_key_press"))
            emit karaokeKeyPressed();
    } else if (same(command, "lap")) {
        emit packageActionRequested(fields.value(1), fields.value(2));
    } else if (same(command, "lsh")) {
        const QString shellCommand = fields.value(1);
        if (!shellCommand.isEmpty() && shellCommand != QLatin1String("hdkbinput"))
            emit shellCommandRequested(shellCommand);
    } else if (same(command, "msg")) {
        emit packageMessageRequested(fields.value(1), fields.value(2));
    }
}

void ApplianceWatch::registrationFile_()
{
    const QString file = Paths::RegistrationPidFile.local();
    if (GuardedFile::check(QFile::encodeName(file).constData()) == GuardedFile::State::Read)
        return;
    // Removed (or replaced by something unreadable): an empty file keeps
    // registration off and stays watched.
    restore(Paths::RegistrationPidFile);
}
