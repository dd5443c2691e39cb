#pragma once

#include "lirc/outputSink.h"
#include "lirc/virtualKeyboard.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

class IrClock;

// The virtual keyboard "IVO-lirc-uinput": every dispatched scan code that a
// key table maps becomes one press and release, at most one every 300 ms.
// Colour keys go to the one-touch button tool through a file instead, unless
// the tool's marker file disables that.
class UinputSink : public OutputSink
{
public:
    explicit UinputSink(const std::string& name);
    // Takes over an open descriptor as the keyboard (tests read the exact
    // events from a pipe); init() still behaves as ever.
    UinputSink(const std::string& name, int adoptedDescriptor);
    ~UinputSink() override;
    UinputSink(const UinputSink&) = delete;
    UinputSink& operator=(const UinputSink&) = delete;

    // Creates the virtual keyboard: 0, or -1 after an IR log line.
    int init();

    void pushScanCode(unsigned long code) override;
    unsigned long popScanCode() override;
    unsigned long frontScakCode() override;
    const std::string& getSinkName() const override { return m_name; }
    void clear() override { }
    void addRcMapTable(RcMapTable* table) override;
    void dispatch(unsigned long code) override;

    // The key of a scan code across the tables in order: the first entry of
    // each table decides, a key code of 0 defers to the next table. 0: none.
    std::uint32_t keyFor(std::uint64_t scanCode) const;
    std::vector<RcMapTable*> tables() const;
    int descriptor() const { return m_keyboard.descriptor(); }

    // The debounce clock; nullptr is the real-time clock. Read on the thread
    // that dispatches, so set it before capture starts.
    void setClock(IrClock* clock);
    // Forgets the last accepted time, process-wide (tests).
    static void resetDebounce();

    static constexpr std::int64_t DebounceNs = 300'000'000;
    static constexpr const char* DeviceName = "IVO-lirc-uinput";

private:
    bool debounce_(std::int64_t nowNs);
    // Writes the colour word of a colour key; false for other keys.
    bool divertColourKey_(std::uint32_t key);

    VirtualKeyboard m_keyboard;
    const std::string m_name;
    std::deque<unsigned long> m_fifo;
    std::vector<RcMapTable*> m_tables;
    mutable std::mutex m_mutex; // the FIFO and the table list
    std::atomic<IrClock*> m_clock;
    // Appliance paths mapped once, on the thread that builds the sink.
    const std::string m_colourFile;
    const std::string m_colourDisableMarker;
};
