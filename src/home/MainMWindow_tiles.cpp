// The home window's application tiles: building them from the package model,
// following the model's changes and the package configuration on disk, and
// starting the application of an entered tile behind the waiting animation.
#include "home/MainMWindow.h"

#include "ui_MainMWindow.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/FileRewatch.h"
#include "appliance/UserSettings.h"
#include "home/ImageResources.h"
#include "home/MultiIconViewV.h"
#include "packages/bentoconf.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <algorithm>

namespace {

const QString kBentoConf = QStringLiteral("/etc/config/bento.conf");
const QString kKaraoke = QStringLiteral("Cantora");

bool taskBarEnabled()
{
    return UserSettings::open()
               ->value(QStringLiteral("TaskBar/Enable"), QStringLiteral("False"))
               .toString()
               .compare(QLatin1String("True"), Qt::CaseInsensitive)
        == 0;
}

// A task-bar companion is started from the task bar; without the task bar it
// has no tile.
bool hiddenByTaskBar(const PkgInfo_s& pkg, bool taskBar)
{
    return !taskBar && !pkg.xmlInfo.value(QStringLiteral("TaskBar")).isEmpty();
}

QString waitingSheet(int frame) { return QStringLiteral("border-image: url(:/images/waiting_%1.png);").arg(frame); }

} // namespace

QPixmap MainMWindow::tileIcon_(const PkgInfo_s& pkg) const
{
    return ImageResources::fromFile(
        AggPkgInfo::localInstallPath(pkg, 0) + QLatin1Char('/') + pkg.xmlInfo.value(QStringLiteral("icon_tv")));
}

QString MainMWindow::tileLabel_(const PkgInfo_s& pkg)
{
    const QString title = pkg.confInfo.value(QStringLiteral("Display_Name"));
    if (!title.isEmpty())
        return title;
    const QString name = pkg.xmlInfo.value(QStringLiteral("name"));
    return name.isEmpty() ? pkg.name : name;
}

bool MainMWindow::wantsTile_(const QString& key) const
{
    if (!m_packages->isPkgAvail(key, 0, 1))
        return false;
    const PkgInfo_s pkg = m_packages->PkgByName(key, 0);
    return pkg.confInfo.value(QStringLiteral("Enable")).compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0
        && !hiddenByTaskBar(pkg, taskBarEnabled());
}

bool MainMWindow::focusTitleBar_()
{
    for (QFrame* f : {ui->frmlang, ui->frmsetting, ui->frmlogout}) {
        if (f->isVisible()) {
            f->setFocus();
            return true;
        }
    }
    return false;
}

void MainMWindow::reloadApps()
{
    m_iconView->delAll(1);
    m_karaokeIndex = -1;
    m_tileNames.clear();
    const QStringList names = m_packages->PkgNames(0, 1);
    if (names.isEmpty()) {
        m_iconView->setSelect(0);
        m_iconView->setFocus();
        return;
    }
    const std::unique_ptr<QSettings> settings = UserSettings::open();
    const bool taskBar = settings->value(QStringLiteral("TaskBar/Enable"), QStringLiteral("False"))
                             .toString()
                             .compare(QLatin1String("True"), Qt::CaseInsensitive)
        == 0;
    const QString lastRun = settings->value(QStringLiteral("BENTO/LastRun")).toString();
    int selected = 0;
    for (const QString& key : names) {
        const PkgInfo_s pkg = m_packages->PkgByName(key, 0);
        if (hiddenByTaskBar(pkg, taskBar))
            continue;
        const int tile = int(m_tileNames.size());
        if (!lastRun.isEmpty() && lastRun == key)
            selected = tile;
        if (key == kKaraoke)
            m_karaokeIndex = tile;
        m_tileNames << key;
        m_iconView->add(tileIcon_(pkg), tileLabel_(pkg));
    }
    m_iconView->setSelect(selected);
    m_iconView->setFocus();
}

void MainMWindow::confPkgChanged(const QString& event)
{
    const qsizetype lineFeed = event.indexOf(QLatin1Char('\n'));
    if (lineFeed < 0)
        return;
    const QString key = event.mid(lineFeed + 1).trimmed();
    const int pos = int(m_tileNames.indexOf(key));
    // One rule for every tile, the one reloadApps applies: a disabled or
    // task-bar package never holds a place in the list, so no later tile
    // shifts against it.
    const bool wanted = wantsTile_(key);
    const int selected = m_iconView->select();
    if (pos >= 0 && !wanted) {
        m_tileNames.removeAt(pos);
        m_karaokeIndex = m_karaokeIndex == pos ? -1 : m_karaokeIndex - (pos < m_karaokeIndex ? 1 : 0);
        m_iconView->del(pos);
        // The viewer stays on the package they were on.
        if (pos < selected)
            m_iconView->setSelect(selected - 1);
        if (!m_iconView->hasFocus())
            m_iconView->setSelect(-1);
        else if (m_tileNames.isEmpty())
            focusTitleBar_();
    } else if (pos >= 0) {
        const PkgInfo_s pkg = m_packages->PkgByName(key, 0);
        m_iconView->setIcon(tileIcon_(pkg), pos, 0);
        m_iconView->setText(tileLabel_(pkg), pos);
    } else if (wanted) {
        // The list keeps the model's order, which is sorted by key.
        const int at = int(std::lower_bound(m_tileNames.cbegin(), m_tileNames.cend(), key) - m_tileNames.cbegin());
        m_tileNames.insert(at, key);
        if (key == kKaraoke)
            m_karaokeIndex = at;
        else if (m_karaokeIndex >= at)
            ++m_karaokeIndex;
        const PkgInfo_s pkg = m_packages->PkgByName(key, 0);
        m_iconView->add(tileIcon_(pkg), tileLabel_(pkg), at);
        m_iconView->setSelect(selected < 0 ? 0 : selected + (at <= selected ? 1 : 0));
        if (ui->frmlang->hasFocus() || ui->frmsetting->hasFocus() || ui->frmlogout->hasFocus())
            m_iconView->setSelect(-1);
        else
            m_iconView->setFocus();
    }
}

