// The home window's reactions to the outside world besides the tiles: key
// names from the IR daemon with the power key, the title-bar buttons, and the
// command files other programs on the appliance write.
#include "home/MainMWindow.h"

#include "ui_MainMWindow.h"

#include "appliance/Appliance.h"
#include "appliance/ApplianceCommands.h"
#include "appliance/CommandRunner.h"
#include "appliance/ConfigFile.h"
#include "audio/AudioDetectDialog.h"
#include "home/MessageQueue.h"
#include "home/MultiIconViewV.h"
#include "home/TandemSwitcher.h"
#include "home/TipsScreen.h"
#include "i18n/LanguageSwitch.h"
#include "lirc/LircInput.h"
#include "packages/bentoconf.h"
#include "util/IniParser.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTimer>

#include <cerrno>

#include <linux/input.h>
#include <signal.h>
#include <unistd.h>

namespace {

const QString kPidFile = QStringLiteral("/var/run/tellora/ir_reg.pid");
const QString kKeyboltMarker = QStringLiteral("/tmp/.tellora.keybolt.xxx");
const QString kCommandFile = QStringLiteral("/tmp/ivo.cmd");
const QString kSecondCommandFile = QStringLiteral("/tmp/ivo.hd3");

// Key names of the IR daemon, the key each becomes in this program and the
// key a registered program gets, in the order they are tested.
struct RemoteKey_s {
    const char* names[2];
    Qt::Key key;
    const char* forwarded;
};
const RemoteKey_s kRemoteKeys[] = {
    {{"KEY_LEFT", nullptr}, Qt::Key_Left, "Left"},
    {{"KEY_RIGHT", nullptr}, Qt::Key_Right, "Right"},
    {{"KEY_OK", "KEY_ENTER"}, Qt::Key_Return, "Return"},
    {{"KEY_UP", nullptr}, Qt::Key_Up, "Up"},
    {{"KEY_DOWN", nullptr}, Qt::Key_Down, "Down"},
    {{"KEY_EXIT", nullptr}, Qt::Key_Escape, "Escape"},
};

const RemoteKey_s* remoteKey(const QString& keystr)
{
    for (const RemoteKey_s& k : kRemoteKeys) {
        for (const char* name : k.names) {
            if (name && keystr.contains(QLatin1String(name)))
                return &k;
        }
    }
    return nullptr;
}

bool same(const QString& a, const char* b) { return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0; }

// The first line of an appliance file, trimmed; empty when unreadable.
QString firstLine(const QString& appliancePath) { return ConfigFile::firstLine(Appliance::path(appliancePath)); }

// A command named by another program: its absolute paths are appliance paths.
QString applianceCommand(const QString& command)
{
    return command.startsWith(QLatin1Char('/')) ? Appliance::path(command) : command;
}

QString bash() { return Appliance::path(QStringLiteral("/bin/bash")); }

} // namespace

void MainMWindow::dpmsKeepalive()
{
    if (m_keyDevice < 0)
        return;
    input_event events[4] {};
    events[0].type = EV_KEY;
    events[0].code = KEY_LEFTSHIFT;
    events[0].value = 1;
    events[1].type = EV_SYN;
    events[1].code = SYN_REPORT;
    events[2].type = EV_KEY;
    events[2].code = KEY_LEFTSHIFT;
    events[2].value = 0;
    events[3].type = EV_SYN;
    events[3].code = SYN_REPORT;
    if (::write(m_keyDevice, events, sizeof events) < 0)
        return; // a lost keep-alive only lets the screen blank
}

bool MainMWindow::registrationActive_()
{
    const QString file = Appliance::path(kPidFile);
    GuardedFile::State state;
    const QByteArray bytes = ConfigFile::read(file, &state);
    if (state != GuardedFile::State::Read)
        return false;
    bool live = false;
    if (bytes.size() >= 4) {
        bool number = false;
        const int pid = QString::fromLatin1(bytes.left(bytes.indexOf('\n'))).trimmed().toInt(&number, 10);
        // A process of another user answers the probe with EPERM: it lives.
        live = number && pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
    }
    if (!live && !bytes.isEmpty())
        GuardedFile::makeEmpty(QFile::encodeName(file).constData());
    return live;
}

