#include "appliance/WholeFile.h"

#include "util/GuardedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <fcntl.h>
#include <unistd.h>

namespace WholeFile {

bool write(const QString& path, const QByteArray& bytes, Links links)
{
    return GuardedFile::replaceWhole(QFile::encodeName(path).constData(), bytes.constData(), std::size_t(bytes.size()),
               links == Links::Followed)
        == GuardedFile::Replace::Done;
}

void prepare(QSettings& settings)
{
    if (settings.fileName().isEmpty())
        return;
    const QFileInfo file(settings.fileName());
    const QByteArray local = QFile::encodeName(file.filePath());
    const QString lockPath = file.filePath() + QStringLiteral(".lock");
    // Qt's lock file, and the one it takes to remove a stale lock: their
    // holders keep them locked, so one that nobody holds was left by a kill
    // (Qt would wait half a minute for one killed before naming its holder).
    for (const QString& lock : {lockPath + QStringLiteral(".rmlock"), lockPath})
        GuardedFile::removeUnheld(QFile::encodeName(lock).constData());
    const QStringList leftovers = file.dir().entryList(
        {file.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden | QDir::System);
    if (!leftovers.isEmpty()) {
        // Under the settings' own lock no save of them is half-way through.
        QLockFile lock(lockPath);
        if (lock.tryLock(0))
            GuardedFile::sweepTemporaries(local.constData(), "", ".");
    }
    if (file.exists()
        && ::faccessat(AT_FDCWD, QFile::encodeName(file.absolutePath()).constData(), W_OK | X_OK, AT_EACCESS) != 0
        && ::faccessat(AT_FDCWD, local.constData(), W_OK, AT_EACCESS) == 0) {
        settings.setAtomicSyncRequired(false);
        GuardedFile::noteWrittenInPlace(local.constData());
    }
}

} // namespace WholeFile
