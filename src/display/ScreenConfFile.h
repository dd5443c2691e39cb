#pragma once

#include <QList>
#include <QSize>
#include <QString>

#include <memory>

namespace ini {
class IniFileBase;
}

// The screen configuration file (Paths::ScreenConf), shared by
// the Display page and the appliance's hot-plug script. One section per
// output, "Screen1" (the main output) to "Screen5", with "Connected" and
// "Name" (kept current by the script), "Mode" and "Rate" (the chosen mode),
// and on the secondary outputs "ExtendMode" ("right", "left", absent for a
// copy of the main output) and "ExtendFrom" (the output it extends); section
// "Overscan" holds "Margin" in tenths of a percent.
//
// Read and written with the strict INI reader; a file it cannot decode reads
// as empty and is never written over, so nothing in it is lost.
class ScreenConfFile
{
public:
    // One output as the file describes it.
    struct screenInfo_s {
        QString section; // "Screen1" ...
        QString name;
        QString extendFrom;
        QString extendMode;
        QString mode;
        QString rate;
        bool connected = false; // "Connected" equal to "True", ignoring case
    };

    // Secondary monitors: the choices of the Display page, in menu order.
    enum Arrangement { Duplicate = 0, ExtendRight = 1, ExtendLeft = 2 };

    static constexpr int kMaxOutputs = 5;

    // The file at its appliance path, or at `path` (a real path) when given.
    explicit ScreenConfFile(const QString& path = QString());
    ~ScreenConfFile();
    ScreenConfFile(const ScreenConfFile&) = delete;
    ScreenConfFile& operator=(const ScreenConfFile&) = delete;

    const QString& path() const { return m_path; }

    // Reads the file. False when it is missing or cannot be decoded; both
    // leave the model empty, and the second logs the decoder's message
    // ("l.3: ini parsing failed, ...").
    bool load();
    // Writes every section back, replacing the file; false on failure, and
    // without writing when the last load could not decode the file.
    bool save();

    QString value(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    void remove(const QString& section, const QString& key);

    // The connected outputs: sections whose name contains "Screen", sorted by
    // section name. All of them; the page shows and indexes the first five.
    QList<screenInfo_s> connectedScreens() const;

    // "Screen1" for output 0 ... "Screen5" for output 4.
    static QString sectionOf(int output);
    // "Mode" and "Rate" of output 0 ... 4 (section "Screen1" ...).
    void setMode(int output, const QString& mode, const QString& rate);

    // The arrangement named by output 2's "ExtendMode": "right", "left"
    // (ignoring case) or empty for a copy; -1 for anything else.
    static int arrangementOf(const QString& extendMode);
    // Drops "ExtendMode" and "ExtendFrom" from "Screen2" to "Screen5"; to
    // extend, output i (1-based, 2 to 5) of `screens` then extends output
    // i - 1: "ExtendFrom" its name and "ExtendMode" "right" or "left", both
    // in section "Screen" + i. A copy writes nothing back.
    void setArrangement(Arrangement arrangement, const QList<screenInfo_s>& screens);

    // "Overscan"/"Margin" in tenths of a percent: decimal, or octal or
    // hexadecimal when decimal does not read the whole text; 0 when absent.
    // Text that is none of them gives 0 and *error = "field is not an int".
    int overscanMargin(QString* error = nullptr) const;
    void setOverscanMargin(int margin);
    // Overscan is off with two or more outputs: when "OverScan"/"Margin" is
    // there and not 0, "Overscan"/"Margin" becomes "0" unless it is "0"
    // already. True when it changed something (the caller saves).
    bool clearOverscan();

    // Three readings of the file with the lenient reader, each with its own
    // rule; `path` is a real path, empty for the appliance's file. A
    // connected screen is a section in name order whose name contains
    // "Screen" (ignoring case) and whose "Connected" (default "False") does
    // not contain "False" (ignoring case).
    //
    // The main output's size for the settings' scaling: the first connected
    // screen whose "Mode" splits at "x" into exactly two parts; a part that
    // is not a number gives 0 (an interlaced mode's height). (-1, -1) when
    // the file cannot be read or no section qualifies.
    static QSize modeSize(const QString& path = QString());
    // The home screen's size: the first connected screen whose "Mode"
    // contains "x" decides. Two numbers other than 0 are the size; otherwise
    // `primary` (the primary screen's), 1920 x 1080 when that is empty too.
    // (-1, -1) when the mode does not split into two parts, no section
    // qualifies or the file cannot be read.
    static QSize homeScreenSize(const QSize& primary, const QString& path = QString());
    // Output 2 extends the main one: "Screen2/Name" is neither empty nor
    // "none" (case-sensitive) and "Screen2/ExtendMode" is "right" or "left"
    // ignoring case.
    static bool secondScreenExtends(const QString& path = QString());

    // The margin conversion on its own (decimal, octal, hexadecimal).
    static bool parseMargin(const QString& text, int* margin);

private:
    QString m_path;
    std::unique_ptr<ini::IniFileBase> m_file;
    bool m_undecodable = false;
};
