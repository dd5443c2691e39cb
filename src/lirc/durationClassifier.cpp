#include "lirc/durationClassifier.h"

DurationClassifier::DurationClassifier(std::span<const Window_s> windows)
{
    for (const Window_s& window : windows)
        if (m_count < MaxWindows)
            m_windows[m_count++] = window;

    for (unsigned int bucket = 0; bucket < Buckets; ++bucket) {
        const unsigned int first = bucket << BucketShift, last = first + (1u << BucketShift) - 1;
        // A bucket answers for all its durations unless some window starts or
        // ends inside it.
        bool mixed = false;
        for (int i = 0; i < m_count && !mixed; ++i) {
            const Window_s& w = m_windows[i];
            mixed = (w.lo > first && w.lo <= last) || (w.hi >= first && w.hi < last);
        }
        m_table[bucket] = mixed ? Mixed : scan_(first);
    }
}
