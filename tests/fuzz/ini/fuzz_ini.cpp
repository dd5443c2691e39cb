// Arbitrary bytes for both INI readers. fuzz_ini_parser, the lenient one, reads them from a real file: what it saves
// reads back to the same file, and a value set sticks. fuzz_ini_filebase (FUZZ_FILEBASE), the strict one, may fail
// only with std::logic_error; what decodes encodes and decodes back alike.
#include "../support/MemoryFiles.h"
#include "util/IniFileBase.h"
#include "util/IniParser.h"

#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
#ifdef FUZZ_FILEBASE
    ini::IniFileBase ini, again;
    try {
        ini.decode(input);
    } catch (const std::logic_error&) {
        return 0;
    }
    const std::string encoded = ini.encode();
    again.decode(encoded); // an exception here escapes and is reported
    if (!(again == ini) || again.encode() != encoded)
        __builtin_trap();
#else
    static const std::string in = memoryFile("fuzz_ini"), a = memoryFile("fuzz_ini"), b = memoryFile("fuzz_ini");
    std::ofstream(in, std::ios::binary | std::ios::trunc) << input;
    lumo::IniParser ini, again;
    if (ini.ParseFile(in) != 0 || !ini.getSessionNameByIndex(ini.getSessionCount()).empty() || ini.Save(a) != 0
        || again.ParseFile(a) != 0 || again.Save(b) != 0)
        __builtin_trap();
    // A carriage return cuts a line only once per reading: only files without one must read back unchanged.
    if (input.find('\r') == std::string::npos
        && (again.getSessionCount() != ini.getSessionCount() || slurp(a) != slurp(b)))
        __builtin_trap();
    again.Set("Screen1", "Mode", "1920x1080");
    if (again.Save() != 0 || ini.ParseFile(a) != 0 || ini.Get("Screen1", "Mode", "") != "1920x1080")
        __builtin_trap();
#endif
    return 0;
}
