#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class ScreenConfig;

// What the Display page shows: the value texts of its rows, the entries of
// their choice menus with the one that matches the current setting, and
// the monitor label of each output. Texts are translated in the settings
// dialog's context.
namespace DisplayChoices {

// A choice menu's entries in order and the current one (-1: none matches).
struct Menu_s {
    QStringList entries;
    int current = -1;
};

// "1920x1080@60.00Hz", also for a rate word that carries xrandr's preferred
// marker ("60.00+").
QString resolutionText(const QString& mode, const QString& rate);
// "Off" for 0, otherwise the minutes rounded up: "2 min" for 61 s.
QString screenOffText(int seconds);
// "Off" for 0, otherwise tenths of a percent with one decimal: "3.5 %".
QString overscanText(int margin);
// "Duplicate", "Extend to right", "Extend to left" for 0, 1, 2.
QString arrangementText(int arrangement);
// "Default", "Template 1" ... "Template 3" for 0 ... 3.
QString wallpaperText(int image);

// The modes of one output in the model's order, the current mode marked.
Menu_s modes(const ScreenConfig& screens, int output, const QString& currentMode);
// The rates of one mode as " 1920x1080@60.00Hz ", the current rate marked;
// the preferred marker is neither shown nor compared.
Menu_s rates(const QString& mode, const QStringList& rates, const QString& currentRate);
// The secondary monitors' arrangements, by output 2's "ExtendMode".
Menu_s arrangements(const QString& extendMode);
// Off, 10, 20, 30 and 60 minutes, by the standby time-out in seconds.
Menu_s screenOff(int standbySeconds);
// Off and 0.5 % to 7.0 % in steps of 0.5, by the margin in tenths of a percent.
Menu_s overscan(int margin);
// The default picture and the three templates.
Menu_s wallpapers(int image);

// The time-out of screen-off choice 0 ... 4: 0, 600, 1200, 1800, 3600 s.
int screenOffSeconds(int choice);
// The margin of overscan choice c: c x 5 tenths of a percent.
int overscanMargin(int choice);

// The monitor label of an output: its connector's name as the viewer reads
// it on the appliance ("HDMI-A-1" becomes "HDMI2"; on a model whose name
// contains "ZR7" the connectors "HDMI-1" and "HDMI-2" are labelled the other
// way round), ": " and the name of the monitor on that connector, which
// `monitorName` looks up by connector number.
QString monitorLabel(
    const QString& outputName, const QString& applianceModel, const std::function<QString(int connector)>& monitorName);
// The connector number of an output name: its last character when that is a
// digit, 1 otherwise.
int connectorOf(const QString& outputName);

} // namespace DisplayChoices
