#include "home/TileList.h"

#include "appliance/Appliance.h"
#include "appliance/UserSettings.h"
#include "packages/bentoconf.h"
#include "util/IniParser.h"
#include "widgets/ImageResources.h"
#include "widgets/MultiIconViewV.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString kKaraoke = QStringLiteral("Cantora");

// A task-bar companion is started from the task bar; without the task bar it
// has no tile.
bool hiddenByTaskBar(const PkgInfo_s& pkg, bool taskBar)
{
    return !taskBar && !pkg.xmlInfo.value(QStringLiteral("TaskBar")).isEmpty();
}

QString label(const PkgInfo_s& pkg)
{
    const QString title = pkg.confInfo.value(QStringLiteral("Display_Name"));
    if (!title.isEmpty())
        return title;
    const QString name = pkg.xmlInfo.value(QStringLiteral("name"));
    return name.isEmpty() ? pkg.name : name;
}

QPixmap icon(const PkgInfo_s& pkg)
{
    return ImageResources::fromFile(
        AggPkgInfo::localInstallPath(pkg, 0) + QLatin1Char('/') + pkg.xmlInfo.value(QStringLiteral("icon_tv")));
}

QStringList shell(const QString& command) { return {QStringLiteral("-c"), Appliance::command(command)}; }

} // namespace

TileList::TileList(const AggPkgInfo& packages, MultiIconViewV& grid)
    : m_packages(packages)
    , m_grid(grid)
{
}

void TileList::addTile_(const PkgInfo_s& pkg, int at) { m_grid.add(icon(pkg), label(pkg), at); }

void TileList::reload()
{
    m_grid.delAll(1);
    m_karaokeIndex = -1;
    m_names.clear();
    const QStringList names = m_packages.PkgNames(0, 1);
    const bool taskBar = !names.isEmpty() && UserSettings::taskBarEnabled();
    const QString lastRun = names.isEmpty() ? QString() : UserSettings::lastRun();
    int selected = 0;
    for (const QString& key : names) {
        const PkgInfo_s pkg = m_packages.PkgByName(key, 0);
        if (hiddenByTaskBar(pkg, taskBar))
            continue;
        const int tile = int(m_names.size());
        if (!lastRun.isEmpty() && lastRun == key)
            selected = tile;
        if (key == kKaraoke)
            m_karaokeIndex = tile;
        m_names << key;
        addTile_(pkg);
    }
    m_grid.setSelect(selected);
}

void TileList::refreshPictures()
{
    for (int i = 0; i < m_names.size(); ++i)
        m_grid.setIcon(icon(m_packages.PkgByName(m_names[i], 0)), i, 0);
}

bool TileList::wantsTile_(const QString& key) const
{
    if (!m_packages.isPkgAvail(key, 0, 1))
        return false;
    const PkgInfo_s pkg = m_packages.PkgByName(key, 0);
    return pkg.confInfo.value(QStringLiteral("Enable")).compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0
        && !hiddenByTaskBar(pkg, UserSettings::taskBarEnabled());
}

TileList::Change TileList::follow(const QString& event)
{
    const qsizetype lineFeed = event.indexOf(QLatin1Char('\n'));
    if (lineFeed < 0)
        return Change::None;
    const QString key = event.mid(lineFeed + 1).trimmed();
    const int pos = int(m_names.indexOf(key));
    // One rule for every tile, the one reload() applies: a disabled or
    // task-bar package never holds a place in the list, so no later tile
    // shifts against it.
    const bool wanted = wantsTile_(key);
    const int selected = m_grid.select();
    if (pos >= 0 && !wanted) {
        m_names.removeAt(pos);
        m_karaokeIndex = m_karaokeIndex == pos ? -1 : m_karaokeIndex - (pos < m_karaokeIndex ? 1 : 0);
        m_grid.del(pos);
        if (pos < selected)
            m_grid.setSelect(selected - 1);
        return Change::Removed;
    }
    if (pos >= 0) {
        const PkgInfo_s pkg = m_packages.PkgByName(key, 0);
        m_grid.setIcon(icon(pkg), pos, 0);
        m_grid.setText(label(pkg), pos);
        return Change::Updated;
    }
    if (!wanted)
        return Change::None;
    // The list keeps the model's order, which is sorted by key.
    const int at = int(std::lower_bound(m_names.cbegin(), m_names.cend(), key) - m_names.cbegin());
    m_names.insert(at, key);
    if (key == kKaraoke)
        m_karaokeIndex = at;
    else if (m_karaokeIndex >= at)
        ++m_karaokeIndex;
    addTile_(m_packages.PkgByName(key, 0), at);
    m_grid.setSelect(selected < 0 ? 0 : selected + (at <= selected ? 1 : 0));
    return Change::Inserted;
}

QStringList TileList::enter(int index)
{
    if (index < 0 || index >= m_names.size())
        return {};
    const QString key = m_names.at(index);
    const PkgInfo_s pkg = m_packages.PkgByName(key, 0);
    const QString start = pkg.xmlInfo.value(QStringLiteral("start"));
    if (start.isEmpty())
        return {};
    // A name inside the package runs from there; anything else is left to
    // the shell's search path.
    const QString inPackage = AggPkgInfo::localInstallPath(pkg, 0) + QLatin1Char('/') + start;
    const bool packaged = !start.startsWith(QLatin1Char('/')) && QFileInfo::exists(inPackage);
    UserSettings::setLastRun(key);
    return packaged ? QStringList {QStringLiteral("-c"), inPackage} : shell(start);
}

QStringList TileList::actionArguments(const QString& package, const QString& action) const
{
    if (package.isEmpty() || !m_packages.isPkgAvail(package, 0, 1))
        return {};
    if (action != QLatin1String("start") && action != QLatin1String("stop"))
        return {};
    const QString value = m_packages.PkgByName(package, 0).xmlInfo.value(action);
    return value.isEmpty() ? QStringList() : shell(value);
}

QString TileList::message(const QString& package, const QString& key, const QString& language) const
{
    const PkgInfo_s pkg = m_packages.PkgByName(package, 0);
    if (pkg.confInfo.value(QStringLiteral("Install_Path")).isEmpty())
        return {};
    const QString file = AggPkgInfo::localInstallPath(pkg, 0) + QStringLiteral("/.ivo/ivomsg.conf");
    if (!QFileInfo::exists(file))
        return {};
    lumo::IniParser messages;
    messages.ParseFile(file.toStdString());
    return QString::fromStdString(messages.Get(key.toStdString(), language.toStdString(), std::string()));
}
