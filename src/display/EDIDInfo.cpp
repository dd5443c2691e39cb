#include "display/EDIDInfo.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

// A file path as shell text: as it is when it holds only plain characters
// (every sysfs path does), else in single quotes.
QString shellWord(const QString& path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:+-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    QString quoted = path;
    quoted.replace(QLatin1String("'"), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString toolOutput(const char* tool, const QString& path)
{
    const QString script = Appliance::path(QString::fromLatin1(tool)) + QStringLiteral(" < ") + shellWord(path);
    return QString::fromUtf8(
        Appliance::runner().runShell(Appliance::path(QStringLiteral("/bin/sh")), script, Budget::Query).out)
        .trimmed();
}

// The rest of a line after its label and one blank, without its first and
// last character (parse-edid's quotes).
QString unquoted(const QString& line, qsizetype labelWithBlank)
{
    const QString rest = line.mid(labelWithBlank);
    return rest.size() > 2 ? rest.mid(1, rest.size() - 2) : QString();
}

} // namespace

QString EDIDInfo::sysfsPath(const QString& card, const QString& port)
{
    return QStringLiteral("/sys/class/drm/card%1-HDMI-A-%2/edid").arg(card, port);
}

void EDIDInfo::init(const QString& card, const QString& port)
{
    QString error;
    parse_(Appliance::path(sysfsPath(card, port)), error);
}

void EDIDInfo::init(const QString& path)
{
    QString error;
    parse_(path, error);
}

int EDIDInfo::parse_(const QString& path, QString& error)
{
    if (!QFileInfo::exists(path)) {
        error = QStringLiteral("%1 is not exists.").arg(path);
        return 1;
    }
    QString text = toolOutput("/usr/bin/parse-edid", path);
    if (text.isEmpty())
        text = toolOutput("/usr/bin/edid-decode", path);
    interpret(text);
    return 0;
}

void EDIDInfo::interpret(const QString& toolOutput)
{
    const QStringList lines = toolOutput.split(QLatin1Char('\n'));
    int found = 0;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("Identifier"))) {
            m_identifier = unquoted(line, 11);
            ++found;
        } else if (line.startsWith(QLatin1String("ModelName"))) {
            m_modelName = unquoted(line, 10);
            ++found;
        }
        if (found == 2)
            break;
    }
    if (!m_identifier.isEmpty() || !m_modelName.isEmpty())
        return;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("Monitor name"))) {
            m_identifier = m_modelName = line.mid(14);
            return;
        }
    }
}
