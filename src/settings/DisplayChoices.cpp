#include "settings/DisplayChoices.h"

#include "display/ScreenConfFile.h"
#include "display/ScreenConfig.h"
#include "prefs/SettingsTexts.h"

#include <QCoreApplication>

namespace DisplayChoices {

namespace {

constexpr int kScreenOffMinutes[] = {10, 20, 30, 60};
constexpr int kOverscanSteps = 14; // 0.5 % ... 7.0 %

QString minutes(int n) { return QStringLiteral("%1 %2").arg(n).arg(SettingsTexts::tr("min")); }
QString percent(int margin) { return QStringLiteral("%1 %").arg(margin / 10.0, 0, 'f', 1); }

} // namespace

QString resolutionText(const QString& mode, const QString& rate)
{
    return QStringLiteral("%1@%2Hz").arg(mode, ScreenConfig::plainRate(rate));
}

QString screenOffText(int seconds) { return seconds == 0 ? SettingsTexts::tr("Off") : minutes((seconds + 59) / 60); }

QString overscanText(int margin) { return margin == 0 ? SettingsTexts::tr("Off") : percent(margin); }

QString arrangementText(int arrangement)
{
    switch (arrangement) {
    case ScreenConfFile::ExtendRight:
        return SettingsTexts::tr("Extend to right");
    case ScreenConfFile::ExtendLeft:
        return SettingsTexts::tr("Extend to left");
    default:
        return SettingsTexts::tr("Duplicate");
    }
}

QString wallpaperText(int image)
{
    switch (image) {
    case 1:
        return SettingsTexts::tr("Template 1");
    case 2:
        return SettingsTexts::tr("Template 2");
    case 3:
        return SettingsTexts::tr("Template 3");
    default:
        return SettingsTexts::tr("Default");
    }
}

Menu_s modes(const ScreenConfig& screens, int output, const QString& currentMode)
{
    Menu_s menu;
    for (int i = 0; i < screens.numOfMode(output); ++i) {
        QString name;
        QList<QString> rates;
        screens.mode(i, name, rates, output);
        if (name == currentMode && menu.current < 0)
            menu.current = i;
        menu.entries << name;
    }
    return menu;
}

Menu_s rates(const QString& mode, const QStringList& rates, const QString& currentRate)
{
    Menu_s menu;
    for (const QString& word : rates) {
        const QString rate = ScreenConfig::plainRate(word);
        if (rate == ScreenConfig::plainRate(currentRate) && menu.current < 0)
            menu.current = int(menu.entries.size());
        menu.entries << QStringLiteral(" %1@%2Hz ").arg(mode, rate);
    }
    return menu;
}

Menu_s arrangements(const QString& extendMode)
{
    Menu_s menu;
    for (int a : {ScreenConfFile::Duplicate, ScreenConfFile::ExtendRight, ScreenConfFile::ExtendLeft})
        menu.entries << arrangementText(a);
    menu.current = ScreenConfFile::arrangementOf(extendMode);
    return menu;
}

Menu_s screenOff(int standbySeconds)
{
    Menu_s menu {{SettingsTexts::tr("Off")}, standbySeconds == 0 ? 0 : -1};
    for (int m : kScreenOffMinutes) {
        if (standbySeconds == m * 60)
            menu.current = int(menu.entries.size());
        menu.entries << minutes(m);
    }
    return menu;
}

Menu_s overscan(int margin)
{
    Menu_s menu {{SettingsTexts::tr("Off")}, margin == 0 ? 0 : -1};
    for (int i = 1; i <= kOverscanSteps; ++i) {
        if (margin == overscanMargin(i))
            menu.current = i;
        menu.entries << percent(overscanMargin(i));
    }
    return menu;
}

Menu_s wallpapers(int image)
{
    Menu_s menu;
    for (int i = 0; i <= 3; ++i)
        menu.entries << wallpaperText(i);
    menu.current = image >= 0 && image <= 3 ? image : -1;
    return menu;
}

int screenOffSeconds(int choice)
{
    return choice >= 1 && choice <= int(std::size(kScreenOffMinutes)) ? kScreenOffMinutes[choice - 1] * 60 : 0;
}

int overscanMargin(int choice) { return choice * 5; }

int connectorOf(const QString& outputName)
{
    const QChar last = outputName.isEmpty() ? QChar() : outputName.back();
    return last >= QLatin1Char('0') && last <= QLatin1Char('9') ? last.unicode() - '0' : 1;
}

QString monitorLabel(
    const QString& outputName, const QString& applianceModel, const std::function<QString(int connector)>& monitorName)
{
    const int k = connectorOf(outputName);
    QString shown = outputName;
    if (shown.contains(QLatin1String("HDMI-A")))
        shown = QStringLiteral("HDMI%1").arg(k + 1);
    if (applianceModel.contains(QLatin1String("ZR7"))) {
        if (shown == QLatin1String("HDMI-1"))
            shown = QStringLiteral("HDMI-2");
        else if (shown == QLatin1String("HDMI-2"))
            shown = QStringLiteral("HDMI-1");
    }
    return shown + QStringLiteral(": ") + monitorName(k);
}

} // namespace DisplayChoices
