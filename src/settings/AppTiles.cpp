#include "settings/AppTiles.h"

#include "packages/bentoconf.h"
#include "widgets/ImageResources.h"
#include "widgets/MultiIconViewV.h"

#include <QFileInfo>

namespace {

QString firstNonEmpty(std::initializer_list<QString> texts)
{
    for (const QString& t : texts) {
        if (!t.isEmpty())
            return t;
    }
    return QString();
}

QString iconPath(const PkgInfo_s& pkg, int source)
{
    const QString icon = pkg.xmlInfo.value(QStringLiteral("icon_tv"));
    if (pkg.name.isEmpty() || icon.isEmpty())
        return QString();
    return AggPkgInfo::localInstallPath(pkg, source) + QLatin1Char('/') + icon;
}

} // namespace

AppTiles::AppTiles(const AggPkgInfo& packages, MultiIconViewV& grid)
    : m_packages(packages)
    , m_grid(grid)
{
}

bool AppTiles::isInstalled(const QString& name) const { return !m_packages.PkgByName(name, 0).name.isEmpty(); }

bool AppTiles::isEnabled(const QString& name) const
{
    return m_packages.PkgByName(name, 0)
               .confInfo.value(QStringLiteral("Enable"))
               .compare(QLatin1String("TRUE"), Qt::CaseInsensitive)
        == 0;
}

QString AppTiles::title(const QString& name) const
{
    const PkgInfo_s conf = m_packages.PkgByName(name, 0);
    const PkgInfo_s web = m_packages.PkgByName(name, 1);
    return firstNonEmpty({conf.confInfo.value(QStringLiteral("Display_Name")),
        conf.xmlInfo.value(QStringLiteral("name")), web.xmlInfo.value(QStringLiteral("name")), name});
}

QString AppTiles::catalogIconFile(const QString& name) const { return iconPath(m_packages.PkgByName(name, 1), 1); }

QString AppTiles::iconFile(const QString& name) const
{
    const QString file = isInstalled(name) ? iconPath(m_packages.PkgByName(name, 0), 0) : catalogIconFile(name);
    return !file.isEmpty() && QFileInfo(file).isFile() ? file : QString();
}

void AppTiles::reload(const QString& autoRun)
{
    m_grid.delAll(1);
    m_names.clear();
    for (const QString& name : m_packages.PkgNames(-1, 0))
        addTile_(name, -1, autoRun);
}

QPixmap AppTiles::picture_(const QString& name) const
{
    const QString file = iconFile(name);
    // A package offered without a downloaded icon yet waits for it with an
    // empty tile rather than the default picture.
    QPixmap icon = file.isEmpty() ? QPixmap() : ImageResources::fromFile(file);
    if (icon.isNull() && !isInstalled(name)) {
        icon = QPixmap(1, 1);
        icon.fill(Qt::transparent);
    }
    return icon;
}

void AppTiles::refreshPictures()
{
    for (int i = 0; i < m_names.size(); ++i)
        m_grid.setIcon(picture_(m_names[i]), i, IconSlot);
}

void AppTiles::addTile_(const QString& name, int at, const QString& autoRun)
{
    at = at < 0 || at > m_names.size() ? int(m_names.size()) : at;
    m_grid.add(picture_(name), title(name), at);
    m_names.insert(at, name);
    badges_(name, at, autoRun);
}

void AppTiles::badges_(const QString& name, int index, const QString& autoRun)
{
    const bool off = isInstalled(name) && !isEnabled(name);
    m_grid.setIcon(off ? QPixmap(QStringLiteral(":/images/icon_lock.png")) : QPixmap(), index, LockSlot);
    m_grid.setIcon(off ? QPixmap(QStringLiteral(":/images/app_off.png")) : QPixmap(), index, OffSlot);
    m_grid.setFlag(off ? 1 : 0, index);
    const bool autoRuns = isInstalled(name) && !autoRun.isEmpty() && name == autoRun;
    m_grid.setIcon(autoRuns ? QPixmap(QStringLiteral(":/images/icon_autorun.png")) : QPixmap(), index, AutoRunSlot);
}

void AppTiles::refresh(const QString& name, const QString& autoRun)
{
    const int index = indexOf(name);
    if (index < 0)
        return;
    m_grid.setText(title(name), index);
    badges_(name, index, autoRun);
}

bool AppTiles::follow(const QString& name, const QString& autoRun)
{
    const QStringList now = m_packages.PkgNames(-1, 0);
    const int index = indexOf(name);
    const QString selected = nameAt(m_grid.select());
    if (now.contains(name) && index < 0) {
        addTile_(name, int(now.indexOf(name)), autoRun);
        m_grid.setSelect(selected.isEmpty() ? m_grid.select() : indexOf(selected));
        return true;
    }
    if (!now.contains(name) && index >= 0) {
        m_names.removeAt(index);
        m_grid.del(index);
        return true;
    }
    return false;
}

bool AppTiles::setIconFile(const QString& name, const QString& file)
{
    const int index = indexOf(name);
    const QPixmap icon = ImageResources::fromFile(file);
    if (index < 0 || icon.isNull())
        return false;
    return m_grid.setIcon(icon, index, IconSlot);
}

void AppTiles::setAutoRunBadge(const QString& name, bool on)
{
    if (const int index = indexOf(name); index >= 0)
        m_grid.setIcon(on ? QPixmap(QStringLiteral(":/images/icon_autorun.png")) : QPixmap(), index, AutoRunSlot);
}

bool AppTiles::versionCompare(const QString& installed, const QString& offered)
{
    const QStringList have = installed.split(QLatin1Char('.'));
    const QStringList offer = offered.split(QLatin1Char('.'));
    const qsizetype parts = qMax(installed.count(QLatin1Char('.')), offered.count(QLatin1Char('.'))) + 1;
    for (qsizetype i = 0; i < parts; ++i) {
        const QString mine = have.value(i);
        if (mine.isEmpty())
            return true;
        const int a = mine.toInt();
        const int b = offer.value(i).toInt();
        if (b != a)
            return b > a;
    }
    return false;
}
