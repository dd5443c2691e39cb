#pragma once

#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

class AppTiles;
class InfoDialog;

class SettingsDialog;
struct dlresult_st;
namespace Ui {
class SettingsDialog;
}

// Keys and clicks on the one-application page.
class StwgSubPgAppOneEventFilter : public QObject
{
    Q_OBJECT

public:
    explicit StwgSubPgAppOneEventFilter(SettingsDialog& dialog);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key_(QObject* watched, int key);

    SettingsDialog& m_dialog;
};

// The Applications pages: the grid of every known package and the page of
// one package with its install, update, enable, auto-run and
// administrators-only actions.
class AppsPage
{
public:
    explicit AppsPage(SettingsDialog& dialog);
    ~AppsPage();
    AppsPage(const AppsPage&) = delete;
    AppsPage& operator=(const AppsPage&) = delete;

    StwgSubPgAppOneEventFilter* filter() const { return m_filter; }

    // "BENTO/AutoRun", read once at construction.
    void readAutoRun();
    QString autoRun() const { return m_autoRun; }
    void reloadApps();
    void loadwebbentoinfo();
    // Set-ups of the two pages during the dialog's construction.
    void setupAllPage();
    void setupOnePage();
    // The one-app page for the selected tile.
    void showSelected();
    void adaptToScreen(const QSize& screenSize);

    void install(bool update);
    void toggleEnabled();
    void toggleAutoRun();
    void setAdminOnly(bool checked);
    void webPkgChanged(const QString& event);
    void confPkgChanged(const QString& event);
    void availPkgChanged(const QString& event);
    void downloadFinished(const dlresult_st& result);
    void installFinished();
    void installProgress(int step);
    void downloadProgress(int percent);
    // The picture of labAppOneIcon again, for its size.
    void rescaleIcon();

    AppTiles& tiles() const { return *m_tiles; }

private:
    // Buttons, check box, version text and focus of the one-app page for
    // its package.
    void showButtons_(const QString& name);
    void showTexts_(const QString& name);
    QString shownPackage_() const;
    InfoDialog& message_() const;
    // The message dialog shown over the middle of the settings.
    void showCentred_(InfoDialog& message) const;

    QMetaObject::Connection m_sharper;
    SettingsDialog& m_dialog;
    Ui::SettingsDialog* ui;
    StwgSubPgAppOneEventFilter* m_filter;
    std::unique_ptr<AppTiles> m_tiles;
    QString m_autoRun;
    QPixmap m_icon;
};
