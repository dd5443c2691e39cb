#include "packages/bentoconf.h"

#include "appliance/Appliance.h"
#include "appliance/Login.h"

#include <QMetaMethod>

namespace {

const QString kAdd = QStringLiteral("pkg_add");
const QString kVersion = QStringLiteral("Version"), kEnable = QStringLiteral("Enable"),
              kShell = QStringLiteral("Shell"), kDisplayName = QStringLiteral("Display_Name"),
              kAdminOnly = QStringLiteral("AdminOnly"), kStart = QStringLiteral("start"),
              kWebVersion = QStringLiteral("version");
const QString kUpd = QStringLiteral("pkg_upd");
const QString kDel = QStringLiteral("pkg_del");

bool sameCi(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool isTrue(const QMap<QString, QString>& m, const QString& key)
{
    return sameCi(m.value(key), QStringLiteral("TRUE"));
}

// The values the screens show or act on; an installed record that differs in
// none of them is replaced silently.
bool confRecordsDiffer(const PkgInfo_s& a, const PkgInfo_s& b)
{
    // A record read again from unchanged files shares its entries.
    if (a.confInfo.isSharedWith(b.confInfo) && a.xmlInfo.isSharedWith(b.xmlInfo))
        return false;
    for (const QString* key : {&kVersion, &kEnable}) {
        if (!sameCi(a.confInfo.value(*key), b.confInfo.value(*key)))
            return true;
    }
    for (const QString* key : {&kShell, &kDisplayName, &kAdminOnly}) {
        if (a.confInfo.value(*key) != b.confInfo.value(*key))
            return true;
    }
    return a.xmlInfo.value(kStart) != b.xmlInfo.value(kStart);
}

} // namespace

AggPkgInfo::AggPkgInfo(QObject* parent)
    : QObject(parent)
{
}

AggPkgInfo::AggPkgInfo(const QMap<QString, PkgInfo_s>& conf, const QMap<QString, PkgInfo_s>& web, QObject* parent)
    : QObject(parent)
    , m_webPkgs(web)
    , m_confPkgs(conf)
{
    rebuildAvailPkgs();
}

void AggPkgInfo::insertPkg(const PkgInfo_s& pkg, int source)
{
    if (pkg.name.isEmpty() || (source != 0 && source != 1))
        return;
    const int bit = source == 0 ? InstalledBit : CatalogBit;
    QMap<QString, PkgInfo_s>& pkgs = source == 0 ? m_confPkgs : m_webPkgs;
    const Change_ side = source == 0 ? Change_::Conf : Change_::Web;

    // Looked up without detaching: the readers hold a copy of the map while
    // they apply their differences, and most inserts change no word.
    const auto word = m_availPkgs.constFind(pkg.name);
    if (word == m_availPkgs.cend()) {
        m_availPkgs.insert(pkg.name, bit);
        pkgs.insert(pkg.name, pkg);
        notify_(side, kAdd, pkg.name);
        notify_(Change_::Avail, kAdd, pkg.name);
        return;
    }
    if (!(*word & bit)) {
        m_availPkgs[pkg.name] |= bit;
        pkgs.insert(pkg.name, pkg);
        notify_(side, kAdd, pkg.name);
        return;
    }
    PkgInfo_s& stored = pkgs[pkg.name];
    const bool differs = source == 0 ? confRecordsDiffer(stored, pkg)
                                     : !sameCi(stored.xmlInfo.value(kWebVersion), pkg.xmlInfo.value(kWebVersion));
    stored = pkg;
    if (differs)
        notify_(side, kUpd, pkg.name);
}

void AggPkgInfo::removePkg(QString name, int source)
{
    // Takes the package off one side; the available list loses it once no side has it.
    const auto drop = [&](QMap<QString, PkgInfo_s>& pkgs, int bit, Change_ side) {
        if (!pkgs.remove(name))
            return;
        int& word = m_availPkgs[name];
        word &= ~bit;
        const bool gone = word == 0;
        if (gone)
            m_availPkgs.remove(name);
        notify_(side, kDel, name);
        if (gone)
            notify_(Change_::Avail, kDel, name);
    };
    if (source == 0 || source == -1)
        drop(m_confPkgs, InstalledBit, Change_::Conf);
    if (source == 1 || source == -1)
        drop(m_webPkgs, CatalogBit, Change_::Web);
}

void AggPkgInfo::clearAggPkgInfo(int source)
{
    // Records leave one by one, so that a receiver of each signal already sees
    // the model without that package.
    auto clearSide = [this](QMap<QString, PkgInfo_s>& pkgs, int bit, bool installed) {
        const QStringList names = pkgs.keys();
        for (const QString& name : names) {
            pkgs.remove(name);
            auto word = m_availPkgs.find(name);
            bool gone = true;
            if (word != m_availPkgs.end()) {
                *word &= ~bit;
                gone = *word == 0;
                if (gone)
                    m_availPkgs.erase(word);
            }
            notify_(installed ? Change_::Conf : Change_::Web, kDel, name);
            if (gone)
                notify_(Change_::Avail, kDel, name);
        }
        pkgs.clear();
    };
    if (source == 0 || source == -1) {
        clearSide(m_confPkgs, InstalledBit, true);
        m_confFile.clear();
    }
    if (source == 1 || source == -1) {
        clearSide(m_webPkgs, CatalogBit, false);
        m_xmlFile.clear();
    }
    if (source == -1)
        m_availPkgs.clear();
}

void AggPkgInfo::notify_(Change_ which, const QString& action, const QString& name)
{
    static const QMetaMethod web = QMetaMethod::fromSignal(&AggPkgInfo::webPkgChanged);
    static const QMetaMethod conf = QMetaMethod::fromSignal(&AggPkgInfo::confPkgChanged);
    static const QMetaMethod avail = QMetaMethod::fromSignal(&AggPkgInfo::availPkgChanged);
    const QMetaMethod& signal = which == Change_::Web ? web : which == Change_::Conf ? conf : avail;
    if (!isSignalConnected(signal))
        return; // the readers' scratch models have no listeners
    const QString event = action + QLatin1Char('\n') + name;
    if (which == Change_::Web)
        emit webPkgChanged(event);
    else if (which == Change_::Conf)
        emit confPkgChanged(event);
    else
        emit availPkgChanged(event);
}

void AggPkgInfo::rebuildAvailPkgs()
{
    m_availPkgs.clear();
    for (auto it = m_confPkgs.cbegin(); it != m_confPkgs.cend(); ++it)
        m_availPkgs.insert(it.key(), InstalledBit);
    for (auto it = m_webPkgs.cbegin(); it != m_webPkgs.cend(); ++it)
        m_availPkgs[it.key()] |= CatalogBit;
}

bool AggPkgInfo::isPkgAvail(const QString& name, int source, int launchable) const
{
    const auto word = m_availPkgs.constFind(name);
    if (word == m_availPkgs.cend())
        return false;
    if (source == -1)
        return true;
    if (source == 1)
        return *word & CatalogBit;
    if (source != 0 || !(*word & InstalledBit))
        return false;
    if (launchable == 0)
        return true;
    const PkgInfo_s& pkg = *m_confPkgs.constFind(name);
    if (pkg.xmlInfo.value(kStart).isEmpty())
        return false;
    return isTrue(pkg.confInfo, kAdminOnly) ? isAdministrator() : true;
}

QStringList AggPkgInfo::PkgNames(int source, int launchable) const
{
    QStringList names;
    if (source == -1)
        return m_availPkgs.keys();
    if (source == 1)
        return m_webPkgs.keys();
    if (source != 0)
        return names;
    if (launchable == 0)
        return m_confPkgs.keys();
    // Asked once: the environment does not change while the list is built.
    const bool admin = isAdministrator();
    for (auto it = m_confPkgs.cbegin(); it != m_confPkgs.cend(); ++it) {
        const PkgInfo_s& pkg = it.value();
        if (pkg.xmlInfo.value(kStart).isEmpty() || !isTrue(pkg.confInfo, kEnable))
            continue;
        if (isTrue(pkg.confInfo, kAdminOnly) && !admin)
            continue;
        names.append(it.key());
    }
    return names;
}

PkgInfo_s AggPkgInfo::PkgByName(const QString& name, int source) const
{
    if (source == 0)
        return m_confPkgs.value(name);
    if (source == 1)
        return m_webPkgs.value(name);
    return {};
}

bool AggPkgInfo::isAdministrator()
{
    const std::optional<QByteArray> group = Login::groupId();
    return group && QString::fromUtf8(*group) == QLatin1String("0");
}

QString AggPkgInfo::localInstallPath(const PkgInfo_s& pkg, int source)
{
    const QString folder = pkg.confInfo.value(QStringLiteral("Install_Path"));
    return source == 0 ? Appliance::path(folder) : folder;
}
