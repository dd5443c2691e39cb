#pragma once
// A breadth-first walk over the remote's keys from the home screen: every place the focus can reach (a window and
// its focused control, a tile, a menu entry), the shortest way there, and whether Back leads home from it.
#include <QMap>
#include <QStringList>

class MonkeyDriver;

struct WalkResult_s {
    QMap<QString, QStringList> ways; // every place reached, with the keys that lead there from the home screen
    QStringList unreached; // targets not among them
    QStringList noWayHome; // places Back does not lead home from
    QStringList broken; // places where the focus invariant did not hold: the place, the problem
};

class FocusWalk
{
public:
    explicit FocusWalk(MonkeyDriver& driver);

    // Places where OK is not pressed, as parts of their names: it would start, end or change something rather
    // than move the focus.
    QStringList okAvoided {QStringLiteral("#"), QStringLiteral("/frmlogout"), QStringLiteral("menu:")};

    WalkResult_s walk(const QStringList& targets);
    // What the walk must reach on the home screen: the title-bar buttons that show, the tips button and every tile.
    QStringList homeTargets();

private:
    // Back until the home screen; false when it takes more than a few.
    bool backHome_();
    void fromStart_();

    MonkeyDriver& m_driver;
};
