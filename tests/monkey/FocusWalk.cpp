#include "FocusWalk.h"

#include "MonkeyDriver.h"
#include "MonkeyStage.h"

#include "home/MainMWindow.h"
#include "settings/DisplayPage.h"
#include "settings/SettingsDialog.h"
#include "widgets/MultiIconViewV.h"

#include <QApplication>
#include <QMenu>
#include <QQueue>
#include <QRadioButton>
#include <QStackedWidget>

namespace {

const QStringList kWalkKeys {"Up", "Down", "Left", "Right", "OK", "Back"};
// In a menu Down goes round every entry, and Up, Left and Right lead nowhere else: most places are menu entries,
// and the deepest.
const QStringList kMenuKeys {"Down", "OK", "Back"};
constexpr int kBacksHome = 6;
// How long a window may take to become active after it was shown, or the one below after it went.
constexpr int kSettleMs = 3000;

// The widgets of a settings page that take the focus from the keys and show while the page does; a grid stands
// for its tiles.
QStringList pageControls(const QWidget& page, const QList<QWidget*>& scrolledRows)
{
    QStringList controls;
    const QString window = nameOf(page.window()) + '/';
    for (QWidget* w : page.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled()
            || !(w->isVisibleTo(&page) || scrolledRows.contains(w)))
            continue;
        if (auto* grid = qobject_cast<MultiIconViewV*>(w)) {
            for (int i = 0; i < grid->count(); ++i)
                controls << window + nameOf(grid) + '#' + QString::number(i);
        } else {
            controls << window + nameOf(w);
        }
    }
    return controls;
}

} // namespace

// Notes the order our windows are shown in: after a key the last one shown that still shows should be active.
class WalkWindows : public QObject
{
public:
    WalkWindows()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                m_order << w;
        qApp->installEventFilter(this);
    }
    // Closes what shows above the home window, the last shown first, as Back would: a dialog's close handling
    // runs.
    void closeAbove()
    {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        for (qsizetype i = m_order.size() - 1; i >= 0; --i)
            if (QWidget* w = m_order.at(i); w && !qobject_cast<MainMWindow*>(w) && w->isVisible())
                w->close();
    }
    bool settled()
    {
        if (QApplication::activePopupWidget())
            return true;
        m_order.removeIf([](const QPointer<QWidget>& w) { return !w; });
        for (auto it = m_order.crbegin(); it != m_order.crend(); ++it)
            if ((*it)->isVisible())
                return QApplication::activeWindow() == *it;
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip) {
                m_order.removeAll(w);
                m_order << w;
            }
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> m_order;
};

FocusWalk::FocusWalk(MonkeyDriver& driver)
    : m_driver(driver)
    , m_windows(std::make_unique<WalkWindows>())
{
}

FocusWalk::~FocusWalk() = default;

QStringList FocusWalk::homeTargets()
{
    return m_driver.gui([&] {
        QStringList targets;
        const QWidget* home = QApplication::activeWindow();
        for (const char* frame : {"frmlang", "frmaudio", "frmsetting", "frmtandem", "frmlogout", "frmtips"})
            if (const QWidget* w = home->findChild<QWidget*>(frame); w && w->isVisible())
                targets << home->objectName() + '/' + frame;
        for (int i = 0; i < home->findChild<MultiIconViewV*>()->count(); ++i)
            targets << home->objectName() + "/MultiIconViewV#" + QString::number(i);
        return targets;
    });
}

QStringList FocusWalk::settingsTargets()
{
    return m_driver.gui([&] {
        auto* dialog = QApplication::activeWindow()->findChild<SettingsDialog*>();
        const auto part = [dialog](const char* name) { return dialog->findChild<QWidget*>(name); };
        const QString prefix = nameOf(dialog) + '/';
        QStringList targets;
        for (QWidget* button : part("grMain")->findChildren<QRadioButton*>())
            if (button->isVisibleTo(dialog))
                targets << prefix + nameOf(button);
        // Each page as its button shows it (which reads the appliance again).
        auto* pages = dialog->findChild<QStackedWidget*>("stwgSub");
        QList<QWidget*> displayRows;
        for (const char* name : {"pgAppAll", "pgGeneral", "pgDisplay", "pgPref", "pgAbout"}) {
            pages->setCurrentWidget(part(name));
            if (part(name) == part("pgDisplay"))
                displayRows = dialog->displayPage().optionFrames();
            targets << pageControls(*part(name), displayRows);
        }
        // Each tile's own page.
        MultiIconViewV* grid = dialog->iconView();
        for (int i = 0; i < grid->count(); ++i) {
            grid->setSelect(i);
            dialog->currentChanged(SettingsDialog::PageAppOne);
            for (const QString& control : pageControls(*part("pgAppOne"), {}))
                if (!targets.contains(control))
                    targets << control;
        }
        grid->setSelect(-1);
        // The rows whose Return opens a choice menu: every Display row but overscan, which offers its menu with
        // one output only, and the language, input-method and receiver rows of the Preferences.
        const bool oneOutput = dialog->displayPage().screens().size() == 1;
        for (QWidget* row : displayRows)
            if (row->focusPolicy() != Qt::NoFocus && (row != part("frmDispOvscan") || oneOutput))
                targets << prefix + nameOf(row) + " menu:*";
        for (const char* row : {"frmPrefLang", "frmPrefIM", "frmPrefIr"})
            if (part(row)->isVisibleTo(part("pgPref")))
                targets << prefix + row + " menu:*";
        if (part("frmCR_1")->isVisibleTo(part("pgPref")))
            targets << QStringLiteral("CustomRemoteDialog/*");
        targets << QStringLiteral("ListDialog/*");
        // As the dialog is closed: its first page button checked, and that button's page shown.
        const bool admin = part("rbtApp")->isVisibleTo(dialog);
        static_cast<QRadioButton*>(part(admin ? "rbtApp" : "rbtGeneral"))->setChecked(true);
        pages->setCurrentWidget(part(admin ? "pgAppAll" : "pgGeneral"));
        return targets;
    });
}

