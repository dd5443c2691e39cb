#include "settings/WatchedFiles.h"

#include "ui_SettingsDialog.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/ConfigFile.h"
#include "appliance/Login.h"
#include "appliance/Paths.h"
#include "appliance/UserSettings.h"
#include "settings/SettingsDialog.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSettings>

WatchedFiles::WatchedFiles(SettingsDialog& dialog)
    : m_dialog(dialog)
    , m_watcher(new QFileSystemWatcher(&dialog))
{
    m_watcher->addPath(UserSettings::path());
    m_watcher->addPath(Paths::ScreenConf.local());
    m_watcher->addPath(Paths::LoginConf.local());
    QObject::connect(m_watcher, &QFileSystemWatcher::fileChanged, &dialog, &SettingsDialog::fileChanged);
}

void WatchedFiles::changed(const QString& path)
{
    if (path == Paths::ScreenConf.local())
        screenConf_(path);
    else if (path == UserSettings::path())
        userSettings_(path);
    else if (path == Paths::LoginConf.local())
        loginConf_(path);
}

void WatchedFiles::rewatch_(const QString& path)
{
    if (QFileInfo::exists(path) && !m_watcher->files().contains(path))
        m_watcher->addPath(path);
}

void WatchedFiles::screenConf_(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        Appliance::runner().run(Appliance::path(QStringLiteral("/usr/bin/touch")), {path}, Budget::Setting);
        rewatch_(path);
        return;
    }
    rewatch_(path);
    m_dialog.currentChanged(SettingsDialog::PageDisplay);
}

void WatchedFiles::userSettings_(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.close();
        rewatch_(path);
        return;
    }
    rewatch_(path);
    QSettings& settings = m_dialog.userSettings();
    settings.sync();
    if (settings.value(QStringLiteral("TaskBar/setfromweb")).toInt() != 0) {
        settings.remove(QStringLiteral("TaskBar/setfromweb"));
        settings.sync();
        emit m_dialog.IVOrestart();
    }
}

void WatchedFiles::loginConf_(const QString& path)
{
    rewatch_(path);
    const std::unique_ptr<QSettings> login = ConfigFile::settings(path);
    // A boolean of the appliance's files: any case.
    if (login->value(QStringLiteral("Padlink/Logout")).toString().compare(QLatin1String("yes"), Qt::CaseInsensitive)
        == 0) {
        login->remove(QStringLiteral("Padlink"));
        login->sync();
        emit m_dialog.IVOrestart();
    }
    // Another program changed the login requirement: the box follows
    // without its handler writing the file back.
    const bool required = !Login::autoLogin();
    QCheckBox* box = m_dialog.form()->cbxRequireLogin;
    if (box->isChecked() != required)
        return;
    QObject::disconnect(box, SIGNAL(toggled(bool)), &m_dialog, SLOT(on_cbxRequireLogin_toggled(bool)));
    box->setChecked(!required);
    QObject::connect(box, SIGNAL(toggled(bool)), &m_dialog, SLOT(on_cbxRequireLogin_toggled(bool)));
}
