#pragma once

#include <QList>
#include <QString>

// The connected video outputs and their modes as the X server reports them
// through "xrandr -q", in the order xrandr prints them. The Display page
// offers these modes and rates; it writes the choice to the screen
// configuration file (ScreenConfFile) and the hot-plug script applies it.
class ScreenConfig
{
public:
    struct modeLine_s {
        QString name; // as xrandr prints it: "1920x1080", "1920x1080i"
        QString note; // nothing fills it; empty after a refresh
        // The refresh-rate words in xrandr's order, the current-mode marker
        // "*" removed and an attached preferred marker kept ("50.00+").
        QList<QString> rates;
    };

    struct outputConfig_s {
        QList<modeLine_s> modes; // in xrandr's order
        QString name; // first word of the output's header line: "HDMI-1"
        QString note; // nothing fills these three; empty and 0 after a refresh
        int reserved1 = 0;
        int reserved2 = 0;
    };

    // Reads the outputs at once.
    ScreenConfig();

    // Runs "xrandr -q" through bash and rebuilds the list; the argument has
    // no effect. Output that cannot be read leaves the list empty.
    void refresh(bool force = false);

    // Number of modes of an output; 0 for an index outside the list.
    int numOfMode(int output) const;
    // Copies mode `index` of `output`; false, with name and rates untouched,
    // for an index outside either list.
    bool mode(int index, QString& name, QList<QString>& rates, int output) const;
    // Index of the first output with exactly that name; 0 when the list has
    // fewer than two outputs, the name is empty or no output has it.
    int getOutputByName(const QString& name) const;

    int numOfOutput() const { return int(m_outputs.size()); }
    const QList<outputConfig_s>& outputs() const { return m_outputs; }

    // The connected outputs in the text of "xrandr -q".
    static QList<outputConfig_s> parse(const QString& text);
    // The line height of a mode name, the text after its "x" without the
    // interlace "i": 1080 for "1920x1080i"; 0 when that is not a number.
    static int modeHeight(const QString& modeName);
    // A rate word without the preferred marker that stays attached to the
    // current mode's rate ("60.00+" from "60.00*+"): the rate a viewer reads,
    // the file keeps and the hot-plug script passes to xrandr.
    static QString plainRate(const QString& rate);

private:
    QList<outputConfig_s> m_outputs;
};