void MainMWindow::irkeyPressed(const QString& keystr)
{
    dpmsKeepalive();
    const bool registered = registrationActive_();

    if (const RemoteKey_s* k = remoteKey(keystr)) {
        QWidget* focus = QApplication::focusWidget();
        // OK repeats while held; only the first event of a press is a Return.
        const bool repeat = k->key == Qt::Key_Return && !keystr.contains(QLatin1String(" 00 "));
        if (QApplication::activeWindow() && focus && !repeat)
            QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, k->key, Qt::NoModifier));
        if (registered)
            Appliance::runner().runShell(QStringLiteral("sh"), QStringLiteral("xdotool key %1").arg(k->forwarded));
    }

    if (keystr.contains(QLatin1String("KEY_SLEEP")) || keystr.contains(QLatin1String("KEY_POWER"))) {
        if (!m_powerKeyTimer->isActive()) {
            m_powerKeyTimer->start();
            m_powerKeyCount = 1;
            m_powerKeyLastCount = 1;
            m_powerKeyPressTime = m_now();
        } else {
            ++m_powerKeyCount;
        }
    } else {
        m_powerKeyCount = 0;
        m_powerKeyTimer->stop();
    }
}

void MainMWindow::powerkeyTimeout()
{
    if (m_powerKeyCount <= 0)
        return;
    if (m_powerKeyCount == m_powerKeyLastCount) {
        // Released: close the foreground application, unless it is the media
        // centre, which takes the power key itself.
        const CommandResult_s probe
            = Appliance::runner().runShell(bash(), QStringLiteral("ps aux| grep 'kodi.bin -p' | grep -v grep"));
        if (probe.out.trimmed().isEmpty())
            Appliance::runner().startDetachedLine(QStringLiteral("xdotool key alt+F4"));
        m_powerKeyCount = 0;
        m_powerKeyTimer->stop();
    } else {
        m_powerKeyLastCount = m_powerKeyCount;
    }
    if (m_powerKeyPressTime.msecsTo(m_now()) > 5499) {
        ApplianceCmd::restartService();
        m_powerKeyCount = 0;
        m_powerKeyTimer->stop();
    }
}

