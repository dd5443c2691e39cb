#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

class AggPkgInfo;
class MultiIconViewV;
struct PkgInfo_s;
class QFileSystemWatcher;
class QTimer;
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

    Ui::MainMWindow* ui;
    MultiIconViewV* m_iconView = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    AggPkgInfo* m_packages = nullptr;
    QTimer* m_powerKeyTimer = nullptr;
    QTimer* m_clockTimer = nullptr;
    QTimer* m_addressTimer = nullptr;
    QTimer* m_waitingTimer = nullptr;
    // Built together with the tiles: a package without a tile has no entry,
    // so tile index and list position never drift apart.
    QStringList m_tileNames;
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
    // refreshClock's counters: the host name is refreshed every 600 calls,
    // the second screen checked during the first ten.
    int m_hostCounter = 0;
    int m_startCounter = 0;
    bool m_painted = false;
};
