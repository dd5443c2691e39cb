#include "display/ScreenConfig.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/Paths.h"

namespace {

QStringList words(const QString& line) { return line.split(QLatin1Char(' '), Qt::SkipEmptyParts); }

} // namespace

ScreenConfig::ScreenConfig() { refresh(false); }

void ScreenConfig::refresh(bool /*force*/)
{
    m_outputs.clear();
    const CommandResult_s r
        = Appliance::runner().runShell(Paths::Bash.local(), QStringLiteral("xrandr -q"), Budget::Query);
    m_outputs = parse(QString::fromUtf8(r.out));
}

QList<ScreenConfig::outputConfig_s> ScreenConfig::parse(const QString& text)
{
    QList<outputConfig_s> outputs;
    outputConfig_s current; // nameless until the first header
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // The X screen's summary line, and the header of an output without a
        // monitor. Mode lines that xrandr prints below such a header are read
        // as more modes of the output before it, or dropped when none came
        // before.
        if (line.contains(QLatin1String("Screen")) || line.contains(QLatin1String("disconnected")))
            continue;
        QStringList w = words(line);
        if (w.isEmpty())
            continue;
        if (line.contains(QLatin1String("connected"))) {
            if (!current.name.isEmpty())
                outputs.append(current);
            current = outputConfig_s {};
            current.name = w.first();
            continue;
        }
        modeLine_s mode;
        mode.name = w.takeFirst();
        for (QString& rate : w) {
            const qsizetype star = rate.indexOf(QLatin1Char('*'));
            if (star >= 0)
                rate.remove(star, 1);
            // The markers written apart from their rate are no rates.
            if (!rate.isEmpty() && rate != QLatin1String("+"))
                mode.rates.append(rate);
        }
        current.modes.append(mode);
    }
    if (!current.name.isEmpty())
        outputs.append(current);
    return outputs;
}

int ScreenConfig::numOfMode(int output) const
{
    return output >= 0 && output < m_outputs.size() ? int(m_outputs[output].modes.size()) : 0;
}

bool ScreenConfig::mode(int index, QString& name, QList<QString>& rates, int output) const
{
    if (output < 0 || output >= m_outputs.size())
        return false;
    const QList<modeLine_s>& modes = m_outputs[output].modes;
    if (index < 0 || index >= modes.size())
        return false;
    name = modes[index].name;
    rates = modes[index].rates;
    return true;
}

int ScreenConfig::getOutputByName(const QString& name) const
{
    if (m_outputs.size() < 2 || name.isEmpty())
        return 0;
    for (int i = 0; i < m_outputs.size(); ++i)
        if (m_outputs[i].name == name)
            return i;
    return 0;
}

int ScreenConfig::modeHeight(const QString& modeName)
{
    const qsizetype x = modeName.indexOf(QLatin1Char('x'));
    if (x < 0)
        return 0;
    QString height = modeName.mid(x + 1);
    if (height.endsWith(QLatin1Char('i')))
        height.chop(1);
    return height.toInt();
}

QString ScreenConfig::plainRate(const QString& rate)
{
    return rate.endsWith(QLatin1Char('+')) ? rate.chopped(1) : rate;
}
