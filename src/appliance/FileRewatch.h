#pragma once

#include <QString>
#include <QStringList>

class QFileSystemWatcher;

// Files that other programs replace by renaming a new one over them, or
// remove and create again, as editors and atomic writers do. A watch follows
// the file it was set on, not its path, and is dropped with it: so the watch
// is set again on every change, and the files' folders are watched too, so
// that a file that comes back counts as a change.
class FileRewatch
{
public:
    explicit FileRewatch(QFileSystemWatcher* watcher);

    // Watches the file (when it is there) and its folder.
    void watch(const QString& path);
    bool contains(const QString& path) const { return m_files.contains(path); }
    // One of the files changed: its watch is set again on what is there now.
    void changed(const QString& path);
    // A folder changed: the files in it that lost their watch and are there
    // again, watched again. Each is a change to react to.
    QStringList returned(const QString& folder);

private:
    QFileSystemWatcher* m_watcher;
    QStringList m_files;
};