QString MainMWindow::confChecksum_() const
{
    const QString script = QStringLiteral("md5sum %1 | awk '{print $1}'").arg(Appliance::path(kBentoConf));
    return QString::fromLocal8Bit(
        Appliance::runner().runShell(Appliance::path(QStringLiteral("/bin/bash")), script).out.trimmed());
}

void MainMWindow::packageConfChanged_()
{
    const QString file = Appliance::path(kBentoConf);
    const QFileInfo info(file);
    // A file replaced by renaming drops out of the watch list.
    if (info.exists() && !m_watcher->files().contains(file))
        m_watcher->addPath(file);
    // An empty file is a writer half way through, not a removal of everything.
    if (!info.exists() || info.size() == 0)
        return;
    ui->frmtandem->setVisible(hasTandem_(kBentoConf));
    const QString checksum = confChecksum_();
    if (checksum == m_confChecksum)
        return;
    m_confChecksum = checksum;
    m_packages->ReadConf(kBentoConf);
    reloadApps();
}

void MainMWindow::fileChanged(const QString& path)
{
    if (path == Appliance::path(kBentoConf)) {
        packageConfChanged_();
        return;
    }
    if (m_rewatch->contains(path))
        m_rewatch->changed(path);
    otherFileChanged_(path);
}

void MainMWindow::directoryChanged(const QString& path)
{
    // A command file created again, after it was removed or renamed away.
    for (const QString& file : m_rewatch->returned(path))
        otherFileChanged_(file);
    if (path != Appliance::path(QStringLiteral("/etc/config")))
        return;
    // Replacing a file can take it off the watch list: put it back.
    if (!m_watcher->files().contains(Appliance::path(kBentoConf))) {
        ui->frmtandem->setVisible(hasTandem_(kBentoConf));
        // The same checksum as the file's own watch, so the two reports of
        // one replacement read it once, and an identical copy not at all.
        packageConfChanged_();
        return;
    }
    const QString corvex = Appliance::path(QStringLiteral("/etc/config/corvex.conf"));
    const QFileInfo info(corvex);
    if (!m_watcher->files().contains(corvex) && info.exists()) {
        m_watcher->addPath(corvex);
        if (info.size() > 0)
            refreshTimezone();
    }
}

void MainMWindow::mviewitemEntered(int index)
{
    if (index < 0 || index >= m_tileNames.size())
        return;
    const QString key = m_tileNames.at(index);
    const PkgInfo_s pkg = m_packages->PkgByName(key, 0);
    const QString start = pkg.xmlInfo.value(QStringLiteral("start"));
    if (start.isEmpty())
        return;
    QString command = start;
    if (start.startsWith(QLatin1Char('/'))) {
        command = Appliance::path(start);
    } else {
        // A name inside the package runs from there; anything else is left
        // to the shell's search path.
        const QString inPackage = AggPkgInfo::localInstallPath(pkg, 0) + QLatin1Char('/') + start;
        if (QFileInfo::exists(inPackage))
            command = inPackage;
    }
    launchApp({QStringLiteral("-c"), command});
    const std::unique_ptr<QSettings> settings = UserSettings::open();
    settings->setValue(QStringLiteral("BENTO/LastRun"), key);
    settings->sync();
}

void MainMWindow::launchApp(QStringList arguments)
{
    // A second launch while waiting (a command file) must not stack cursors.
    const bool waiting = m_waitingStep != 0;
    setEnabled(false);
    m_waitingStep = 1;
    m_waitingTimer->start(200);
    refreshWaiting();
    ui->labwaiting->setStyleSheet(waitingSheet(1));
    ui->labwaiting->show();
    repaint();
    if (waiting)
        QApplication::changeOverrideCursor(QCursor(Qt::BlankCursor));
    else
        QApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    Appliance::runner().startDetached(QStringLiteral("sh"), arguments, QString());
}

void MainMWindow::refreshWaiting()
{
    if (m_waitingStep == 0)
        return;
    ui->labwaiting->setStyleSheet(waitingSheet(m_waitingStep % 8 + 1));
    ui->labwaiting->show();
    ui->labwaiting->repaint();
    if (++m_waitingStep > 49) {
        launchDelayed();
        m_waitingStep = 0;
        ui->labwaiting->hide();
        m_waitingTimer->stop();
    }
}

void MainMWindow::launchDelayed()
{
    setEnabled(true);
    QApplication::restoreOverrideCursor();
    m_iconView->setFocus();
}
