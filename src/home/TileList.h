#pragma once

#include <QString>
#include <QStringList>

class AggPkgInfo;
class MultiIconViewV;
struct PkgInfo_s;

// The home grid's tiles: one per installed package that may be started from
// the television, in the package model's order. The package key of every
// tile is kept beside it, and a package without a tile has no entry, so a
// tile's index is always its position in the list. Also what the command
// files ask of the packages behind the tiles: their actions and messages.
class TileList
{
public:
    TileList(const AggPkgInfo& packages, MultiIconViewV& grid);

    // Rebuilds every tile and selects the package launched last (tile 0
    // when it has none).
    void reload();
    // Every tile's picture read again from its package (the grid asks when it
    // is drawn larger than the pictures it kept).
    void refreshPictures();

    enum class Change { None, Removed, Updated, Inserted };
    // Follows one change event of the package model ("<action>\n<key>"):
    // a package that may no longer start loses its tile, one that may now
    // gets a tile at its place in the model's order, any other tile is drawn
    // again. The selection stays on the package it was on.
    Change follow(const QString& event);

    // The "sh" arguments that start the application of a tile, empty when
    // it has no start command; a launch remembers its package as the last.
    QStringList enter(int index);
    // The "sh" arguments of a launchable package's descriptor value for
    // action ("start" or "stop" exactly); empty otherwise.
    QStringList actionArguments(const QString& package, const QString& action) const;
    // The text of key in the package's message file in the language (INI
    // key "<key>/<language>"); empty when there is none.
    QString message(const QString& package, const QString& key, const QString& language) const;

    const QStringList& names() const { return m_names; }
    // The karaoke application's tile, -1 without one.
    int karaokeIndex() const { return m_karaokeIndex; }

private:
    bool wantsTile_(const QString& key) const;
    void addTile_(const PkgInfo_s& pkg, int at = -1);

    const AggPkgInfo& m_packages;
    MultiIconViewV& m_grid;
    QStringList m_names;
    int m_karaokeIndex = -1;
};
