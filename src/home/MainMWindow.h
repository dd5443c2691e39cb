#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class AggPkgInfo;
class FileRewatch;
class IrPipeline;
class LanguageSwitch;
class LircInput;
class MessageQueue;
class MultiIconViewV;
struct PkgInfo_s;
class QFileSystemWatcher;
class QFrame;
class QSettings;
class QTimer;
class TipsScreen;
namespace Ui {
class MainMWindow;
}

// The full-screen home window: the title bar with the user, host, display
// name, addresses, clock and buttons, and the tile grid below it. The
// constructor builds and wires everything the home screen needs; the window
// cannot be closed and lives until the event loop ends.
class MainMWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainMWindow(QWidget* parent = nullptr);
    ~MainMWindow() override;

    // Applies the user's settings: wallpaper, second screen, which status
    // labels show, the user's name and picture.
    void loadPreset();
    // Runs the wallpaper script when a second screen extends this one.
    void CheckSecScreen();
    // Shadows of the title-bar labels and the frame styles for the screen size.
    void changeblurshadow();
    void refreshTimezone();
    // Rebuilds every tile from the package model.
    void reloadApps();
    // Starts "sh" with the arguments, detached, and shows the waiting
    // animation until the application takes over or about ten seconds pass.
    void launchApp(QStringList arguments);
    // True when the INI file at the appliance path has a non-empty
    // "Tandem/Enable".
    bool hasTandem_(const QString& appliancePath) const;
    // The resolution of the home screen's output from the screen
    // configuration; -1 x -1 when no connected screen is described.
    QSize getScreenResolution_() const;

    // Presses and releases left shift on the window's own key device, which
    // resets the display's blanking timer.
    void dpmsKeepalive();
    // The one-touch button tool for the colour in the key-bolt marker, unless
    // the one started last still runs.
    void launchKeybolt_();
    void launchAudioDialog();
    void launchTandemSwitcher();
    // The language menu of "frmlang"; any other object is ignored.
    void languageMenu(QObject* watched);
    // The first-run notices, once, on the clock's second tick.
    void firstTime();
    // The notice that the mobile remote is off by default, for administrators,
    // while its marker file exists; the marker is removed afterwards.
    void HandlePadlinkFirstRun_();
    // True when the viewer chose "Go to Settings".
    bool ShowPadlinkFirstDialog_();
    void OpenGeneralPadlinkSettings_();

    // What the first line of "/tmp/ivo.cmd" asks of the settings dialog.
    enum class SettingsCommand { None, Open, Close };
    static SettingsCommand settingsCommand_(const QString& line);

    // The power key's clock; tests replace it.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    QTimer* powerKeyTimer() const { return m_powerKeyTimer; }
    int powerKeyCount() const { return m_powerKeyCount; }
    TipsScreen* tipsScreen() const { return m_tipsScreen; }
    LanguageSwitch* language() const { return m_language.get(); }
    qint64 keyboltPid() const { return m_keyboltPid; }
    IrPipeline* irPipeline() const { return m_irPipeline.get(); }
    // The messages of the second command file, shown one at a time.
    MessageQueue* messages() const { return m_messages; }

    MultiIconViewV* iconView() const { return m_iconView; }
    QFileSystemWatcher* watcher() const { return m_watcher; }
    int keyDevice() const { return m_keyDevice; }
    bool irSupported() const { return m_irSupported; }
    QString userName() const { return m_userName; }
    QString homeDir() const { return m_homeDir; }
    int wallpaperNumber() const { return m_wallpaper; }
    int waitingStep() const { return m_waitingStep; }
    AggPkgInfo* packages() const { return m_packages; }
    // The package key of every tile; position i is tile i.
    QStringList tileNames() const { return m_tileNames; }
    int karaokeIndex() const { return m_karaokeIndex; }

