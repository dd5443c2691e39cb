#pragma once

#include "display/ScreenConfFile.h"
#include "packages/BentoInstaller.h"
#include "packages/DownloadManager.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class AboutPage;
class AggPkgInfo;
class AppsPage;
class ChoiceMenu;
class DisplayPage;
class GeneralPage;
class GrMainEventFilter;
class InfoDialog;
class LanguageSwitch;
class MultiIconViewV;
class PreferencesPage;
class QSettings;
class QTimer;
class ScreenConfig;
class WatchedFiles;
namespace Ui {
class SettingsDialog;
}

// The full-screen settings: a left column of five page buttons and a stack of
// seven pages, driven with the four arrows, Return and Escape. The dialog is
// the frame (construction order, page changes, the watched files, the choice
// menu, scaling, the language switch); each page's work lives in its own
// class, and the slots and methods of the page names hand over to them.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // One connected output as the screen configuration describes it.
    using ScreenInfo_s = ScreenConfFile::screenInfo_s;

    // Pages of "stwgSub".
    enum Page : int {
        PageAppAll = 0,
        PageAppOne = 1,
        PageAppWarn = 2,
        PageDisplay = 3,
        PagePref = 4,
        PageAbout = 5,
        PageGeneral = 6,
    };

    // Built without asking the appliance anything: what the construction
    // would ask (the package tool, the pages' readings, the audio default)
    // is asked by startAppliance(), on the command worker, in that order.
    SettingsDialog(AggPkgInfo* packages, QWidget* parent = nullptr);
    ~SettingsDialog() override;
    void startAppliance();

    // The user is an administrator: "NasGroupID" Base64-decoded (as
    // Login::decodeGroupId does) to digits, or taken as it stands otherwise,
    // equals "0", blanks around it aside.
    bool IsCurrentUserAdmin_() const;
    // The rule on its own, for a given value of "NasGroupID".
    static bool isAdminGroup(const QByteArray& nasGroupId);
    // value x screen width / 1920, truncated, but at least minimum.
    int pixel_scale(int value, int minimum);
    // The main output's size from the screen configuration, falling back to
    // the primary screen's and then to 1920 x 1080 when a side is 0.
    QSize getScreenResolution_();
    // The choice menu of a Display or Preferences row.
    void popupMenu(QObject* row);
    void retranslateUi(const QString& code);
    // Shows the dialog in front with the remote's keys, as the appliance's
    // command opens it; a message still waiting for its answer stays in front.
    void openInFront();
    // The current user-interface language code.
    QString lang() const;

    // Applications pages.
    void reloadApps();
    void loadwebbentoinfo();
    static bool VersionCompare(const QString& installed, const QString& offered);

    // Display page.
    void ShowMonitorInfo(int n);
    void RefreshDispOptionList();
    void ShowDispOptionItem(QObject* row, bool show);

    // Preferences page.
    void refreshIMcurrent();
    void refreshCRcurrent();
    void remoteLearning(QObject* row);
    void setAlsaDefaultDevice(int device);

    // General page.
    void setTaskbarHeight(int screenHeight);
    void ShowGeneralPadlink();

    // What the pages share with the frame.
    Ui::SettingsDialog* form() const { return ui; }
    ChoiceMenu& choiceMenu() const { return *m_choiceMenu; }
    InfoDialog* messageDialog() const { return m_messageDialog; }
    MultiIconViewV* iconView() const { return m_iconView; }
    AggPkgInfo* packages() const { return m_packages; }
    // The outputs as xrandr reports them; read the first time it is asked for.
    ScreenConfig* screenConfig();
    QSettings& userSettings() const { return *m_userSettings; }
    QSettings& packageSettings() const { return *m_bentoSettings; }
    DownloadManager* downloader() const { return m_downloader; }
    BentoInstaller& installer() { return m_installer; }
    QString homeDir() const { return m_homeDir; }
    DisplayPage& displayPage() const { return *m_displayPage; }
    PreferencesPage& preferencesPage() const { return *m_prefPage; }
    GeneralPage& generalPage() const { return *m_generalPage; }
    AppsPage& appsPage() const { return *m_appsPage; }
    // The dialog's own key rules, where a page filter leaves an event.
    bool frameEventFilter(QObject* watched, QEvent* event);

