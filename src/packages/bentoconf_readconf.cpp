// The installed side of the package model: the package configuration, each
// package's descriptor, and the virtual machines listed in the configuration.
#include "packages/bentoconf.h"

#include "appliance/Appliance.h"
#include "appliance/ConfigFile.h"
#include "packages/pkgLog.h"
#include "util/xmlParser.h"

#include <QDebug>
#include <QFile>

#include <algorithm>
#include <utility>

namespace {

const QString kVmPathKey = QStringLiteral("TELLORA_VMKIT_PATH_");

QString fromXml(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

// The machine folders of the virtual-machine section, by machine number
// below `count`. Only keys that are present are visited: a huge count in a
// damaged file must not make the reader walk billions of missing entries.
QList<std::pair<int, QString>> vmFolders(const QMap<QString, QString>& keys, int count)
{
    QList<std::pair<int, QString>> folders;
    for (auto it = keys.lowerBound(kVmPathKey); it != keys.cend() && it.key().startsWith(kVmPathKey); ++it) {
        const QString digits = it.key().mid(kVmPathKey.size());
        bool ok = false;
        const int n = digits.toInt(&ok, 10);
        // Keys are written as the plain decimal number ("_7", never "_07" or "_+7").
        if (ok && n >= 0 && n < count && QString::number(n) == digits)
            folders.append({n, it.value()});
    }
    std::sort(folders.begin(), folders.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return folders;
}

} // namespace

AggPkgInfo::Sections_ AggPkgInfo::readConfSections_(const QByteArray& bytes)
{
    Sections_ sections;
    // Decoded once and cut into views: only keys and values become strings.
    const QString text = QString::fromUtf8(bytes);

    QString section;
    QMap<QString, QString> keys;
    auto store = [&]() {
        if (!section.isEmpty() && !keys.isEmpty())
            sections.insert(section, keys);
        keys.clear();
    };
    const QStringView all(text);
    for (qsizetype start = 0; start <= all.size();) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = all.size();
        const QStringView line = all.mid(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty())
            continue;
        if (line.size() >= 2 && line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            store();
            section = line.mid(1, line.size() - 2).toString();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QStringView key = (eq < 0 ? line : line.left(eq)).trimmed();
        if (key.isEmpty())
            continue;
        QStringView value;
        if (eq >= 0) {
            const qsizetype eq2 = line.indexOf(QLatin1Char('='), eq + 1);
            value = line.mid(eq + 1, eq2 < 0 ? -1 : eq2 - eq - 1).trimmed();
        }
        // Keys above the first header land in the nameless section, which
        // store() never keeps.
        keys.insert(key.toString(), value.toString());
    }
    store();
    return sections;
}

bool AggPkgInfo::readDescriptor_(
    const QString& folder, PkgInfo_s& pkg, bool vm, QHash<QString, Descriptor_s>& seen) const
{
    const QString path = folder + QStringLiteral("/.ivo/ivo.xml");
    PKG_LOG << "ivoConf:" << path;
    // Read as the XML reader reads a file; a descriptor that cannot be read
    // (a folder, a FIFO, a link to a device) parses as an empty one.
    GuardedFile::State state;
    QByteArray bytes = ConfigFile::read(Appliance::path(path), &state);
    if (state == GuardedFile::State::Missing)
        return false;
    auto known = seen.constFind(path);
    if (known == seen.cend() || known->bytes != bytes) {
        const auto previous = m_descriptors.constFind(path);
        if (previous != m_descriptors.cend() && previous->bytes == bytes) {
            known = seen.insert(path, *previous);
        } else {
            Descriptor_s d;
            const char* text = bytes.constData();
            if (bytes.startsWith("\xEF\xBB\xBF"))
                text += 3;
            XMLResults results;
            const XMLNode root = XMLNode::parseString(text, "IVO", &results);
            const int n = root.nChildNode();
            for (int i = 0; i < n; ++i) {
                const XMLNode child = root.getChildNode(i);
                QString key = fromXml(child.getName());
                if (child.isAttributeSet("lang"))
                    key = QStringLiteral("%1<%2>").arg(key, fromXml(child.getAttribute("lang", 0)));
                d.xmlInfo.insert(key, fromXml(child.getText(0)));
            }
            d.title = fromXml(root.getChildNode("name", 0).getText(0));
            d.bytes = std::move(bytes);
            known = seen.insert(path, std::move(d));
        }
    }

    // Entries of an unchanged descriptor are shared with the record read last time.
    if (pkg.xmlInfo.isEmpty())
        pkg.xmlInfo = known->xmlInfo;
    else
        pkg.xmlInfo.insert(known->xmlInfo);
    if (vm && !known->title.isEmpty())
        pkg.confInfo.insert(QStringLiteral("Display_Name"), known->title);
    if (pkg.confInfo.value(QStringLiteral("AdminOnly")).isEmpty())
        pkg.confInfo.insert(QStringLiteral("AdminOnly"), QStringLiteral("FALSE"));
    return true;
}

void AggPkgInfo::ReadConf(const QString& path)
{
    // A missing or unreadable file reads as an empty one. Every tile goes
    // with it, so a file that is there but cannot be read is worth a line.
    GuardedFile::State state;
    const QByteArray bytes = ConfigFile::read(Appliance::path(path), &state);
    if (int(state) != m_confState) {
        const auto previous = GuardedFile::State(m_confState);
        const auto bad
            = [](GuardedFile::State s) { return s != GuardedFile::State::Read && s != GuardedFile::State::Missing; };
        if (bad(state) || bad(previous))
            PKG_WARN << path << "is" << GuardedFile::describe(state);
        m_confState = int(state);
    }
    if (bytes != m_confBytes || m_confSections.isEmpty()) {
        m_confSections = readConfSections_(bytes);
        // Every installed record says whether it is for administrators only.
        for (QMap<QString, QString>& keys : m_confSections) {
            if (keys.value(QStringLiteral("AdminOnly")).isEmpty())
                keys.insert(QStringLiteral("AdminOnly"), QStringLiteral("FALSE"));
        }
        m_confBytes = bytes;
    }
    const Sections_& sections = m_confSections;
    m_confFile = sections.isEmpty() ? QString() : path;

    const QString productClass = qEnvironmentVariable("BENTO_CLASS");
    AggPkgInfo scratch({}, m_webPkgs);
    QHash<QString, Descriptor_s> seen;
    seen.reserve(sections.size());
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        const QMap<QString, QString>& keys = it.value();
        const QString installPath = keys.value(QStringLiteral("Install_Path"));
        if (keys.value(QStringLiteral("Class")) == productClass && !installPath.isEmpty()) {
            PkgInfo_s pkg;
            pkg.confInfo = keys; // shared with the sections kept for the next read
            if (readDescriptor_(installPath, pkg, false, seen)) {
                pkg.name = it.key();
                scratch.insertPkg(pkg, 0);
            }
            continue;
        }
        const QString vmCount = keys.value(QStringLiteral("TELLORA_VMKIT_NUM"));
        if (keys.value(QStringLiteral("Name")) != QLatin1String("VMKIT") || vmCount.isEmpty())
            continue;
        const int count = vmCount.toInt(nullptr, 10); // not a number: 0
        for (const auto& [n, folder] : vmFolders(keys, count)) {
            PkgInfo_s pkg;
            const qsizetype slash = folder.lastIndexOf(QLatin1Char('/'));
            if (!readDescriptor_(folder, pkg, true, seen) || slash < 1)
                continue;
            pkg.name = folder.mid(slash + 1);
            pkg.confInfo.insert(QStringLiteral("Name"), pkg.name);
            pkg.confInfo.insert(QStringLiteral("Install_Path"), folder);
            pkg.confInfo.insert(QStringLiteral("Class"), QStringLiteral("TELLORA_VMKIT"));
            pkg.confInfo.insert(QStringLiteral("Enable"), QStringLiteral("TRUE"));
            scratch.insertPkg(pkg, 0);
        }
    }
    m_descriptors = std::move(seen);
    applyConfDiff_(scratch);
}

void AggPkgInfo::applyConfDiff_(const AggPkgInfo& scratch)
{
    const QMap<QString, int> oldAvail = m_availPkgs;
    const QMap<QString, int>& newAvail = scratch.m_availPkgs;
    for (auto it = oldAvail.cbegin(); it != oldAvail.cend(); ++it) {
        const QString& name = it.key();
        PKG_LOG << "ioldpkg:" << name;
        const auto found = newAvail.constFind(name);
        if (found == newAvail.cend()) {
            removePkg(name, -1);
            continue;
        }
        const bool wasInstalled = it.value() & InstalledBit;
        const bool isInstalled = *found & InstalledBit;
        if (isInstalled)
            insertPkg(scratch.m_confPkgs.value(name), 0);
        else if (wasInstalled)
            removePkg(name, 0);
    }
    for (auto it = newAvail.cbegin(); it != newAvail.cend(); ++it) {
        if (oldAvail.contains(it.key()))
            continue;
        PKG_LOG << "inewpkg:" << it.key();
        insertPkg(scratch.m_confPkgs.value(it.key()), 0);
    }
}