QString FocusWalk::place_()
{
    const QString focus = m_driver.focusId();
    if (!focus.startsWith("menu:"))
        return focus;
    return m_driver.gui([&] {
        const QWidget* window = QApplication::activeWindow();
        return nameOf(window) + '/' + nameOf(window ? window->focusWidget() : nullptr) + ' ' + focus;
    });
}

void FocusWalk::press_(const QString& key)
{
    m_driver.perform(key);
    m_driver.waitUntil([this] { return m_windows->settled(); }, kSettleMs);
}

QString FocusWalk::backHome_()
{
    for (int i = 0; i < kBacksHome; ++i) {
        if (m_driver.atHome())
            return {};
        press_(QStringLiteral("Back"));
        if (const QString problem = m_driver.check(); !problem.isEmpty())
            return problem;
    }
    return m_driver.atHome() ? QString() : QStringLiteral("still not home after %1 times Back").arg(kBacksHome);
}

void FocusWalk::fromStart_()
{
    // Whatever is still open goes, and the home screen is as it was started: the first tile selected.
    m_driver.gui([this] {
        m_windows->closeAbove();
        MonkeyDriver::closeAll();
    });
    m_driver.waitUntil([&] { return m_driver.atHomeHere(); }, 5000);
    m_driver.gui([] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* home = qobject_cast<MainMWindow*>(w)) {
                home->activateWindow();
                // The settings' grid remembers its last tile for the next visit: the first, as after start-up.
                home->findChild<SettingsDialog*>()->iconView()->setSelect(0);
                for (MultiIconViewV* grid : home->findChildren<MultiIconViewV*>()) {
                    if (grid->window() == home) {
                        grid->setSelect(0);
                        grid->setFocus();
                    }
                }
            }
        }
    });
    m_driver.check();
}

WalkResult_s FocusWalk::walk(const QStringList& targets)
{
    WalkResult_s result;
    fromStart_();
    const QString start = place_();
    result.ways[start] = {};
    result.looks << m_driver.gui([&] { return m_looks.check(start, true); });
    QQueue<QString> queue;
    queue.enqueue(start);
    const auto named = [](const QString& place, const QStringList& parts) {
        return std::any_of(parts.begin(), parts.end(), [&](const QString& part) { return place.contains(part); });
    };
    while (!queue.isEmpty()) {
        const QString place = queue.dequeue();
        for (const QString& key : place.contains(" menu:") ? kMenuKeys : kWalkKeys) {
            if (key == "OK" && named(place, okAvoided) && !named(place, okAllowed))
                continue;
            fromStart_();
            const QStringList way = result.ways[place] + QStringList {key};
            for (const QString& k : way)
                press_(k);
            const QString problem = m_driver.check();
            const QString reached = place_();
            if (!problem.isEmpty())
                result.broken << reached + ": " + problem;
            else
                result.looks << m_driver.gui([&] { return m_looks.check(reached, !result.ways.contains(reached)); });
            if (!result.ways.contains(reached)) {
                result.ways[reached] = way;
                queue.enqueue(reached);
                if (const QString problem = backHome_(); !problem.isEmpty())
                    result.noWayHome << reached + ": " + problem;
            }
        }
    }
    fromStart_();
    for (const QString& target : targets) {
        const bool met = target.endsWith('*') ? std::any_of(result.ways.keyBegin(), result.ways.keyEnd(),
                             [&](const QString& place) { return place.startsWith(target.chopped(1)); })
                                              : result.ways.contains(target);
        if (!met)
            result.unreached << target;
    }
    return result;
}
