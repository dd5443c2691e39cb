#include "display/ScreenConfFile.h"

#include "appliance/Paths.h"
#include "appliance/WholeFile.h"
#include "util/IniFileBase.h"
#include "util/IniParser.h"

#include <QtDebug>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace {

std::string bytes(const QString& s) { return s.toStdString(); }
QString text(const std::string& s) { return QString::fromStdString(s); }

bool equalsIgnoringCase(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

} // namespace

ScreenConfFile::ScreenConfFile(const QString& path)
    : m_path(path.isEmpty() ? Paths::ScreenConf.local() : path)
    , m_file(std::make_unique<ini::IniFileBase>())
{
}

ScreenConfFile::~ScreenConfFile() = default;

bool ScreenConfFile::load()
{
    m_file = std::make_unique<ini::IniFileBase>();
    m_undecodable = false;
    try {
        if (m_file->load(bytes(m_path)))
            return true;
    } catch (const std::logic_error& e) {
        // Left as it is: a save would replace what the hot-plug script may
        // still make sense of.
        qWarning("%s: cannot be decoded, not written back: %s", qUtf8Printable(m_path), e.what());
        m_undecodable = true;
        m_file = std::make_unique<ini::IniFileBase>();
    }
    return false;
}

bool ScreenConfFile::save()
{
    if (m_undecodable)
        return false;
    const std::string encoded = m_file->encode();
    // The hot-plug script reads the file at any time: it finds the old or
    // the new content, never a half-written one.
    return WholeFile::write(m_path, QByteArray::fromStdString(encoded));
}

QString ScreenConfFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto it = m_file->find(bytes(section));
    if (it == m_file->end() || !it->second.has(bytes(key)))
        return defaultValue;
    return text(it->second.value(bytes(key)));
}

void ScreenConfFile::setValue(const QString& section, const QString& key, const QString& value)
{
    (*m_file)[bytes(section)].set(bytes(key), bytes(value));
}

void ScreenConfFile::remove(const QString& section, const QString& key)
{
    const auto it = m_file->find(bytes(section));
    if (it != m_file->end())
        it->second.erase(bytes(key));
}

QList<ScreenConfFile::screenInfo_s> ScreenConfFile::connectedScreens() const
{
    QList<screenInfo_s> screens;
    // The map is ordered by section name already: the page's sort order.
    for (const auto& [name, section] : *m_file) {
        screenInfo_s s;
        s.section = text(name);
        if (!s.section.contains(QLatin1String("Screen")))
            continue;
        s.connected = equalsIgnoringCase(text(section.value("Connected")), "True");
        if (!s.connected)
            continue;
        s.name = text(section.value("Name"));
        s.extendFrom = text(section.value("ExtendFrom"));
        s.extendMode = text(section.value("ExtendMode"));
        s.mode = text(section.value("Mode"));
        s.rate = text(section.value("Rate"));
        screens.append(s);
    }
    return screens;
}

QString ScreenConfFile::sectionOf(int output) { return QStringLiteral("Screen%1").arg(output + 1); }

void ScreenConfFile::setMode(int output, const QString& mode, const QString& rate)
{
    setValue(sectionOf(output), QStringLiteral("Mode"), mode);
    setValue(sectionOf(output), QStringLiteral("Rate"), rate);
}

int ScreenConfFile::arrangementOf(const QString& extendMode)
{
    if (extendMode.isEmpty())
        return Duplicate;
    if (equalsIgnoringCase(extendMode, "right"))
        return ExtendRight;
    if (equalsIgnoringCase(extendMode, "left"))
        return ExtendLeft;
    return -1;
}

void ScreenConfFile::setArrangement(Arrangement arrangement, const QList<screenInfo_s>& screens)
{
    for (int output = 1; output < kMaxOutputs; ++output) {
        remove(sectionOf(output), QStringLiteral("ExtendMode"));
        remove(sectionOf(output), QStringLiteral("ExtendFrom"));
    }
    if (arrangement == Duplicate)
        return;
    const QString mode = arrangement == ExtendLeft ? QStringLiteral("left") : QStringLiteral("right");
    for (int output = 1; output < std::min<int>(int(screens.size()), kMaxOutputs); ++output) {
        setValue(sectionOf(output), QStringLiteral("ExtendFrom"), screens[output - 1].name);
        setValue(sectionOf(output), QStringLiteral("ExtendMode"), mode);
    }
}

