#pragma once

#include "display/ScreenConfFile.h"
#include "settings/DisplayRowWindow.h"
#include "settings/DisplayState.h"
#include "settings/PageEventFilter.h"

#include <QList>
#include <QSize>
#include <QStringList>

class DisplayPage;
class QLabel;
class QWidget;
class SettingsDialog;
namespace Ui {
class SettingsDialog;
}

// Keys and clicks on the Display page's option rows: Return, Right or a
// click on the focused row opens its choice menu, Up and Down walk the rows
// and scroll the window of five, and the focused row shows its arrows.
class StwgSubPgDisplayEventFilter : public PageEventFilter
{
    Q_OBJECT

public:
    StwgSubPgDisplayEventFilter(SettingsDialog& dialog, DisplayPage& page);

protected:
    bool pageEvent(QObject* watched, QEvent* event) override;

private:
    DisplayPage& m_page;
};

// The Display page: resolutions of up to five outputs, secondary monitors,
// screen off, overscan and wallpaper. The page maps its rows to the form's
// widgets; the window of visible rows, the menus' entries, what is read and
// the apply steps live in the Display collaborators.
class DisplayPage
{
public:
    explicit DisplayPage(SettingsDialog& dialog);
    ~DisplayPage();
    DisplayPage(const DisplayPage&) = delete;
    DisplayPage& operator=(const DisplayPage&) = delete;

    StwgSubPgDisplayEventFilter* filter() const { return m_filter; }

    // Set-up during the dialog's construction.
    void setup();
    // What the page shows, read from the files and the display tools: no
    // widget is touched, so the command worker can read it.
    struct Reading_s {
        DisplayState::View_s view;
        QStringList monitorLabels; // one per screen
    };
    static Reading_s read();
    // The page becomes current (and when the screen configuration changes):
    // read, then shown.
    void refresh();
    void show(const Reading_s& reading);
    // Entered from the left column with Return or Right.
    void enterFromColumn();
    void adaptToScreen(const QSize& screenSize);
    // True for the page's option rows.
    bool ownsRow(QObject* row) const;
    void popupMenu(QObject* row);

    void ShowMonitorInfo(int n);
    void RefreshDispOptionList();
    void ShowDispOptionItem(QObject* row, bool show);

    // What the filter does with a row.
    void moveFocus(QObject* from, bool down);
    void showArrows(QObject* row, bool show);

    // The connected outputs as last read, at most five.
    const QList<ScreenConfFile::screenInfo_s>& screens() const { return m_screens; }
    const DisplayRowWindow& rowWindow() const { return m_window; }
    // The frames of the rows that exist now, in their order, shown or
    // scrolled out of the window.
    QList<QWidget*> optionFrames() const;

private:
    // One row of the form and the widgets shown and hidden with it.
    struct Row_s {
        QWidget* frame = nullptr;
        QLabel* name = nullptr;
        QLabel* value = nullptr;
        QLabel* up = nullptr;
        QLabel* down = nullptr;
        QList<QWidget*> extras;
        QLabel* monitor = nullptr;
    };

    DisplayRowWindow::Row rowOf_(QObject* frame) const;
    const Row_s& row_(DisplayRowWindow::Row row) const { return m_rows[row]; }
    void showScreenOff_(int standbySeconds);
    void showOverscan_(bool offered, int margin);
    void showWallpaper_(int image);
    // `width`: the screen's, which places the menus.
    void resolutionMenu_(int output, int width);
    void arrangementMenu_();
    void screenOffMenu_();
    void overscanMenu_();
    void wallpaperMenu_();
    bool confirmResolution_();

    SettingsDialog& m_dialog;
    Ui::SettingsDialog* ui;
    StwgSubPgDisplayEventFilter* m_filter;
    Row_s m_rows[DisplayRowWindow::RowCount];
    DisplayRowWindow m_window;
    QList<ScreenConfFile::screenInfo_s> m_screens;
    int m_wallpaper = 0; // the chosen template
};