signals:
    void IVOrestart();
    void WallpaperChange();
    void IVOConfChange(int);

public slots:
    void fileChanged(const QString& path);
    void on_rbtGeneral_toggled(bool checked);
    void on_rbtApp_toggled(bool checked);
    void on_rbtDisp_toggled(bool checked);
    void on_rbtPref_toggled(bool checked);
    void on_rbtAbout_toggled(bool checked);
    void on_rbtApp_clicked();
    void on_pbtUpdate_clicked();
    void on_pbtInstall_clicked();
    void on_pbtEnable_clicked();
    void on_pbtSetAuto_clicked();
    void on_pbtClose_clicked();
    void on_cbxDatetime_toggled(bool checked);
    void on_cbxIP_toggled(bool checked);
    void on_cbxServername_toggled(bool checked);
    void on_cbxPadlink_toggled(bool checked);
    void on_cbxRequireLogin_toggled(bool checked);
    void on_cbxAdminOnly_toggled(bool checked);
    void onCbxTaskbarToggled(bool checked);
    void mviewitemEntered(int index);
    void mviewfocusExit();
    void adaptUiToScreen(const QSize& screenSize);
    void availableGeometryChanged(const QRect& geometry);
    void currentChanged(int index);
    void webPkgChanged(QString event);
    void confPkgChanged(QString event);
    void availPkgChanged(QString event);
    void speakerTestFunc();
    void finished(dlresult_st result);
    void bentoInstallfinished();
    void installProgress(int step);
    void downloadProgress(int percent);
    void refreshIpAddress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // The style sheet's background (a plain dialog does not draw one).
    void paintEvent(QPaintEvent* event) override;
    // The whole screen it opens on: a window manager may not maximise a
    // dialog of another window.
    void showEvent(QShowEvent* event) override;
    // Shown while the home window waited for an application, the dialog was
    // disabled with it and took no focus: it takes it when enabled again.
    void changeEvent(QEvent* event) override;
    // A menu a row opened goes with the dialog (closed by the appliance's
    // command while the menu was up, it would stay over the home screen and
    // keep the remote's keys).
    void hideEvent(QHideEvent* event) override;

private:
    friend class GrMainEventFilter;

    void focusPageButton_();
    void prepareLook_();

    void setupLeftColumn_();
    // A page's values read again: on the command worker while the dialog is
    // started, else at once behind the busy sign.
    void refreshPage_(int page);
    // After the form's texts were rebuilt: what the pages had filled in.
    void refillTexts_();

    Ui::SettingsDialog* ui;
    MultiIconViewV* m_iconView = nullptr;
    std::unique_ptr<ScreenConfig> m_screenConfig;
    AggPkgInfo* m_packages = nullptr;
    // The left column's filter; each page owns its own.
    GrMainEventFilter* m_grMainFilter = nullptr;
    QString m_homeDir;
    BentoInstaller m_installer;
    std::unique_ptr<WatchedFiles> m_watchedFiles;
    std::unique_ptr<LanguageSwitch> m_language;
    QSize m_adaptedTo; // the screen size the layout was last scaled for
    QTimer* m_addressTimer = nullptr;
    InfoDialog* m_messageDialog = nullptr;
    DownloadManager* m_downloader = nullptr;
    std::unique_ptr<QSettings> m_userSettings;
    std::unique_ptr<QSettings> m_bentoSettings;
    std::unique_ptr<ChoiceMenu> m_choiceMenu;
    // The pages, each with its own state and filter.
    std::unique_ptr<AppsPage> m_appsPage;
    std::unique_ptr<DisplayPage> m_displayPage;
    std::unique_ptr<PreferencesPage> m_prefPage;
    std::unique_ptr<GeneralPage> m_generalPage;
    std::unique_ptr<AboutPage> m_aboutPage;
    // What the construction asks of the appliance, in its order, for
    // startAppliance(); empty once it was called.
    QList<std::function<void()>> m_startQuestions;
    bool m_started = false;
};
