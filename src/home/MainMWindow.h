#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <memory>

class AggPkgInfo;
class ApplianceWatch;
class HomeLayout;
class HomeStart;
class IrPipeline;
class LaunchWaiting;
class LircInput;
class MessageQueue;
class MultiIconViewV;
class OneTouchTool;
class QFrame;
class QTimer;
class RemoteKeys;
class SettingsDialog;
class TileList;
class TipsScreen;
namespace Ui {
class MainMWindow;
}

// The full-screen home window: the title bar with the user, host, display
// name, addresses, clock and buttons, and the tile grid below it. The window
// keeps the focus, the dialogs and the notices; the tiles, the watched files,
// the remote's keys, the one-touch tool, the launch animation and the sizes
// are collaborators it owns, and its slots of those names hand over to them.
// The window cannot be closed and lives until the event loop ends.
class MainMWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainMWindow(QWidget* parent = nullptr);
    ~MainMWindow() override;

    // What the window asks the appliance, once its first frame is on the
    // screen: the IR receiver, the settings and their models, the screen
    // blanking preset; through the command worker, in that order.
    void startAppliance();
    // The settings dialog, built at the first call.
    SettingsDialog* settingsDialog();

    // Applies the user's settings: wallpaper, second screen, which status
    // labels show, the user's name and picture.
    void loadPreset();
    // Runs the wallpaper script when a second screen extends this one.
    void CheckSecScreen();
    // Shadows of the title-bar labels and the frame styles for the screen size.
    void changeblurshadow();
    void refreshTimezone();
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
    void dpmsKeepalive();
    void launchKeybolt_();
    void launchAudioDialog();
    void launchTandemSwitcher();
    // The language menu of "frmlang"; any other object is ignored.
    void languageMenu(QObject* watched);
    // The first-run notices, once, on the clock's second tick; FirstRun
    // shows them.
    void firstTime();
    // The mobile remote's notice alone; true when the viewer chose "Go to
    // Settings".
    bool ShowPadlinkFirstDialog_();

public slots:
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
    void followAppliance_();
    void receiverChecked_(bool supported);
    void applyLabelSettings_();
    // Focuses the first visible of the language, settings and log-out
    // buttons; false when none is visible.
    bool focusTitleBar_();
    void frameAction_(QFrame* frame);
    bool moveAlongTitleBar_(QObject* watched, int key);
    void logOut_();
    // Seams of the settings dialog: the command file's "Settings Open" and
    // "Settings Close", and the title bar's Settings button.
    void openSettings_();
    void closeSettings_();
    void showSettingsFromTitleBar_();
    // The command file's karaoke key: shuts the karaoke service down when it
    // runs, else starts it from its tile.
    void karaokeKey_();
    void showPackageMessage_(const QString& package, const QString& key);
    // The window's texts after a language change, keeping what it filled in.
    void retranslate_();

    Ui::MainMWindow* ui;
    MultiIconViewV* m_iconView = nullptr;
    LircInput* m_lircInput = nullptr;
    SettingsDialog* m_settings = nullptr;
    HomeStart* m_start = nullptr;
    ApplianceWatch* m_watch = nullptr;
    TipsScreen* m_tipsScreen = nullptr;
    MessageQueue* m_messages = nullptr;
    AggPkgInfo* m_packages = nullptr;
    RemoteKeys* m_remoteKeys = nullptr;
    QTimer* m_clockTimer = nullptr;
    QTimer* m_addressTimer = nullptr;
    LaunchWaiting* m_waiting = nullptr;
    std::unique_ptr<TileList> m_tiles;
    std::unique_ptr<OneTouchTool> m_oneTouch;
    std::unique_ptr<HomeLayout> m_layout;
    QString m_userName;
    QString m_userPicturePath;
    int m_wallpaper = -1;
    std::unique_ptr<IrPipeline> m_irPipeline;
    // refreshClock's counters: the host name is refreshed every 600 calls,
    // the second screen checked during the first ten.
    int m_hostCounter = 0;
    int m_startCounter = 0;
    bool m_painted = false;
};
