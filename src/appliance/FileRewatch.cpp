#include "appliance/FileRewatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

FileRewatch::FileRewatch(QFileSystemWatcher* watcher)
    : m_watcher(watcher)
{
}

void FileRewatch::watch(const QString& path)
{
    if (!m_files.contains(path))
        m_files << path;
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_watcher->directories().contains(folder))
        m_watcher->addPath(folder);
    if (QFileInfo::exists(path) && !m_watcher->files().contains(path))
        m_watcher->addPath(path);
}

void FileRewatch::changed(const QString& path)
{
    // Still listed after a rename over it, the watch may sit on the file
    // that was replaced.
    m_watcher->removePath(path);
    if (QFileInfo::exists(path))
        m_watcher->addPath(path);
}

QStringList FileRewatch::returned(const QString& folder)
{
    QStringList back;
    const QStringList watched = m_watcher->files();
    for (const QString& path : std::as_const(m_files)) {
        if (watched.contains(path) || QFileInfo(path).absolutePath() != folder || !QFileInfo::exists(path))
            continue;
        m_watcher->addPath(path);
        back << path;
    }
    return back;
}
