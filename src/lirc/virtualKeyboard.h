#pragma once

#include <atomic>
#include <cstdint>
#include <span>

#include <linux/uinput.h>

// A keyboard made through the kernel's uinput device. What it announces (its
// name, identity and the keys it may type) is fixed when it is created, and
// the device goes with the object. Both virtual keyboards of the program are
// one of these, each with its own identity.
//
// Threads: create() and destruction on one thread, tap() from any other; the
// descriptor is handed over atomically.
class VirtualKeyboard
{
public:
    struct Identity_s {
        const char* name;
        std::uint16_t vendor;
        std::uint16_t product;
        // Enabled in this order.
        std::span<const int> keys;
        // Appliance paths of the uinput device, tried in order.
        std::span<const char* const> devices;
    };

    enum class Result {
        Created,
        NoDevice, // none of the device paths opens; a previous descriptor stays
        Refused, // the device refused the key type or a key
        WriteFailed, // the description was not written whole or creation failed
    };

    VirtualKeyboard() = default;
    // Takes over an open descriptor (tests read the events from a pipe); it is
    // closed, not destroyed, at the end.
    explicit VirtualKeyboard(int adoptedDescriptor);
    ~VirtualKeyboard();
    VirtualKeyboard(const VirtualKeyboard&) = delete;
    VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

    // Opens the first device path that opens (write-only, non-blocking) in
    // place of any previous descriptor, enables the keys, writes the legacy
    // description (bus type USB, version 1, every other field zero) and
    // creates the device. A failure after the open closes the descriptor.
    Result create(const Identity_s& identity);
    // A press and a release of key, each closed by a report, in one write;
    // time fields zero. Nothing without a descriptor; write errors ignored.
    void tap(std::uint16_t key);
    // -1 when there is none.
    int descriptor() const { return m_fd.load(std::memory_order_relaxed); }

private:
    void release_();

    std::atomic<int> m_fd {-1};
    bool m_created = false;
    uinput_user_dev m_description {};
};