public slots:
    // One line of the IR daemon: keep-alive, key events for this program,
    // forwarding to a registered program, and the power key.
    void irkeyPressed(const QString& keystr);
    void powerkeyTimeout();
    void settingsfinished(int result);
    void refreshClock();
    void refreshIpAddress();
    void availableGeometryChanged(const QRect& geometry);
    void mviewitemSelected(int index);
    void mviewitemEntered(int index);
    void mviewfocusExit();
    void mviewtopMost();
    void mviewbottomMost();
    void IVOrestart();
    void WallpaperChange();
    void refreshWaiting();
    void launchDelayed();
    void fileChanged(const QString& path);
    void directoryChanged(const QString& path);
    void confPkgChanged(const QString& event);

signals:
    // Once, right after the window's first frame was painted.
    void firstFramePainted();

protected:
    // The title-bar buttons: clicks, Return, and the arrow keys between them
    // and into the grid.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Watches an appliance path, emptying it first when asked so that no
    // stale content is ever acted upon.
    void watch_(const QString& appliancePath, bool truncate);
    void openKeyDevice_();
    void closeKeyDevice_();
    void readDisplayName_();
    void registerWithShell_();
    QPixmap userPicture_() const;
    // Whether the package gets a tile: launchable, enabled, allowed for the
    // user, and not a task-bar companion while the task bar is off.
    bool wantsTile_(const QString& key) const;
    QPixmap tileIcon_(const PkgInfo_s& pkg) const;
    static QString tileLabel_(const PkgInfo_s& pkg);
    // The package configuration changed on disk: watch it again if a
    // replacement dropped it, and re-read it unless its checksum is the same.
    void packageConfChanged_();
    QString confChecksum_() const;
    // Focuses the first visible of the language, settings and log-out
    // buttons; false when none is visible.
    bool focusTitleBar_();
    // A program registered for remote keys: the pid file names a live process.
    // A stale or garbage file is emptied.
    bool registrationActive_();
    void frameAction_(QFrame* frame);
    bool moveAlongTitleBar_(QObject* watched, int key);
    void logOut_();
    // Shows or hides the clock, address and name labels by the settings.
    void applyLabelSettings_(const QSettings& settings);
    // The watched files besides the package configuration.
    void otherFileChanged_(const QString& path);
    void commandFileChanged_();
    void secondCommandFileChanged_();
    void showPackageMessage_(const QString& package, const QString& key);
    void keyboltMarkerChanged_();
    void pidFileChanged_();
    // The window's texts after a language change, keeping what it filled in.
    void retranslate_();

    Ui::MainMWindow* ui;
    MultiIconViewV* m_iconView = nullptr;
    LircInput* m_lircInput = nullptr;
    // Until the settings dialog owns it: the language switch it shares with
    // the language menu.
    std::unique_ptr<LanguageSwitch> m_language;
    QFileSystemWatcher* m_watcher = nullptr;
    // The command files and the one-touch marker, which other programs may
    // replace rather than rewrite.
    std::unique_ptr<FileRewatch> m_rewatch;
    TipsScreen* m_tipsScreen = nullptr;
    MessageQueue* m_messages = nullptr;
    AggPkgInfo* m_packages = nullptr;
    QTimer* m_powerKeyTimer = nullptr;
    QTimer* m_clockTimer = nullptr;
    QTimer* m_addressTimer = nullptr;
    QTimer* m_waitingTimer = nullptr;
    // Built together with the tiles: a package without a tile has no entry,
    // so tile index and list position never drift apart.
    QStringList m_tileNames;
    QDateTime m_powerKeyPressTime;
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTime(); };
    QString m_confChecksum;
    QString m_userName;
    QString m_userPicturePath;
    QString m_homeDir;
    int m_powerKeyCount = 0;
    int m_powerKeyLastCount = 0;
    int m_keyDevice = -1;
    int m_wallpaper = -1;
    int m_karaokeIndex = -1;
    int m_waitingStep = 0;
    bool m_irSupported = false;
    qint64 m_keyboltPid = 0;
    std::unique_ptr<IrPipeline> m_irPipeline;
    // refreshClock's counters: the host name is refreshed every 600 calls,
    // the second screen checked during the first ten.
    int m_hostCounter = 0;
    int m_startCounter = 0;
    bool m_painted = false;
};
