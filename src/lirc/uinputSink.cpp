#include "lirc/uinputSink.h"

#include "appliance/Appliance.h"
#include "lirc/captureIo.h"
#include "lirc/irClock.h"
#include "lirc/irLog.h"
#include "lirc/rcMapTable.h"

#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

static_assert(sizeof(input_event) == 24, "the keyboard's events are 24 bytes each");
static_assert(sizeof(uinput_user_dev) == 1116, "the legacy device record is 1116 bytes");

namespace {

// The keys the virtual keyboard announces, in the order they are enabled.
constexpr int EnabledKeys[]
    = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_ENTER, KEY_EPG, KEY_ESC, KEY_RED, KEY_BLUE, KEY_GREEN, KEY_YELLOW};

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
    : m_name(name)
    , m_clock(IrClock::realTime())
    , m_colourFile(Appliance::path("/tmp/.tellora.keybolt.xxx"))
    , m_colourDisableMarker(Appliance::path("/tmp/.tellora.keybolt.disable"))
{
}

UinputSink::UinputSink(const std::string& name, int adoptedDescriptor)
    : UinputSink(name)
{
    m_fd.store(adoptedDescriptor, std::memory_order_relaxed);
}

UinputSink::~UinputSink() { destroyDevice_(); }

void UinputSink::destroyDevice_()
{
    const int fd = m_fd.exchange(-1);
    if (fd < 0)
        return;
    if (m_createdDevice)
        ioctl(fd, UI_DEV_DESTROY);
    m_createdDevice = false;
    ::close(fd);
}

int UinputSink::init()
{
    int fd = ::open(Appliance::path("/dev/uinput").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fd = ::open(Appliance::path("/dev/input/uinput").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        IR_LOG_ERROR("lirc/uinputSink", "uinput open fail");
        return -1;
    }
    destroyDevice_();
    m_fd.store(fd);

    bool ok = ioctl(fd, UI_SET_EVBIT, EV_KEY) >= 0;
    for (int key : EnabledKeys)
        ok = ok && ioctl(fd, UI_SET_KEYBIT, key) >= 0;
    if (!ok) {
        IR_LOG_ERROR("lirc/uinputSink", "ioctl fail");
        destroyDevice_();
        return -1;
    }

    std::memset(&m_device, 0, sizeof m_device);
    std::snprintf(m_device.name, sizeof m_device.name, "%s", DeviceName);
    m_device.id.bustype = BUS_USB;
    m_device.id.vendor = 2;
    m_device.id.product = 2;
    m_device.id.version = 1;
    if (::write(fd, &m_device, sizeof m_device) != ssize_t(sizeof m_device) || ioctl(fd, UI_DEV_CREATE) < 0) {
        IR_LOG_ERROR("lirc/uinputSink", "Write fail");
        destroyDevice_();
        return -1;
    }
    m_createdDevice = true;
    return 0;
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
    writeKey_(key);
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

void UinputSink::writeKey_(std::uint32_t key)
{
    // A press and a release, each closed by a report; one write keeps the
    // four together. Time fields stay zero: the kernel stamps the events.
    input_event events[4] {};
    events[0].type = EV_KEY;
    events[0].code = std::uint16_t(key);
    events[0].value = 1;
    events[1].type = EV_SYN;
    events[1].code = SYN_REPORT;
    events[2].type = EV_KEY;
    events[2].code = std::uint16_t(key);
    events[2].value = 0;
    events[3].type = EV_SYN;
    events[3].code = SYN_REPORT;
    [[maybe_unused]] const ssize_t written = ::write(m_fd.load(std::memory_order_relaxed), events, sizeof events);
}
