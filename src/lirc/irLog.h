#pragma once

// The IR subsystem's own log lines on standard error, written in three pieces:
// the colour, "[File:<unit>][Line:<line>][Func:<signature>]: <message>\n", and
// the colour reset. Errors are bold red, the one informational line bold cyan.
namespace IrLog {

inline constexpr const char* ErrorColour = "\033[1;31m";
inline constexpr const char* InfoColour = "\033[1;36m";
inline constexpr const char* ResetColour = "\033[m";

void write(const char* colour, const char* unit, int line, const char* function, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

} // namespace IrLog

// UNIT is the reporting unit's source path as it appears in the line, for
// example "lirc/lirc"; the rest is a printf format and its arguments.
#define IR_LOG_ERROR(unit, ...) ::IrLog::write(::IrLog::ErrorColour, unit, __LINE__, __PRETTY_FUNCTION__, __VA_ARGS__)
#define IR_LOG_INFO(unit, ...) ::IrLog::write(::IrLog::InfoColour, unit, __LINE__, __PRETTY_FUNCTION__, __VA_ARGS__)
