// The catalog side of the package model: the online catalog of installable
// packages, filtered for this product and this appliance model.
#include "packages/DownloadManager.h"
#include "packages/bentoconf.h"

#include "appliance/Appliance.h"
#include "util/xmlParser.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUrl>

#define PKG_WARN                                                                                                       \
    qWarning().noquote() << QStringLiteral("[bentoconf][%1][%2]").arg(QLatin1String(__func__)).arg(__LINE__)

namespace {

const char* const kSystemConf = "/etc/config/corvex.conf";
const char* const kDefaultSystemConf = "/etc/default_config/corvex.conf";

QString fromXml(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

QString lastComponent(const QString& s) { return s.mid(s.lastIndexOf(QLatin1Char('/')) + 1); }

// One value of an appliance INI file. Values are taken whole after the first
// "=" (catalog addresses carry "=" in their queries and may hold brackets).
bool iniValue(const char* appliancePath, const QString& group, const QString& key, QString* value)
{
    QFile file(Appliance::path(QString::fromLatin1(appliancePath)));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString section;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && section == group && line.left(eq).trimmed() == key) {
            *value = line.mid(eq + 1).trimmed();
            return true;
        }
    }
    return false;
}

// A name the catalog hands us that becomes a folder or file name must stay
// one plain component inside the catalog folder.
bool isPlainComponent(const QString& s)
{
    return !s.isEmpty() && s != QLatin1String(".") && s != QLatin1String("..") && !s.contains(QLatin1Char('/'))
        && !s.contains(QChar(0));
}

struct Platform_s {
    QString modelName, displayName, systemModel, productClass;
    bool extendedHw = false;
};

Platform_s gatherPlatform()
{
    Platform_s p;
    p.modelName = qEnvironmentVariable("MODEL_NAME");
    p.displayName = qEnvironmentVariable("DISPLAY_NAME");
    iniValue(kSystemConf, QStringLiteral("System"), QStringLiteral("Model"), &p.systemModel);
    p.productClass = qEnvironmentVariable("BENTO_CLASS");

    QFile hw(Appliance::path(QStringLiteral("/proc/tsinfo/hw_version")));
    if (hw.open(QIODevice::ReadOnly)) {
        const QStringList parts = QString::fromUtf8(hw.readLine()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const int version = parts.size() > 1 ? parts.at(1).trimmed().toInt(nullptr, 10) : 0;
        p.extendedHw = version == 1 || version == 3;
    } else {
        QString model;
        p.extendedHw = iniValue("/etc/model.conf", QStringLiteral("System Enclosure"), QStringLiteral("MODEL"), &model)
            && model.contains(QLatin1String("Pro"), Qt::CaseInsensitive);
    }
    return p;
}

// The text of an element, or the content of its first CDATA section when it
// has no text (comments are verbatim sections too, but never values).
QString elementValue(const XMLNode& node)
{
    if (const char* text = node.getText(0))
        return QString::fromUtf8(text);
    const int n = node.nClear();
    for (int i = 0; i < n; ++i) {
        const XMLClear clear = node.getClear(i);
        if (clear.openTag && qstrcmp(clear.openTag, "<![CDATA[") == 0)
            return fromXml(clear.value);
    }
    return {};
}

// The children of an element as written (for xmlInfo) and by lower-cased
// name (for the catalog's own fields, whose names match in any case). A later
// element of the same name wins in both.
struct Elements_s {
    QMap<QString, QString> asWritten;
    QHash<QString, QString> byName;
    QString value(const char* name) const { return byName.value(QLatin1String(name)); }
};

Elements_s readElements(const XMLNode& node)
{
    Elements_s e;
    const int n = node.nChildNode();
    for (int i = 0; i < n; ++i) {
        const XMLNode child = node.getChildNode(i);
        const QString name = fromXml(child.getName());
        const QString value = elementValue(child);
        e.asWritten.insert(name, value);
        e.byName.insert(name.toLower(), value);
    }
    return e;
}

} // namespace

QString AggPkgInfo::CatalogAddress(const QString& lang)
{
    QString address;
    if (!iniValue(kSystemConf, QStringLiteral("System"), QStringLiteral("BENTO CENTER XML"), &address))
        iniValue(kDefaultSystemConf, QStringLiteral("System"), QStringLiteral("BENTO CENTER XML"), &address);
    return address.replace(QLatin1String("%s"), lang);
}

QString AggPkgInfo::CatalogFolder() { return qEnvironmentVariable("HOME") + QStringLiteral("/Vendra/IVO/BENTO"); }

QString AggPkgInfo::CatalogFile(const QString& lang)
{
    const QString address = CatalogAddress(lang);
    const QString name = address.isEmpty() ? QStringLiteral("bentocenter_%1.xml").arg(lang) : lastComponent(address);
    return CatalogFolder() + QLatin1Char('/') + name;
}

