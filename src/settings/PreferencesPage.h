#pragma once

#include "prefs/PrefChoices.h"

#include "settings/PageEventFilter.h"

#include <QList>
#include <QSize>

#include <array>

class QFrame;
class QLabel;
class SettingsDialog;
namespace Ui {
class SettingsDialog;
}

// Keys and clicks on the Preferences page's rows: Return or Right opens a
// row's choice menu (or starts learning on a learned-remote slot), Up and Down
// walk the visible rows, a click focuses a row and a second click acts on it,
// and a row shows its arrows while it has the focus.
class StwgSubPgPrefEventFilter : public PageEventFilter
{
    Q_OBJECT

public:
    using PageEventFilter::PageEventFilter;

protected:
    bool pageEvent(QObject* watched, QEvent* event) override;

private:
    void activate_(QFrame* row);
};

// The Preferences page: language, input methods, audio output, the built-in
// receiver's mode and the learned remotes. Its menus and what choosing does
// live in PrefChoices and IrReceiverMode; this class puts them on the form.
class PreferencesPage
{
public:
    explicit PreferencesPage(SettingsDialog& dialog);
    ~PreferencesPage();
    PreferencesPage(const PreferencesPage&) = delete;
    PreferencesPage& operator=(const PreferencesPage&) = delete;

    StwgSubPgPrefEventFilter* filter() const { return m_filter; }

    // The languages offered, before the form is built.
    void initLangSupport();
    // Set-up during the dialog's construction (the form's arrows and the
    // audio row hidden, the filter on the rows).
    void setup();
    // At construction, after the page set-ups: the audio output (made the
    // default on the command worker), then the built-in receiver's stored
    // mode.
    void startAudio();
    void startReceiver();
    // What the page shows, read from the audio and input-method models and
    // the appliance: no widget is touched, so the command worker can read it.
    struct Reading_s {
        PrefChoices::View_s view;
        QString inputMethod; // the active one's name
    };
    static Reading_s read();
    // The page becomes current: every value is read again, then shown.
    void refresh();
    void show(const Reading_s& reading);
    void adaptToScreen(const QSize& screenSize);
    // True for the page's rows.
    bool ownsRow(QObject* row) const;
    void popupMenu(QObject* row);

    void refreshIMcurrent();
    void refreshCRcurrent();
    void remoteLearning(QObject* row);
    void setAlsaDefaultDevice(int device);
    void speakerTestFunc();

    // The rows the filter is on, top to bottom.
    const QList<QFrame*>& rows() const { return m_rows; }
    // The visible row before (step -1) or after (+1) row; null at either end.
    QFrame* neighbour(const QFrame* row, int step) const;
    // A row's up and down arrows.
    void showArrows(const QFrame* row, bool shown) const;

private:
    void languageMenu_();
    void inputMethodMenu_();
    void audioMenu_();
    void receiverMenu_();
    // The list dialog in add (true) or remove mode; applied when it is gone.
    void changeInputMethods_(bool add);
    // A row and the line under it.
    void showRow_(QFrame* row, bool shown) const;
    // The learned-remote slots' rows, slot 0 first.
    std::array<QFrame*, 3> slots_() const;
    QLabel* child_(const QString& name) const;
    // A row's name without its "frm": "PrefLang", "CR_1".
    static QString base_(const QObject* row);

    SettingsDialog& m_dialog;
    Ui::SettingsDialog* ui;
    StwgSubPgPrefEventFilter* m_filter;
    QList<QFrame*> m_rows;
};
