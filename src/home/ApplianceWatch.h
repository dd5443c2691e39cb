#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class FileRewatch;
class QFileSystemWatcher;
struct AppliancePath_s;

// The files through which other programs on the appliance command the home
// screen, watched and turned into typed signals: the two command files, the
// package and system configurations, the one-touch marker and the remote
// registration file. A file emptied before its watch starts, so a stale
// command is never acted upon; files that writers replace are watched again.
class ApplianceWatch : public QObject
{
    Q_OBJECT

public:
    // Takes the package configuration's checksum as it is now, so that a
    // later rewrite with the same contents changes nothing.
    explicit ApplianceWatch(QObject* parent = nullptr);
    ~ApplianceWatch() override;

    // Starts the watches in the home window's order.
    void watchAll();
    // With an IR receiver, once the appliance said so: the one-touch marker
    // and the registration file too.
    void watchReceiver();
    // What a change of a watched file or folder means, by its local path.
    void fileChanged(const QString& path);
    void directoryChanged(const QString& path);
    // Creates the file empty again and watches it.
    void restore(const AppliancePath_s& file);

signals:
    // "/tmp/ivo.cmd": "Settings Open" and "Settings Close", ignoring case.
    void settingsOpenRequested();
    void settingsCloseRequested();
    // "/tmp/ivo.hd3", by its first three characters ignoring case: "lsp" with
    // the karaoke key, "lap" with a package and an action, "lsh" with a
    // command (not "hdkbinput"), "msg" with a package and a message key.
    void karaokeKeyPressed();
    void packageActionRequested(const QString& package, const QString& action);
    void shellCommandRequested(const QString& command);
    void packageMessageRequested(const QString& package, const QString& key);
    // The package configuration was rewritten or replaced (the tandem entry
    // may differ); packageConfChanged when its contents did change.
    void packageConfTouched();
    void packageConfChanged();
    void systemConfChanged();
    void keyboltMarkerChanged();

private:
    void watch_(const AppliancePath_s& file, bool truncate);
    void packageConf_();
    QString checksum_() const;
    void otherFileChanged_(const QString& path);
    QString commandLine_(const QString& path);
    void commandFile_();
    void secondCommandFile_();
    void registrationFile_();

    QFileSystemWatcher* m_watcher;
    std::unique_ptr<FileRewatch> m_rewatch;
    QString m_checksum;
    QHash<QString, QString> m_commandsRead;
};
