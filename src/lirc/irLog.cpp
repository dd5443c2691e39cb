#include "lirc/irLog.h"

#include "lirc/captureIo.h"

#include <cstdarg>
#include <cstdio>

namespace IrLog {

void write(const char* colour, const char* unit, int line, const char* function, const char* format, ...)
{
    // The middle piece is formatted first so it reaches the unbuffered stream
    // in one write; longer lines are cut rather than allocated.
    char text[1024];
    int used = std::snprintf(text, sizeof text, "[File:%s][Line:%d][Func:%s]: ", unit, line, function);
    if (used < 0)
        used = 0;
    if (std::size_t(used) < sizeof text - 1) {
        va_list args;
        va_start(args, format);
        const int more = std::vsnprintf(text + used, sizeof text - 1 - used, format, args);
        va_end(args);
        if (more > 0)
            used += more;
    }
    if (std::size_t(used) > sizeof text - 2)
        used = sizeof text - 2;
    text[used] = '\n';
    text[used + 1] = '\0';

    CaptureIo::writeLog(colour, text, ResetColour);
}

} // namespace IrLog
