// Feeds arbitrary bytes to the lenient INI reader through a real file: what
// it saves must read back to the same file, and a value set must stick.
#include "util/IniParser.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/mman.h>

// A file in memory, opened again by name for each use.
static std::string memoryFile() { return "/proc/self/fd/" + std::to_string(memfd_create("fuzz_ini", 0)); }

static std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string in = memoryFile(), a = memoryFile(), b = memoryFile();
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::ofstream(in, std::ios::binary | std::ios::trunc) << input;
    lumo::IniParser ini, again;
    if (ini.ParseFile(in) != 0 || !ini.getSessionNameByIndex(ini.getSessionCount()).empty() || ini.Save(a) != 0
        || again.ParseFile(a) != 0 || again.Save(b) != 0)
        __builtin_trap();
    // A carriage return cuts a line only once per reading, so only files
    // without one are bound to read back unchanged.
    if (input.find('\r') == std::string::npos
        && (again.getSessionCount() != ini.getSessionCount() || slurp(a) != slurp(b)))
        __builtin_trap();
    again.Set("Screen1", "Mode", "1920x1080");
    if (again.Save() != 0 || ini.ParseFile(a) != 0 || ini.Get("Screen1", "Mode", "") != "1920x1080")
        __builtin_trap();
    return 0;
}
