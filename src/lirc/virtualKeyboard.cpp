#include "lirc/virtualKeyboard.h"

#include "appliance/Appliance.h"

#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

static_assert(sizeof(input_event) == 24, "a keyboard's events are 24 bytes each");
static_assert(sizeof(uinput_user_dev) == 1116, "the legacy device description is 1116 bytes");

VirtualKeyboard::VirtualKeyboard(int adoptedDescriptor)
    : m_fd(adoptedDescriptor)
{
}

VirtualKeyboard::~VirtualKeyboard() { release_(); }

void VirtualKeyboard::release_()
{
    const int fd = m_fd.exchange(-1);
    if (fd < 0)
        return;
    if (m_created)
        ::ioctl(fd, UI_DEV_DESTROY);
    m_created = false;
    ::close(fd);
}

VirtualKeyboard::Result VirtualKeyboard::create(const Identity_s& identity)
{
    int fd = -1;
    for (const char* device : identity.devices) {
        fd = ::open(Appliance::path(device).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            break;
    }
    if (fd < 0)
        return Result::NoDevice;
    release_();
    m_fd.store(fd);

    bool ok = ::ioctl(fd, UI_SET_EVBIT, EV_KEY) >= 0;
    for (int key : identity.keys)
        ok = ok && ::ioctl(fd, UI_SET_KEYBIT, key) >= 0;
    if (!ok) {
        release_();
        return Result::Refused;
    }

    std::memset(&m_description, 0, sizeof m_description);
    std::snprintf(m_description.name, sizeof m_description.name, "%s", identity.name);
    m_description.id.bustype = BUS_USB;
    m_description.id.vendor = identity.vendor;
    m_description.id.product = identity.product;
    m_description.id.version = 1;
    if (::write(fd, &m_description, sizeof m_description) != ssize_t(sizeof m_description)
        || ::ioctl(fd, UI_DEV_CREATE) < 0) {
        release_();
        return Result::WriteFailed;
    }
    m_created = true;
    return Result::Created;
}

void VirtualKeyboard::tap(std::uint16_t key)
{
    const int fd = m_fd.load(std::memory_order_relaxed);
    if (fd < 0)
        return;
    input_event events[4] {};
    events[0].type = EV_KEY;
    events[0].code = key;
    events[0].value = 1;
    events[1].type = EV_SYN;
    events[1].code = SYN_REPORT;
    events[2].type = EV_KEY;
    events[2].code = key;
    events[2].value = 0;
    events[3].type = EV_SYN;
    events[3].code = SYN_REPORT;
    [[maybe_unused]] const ssize_t written = ::write(fd, events, sizeof events);
}
