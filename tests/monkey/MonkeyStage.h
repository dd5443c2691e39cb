#pragma once
// The home screen on a scratch appliance, as the monkey drives it: the remote's key names through the IR daemon
// client, the appliance's files and command files, and the applications the tiles start.
#include "../home/HomeFixture.h"

#include <QPointer>
#include <QSet>
#include <QTranslator>

#include <memory>

class MainMWindow;

class MonkeyStage : public QObject, public PackageHome_s
{
    Q_OBJECT

public:
    // With real windows (under an X server and a window manager) the applications are processes of their own and
    // the power key's close goes to the window manager; without, they are windows of this process and the stage
    // does the window manager's part: the window shown last takes the focus, the next one when it closes.
    explicit MonkeyStage(bool realWindows);
    ~MonkeyStage() override;

    // Builds the home window and shows it maximised, as start-up does.
    void start();
    // The program ended its event loop (log-out): the service manager starts it again.
    void restart();
    MainMWindow* window() const { return m_window.get(); }

    // One key name of the IR daemon ("KEY_UP") to every client of the daemon in the program; the power key's short
    // press also lets its timer run out.
    void remoteKey(const QString& name);
    void shortPowerPress();
    // Every client has handed the last key line on.
    bool keyDelivered() const;

    // The packages that can be installed, and those that are.
    static const QStringList& pool();
    QStringList installed() const { return m_installed; }
    void setInstalled(const QStringList& packages);
    void writeCommandFile(const QString& appliancePath, const QByteArray& line);
    // How often the home window's file watcher has reported a change.
    int watchReports() const { return m_watchReports; }
    // Installs the translation of a code as a language switch does ("eng": none).
    void switchLanguage(const QString& code);
    // A new screen size, as the primary screen's available geometry reports it.
    void changeScreen(const QSize& size);

    // The applications the tiles started that still run, and whether one of them has the focus.
    int appsRunning();
    bool appInForeground();
    // The application in front ends by itself.
    void closeApp();
    bool realWindows() const { return m_real; }
    // With real windows: which window the window manager calls active and which has the X input focus.
    static QString windowManagerView();

    bool startDetached(const QString& program, const QStringList& args, const QString& wd = QString()) override;
    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override;

protected:
    // Without real windows: a window of the program that hides while it is active hands the focus to the one
    // active before it, as the window manager does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchFiles_();
    void activateTopmost_();
    static void endApp_(qint64 shell);

    bool m_real;
    std::unique_ptr<MainMWindow> m_window;
    QStringList m_installed;
    QMap<QString, QByteArray> m_sections; // each package's section of the package configuration
    int m_watchReports = 0;
    QSet<QObject*> m_heldTimers; // without real windows: the timers that run on the steps' time
    QSet<QObject*> m_pendingKey; // daemon clients that have not yet handed the last line on
    QTranslator m_translator;
    QList<QPointer<QWidget>> m_appWindows; // without real windows
    QList<QPointer<QWidget>> m_activated; // without real windows: the order windows were last active in
    QList<qint64> m_appPids; // with real windows
};
