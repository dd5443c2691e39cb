#pragma once

#include "lirc/decoderSet.h"
#include "lirc/lirc.h"
#include "lirc/rcMapTable.h"

#include <QString>

#include <array>
#include <memory>

class UinputSink;

// The raw remote-control pipeline of an appliance with its own receiver: the
// capture thread opened on its device, the six decoders in their fixed order,
// the virtual keyboard with the built-in colour keys and the three learned
// tables. Built once by the home window; destroying it takes the sink and
// the decoders out of the capture loop before they go.
class IrPipeline
{
public:
    struct Parts_s {
        Lirc* lirc = &g_lircLearning;
        // The learned remotes of slots 0, 1 and 2.
        std::array<RcMapTable*, 3> slotTables {&g_rcMapTable1, &g_rcMapTable2, &g_rcMapTable3};
        // nullptr: a UinputSink named "uinput". Its init() runs either way.
        std::unique_ptr<UinputSink> sink;
        // Where the key table files live; empty: the HOME environment variable.
        QString home;
    };

    // Opens the capture device and builds everything in order; nullptr (and
    // nothing built) when the device cannot be opened.
    static std::unique_ptr<IrPipeline> assemble(Parts_s parts);
    static std::unique_ptr<IrPipeline> assemble();
    ~IrPipeline();
    IrPipeline(const IrPipeline&) = delete;
    IrPipeline& operator=(const IrPipeline&) = delete;

    UinputSink* sink() const { return m_sink.get(); }
    RcMapTable& builtinColourKeyTable() { return m_builtinColourKeyTable; }

    // Scan codes of the colour keys of media-centre remotes, and their keys.
    static constexpr std::array<RcMapTable::Entry_s, 4> ColourKeys {{
        {0x40070248, 398}, // KEY_RED
        {0x800F0494, 401}, // KEY_BLUE
        {0x800F0492, 399}, // KEY_GREEN
        {0x40070249, 400}, // KEY_YELLOW
    }};

private:
    explicit IrPipeline(Lirc& lirc);

    Lirc& m_lirc;
    RcMapTable m_builtinColourKeyTable;
    std::unique_ptr<UinputSink> m_sink;
    // Decoders share the capture loop's clock: one time read per sample.
    DecoderSet m_decoders;
};
