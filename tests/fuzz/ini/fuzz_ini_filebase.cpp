// Feeds arbitrary bytes to the strict INI reader. Malformed input may only
// surface as std::logic_error; whatever decodes must encode and decode back
// to the same sections.
#include "util/IniFileBase.h"

#include <cstdint>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ini::IniFileBase ini, again;
    try {
        ini.decode(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const std::logic_error&) {
        return 0;
    }
    const std::string encoded = ini.encode();
    again.decode(encoded); // an exception here escapes and is reported
    if (!(again == ini) || again.encode() != encoded)
        __builtin_trap();
    return 0;
}
