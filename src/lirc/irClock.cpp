#include "lirc/irClock.h"

#include <ctime>

IrClock::~IrClock() = default;

std::int64_t IrClock::realTimeNs()
{
    timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

namespace {

class RealTimeClock final : public IrClock
{
public:
    std::int64_t nowNs() override { return realTimeNs(); }
};

} // namespace

IrClock* IrClock::realTime()
{
    static RealTimeClock clock;
    return &clock;
}
