// The catalog side of the package model: the online catalog of installable
// packages, filtered for this product and this appliance model.
#include "packages/DownloadManager.h"
#include "packages/bentoconf.h"

#include "appliance/Appliance.h"
#include "appliance/ConfigFile.h"
#include "appliance/Paths.h"
#include "packages/pkgLog.h"
#include "util/xmlParser.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace {

const char* const kDefaultSystemConf = "/etc/default_config/corvex.conf";

QString fromXml(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

QString lastComponent(const QString& s) { return s.mid(s.lastIndexOf(QLatin1Char('/')) + 1); }

// One value of an appliance INI file. Values are taken whole after the first
// "=" (catalog addresses carry "=" in their queries and may hold brackets).
bool iniValue(const char* appliancePath, const QString& group, const QString& key, QString* value)
{
    GuardedFile::State state;
    const QByteArray bytes = ConfigFile::read(Appliance::path(QString::fromLatin1(appliancePath)), &state);
    if (state != GuardedFile::State::Read)
        return false;
    QString section;
    const QList<QByteArray> lines = bytes.split('\n');
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
// one plain component inside the catalog folder, and must not take the name
// of a download's temporary file there ("~" and the final name), which would
// make that download fail for good.
bool isPlainComponent(const QString& s)
{
    return !s.isEmpty() && s != QLatin1String(".") && s != QLatin1String("..") && !s.contains(QLatin1Char('/'))
        && !s.contains(QChar(0)) && !s.startsWith(QLatin1Char('~'));
}

struct Platform_s {
    QString modelName, displayName, systemModel, productClass;
    QByteArray modelUtf8, displayUtf8, systemUtf8;
    bool extendedHw = false;

    // platformID names this appliance. Compared on the bytes where they are
    // plain ASCII, which is nearly always, without making a string first.
    bool isThis(const char* id) const
    {
        if (!id || !*id)
            return false; // an identity we could not read is empty and must not match
        for (const char* c = id; *c; ++c) {
            if (static_cast<unsigned char>(*c) >= 0x80) {
                const QString s = QString::fromUtf8(id);
                return s == modelName || s == displayName || s == systemModel;
            }
        }
        return qstrcmp(id, modelUtf8) == 0 || qstrcmp(id, displayUtf8) == 0 || qstrcmp(id, systemUtf8) == 0;
    }
};

Platform_s gatherPlatform()
{
    Platform_s p;
    p.modelName = qEnvironmentVariable("MODEL_NAME");
    p.displayName = qEnvironmentVariable("DISPLAY_NAME");
    iniValue(Paths::SystemConf.path, QStringLiteral("System"), QStringLiteral("Model"), &p.systemModel);
    p.productClass = qEnvironmentVariable("BENTO_CLASS");

    GuardedFile::State hwState;
    const QByteArray hw = ConfigFile::read(Appliance::path(QStringLiteral("/proc/tsinfo/hw_version")), &hwState);
    if (hwState == GuardedFile::State::Read) {
        const QStringList parts
            = QString::fromUtf8(hw.left(hw.indexOf('\n'))).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const int version = parts.size() > 1 ? parts.at(1).trimmed().toInt(nullptr, 10) : 0;
        p.extendedHw = version == 1 || version == 3;
    } else {
        QString model;
        p.extendedHw
            = iniValue(Paths::ModelConf.path, QStringLiteral("System Enclosure"), QStringLiteral("MODEL"), &model)
            && model.contains(QLatin1String("Pro"), Qt::CaseInsensitive);
    }
    p.modelUtf8 = p.modelName.toUtf8();
    p.displayUtf8 = p.displayName.toUtf8();
    p.systemUtf8 = p.systemModel.toUtf8();
    return p;
}

// The text of an element, or the content of its first CDATA section when it
// has no text (comments are verbatim sections too, but never values).
const char* rawValue(const XMLNode& node)
{
    if (const char* text = node.getText(0))
        return text;
    const int n = node.nClear();
    for (int i = 0; i < n; ++i) {
        const XMLClear clear = node.getClear(i);
        if (clear.openTag && qstrcmp(clear.openTag, "<![CDATA[") == 0)
            return clear.value;
    }
    return nullptr;
}

QString elementValue(const XMLNode& node) { return fromXml(rawValue(node)); }

// The catalog's own elements, matched by name in any case.
enum Field_ {
    InternalName,
    Class,
    TvInstall,
    NasInstall,
    Version,
    Maintainer,
    PublishedDate,
    IconTv,
    Platform,
    PlatformId,
    Location,
    PlatformReq,
    FieldCount,
    Other = FieldCount
};
const char* const kFieldNames[FieldCount] = {"internalName", "class", "TVInstall", "NASInstall", "version",
    "maintainer", "publishedDate", "icon_tv", "platform", "platformID", "location", "platformReq"};

// Element names repeat from item to item in the same order: each distinct
// name becomes a string (and is matched against the fields) only once, and
// knows its place in key order, so that an item's entries can be put into
// their map in order instead of being compared into it one by one.
//
// A hostile catalog may bring thousands of distinct names. Names are looked
// up by the address the XML reader gives them (it stores each name of a
// document once; a name stored twice only costs a second record). The key
// order is numbered again only once names not yet numbered were met again
// as often as there are names: each such meeting costs comparisons of text,
// so numbering at most doubles what they cost and a catalog of new names
// only is never numbered at all. Until then a new name is ordered by its text.
class ElementNames
{
public:
    struct Name_s {
        const char* raw; // the document's copy, or a literal: the document outlives the reader
        QString name;
        int field;
        int rank; // position among all names in QString order; -1: not yet numbered
        // The first eight UTF-16 units, so that most comparisons in QString
        // order are two of integers (names hold no NUL to pad with).
        quint64 prefix[2];
        size_t length; // of raw
        bool ascii; // then raw bytes compare in QString order
    };
    const Name_s& get(const char* raw)
    {
        if (m_next < m_names.size() && m_names[m_next].raw == raw)
            return met_(m_names[m_next++]);
        const auto known = m_byAddress.constFind(raw);
        if (known != m_byAddress.cend()) {
            m_next = *known + 1;
            return met_(m_names[*known]);
        }
        const size_t length = std::strlen(raw);
        Name_s added {raw, fromXml(raw), fieldOf_(raw, length), -1, {0, 0}, length,
            std::all_of(raw, raw + length, [](char c) { return static_cast<unsigned char>(c) < 0x80; })};
        for (qsizetype i = 0; i < 8; ++i)
            added.prefix[i / 4] = added.prefix[i / 4] << 16 | (i < added.name.size() ? added.name.at(i).unicode() : 0);
        m_names.push_back(std::move(added));
        m_byAddress.insert(raw, m_names.size() - 1);
        m_next = m_names.size();
        return m_names.back();
    }
    // Before each item: numbers the names again when that pays.
    void restart()
    {
        m_next = 0;
        if (m_unrankedMet >= m_names.size())
            rank_();
    }

    // Key order; names that read the same (raw bytes differ only in broken
    // UTF-8) are equal, so that document order decides between them.
    static bool less(const Name_s* a, const Name_s* b)
    {
        if (a->rank >= 0 && b->rank >= 0)
            return a->rank < b->rank;
        if (a->prefix[0] != b->prefix[0])
            return a->prefix[0] < b->prefix[0];
        return a->prefix[1] != b->prefix[1] ? a->prefix[1] < b->prefix[1] : compare_(a, b) < 0;
    }
    static bool same(const Name_s* a, const Name_s* b)
    {
        if (a == b)
            return true;
        if (a->rank >= 0 && b->rank >= 0)
            return a->rank == b->rank;
        return a->prefix[0] == b->prefix[0] && a->prefix[1] == b->prefix[1] && compare_(a, b) == 0;
    }

private:
    const Name_s& met_(const Name_s& name)
    {
        m_unrankedMet += name.rank < 0 ? 1 : 0;
        return name;
    }
    // QString order; plain ASCII compared byte by byte.
    static int compare_(const Name_s* a, const Name_s* b)
    {
        if (!a->ascii || !b->ascii)
            return QString::compare(a->name, b->name);
        const int c = std::memcmp(a->raw, b->raw, std::min(a->length, b->length));
        return c ? c : a->length < b->length ? -1 : a->length > b->length ? 1 : 0;
    }
    static int fieldOf_(const char* raw, size_t length)
    {
        static const auto lengths = [] {
            std::array<size_t, FieldCount> l {};
            for (int f = 0; f < FieldCount; ++f)
                l[size_t(f)] = std::strlen(kFieldNames[f]);
            return l;
        }();
        for (int f = 0; f < FieldCount; ++f) {
            if (lengths[size_t(f)] == length && qstricmp(raw, kFieldNames[f]) == 0)
                return f;
        }
        return Other;
    }
    void rank_()
    {
        std::vector<Name_s*> order;
        order.reserve(m_names.size());
        for (Name_s& n : m_names) {
            n.rank = -1; // ordered by text alone, then numbered afresh
            order.push_back(&n);
        }
        std::sort(order.begin(), order.end(), less);
        for (size_t i = 0; i < order.size(); ++i)
            order[i]->rank = i > 0 && same(order[i], order[i - 1]) ? order[i - 1]->rank : int(i);
        m_unrankedMet = 0;
    }

    std::deque<Name_s> m_names; // stable addresses: entries are handed out by reference
    QHash<const char*, size_t> m_byAddress;
    size_t m_next = 0;
    size_t m_unrankedMet = 0;
};

// An item's entries in document order, put into a map in key order.
struct Entries_s {
    QList<std::pair<const ElementNames::Name_s*, QString>> list;
    std::vector<std::pair<const ElementNames::Name_s*, qsizetype>> order; // reused from item to item
    QMap<QString, QString> toMap()
    {
        // Nearly always in the same order as the items before; sorted only
        // when not, by name and then by place, so that of two equal names
        // the later (which wins) comes last.
        order.clear();
        for (qsizetype i = 0; i < list.size(); ++i)
            order.emplace_back(list[i].first, i);
        const auto byName = [](const auto& a, const auto& b) { return ElementNames::less(a.first, b.first); };
        if (!std::is_sorted(order.begin(), order.end(), byName))
            std::stable_sort(order.begin(), order.end(), byName);
        std::map<QString, QString> m;
        for (size_t i = 0; i < order.size(); ++i) {
            if (i + 1 < order.size() && ElementNames::same(order[i + 1].first, order[i].first))
                continue;
            m.emplace_hint(m.end(), order[i].first->name, list[order[i].second].second);
        }
        return QMap<QString, QString>(std::move(m));
    }
};

} // namespace

QString AggPkgInfo::CatalogAddress(const QString& lang)
{
    QString address;
    if (!iniValue(Paths::SystemConf.path, QStringLiteral("System"), QStringLiteral("BENTO CENTER XML"), &address))
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
    QMap<QString, PkgInfo_s> web;
    if (!QFile::exists(path)) {
        m_xmlFile.clear();
        applyWebDiff_(web);
        return;
    }
    const Platform_s platform = gatherPlatform();
    m_xmlFile = path;
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    const QDateTime now = QDateTime::currentDateTime();
    // Icons live in one sub-folder per package: a folder that is not there
    // holds no icon, and needs no look at the disk.
    std::optional<QSet<QString>> iconFolders;

    XMLResults results;
    const XMLNode root = XMLNode::parseFile(QFile::encodeName(path).constData(), "plugins", &results);
    ElementNames names;
    QList<XMLNode> platforms;
    Entries_s entries;
    // The entries the reader adds itself, ranked among the catalog's names.
    const ElementNames::Name_s* const platformIdName = &names.get("platformID");
    const ElementNames::Name_s* const locationName = &names.get("location");
    const ElementNames::Name_s* const platformReqName = &names.get("platformReq");
    const ElementNames::Name_s* const iconName = &names.get("icon_tv");
    int iterator = 0;
    for (XMLNode item = root.getChildNode("item", &iterator); !item.isEmpty();
         item = root.getChildNode("item", &iterator)) {
        // Every child by name as written; the catalog's own fields by name in
        // any case. A later element of a name wins in both.
        QString field[FieldCount];
        PkgInfo_s pkg;
        platforms.clear();
        entries.list.clear();
        names.restart();
        const int n = item.nChildNode();
        for (int i = 0; i < n; ++i) {
            const XMLNode child = item.getChildNode(i);
            const ElementNames::Name_s& name = names.get(child.getName());
            const QString value = elementValue(child);
            entries.list.append({&name, value});
            if (name.field == Platform)
                platforms.append(child);
            else if (name.field != Other)
                field[name.field] = value;
        }
        if (field[TvInstall] == QLatin1String("no"))
            continue;
        const QString& name = field[InternalName];
        if (name.isEmpty() || name == platform.productClass || field[Class] != platform.productClass)
            continue;

        // The first build for this appliance; strings only for the one taken.
        const char* match[FieldCount] = {};
        bool matched = false;
        for (const XMLNode& p : std::as_const(platforms)) {
            const char* candidate[FieldCount] = {};
            const int pn = p.nChildNode();
            for (int i = 0; i < pn; ++i) {
                const XMLNode child = p.getChildNode(i);
                const int f = names.get(child.getName()).field;
                if (f == PlatformId || f == Location || f == PlatformReq)
                    candidate[f] = rawValue(child);
            }
            if (!platform.isThis(candidate[PlatformId]) || !candidate[Location] || !*candidate[Location])
                continue;
            if (candidate[PlatformReq] && *candidate[PlatformReq] && !platform.extendedHw)
                continue;
            std::copy(std::begin(candidate), std::end(candidate), std::begin(match));
            matched = true;
            break;
        }
        if (!matched)
            continue;

        pkg.name = name;
        const QString location = fromXml(match[Location]);
        const QString& icon = field[IconTv];
        const QString iconFile = lastComponent(icon);
        // After the item's own elements, so that these win.
        entries.list.append({platformIdName, fromXml(match[PlatformId])});
        entries.list.append({locationName, lastComponent(location)});
        entries.list.append({platformReqName, fromXml(match[PlatformReq])});
        if (!icon.isEmpty())
            entries.list.append({iconName, iconFile});
        pkg.xmlInfo = entries.toMap();
        const QString installPath = folder + name;
        {
            // Keys in their map order, each placed at the end.
            std::map<QString, QString> conf;
            auto put = [&conf](const QString& key, const QString& value) { conf.emplace_hint(conf.end(), key, value); };
            if (!field[Maintainer].isEmpty())
                put(QStringLiteral("Author"), field[Maintainer]);
            put(QStringLiteral("Class"), field[Class]);
            if (!field[PublishedDate].isEmpty())
                put(QStringLiteral("Date"), field[PublishedDate]);
            put(QStringLiteral("Install_Path"), installPath);
            put(QStringLiteral("NASInstall"), field[NasInstall].isEmpty() ? QStringLiteral("no") : field[NasInstall]);
            if (!field[Version].isEmpty())
                put(QStringLiteral("Version"), field[Version]);
            if (!icon.isEmpty())
                put(QStringLiteral("icon_tv"), icon);
            put(QStringLiteral("location"), location);
            pkg.confInfo = QMap<QString, QString>(std::move(conf));
        }

        if (!icon.isEmpty()) {
            if (dm) {
                // The download manager names the file after the address; its
                // decoded form must be plain too ("%2E%2E", "%2F"), whatever
                // a server or a later step makes of the escapes.
                // Only web addresses: a catalog must not make us copy local files.
                const QString decoded
                    = iconFile.contains(QLatin1Char('%')) ? QUrl::fromPercentEncoding(iconFile.toUtf8()) : iconFile;
                if (!isPlainComponent(name) || !isPlainComponent(iconFile) || !isPlainComponent(decoded)) {
                    PKG_WARN << "icon not queued: unsafe package or icon name" << name << icon;
                } else if (!icon.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
                    && !icon.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
                    PKG_WARN << "icon not queued: not a web address" << name << icon;
                } else {
                    if (!iconFolders) {
                        const QStringList present
                            = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
                        iconFolders = QSet<QString>(present.cbegin(), present.cend());
                    }
                    bool fresh = false;
                    if (iconFolders->contains(name)) {
                        const QFileInfo local(installPath + QLatin1Char('/') + iconFile);
                        fresh = local.exists() && local.lastModified().secsTo(now) < 301;
                    }
                    if (!fresh)
                        dm->append(dltask_st {name, icon, installPath, QStringLiteral("BENTO.ICON"), QString()});
                }
            }
        }
        web.insert(web.cend(), name, pkg); // catalogs usually list their items in name order
    }
    applyWebDiff_(web);
}

void AggPkgInfo::applyWebDiff_(const QMap<QString, PkgInfo_s>& web)
{
    // The new availability is the installed side as it is now plus the new
    // catalog; both are copies, so listeners that call back cannot disturb it.
    const QMap<QString, int> oldAvail = m_availPkgs;
    const QMap<QString, PkgInfo_s> conf = m_confPkgs;
    for (auto it = oldAvail.cbegin(); it != oldAvail.cend(); ++it) {
        const QString& name = it.key();
        const auto found = web.constFind(name);
        if (found != web.cend())
            insertPkg(*found, 1);
        else if (!conf.contains(name))
            removePkg(name, -1);
        else if (it.value() & CatalogBit)
            removePkg(name, 1);
    }
    for (auto it = web.cbegin(); it != web.cend(); ++it) {
        if (!oldAvail.contains(it.key()))
            insertPkg(it.value(), 1);
    }
}
