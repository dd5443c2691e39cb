#pragma once

#include "learning/learnkeyThread.h"
#include "learning/remoteLearning.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QFrame;
class QTimer;
namespace Ui {
class CustomRemoteDialog;
}

// Teaches the appliance a foreign remote button by button, or forgets one.
// The Preferences page creates it for one use, calls setmode() and runs it
// modally; the slot's state can be read afterwards with
// LearnedRemotes::isLearned(). Learn mode walks through the seven buttons
// and, when the viewer confirms, stores them in the slot's key table and the
// user settings; reset mode empties the slot. However the dialog closes, the
// worker is stopped and the receiver leaves learning mode. The steps live in
// RemoteLearning; this class is the form and the keys.
class CustomRemoteDialog : public QDialog, private RemoteLearning::Port
{
    Q_OBJECT

public:
    explicit CustomRemoteDialog(QWidget* parent = nullptr);
    ~CustomRemoteDialog() override;

    // learn: the start page, focus on "Start"; otherwise the reset page, focus
    // on "Reset". slot: 0, 1 or 2 (anything else is 0).
    void setmode(bool learn, int slot);
    // A step 0-6 with an empty bar, or -1: "No signal received".
    void learn_status(int step);
    bool IsExistScanCode(std::uint64_t code) const;

    // For tests: the steps' state.
    const RemoteLearning& learning() const { return m_learning; }

public slots:
    void signalIrRecived();
    void progressbarTimeout();
    // Lays the dialog out for the primary screen; screen is not used.
    void adaptUiToScreen(int screen);
    void on_pbtClose_clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void startWorker() override;
    void stopWorker() override;
    void enableLearning(bool on) override;
    void setTimerActive(bool on) override;
    void showPage(RemoteLearning::Page page) override;
    void showStep(int step) override;
    void showProgress(int value) override;

    void activate_(QFrame* button);
    // The other button of the page, or nullptr.
    QFrame* partner_(QFrame* button) const;
    void placeHighlight_(int step);

    Ui::CustomRemoteDialog* ui;
    learnkeyThread m_worker;
    QTimer* m_timer;
    RemoteLearning m_learning;
    // Each page's buttons, left to right; the learning page has one.
    std::array<std::array<QFrame*, 2>, 5> m_pageButtons {};
    QSize m_screen {1920, 1080};
};