bool MainMWindow::eventFilter(QObject* watched, QEvent* event)
{
    QFrame* frame = nullptr;
    for (QFrame* f : {ui->frmlang, ui->frmaudio, ui->frmsetting, ui->frmtandem, ui->frmlogout, ui->frmtips}) {
        if (watched == f)
            frame = f;
    }
    if (!frame)
        return QMainWindow::eventFilter(watched, event);

    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_iconView->setSelect(-1);
            frameAction_(frame);
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        switch (key) {
        case Qt::Key_Tab:
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            frameAction_(frame);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (moveAlongTitleBar_(frame, key))
                return true;
            break;
        case Qt::Key_Down:
        case Qt::Key_Up:
            if ((key == Qt::Key_Down) == (frame != ui->frmtips)) {
                m_iconView->setSelect(m_iconView->select() < 0 ? 0 : m_iconView->select());
                m_iconView->setFocus();
                // No tiles: on to the other side of the grid.
                if (m_iconView->count() == 0) {
                    if (key == Qt::Key_Down)
                        mviewbottomMost();
                    else
                        mviewtopMost();
                }
            }
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainMWindow::moveAlongTitleBar_(QObject* watched, int key)
{
    const bool tandem = !ui->frmtandem->isHidden();
    QFrame* next = nullptr;
    if (key == Qt::Key_Left) {
        if (watched == ui->frmaudio)
            next = ui->frmlang;
        else if (watched == ui->frmsetting)
            next = ui->frmaudio;
        else if (watched == ui->frmtandem)
            next = ui->frmsetting;
        else if (watched == ui->frmlogout)
            next = tandem ? ui->frmtandem : ui->frmsetting;
    } else {
        if (watched == ui->frmlang)
            next = ui->frmaudio;
        else if (watched == ui->frmaudio)
            next = ui->frmsetting;
        else if (watched == ui->frmsetting)
            next = tandem ? ui->frmtandem : ui->frmlogout;
        else if (watched == ui->frmtandem)
            next = ui->frmlogout;
    }
    if (!next)
        return false;
    next->setFocus();
    return true;
}

void MainMWindow::frameAction_(QFrame* frame)
{
    if (frame == ui->frmlang) {
        languageMenu(frame);
    } else if (frame == ui->frmaudio) {
        launchAudioDialog();
    } else if (frame == ui->frmsetting) {
        // Seam: the settings dialog opens here, at the x offset of the primary
        // output (the xrandr probe) and y 0, maximised.
    } else if (frame == ui->frmtandem) {
        launchTandemSwitcher();
    } else if (frame == ui->frmlogout) {
        logOut_();
    } else if (frame == ui->frmtips) {
        m_tipsScreen->showMaximized();
        // A tool window is not given the focus by the window manager, and
        // the remote's keys must reach it.
        m_tipsScreen->activateWindow();
    }
}

void MainMWindow::logOut_()
{
    // The next start asks for a login again; the service manager restarts us.
    lumo::IniParser login;
    if (login.ParseFile(Appliance::path(std::string("/etc/Tellora/config/login.conf"))) == 0) {
        login.Set("UIControl", "RequireLogin", "yes");
        login.Save();
    }
    QCoreApplication::exit(0);
}

void MainMWindow::launchAudioDialog()
{
    auto* chooser = new AudioDetectDialog(this);
    chooser->setWindowFlags(Qt::FramelessWindowHint | Qt::SplashScreen);
    chooser->setFocus();
    chooser->initFocus();
    chooser->show();
    chooser->activateWindow(); // a splash window is not focused by the window manager
    chooser->exec();
    {
        // The key that closed the chooser reached this window's own IR client
        // too. It was the chooser's: taken in unheard, it cannot open the
        // chooser again from the audio button, which has the focus by now.
        const QSignalBlocker twin(m_lircInput);
        m_lircInput->readPending();
    }
    ui->frmaudio->setFocus();
    delete chooser;
}

void MainMWindow::launchTandemSwitcher()
{
    auto* switcher = new TandemSwitcher(this);
    switcher->show();
    switcher->activateWindow(); // a splash window is not focused by the window manager
    switcher->exec();
    ui->frmtandem->setFocus();
    delete switcher;
}

MainMWindow::SettingsCommand MainMWindow::settingsCommand_(const QString& line)
{
    const QStringList words = line.split(QLatin1Char(' '));
    if (!same(words.value(0), "Settings"))
        return SettingsCommand::None;
    if (same(words.value(1), "Open"))
        return SettingsCommand::Open;
    if (same(words.value(1), "Close"))
        return SettingsCommand::Close;
    return SettingsCommand::None;
}

void MainMWindow::commandFileChanged_()
{
    const SettingsCommand command = settingsCommand_(firstLine(kCommandFile));
    // Seam: with the settings dialog, Open shows it maximised, activates and
    // raises it, and Close closes it.
    Q_UNUSED(command);
}

void MainMWindow::secondCommandFileChanged_()
{
    const QString line = firstLine(kSecondCommandFile);
    const QStringList fields = line.split(QLatin1Char(' '));
    const QString command = line.left(3);
    if (same(command, "lsp")) {
        if (!same(fields.value(1), "cantora_key_press") || m_karaokeIndex < 0)
            return;
        // The karaoke key: shut the karaoke service down when it runs, else
        // start it from its tile.
        const QByteArray running = Appliance::runner().runShell(bash(), QStringLiteral("ps -A H | grep CANTORA")).out;
        if (running.contains("startup_Cantora.sh")) {
            Appliance::runner().run(QStringLiteral("curl"),
                {QStringLiteral("--header"), QStringLiteral("Content-Type:application/x-www-form-urlencoded"),
                    QStringLiteral("--header"), QStringLiteral("Accept:application/json"), QStringLiteral("-d"),
                    QStringLiteral("confirm=yes"), QStringLiteral("http://127.0.0.1:5603/cantora/v1/system/shutdown")});
        } else {
            // Seam: the settings dialog closes before the karaoke starts.
            mviewitemEntered(m_karaokeIndex);
        }
    } else if (same(command, "lap")) {
        const QString package = fields.value(1);
        const QString action = fields.value(2);
        if (package.isEmpty() || !m_packages->isPkgAvail(package, 0, 1))
            return;
        if (action != QLatin1String("start") && action != QLatin1String("stop"))
            return;
        const QString value = m_packages->PkgByName(package, 0).xmlInfo.value(action);
        if (!value.isEmpty())
            launchApp({QStringLiteral("-c"), applianceCommand(value)});
    } else if (same(command, "lsh")) {
        const QString shellCommand = fields.value(1);
        if (!shellCommand.isEmpty() && shellCommand != QLatin1String("hdkbinput"))
            launchApp({QStringLiteral("-c"), applianceCommand(shellCommand)});
    } else if (same(command, "msg")) {
        showPackageMessage_(fields.value(1), fields.value(2));
    }
}

void MainMWindow::showPackageMessage_(const QString& package, const QString& key)
{
    const PkgInfo_s pkg = m_packages->PkgByName(package, 0);
    if (pkg.confInfo.value(QStringLiteral("Install_Path")).isEmpty())
        return;
    const QString file = AggPkgInfo::localInstallPath(pkg, 0) + QStringLiteral("/.ivo/ivomsg.conf");
    if (!QFileInfo::exists(file))
        return;
    lumo::IniParser messages;
    messages.ParseFile(file.toStdString());
    const QString text = QString::fromStdString(
        messages.Get(key.toStdString(), m_language->currentOrEnglish().toStdString(), std::string()));
    if (!text.isEmpty())
        m_messages->post(text);
}

void MainMWindow::keyboltMarkerChanged_()
{
    lumo::IniParser bento;
    bento.ParseFile(Appliance::path(std::string("/etc/config/bento.conf")));
    const QString keybolt = QString::fromStdString(bento.Get("Keybolt", "Enable", ""));
    const QString util = QString::fromStdString(bento.Get("KeyboltUtil", "Enable", ""));
    if ((!keybolt.isEmpty() || !util.isEmpty()) && (same(keybolt, "TRUE") || same(util, "TRUE")))
        launchKeybolt_();
}

void MainMWindow::launchKeybolt_()
{
    const QString marker = Appliance::path(kKeyboltMarker);
    if (!QFileInfo::exists(marker)) {
        GuardedFile::makeEmpty(QFile::encodeName(marker).constData());
        m_watcher->addPath(marker);
        return;
    }
    if (m_keyboltPid != 0) {
        const QString proc = QStringLiteral("/proc/%1/cmdline").arg(m_keyboltPid);
        qDebug().noquote() << proc;
        if (QFileInfo::exists(proc))
            return; // the tool is still up
        m_keyboltPid = 0;
    }
    const QString code = m_language->current();
    const QString language = code == QLatin1String("cht") ? QStringLiteral("TCH")
        : code == QLatin1String("chs")                    ? QStringLiteral("SCH")
                                                          : code.toUpper();
    const QString word = firstLine(kKeyboltMarker);
    static const QStringList words {QStringLiteral("red"), QStringLiteral("blue"), QStringLiteral("green"),
        QStringLiteral("yellow"), QStringLiteral("vol_up"), QStringLiteral("vol_down")};
    if (!words.contains(word, Qt::CaseInsensitive))
        return;
    qint64 pid = 0;
    if (Appliance::runner().startDetachedPid(Appliance::path(QStringLiteral("/opt/keybolt/keyBolt")),
            CommandRunner::splitAtBlanks(QStringLiteral("-b %1 -l %2").arg(word, language)),
            Appliance::path(QStringLiteral("/")), &pid))
        m_keyboltPid = pid;
}

void MainMWindow::pidFileChanged_()
{
    const QString pidFile = Appliance::path(kPidFile);
    if (GuardedFile::check(QFile::encodeName(pidFile).constData()) == GuardedFile::State::Read)
        return;
    // Removed (or replaced by something unreadable): an empty file keeps
    // registration off and stays watched.
    GuardedFile::makeEmpty(QFile::encodeName(pidFile).constData());
    m_watcher->addPath(pidFile);
}

void MainMWindow::otherFileChanged_(const QString& path)
{
    if (path == Appliance::path(kCommandFile))
        commandFileChanged_();
    else if (path == Appliance::path(kSecondCommandFile))
        secondCommandFileChanged_();
    else if (path == Appliance::path(QStringLiteral("/etc/config/corvex.conf")))
        refreshTimezone();
    else if (path == Appliance::path(kKeyboltMarker))
        keyboltMarkerChanged_();
    else if (path == Appliance::path(kPidFile))
        pidFileChanged_();
}
