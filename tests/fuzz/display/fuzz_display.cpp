// The display models on whatever their tools print, fed through the command runner as each tool's standard output.
// fuzz_xrandr: "xrandr -q"; every output and mode has a name, no rate word is empty or a marker, and the lookups stay
// inside the lists. fuzz_xset (FUZZ_XSET): "xset q"; blanking off means no time-outs, none is negative, and without a
// DPMS section nothing is read. fuzz_edidtext (FUZZ_EDID): parse-edid's and then edid-decode's text; a name is only
// ever a piece of one line.
#include "../support/MemoryFiles.h"
#include "../support/ToolFuzzing.h"
#include "display/DpmsConfig.h"
#include "display/EDIDInfo.h"
#include "display/ScreenConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QByteArray input; // every command's answer
    static int calls = 0;
    static FuzzRunner runner([](const QString&, const QStringList&) { return ++calls, input; });
    input = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    calls = 0;
    const QString text = QString::fromUtf8(input);
#if defined(FUZZ_XSET)
    const DpmsConfig dpms;
    int standby = -1, suspend = -1, off = -1;
    dpms.mode(&standby, &suspend, &off);
    check(standby >= 0 && suspend >= 0 && off >= 0 && (dpms.enabled() == 1 || dpms.enabled() == 0));
    check(dpms.enabled() == 1 || standby + suspend + off == 0);
    bool titled = false;
    for (const QString& line : text.split('\n'))
        titled = titled || line.startsWith(QLatin1String("DPMS"));
    check(titled || standby + suspend + off == 0);
#elif defined(FUZZ_EDID)
    static const std::string file = memoryFile("edid");
    std::ofstream {file}; // an empty EDID file
    EDIDInfo info;
    info.init(QString::fromStdString(file));
    check(calls == (text.trimmed().isEmpty() ? 2 : 1));
    const QStringList lines = text.split('\n');
    for (const QString& name : {info.getIdentifier(), info.getModelName()}) {
        bool inLine = name.isEmpty();
        for (const QString& line : lines)
            inLine = inLine || line.contains(name);
        check(inLine);
    }
#else
    const ScreenConfig screens;
    check(calls == 1 && screens.numOfOutput() == ScreenConfig::parse(text).size());
    QString name;
    QList<QString> rates;
    for (int o = -1; o <= screens.numOfOutput(); ++o) {
        const auto& output = screens.outputs().value(o);
        check(o < 0 || o >= screens.numOfOutput() || (!output.name.isEmpty() && !output.name.contains(' ')));
        check(screens.numOfMode(o) == output.modes.size());
        for (int m = -1; m <= screens.numOfMode(o); ++m) {
            const bool inside = m >= 0 && m < screens.numOfMode(o);
            check(screens.mode(m, name, rates, o) == inside);
            check(!inside || (!name.isEmpty() && !name.contains(' ')));
            for (const QString& rate : inside ? rates : QList<QString>())
                check(!rate.isEmpty() && rate != QLatin1String("+") && !rate.contains(' '));
        }
        check(o < 0 || o >= screens.numOfOutput() || screens.getOutputByName(output.name) <= o);
    }
#endif
    return 0;
}
