#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

class AggPkgInfo;
class MultiIconViewV;

// The tiles of the settings' application grid: one per package the model
// knows, installed or only offered by the catalog, in the model's order.
// The package of every tile is kept beside it, so a tile's index is its
// position in the list.
class AppTiles
{
public:
    AppTiles(const AggPkgInfo& packages, MultiIconViewV& grid);

    // Badge slots of a tile.
    enum Slot : int { IconSlot = 0, AutoRunSlot = 1, LockSlot = 2, OffSlot = 5 };

    // Every tile again, in the model's order.
    void reload(const QString& autoRun);
    // Every tile's picture read again (the grid asks when it is drawn larger
    // than the pictures it kept).
    void refreshPictures();
    // Title and badges of a package's tile again (its icon stays).
    void refresh(const QString& name, const QString& autoRun);
    // A package became available (gets a tile at its place) or went away
    // (loses it); the selected package stays selected. True when a tile
    // was added or removed.
    bool follow(const QString& name, const QString& autoRun);

    int indexOf(const QString& name) const { return int(m_names.indexOf(name)); }
    QString nameAt(int index) const { return m_names.value(index); }
    const QStringList& names() const { return m_names; }
    // The tile's icon from a picture file; false when it is not an image.
    bool setIconFile(const QString& name, const QString& file);
    void setAutoRunBadge(const QString& name, bool on);

    // Title: the installed display name or descriptor name, else the
    // catalog's name, else the package name.
    QString title(const QString& name) const;
    // The icon file of the installed record, else the catalog's; empty when
    // that file is not there.
    QString iconFile(const QString& name) const;
    // The catalog's (downloaded) icon file of a package.
    QString catalogIconFile(const QString& name) const;
    bool isInstalled(const QString& name) const;
    bool isEnabled(const QString& name) const;
    // The offered version is newer than the installed one, part by part
    // (a part the installed one lacks counts as newer).
    static bool versionCompare(const QString& installed, const QString& offered);

private:
    void addTile_(const QString& name, int at, const QString& autoRun);
    QPixmap picture_(const QString& name) const;
    void badges_(const QString& name, int index, const QString& autoRun);

    const AggPkgInfo& m_packages;
    MultiIconViewV& m_grid;
    QStringList m_names;
};
