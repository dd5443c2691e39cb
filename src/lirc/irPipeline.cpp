#include "lirc/irPipeline.h"

#include "lirc/uinputSink.h"

// The process-wide objects, in one unit so their order is fixed: the tables
// are built first and destroyed last, after the capture thread has ended, so
// the thread never looks a code up in a table that is gone.
RcMapTable g_rcMapTable1;
RcMapTable g_rcMapTable2;
RcMapTable g_rcMapTable3;
Lirc g_lircLearning("/dev/lirc0");

IrPipeline::IrPipeline(Lirc& lirc)
    : m_lirc(lirc)
    , m_decoders(lirc.sampleClock())
{
}

IrPipeline::~IrPipeline()
{
    // Out of the loop first: each call returns once the capture thread is no
    // longer inside the object.
    m_lirc.unregisterSink(m_sink.get());
    for (Decoder* decoder : m_decoders.decoders())
        m_lirc.unregisterDecoder(decoder);
}

std::unique_ptr<IrPipeline> IrPipeline::assemble() { return assemble(Parts_s()); }

std::unique_ptr<IrPipeline> IrPipeline::assemble(Parts_s parts)
{
    Lirc& lirc = *parts.lirc;
    if (lirc.init() < 0)
        return nullptr;

    std::unique_ptr<IrPipeline> pipeline(new IrPipeline(lirc));
    pipeline->m_sink = parts.sink ? std::move(parts.sink) : std::make_unique<UinputSink>("uinput");
    UinputSink* sink = pipeline->m_sink.get();
    sink->init();

    // The media-centre decoder comes first, then the sink; the other five
    // decoders follow once the key tables are loaded.
    const std::span<Decoder* const> decoders = pipeline->m_decoders.decoders();
    lirc.registerDecoder(decoders.front());
    lirc.registerSink(sink);

    RcMapTable& colours = pipeline->m_builtinColourKeyTable;
    for (const RcMapTable::Entry_s& e : ColourKeys)
        colours.setMapping(e.scanCode, e.keyCode);
    sink->addRcMapTable(&colours);

    const QString home = parts.home.isEmpty() ? QString::fromLocal8Bit(qgetenv("HOME")) : parts.home;
    for (std::size_t slot = 0; slot < parts.slotTables.size(); ++slot) {
        const QString file
            = QStringLiteral("%1/%2").arg(home, QStringLiteral(".config/Vendra/lirckeytable%1.conf").arg(slot + 1));
        parts.slotTables[slot]->loadRcMapTable(file.toLocal8Bit().toStdString());
    }

    for (Decoder* decoder : decoders.subspan(1))
        lirc.registerDecoder(decoder);

    for (RcMapTable* table : parts.slotTables)
        sink->addRcMapTable(table);

    lirc.start();
    return pipeline;
}