bool ScreenConfFile::parseMargin(const QString& text, int* margin)
{
    const std::string s = bytes(text);
    for (int base : {10, 8, 16}) {
        errno = 0;
        char* end = nullptr;
        const long v = std::strtol(s.c_str(), &end, base);
        if (end != s.c_str() && *end == '\0' && errno != ERANGE && v >= INT_MIN && v <= INT_MAX) {
            *margin = int(v);
            return true;
        }
    }
    return false;
}

int ScreenConfFile::overscanMargin(QString* error) const
{
    const auto section = m_file->find("Overscan");
    if (section == m_file->end() || !section->second.has("Margin"))
        return 0;
    int margin = 0;
    if (!parseMargin(text(section->second.value("Margin")), &margin)) {
        if (error)
            *error = QStringLiteral("field is not an int");
        return 0;
    }
    return margin;
}

void ScreenConfFile::setOverscanMargin(int margin)
{
    setValue(QStringLiteral("Overscan"), QStringLiteral("Margin"), QString::number(margin));
}

bool ScreenConfFile::clearOverscan()
{
    const QString t = value(QStringLiteral("OverScan"), QStringLiteral("Margin"));
    int margin = 0;
    if (t.isEmpty() || (parseMargin(t, &margin) && margin == 0))
        return false;
    // "OverScan" itself is left as it is, so it asks again on every reading;
    // a save each time would wake the readers watching this file, who read it
    // again.
    if (value(QStringLiteral("Overscan"), QStringLiteral("Margin")) == QLatin1String("0"))
        return false;
    setOverscanMargin(0);
    return true;
}

namespace {

// The "Mode" of the first section, in name order, whose name contains
// "Screen" (ignoring case), whose "Connected" (default "False") does not
// contain "False" (ignoring case) and whose mode passes `decides`; read with
// the lenient reader. Empty when the file cannot be read or none qualifies.
template<class Decides> std::optional<QString> firstConnectedMode(const QString& path, Decides decides)
{
    lumo::IniParser ini;
    if (ini.ParseFile(bytes(path.isEmpty() ? Paths::ScreenConf.local() : path)) != 0)
        return std::nullopt;
    for (size_t i = 0; i < ini.getSessionCount(); ++i) {
        const std::string section = ini.getSessionNameByIndex(i);
        if (!text(section).contains(QLatin1String("Screen"), Qt::CaseInsensitive))
            continue;
        if (text(ini.Get(section, "Connected", "False")).contains(QLatin1String("False"), Qt::CaseInsensitive))
            continue;
        const QString mode = text(ini.Get(section, "Mode", ""));
        if (decides(mode))
            return mode;
    }
    return std::nullopt;
}

} // namespace

QSize ScreenConfFile::modeSize(const QString& path)
{
    const auto mode = firstConnectedMode(path, [](const QString& m) { return m.split(QLatin1Char('x')).size() == 2; });
    if (!mode)
        return QSize(-1, -1);
    const QStringList parts = mode->split(QLatin1Char('x'));
    return QSize(parts[0].trimmed().toInt(), parts[1].trimmed().toInt());
}

QSize ScreenConfFile::homeScreenSize(const QSize& primary, const QString& path)
{
    const auto mode = firstConnectedMode(path, [](const QString& m) { return m.contains(QLatin1Char('x')); });
    const QStringList parts = mode ? mode->split(QLatin1Char('x')) : QStringList();
    if (parts.size() != 2)
        return QSize(-1, -1);
    bool okW = false, okH = false;
    const QSize size(parts[0].trimmed().toInt(&okW), parts[1].trimmed().toInt(&okH));
    if (okW && okH && size.width() != 0 && size.height() != 0)
        return size;
    return primary.isEmpty() ? QSize(1920, 1080) : primary;
}

bool ScreenConfFile::secondScreenExtends(const QString& path)
{
    lumo::IniParser ini;
    ini.ParseFile(bytes(path.isEmpty() ? Paths::ScreenConf.local() : path));
    const std::string name = ini.Get("Screen2", "Name", "");
    const QString mode = text(ini.Get("Screen2", "ExtendMode", ""));
    return !name.empty() && name != "none" && (equalsIgnoringCase(mode, "right") || equalsIgnoringCase(mode, "left"));
}
