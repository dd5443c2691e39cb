// Feeds arbitrary bytes to the strict INI reader. Malformed input may only
// surface as std::logic_error; whatever decodes must encode and decode back
// to the same sections.
#include "util/IniFileBase.h"

#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    ini::IniFileBase ini;
    try {
        ini.decode(in);
    } catch (const std::logic_error&) {
        return 0;
    }
    const std::string encoded = ini.encode();
    ini::IniFileBase again;
    again.decode(encoded); // an exception here escapes and is reported
    if (!(again == ini) || again.encode() != encoded)
        __builtin_trap();
    return 0;
}
