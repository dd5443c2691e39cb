#include "FocusWalk.h"

#include "MonkeyDriver.h"
#include "MonkeyStage.h"

#include "home/MainMWindow.h"
#include "home/MultiIconViewV.h"

#include <QApplication>
#include <QQueue>

namespace {

const QStringList kWalkKeys {"Up", "Down", "Left", "Right", "OK", "Back"};
constexpr int kBacksHome = 6;

} // namespace

FocusWalk::FocusWalk(MonkeyDriver& driver)
    : m_driver(driver)
{
}

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

bool FocusWalk::backHome_()
{
    for (int i = 0; i < kBacksHome; ++i) {
        if (m_driver.atHome())
            return true;
        m_driver.perform(QStringLiteral("Back"));
        m_driver.check();
    }
    return m_driver.atHome();
}

void FocusWalk::fromStart_()
{
    // Whatever is still open goes, and the home screen is as it was started: the first tile selected.
    m_driver.gui(&MonkeyDriver::closeAll);
    m_driver.waitUntil([&] { return m_driver.atHomeHere(); }, 5000);
    m_driver.gui([] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* home = qobject_cast<MainMWindow*>(w)) {
                home->activateWindow();
                auto* grid = home->findChild<MultiIconViewV*>();
                grid->setSelect(0);
                grid->setFocus();
            }
        }
    });
    m_driver.check();
}

WalkResult_s FocusWalk::walk(const QStringList& targets)
{
    WalkResult_s result;
    fromStart_();
    const QString start = m_driver.focusId();
    result.ways[start] = {};
    QQueue<QString> queue;
    queue.enqueue(start);
    while (!queue.isEmpty()) {
        const QString place = queue.dequeue();
        for (const QString& key : kWalkKeys) {
            if (key == "OK" && std::any_of(okAvoided.begin(), okAvoided.end(), [&](const QString& part) {
                    return place.contains(part);
                }))
                continue;
            fromStart_();
            const QStringList way = result.ways[place] + QStringList {key};
            for (const QString& k : way)
                m_driver.perform(k);
            const QString problem = m_driver.check();
            const QString reached = m_driver.focusId();
            if (!problem.isEmpty())
                result.broken << reached + ": " + problem;
            if (!result.ways.contains(reached)) {
                result.ways[reached] = way;
                queue.enqueue(reached);
                if (!backHome_())
                    result.noWayHome << reached;
            }
        }
    }
    fromStart_();
    for (const QString& target : targets)
        if (!result.ways.contains(target))
            result.unreached << target;
    return result;
}
