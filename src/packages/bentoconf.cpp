#include "packages/bentoconf.h"

#include "appliance/Appliance.h"

namespace {

const QString kAdd = QStringLiteral("pkg_add");
const QString kUpd = QStringLiteral("pkg_upd");
const QString kDel = QStringLiteral("pkg_del");

QString eventText(const QString& action, const QString& name) { return action + QLatin1Char('\n') + name; }

bool sameCi(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool isTrue(const QMap<QString, QString>& m, const QString& key)
{
    return sameCi(m.value(key), QStringLiteral("TRUE"));
}

// The values the screens show or act on; an installed record that differs in
// none of them is replaced silently.
bool confRecordsDiffer(const PkgInfo_s& a, const PkgInfo_s& b)
{
    for (const char* key : {"Version", "Enable"}) {
        if (!sameCi(a.confInfo.value(QLatin1String(key)), b.confInfo.value(QLatin1String(key))))
            return true;
    }
    for (const char* key : {"Shell", "Display_Name", "AdminOnly"}) {
        if (a.confInfo.value(QLatin1String(key)) != b.confInfo.value(QLatin1String(key)))
            return true;
    }
    return a.xmlInfo.value(QStringLiteral("start")) != b.xmlInfo.value(QStringLiteral("start"));
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
    auto changed = [this, source](const QString& event) {
        if (source == 0)
            emit confPkgChanged(event);
        else
            emit webPkgChanged(event);
    };

    auto word = m_availPkgs.find(pkg.name);
    if (word == m_availPkgs.end()) {
        m_availPkgs.insert(pkg.name, bit);
        pkgs.insert(pkg.name, pkg);
        changed(eventText(kAdd, pkg.name));
        emit availPkgChanged(eventText(kAdd, pkg.name));
        return;
    }
    if (!(*word & bit)) {
        *word |= bit;
        pkgs.insert(pkg.name, pkg);
        changed(eventText(kAdd, pkg.name));
        return;
    }
    PkgInfo_s& stored = pkgs[pkg.name];
    const bool differs = source == 0
        ? confRecordsDiffer(stored, pkg)
        : !sameCi(stored.xmlInfo.value(QStringLiteral("version")), pkg.xmlInfo.value(QStringLiteral("version")));
    stored = pkg;
    if (differs)
        changed(eventText(kUpd, pkg.name));
}

void AggPkgInfo::removePkg(QString name, int source)
{
    if ((source == 0 || source == -1) && m_confPkgs.remove(name)) {
        int& word = m_availPkgs[name];
        word &= ~InstalledBit;
        const bool gone = word == 0;
        if (gone)
            m_availPkgs.remove(name);
        emit confPkgChanged(eventText(kDel, name));
        if (gone)
            emit availPkgChanged(eventText(kDel, name));
    }
    if ((source == 1 || source == -1) && m_webPkgs.remove(name)) {
        int& word = m_availPkgs[name];
        word &= ~CatalogBit;
        const bool gone = word == 0;
        if (gone)
            m_availPkgs.remove(name);
        emit webPkgChanged(eventText(kDel, name));
        if (gone)
            emit availPkgChanged(eventText(kDel, name));
    }
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
            if (installed)
                emit confPkgChanged(eventText(kDel, name));
            else
                emit webPkgChanged(eventText(kDel, name));
            if (gone)
                emit availPkgChanged(eventText(kDel, name));
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
    if (pkg.xmlInfo.value(QStringLiteral("start")).isEmpty())
        return false;
    return isTrue(pkg.confInfo, QStringLiteral("AdminOnly")) ? isAdministrator() : true;
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
        if (pkg.xmlInfo.value(QStringLiteral("start")).isEmpty() || !isTrue(pkg.confInfo, QStringLiteral("Enable")))
            continue;
        if (isTrue(pkg.confInfo, QStringLiteral("AdminOnly")) && !admin)
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
    if (!qEnvironmentVariableIsSet("NasGroupID"))
        return false;
    // Strict decoding: a mangled value must not pass as the administrators' group.
    const auto decoded = QByteArray::fromBase64Encoding(qgetenv("NasGroupID"), QByteArray::AbortOnBase64DecodingErrors);
    return decoded && QString::fromUtf8(*decoded) == QLatin1String("0");
}

QString AggPkgInfo::localInstallPath(const PkgInfo_s& pkg, int source)
{
    const QString folder = pkg.confInfo.value(QStringLiteral("Install_Path"));
    return source == 0 ? Appliance::path(folder) : folder;
}