void AggPkgInfo::ReadXml(const QString& path, DownloadManager* dm)
{
    AggPkgInfo scratch(m_confPkgs, {});
    if (!QFile::exists(path)) {
        m_xmlFile.clear();
        applyWebDiff_(scratch);
        return;
    }
    const Platform_s platform = gatherPlatform();
    m_xmlFile = path;
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    const QDateTime now = QDateTime::currentDateTime();

    XMLResults results;
    const XMLNode root = XMLNode::parseFile(QFile::encodeName(path).constData(), "plugins", &results);
    int iterator = 0;
    for (XMLNode item = root.getChildNode("item", &iterator); !item.isEmpty();
         item = root.getChildNode("item", &iterator)) {
        const Elements_s e = readElements(item);
        const QString tvInstall = e.value("tvinstall");
        if (tvInstall == QLatin1String("no"))
            continue;
        const QString name = e.value("internalname");
        if (name.isEmpty() || name == platform.productClass || e.value("class") != platform.productClass)
            continue;

        Elements_s match;
        int pi = 0;
        for (XMLNode p = item.getChildNode("platform", &pi); !p.isEmpty(); p = item.getChildNode("platform", &pi)) {
            Elements_s candidate = readElements(p);
            const QString id = candidate.value("platformid");
            // An identity we could not read is empty and must not match an empty platformID.
            if (id.isEmpty() || (id != platform.modelName && id != platform.displayName && id != platform.systemModel))
                continue;
            if (candidate.value("location").isEmpty())
                continue;
            if (!candidate.value("platformreq").isEmpty() && !platform.extendedHw)
                continue;
            match = std::move(candidate);
            break;
        }
        if (match.byName.isEmpty())
            continue;

        PkgInfo_s pkg;
        pkg.name = name;
        pkg.xmlInfo = e.asWritten;
        const QString location = match.value("location");
        pkg.xmlInfo.insert(QStringLiteral("platformID"), match.value("platformid"));
        pkg.xmlInfo.insert(QStringLiteral("location"), lastComponent(location));
        pkg.xmlInfo.insert(QStringLiteral("platformReq"), match.value("platformreq"));
        pkg.confInfo.insert(QStringLiteral("location"), location);
        pkg.confInfo.insert(QStringLiteral("Class"), e.value("class"));
        auto putIfSet = [&pkg](const char* key, const QString& value) {
            if (!value.isEmpty())
                pkg.confInfo.insert(QLatin1String(key), value);
        };
        putIfSet("Version", e.value("version"));
        putIfSet("Author", e.value("maintainer"));
        putIfSet("Date", e.value("publisheddate"));
        const QString installPath = folder + name;
        pkg.confInfo.insert(QStringLiteral("Install_Path"), installPath);
        const QString nasInstall = e.value("nasinstall");
        pkg.confInfo.insert(QStringLiteral("NASInstall"), nasInstall.isEmpty() ? QStringLiteral("no") : nasInstall);

        const QString icon = e.value("icon_tv");
        if (!icon.isEmpty()) {
            const QString iconFile = lastComponent(icon);
            pkg.confInfo.insert(QStringLiteral("icon_tv"), icon);
            pkg.xmlInfo.insert(QStringLiteral("icon_tv"), iconFile);
            if (dm) {
                // The download manager names the file after the address; look
                // at the decoded form too, so "%2E%2E" cannot become "..".
                // Only web addresses: a catalog must not make us copy local files.
                const QUrl url(icon);
                const QString decoded = url.fileName(QUrl::FullyDecoded);
                const QString scheme = url.scheme().toLower();
                if (!isPlainComponent(name) || !isPlainComponent(iconFile)
                    || (!decoded.isEmpty() && !isPlainComponent(decoded))) {
                    PKG_WARN << "icon not queued: unsafe package or icon name" << name << icon;
                } else if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
                    PKG_WARN << "icon not queued: not a web address" << name << icon;
                } else {
                    const QFileInfo local(installPath + QLatin1Char('/') + iconFile);
                    const bool fresh = local.exists() && local.lastModified().secsTo(now) < 301;
                    if (!fresh)
                        dm->append(dltask_st {name, icon, installPath, QStringLiteral("BENTO.ICON"), QString()});
                }
            }
        }
        scratch.insertPkg(pkg, 1);
    }
    applyWebDiff_(scratch);
}

void AggPkgInfo::applyWebDiff_(const AggPkgInfo& scratch)
{
    const QMap<QString, int> oldAvail = m_availPkgs;
    const QMap<QString, int>& newAvail = scratch.m_availPkgs;
    for (auto it = oldAvail.cbegin(); it != oldAvail.cend(); ++it) {
        const QString& name = it.key();
        const auto found = newAvail.constFind(name);
        if (found == newAvail.cend()) {
            removePkg(name, -1);
            continue;
        }
        if (*found & CatalogBit)
            insertPkg(scratch.m_webPkgs.value(name), 1);
        else if (it.value() & CatalogBit)
            removePkg(name, 1);
    }
    for (auto it = newAvail.cbegin(); it != newAvail.cend(); ++it) {
        if (!oldAvail.contains(it.key()))
            insertPkg(scratch.m_webPkgs.value(it.key()), 1);
    }
}
