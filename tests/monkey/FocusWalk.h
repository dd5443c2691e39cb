#pragma once
// A breadth-first walk over the remote's keys from the home screen: every place the focus can reach (a window and
// its focused control, a tile, a menu entry with the row that opened it), the shortest way there, whether Back
// leads home from it, and whether the focus shows there, and only there.
#include "FocusLooks.h"

#include <QMap>
#include <QStringList>

#include <memory>

class MonkeyDriver;
class WalkWindows;

struct WalkResult_s {
    QMap<QString, QStringList> ways; // every place reached, with the keys that lead there from the home screen
    QStringList unreached; // targets not among them
    QStringList noWayHome; // places Back does not lead home from: the place, why
    QStringList broken; // places where the focus invariant did not hold: the place, the problem
    QStringList looks; // where the focus did not show, or something else looked focused: the place, the control
};

class FocusWalk
{
public:
    // In the GUI thread; the walk runs in the driver's.
    explicit FocusWalk(MonkeyDriver& driver);
    ~FocusWalk();

    // Places where OK is not pressed, as parts of their names: it would start, end or change something rather
    // than move the focus (a tile starts its application, a check box or a menu entry changes a setting, a dialog's
    // buttons apply it). okAllowed names the exceptions: the settings' tiles and the task-bar box, which ask first,
    // and the menu entries that open a dialog.
    QStringList okAvoided {QStringLiteral("#"), QStringLiteral("/frmlogout"), QStringLiteral("menu:"),
        QStringLiteral("/cbx"), QStringLiteral("/pbtEnable"), QStringLiteral("/pbtSetAuto"),
        QStringLiteral("InfoDialog/"), QStringLiteral("ListDialog/"), QStringLiteral("CustomRemoteDialog/")};
    QStringList okAllowed {QStringLiteral("SettingsDialog/MultiIconViewV#"), QStringLiteral("/cbxTaskbar"),
        QStringLiteral("frmPrefIM menu:Add"), QStringLiteral("frmPrefIM menu:Remove")};

    // Targets ending in '*' are met by any place that starts with the rest.
    WalkResult_s walk(const QStringList& targets);
    // What the walk must reach on the home screen: the title-bar buttons that show, the tips button and every tile.
    QStringList homeTargets();
    // What it must reach in the settings, as the dialog's widgets are now: every page button that shows, every
    // control of each page that can take the focus and shows (a Display row also when it is scrolled out of view),
    // every tile of the grid and the buttons of each tile's page, the choice menu of every Display and Preferences
    // row that has one, and the dialogs the remote slots and the input-method menu open.
    QStringList settingsTargets();

private:
    // Where the remote's keys go; a menu entry is named with the row the menu belongs to.
    QString place_();
    // A key, and the time the windows take to come and go after it.
    void press_(const QString& key);
    // Back until the home screen: empty, or why it did not get there (more than a few keys, or the focus lost on
    // the way).
    QString backHome_();
    void fromStart_();

    MonkeyDriver& m_driver;
    std::unique_ptr<WalkWindows> m_windows; // the order our windows were shown in
    FocusLooks m_looks;
};
