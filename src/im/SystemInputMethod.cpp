#include "im/SystemInputMethod.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/Paths.h"
#include "util/xmlParser.h"

#include <algorithm>

namespace {

const char* const kOfferFile = "/etc/Tellora/config/IMList.xml";
const QLatin1String kSchema("org.freedesktop.ibus.general");

QByteArray ibus(const QStringList& args, Budget budget)
{
    return Appliance::runner().run(Appliance::path(QStringLiteral("/usr/bin/ibus")), args, budget).out;
}

QString textOf(const XMLNode& node)
{
    const char* text = node.getText();
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

SystemInputMethod* SystemInputMethod::getInstance()
{
    static SystemInputMethod instance;
    return &instance;
}

SystemInputMethod::SystemInputMethod() { init(); }

void SystemInputMethod::init()
{
    initAllList();
    initAvailableAndRemovableList();
    initActiveIM();
}

QStringList SystemInputMethod::engineIds(const QByteArray& listing)
{
    QStringList ids;
    const QStringList lines = QString::fromUtf8(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        if (line == QLatin1String("language:"))
            continue;
        const QStringList parts = line.split(QLatin1String(" - "), Qt::SkipEmptyParts);
        if (!parts.isEmpty())
            ids.append(parts.first().trimmed());
    }
    return ids;
}

QStringList SystemInputMethod::preloadIds(const QByteArray& text)
{
    QStringList ids;
    const QStringList parts = QString::fromUtf8(text).trimmed().split(QLatin1String(", "), Qt::SkipEmptyParts);
    for (const QString& part : parts)
        ids.append(part.mid(1, part.size() - 2)); // the quotes around it
    return ids;
}

QList<IMInfo> SystemInputMethod::offered(const QString& filePath, const QStringList& installed)
{
    QList<IMInfo> list;
    const XMLNode root = XMLNode::parseFile(filePath.toLocal8Bit().constData(), "IMList");
    int it = 0;
    for (XMLNode entry = root.getChildNode("IMInfo", &it); !entry.isEmpty(); entry = root.getChildNode("IMInfo", &it)) {
        const XMLNode id = entry.getChildNode("id");
        const XMLNode display = entry.getChildNode("display");
        const IMInfo im {textOf(id), textOf(display)};
        if (id.isEmpty() || display.isEmpty() || im.id.isEmpty())
            continue;
        if (installed.contains(im.id))
            list.append(im);
    }
    return list;
}

void SystemInputMethod::initAllList()
{
    m_all.clear();
    const QStringList installed = engineIds(ibus({QStringLiteral("list-engine")}, Budget::Query));
    m_all = offered(Appliance::path(QString::fromLatin1(kOfferFile)), installed);
}

void SystemInputMethod::initAvailableAndRemovableList()
{
    const QByteArray out = Appliance::runner()
                               .runShell(Paths::Bash.local(),
                                   QStringLiteral("gsettings get org.freedesktop.ibus.general preload-engines | sed -e "
                                                  "'s/\\[//g' -e 's/\\]//g'"),
                                   Budget::Query)
                               .out;
    m_available = m_all;
    m_removable.clear();
    for (const QString& id : preloadIds(out)) {
        const auto it = std::find(m_all.cbegin(), m_all.cend(), id);
        if (it == m_all.cend() || m_removable.contains(*it))
            continue;
        m_removable.append(*it);
        m_available.removeAll(*it);
    }
    std::stable_sort(m_available.begin(), m_available.end(), IMInfo::compare);
}

void SystemInputMethod::initActiveIM()
{
    const QString engine = QString::fromUtf8(ibus({QStringLiteral("engine")}, Budget::Query)).trimmed();
    const auto it = std::find(m_all.cbegin(), m_all.cend(), engine);
    if (it != m_all.cend())
        m_active = *it;
}

const IMInfo& SystemInputMethod::getActiveIM()
{
    initActiveIM();
    return m_active;
}

void SystemInputMethod::setActiveIM(const IMInfo& im)
{
    m_active = im;
    ibus({QStringLiteral("engine"), im.id}, Budget::Setting);
}

void SystemInputMethod::addIM(const IMInfo& added)
{
    const IMInfo im = added; // the argument may be an entry of a list changed here
    if (!m_removable.contains(im))
        m_removable.append(im);
    m_available.removeAll(im);
    writeDconf(m_removable);
    setActiveIM(im);
}

void SystemInputMethod::removeIM(const IMInfo& removed)
{
    const IMInfo im = removed; // the argument may be an entry of a list changed here
    if (!m_available.contains(im))
        m_available.append(im);
    m_removable.removeAll(im);
    std::stable_sort(m_available.begin(), m_available.end(), IMInfo::compare);
    writeDconf(m_removable);
    if (im == m_active && !m_removable.isEmpty())
        setActiveIM(m_removable.first());
}

void SystemInputMethod::writeDconf(const QList<IMInfo>& list)
{
    QStringList quoted;
    for (const IMInfo& im : list)
        quoted.append(QLatin1Char('\'') + im.id + QLatin1Char('\''));
    writeDconf(QLatin1Char('[') + quoted.join(QLatin1String(", ")) + QLatin1Char(']'));
}

void SystemInputMethod::writeDconf(const QString& engines)
{
    // The value is one argument, as the double quotes around it in the typed
    // command make it.
    for (const char* key : {"preload-engines", "engines-order"})
        Appliance::runner().run(QStringLiteral("gsettings"),
            {QStringLiteral("set"), kSchema, QString::fromLatin1(key), engines}, Budget::Setting);
}
