#include "lirc/uinputSink.h"

#include "appliance/Paths.h"
#include "lirc/captureIo.h"
#include "lirc/irClock.h"
#include "lirc/irLog.h"
#include "lirc/rcMapTable.h"

#include <linux/input.h>
#include <unistd.h>

namespace {

// The keys the virtual keyboard announces, in the order they are enabled.
constexpr int EnabledKeys[]
    = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_ENTER, KEY_EPG, KEY_ESC, KEY_RED, KEY_BLUE, KEY_GREEN, KEY_YELLOW};
// The kernel's device, and where some systems keep it.
constexpr const char* Devices[] = {Paths::Uinput.path, "/dev/input/uinput"};

const char* colourWord(std::uint32_t key)
{
    switch (key) {
    case KEY_RED:
        return "red";
    case KEY_GREEN:
        return "green";
    case KEY_BLUE:
        return "blue";
    case KEY_YELLOW:
        return "yellow";
    }
    return nullptr;
}

// The last accepted scan code's time, process-wide; none before the first.
std::atomic<std::int64_t> s_lastAcceptedNs {0};
std::atomic<bool> s_accepted {false};

} // namespace

UinputSink::UinputSink(const std::string& name)
    : UinputSink(name, -1)
{
}

UinputSink::UinputSink(const std::string& name, int adoptedDescriptor)
    : m_keyboard(adoptedDescriptor)
    , m_name(name)
    , m_clock(IrClock::realTime())
    , m_colourFile(Paths::KeyboltMarker.localStd())
    , m_colourDisableMarker(Appliance::path("/tmp/.tellora.keybolt.disable"))
{
}

UinputSink::~UinputSink() = default;

int UinputSink::init()
{
    switch (m_keyboard.create({DeviceName, 2, 2, EnabledKeys, Devices})) {
    case VirtualKeyboard::Result::Created:
        return 0;
    case VirtualKeyboard::Result::NoDevice:
        IR_LOG_ERROR("lirc/uinputSink", "uinput open fail");
        break;
    case VirtualKeyboard::Result::Refused:
        IR_LOG_ERROR("lirc/uinputSink", "ioctl fail");
        break;
    case VirtualKeyboard::Result::WriteFailed:
        IR_LOG_ERROR("lirc/uinputSink", "Write fail");
        break;
    }
    return -1;
}

void UinputSink::pushScanCode(unsigned long code)
{
    std::lock_guard lock(m_mutex);
    m_fifo.push_back(code);
}

unsigned long UinputSink::popScanCode()
{
    std::lock_guard lock(m_mutex);
    if (m_fifo.empty())
        return 0;
    const unsigned long code = m_fifo.front();
    m_fifo.pop_front();
    return code;
}

unsigned long UinputSink::frontScakCode()
{
    std::lock_guard lock(m_mutex);
    return m_fifo.empty() ? 0 : m_fifo.front();
}

void UinputSink::addRcMapTable(RcMapTable* table)
{
    std::lock_guard lock(m_mutex);
    m_tables.push_back(table);
}

std::vector<RcMapTable*> UinputSink::tables() const
{
    std::lock_guard lock(m_mutex);
    return m_tables;
}

std::uint32_t UinputSink::keyFor(std::uint64_t scanCode) const
{
    std::lock_guard lock(m_mutex);
    for (const RcMapTable* table : m_tables)
        if (const std::uint32_t key = table->lookup(scanCode))
            return key;
    return 0;
}

void UinputSink::setClock(IrClock* clock) { m_clock.store(clock ? clock : IrClock::realTime()); }

void UinputSink::resetDebounce()
{
    s_accepted.store(false);
    s_lastAcceptedNs.store(0);
}

bool UinputSink::debounce_(std::int64_t nowNs)
{
    // A clock set back (the real-time clock can be) must not mute the remote
    // until it catches up: that code passes and starts a new interval.
    const std::int64_t last = s_lastAcceptedNs.load(std::memory_order_relaxed);
    if (s_accepted.load(std::memory_order_relaxed) && nowNs >= last && nowNs - last < DebounceNs)
        return false;
    s_lastAcceptedNs.store(nowNs, std::memory_order_relaxed);
    s_accepted.store(true, std::memory_order_relaxed);
    return true;
}

void UinputSink::dispatch(unsigned long code)
{
    // Every code that passes the debounce starts a new interval, whether a
    // table maps it or not.
    if (!debounce_(m_clock.load(std::memory_order_relaxed)->nowNs()))
        return;
    const std::uint32_t key = keyFor(code);
    if (key == 0 || divertColourKey_(key))
        return;
    m_keyboard.tap(std::uint16_t(key));
}

bool UinputSink::divertColourKey_(std::uint32_t key)
{
    const char* word = colourWord(key);
    if (!word || ::access(m_colourDisableMarker.c_str(), F_OK) == 0)
        return false;
    // The home window watches this file and hands the colour to the
    // one-touch button tool. It lies in a world-writable folder: written
    // only as a regular file, after the capture lock is released.
    CaptureIo::writeMarker(m_colourFile, word);
    return true;
}
