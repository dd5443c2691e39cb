#pragma once

#include <cstdint>
#include <span>

// Sorts a duration into a protocol's nominal durations: the windows are tried
// in the protocol's order and the first that contains the duration gives its
// symbol; 0 means no window. Windows are inclusive.
//
// Every sample of every decoder goes through here, so the answer comes from a
// table of 64 µs buckets when the whole bucket falls into one window (or into
// none); only buckets holding a window edge, and durations past the table,
// try the windows one by one.
class DurationClassifier
{
public:
    struct Window_s {
        unsigned int lo, hi;
        std::uint8_t symbol;
    };
    static constexpr unsigned int Open = 0xFFFFFFu; // a window without upper bound
    static constexpr int MaxWindows = 8;

    explicit DurationClassifier(std::span<const Window_s> windows);

    std::uint8_t classify(unsigned int us) const
    {
        const unsigned int bucket = us >> BucketShift;
        if (bucket < Buckets && m_table[bucket] != Mixed)
            return m_table[bucket];
        return scan_(us);
    }

private:
    static constexpr unsigned int BucketShift = 6;
    static constexpr unsigned int Buckets = 2048; // up to 131 ms
    static constexpr std::uint8_t Mixed = 0xFF;

    std::uint8_t scan_(unsigned int us) const
    {
        for (int i = 0; i < m_count; ++i)
            if (us >= m_windows[i].lo && us <= m_windows[i].hi)
                return m_windows[i].symbol;
        return 0;
    }

    Window_s m_windows[MaxWindows];
    int m_count = 0;
    std::uint8_t m_table[Buckets];
};
