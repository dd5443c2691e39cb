// The installed side of the package model: the package configuration, each
// package's descriptor, and the virtual machines listed in the configuration.
#include "packages/bentoconf.h"

#include "appliance/Appliance.h"
#include "util/xmlParser.h"

#include <QDebug>
#include <QFile>

#include <algorithm>
#include <utility>

#define PKG_LOG qDebug().noquote() << QStringLiteral("[bentoconf][%1][%2]").arg(QLatin1String(__func__)).arg(__LINE__)

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

QMap<QString, QMap<QString, QString>> AggPkgInfo::readConfSections_(const QString& mappedPath)
{
    QMap<QString, QMap<QString, QString>> sections;
    QFile file(mappedPath);
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    const QList<QByteArray> lines = file.readAll().split('\n');

    QString section;
    QMap<QString, QString> keys;
    auto store = [&]() {
        if (!section.isEmpty() && !keys.isEmpty())
            sections.insert(section, keys);
        keys.clear();
    };
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty())
            continue;
        if (line.size() >= 2 && line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            store();
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString key = (eq < 0 ? line : line.left(eq)).trimmed();
        if (key.isEmpty())
            continue;
        QString value;
        if (eq >= 0) {
            const qsizetype eq2 = line.indexOf(QLatin1Char('='), eq + 1);
            value = line.mid(eq + 1, eq2 < 0 ? -1 : eq2 - eq - 1).trimmed();
        }
        // Keys above the first header land in the nameless section, which
        // store() never keeps.
        keys.insert(key, value);
    }
    store();
    return sections;
}

bool AggPkgInfo::readDescriptor_(const QString& folder, PkgInfo_s& pkg, bool vm)
{
    const QString path = folder + QStringLiteral("/.ivo/ivo.xml");
    PKG_LOG << "ivoConf:" << path;
    const QString mapped = Appliance::path(path);
    if (!QFile::exists(mapped))
        return false;

    XMLResults results;
    const XMLNode root = XMLNode::parseFile(QFile::encodeName(mapped).constData(), "IVO", &results);
    const int n = root.nChildNode();
    for (int i = 0; i < n; ++i) {
        const XMLNode child = root.getChildNode(i);
        QString key = fromXml(child.getName());
        if (child.isAttributeSet("lang"))
            key = QStringLiteral("%1<%2>").arg(key, fromXml(child.getAttribute("lang", 0)));
        pkg.xmlInfo.insert(key, fromXml(child.getText(0)));
    }
    if (vm) {
        const QString title = fromXml(root.getChildNode("name", 0).getText(0));
        if (!title.isEmpty())
            pkg.confInfo.insert(QStringLiteral("Display_Name"), title);
    }
    if (pkg.confInfo.value(QStringLiteral("AdminOnly")).isEmpty())
        pkg.confInfo.insert(QStringLiteral("AdminOnly"), QStringLiteral("FALSE"));
    return true;
}

void AggPkgInfo::ReadConf(const QString& path)
{
    const QMap<QString, QMap<QString, QString>> sections = readConfSections_(Appliance::path(path));
    m_confFile = sections.isEmpty() ? QString() : path;

    const QString productClass = qEnvironmentVariable("BENTO_CLASS");
    AggPkgInfo scratch({}, m_webPkgs);
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        const QMap<QString, QString>& keys = it.value();
        const QString installPath = keys.value(QStringLiteral("Install_Path"));
        if (keys.value(QStringLiteral("Class")) == productClass && !installPath.isEmpty()) {
            PkgInfo_s pkg;
            pkg.confInfo = keys;
            if (readDescriptor_(installPath, pkg, false)) {
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
            if (!readDescriptor_(folder, pkg, true) || slash < 1)
                continue;
            pkg.name = folder.mid(slash + 1);
            pkg.confInfo.insert(QStringLiteral("Name"), pkg.name);
            pkg.confInfo.insert(QStringLiteral("Install_Path"), folder);
            pkg.confInfo.insert(QStringLiteral("Class"), QStringLiteral("TELLORA_VMKIT"));
            pkg.confInfo.insert(QStringLiteral("Enable"), QStringLiteral("TRUE"));
            scratch.insertPkg(pkg, 0);
        }
    }
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
