// Feeds arbitrary bytes to the lenient INI reader through a real file and
// checks that what it saves reads back to the same file.
#include "util/IniParser.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

// A plain array, so the exit handler that removes the folder never sees a
// destroyed string. Memory-backed when the machine has it: every run writes files.
char g_dir[] = "/dev/shm/fuzz_ini_parser_XXXXXX";

std::string workDir()
{
    static const bool made = [] {
        if (!::mkdtemp(g_dir) && !::mkdtemp(std::strcpy(g_dir, "/tmp/fuzz_ini_parser_XXXXXX")))
            std::abort();
        std::atexit([] { std::filesystem::remove_all(g_dir); });
        return true;
    }();
    (void)made;
    return g_dir;
}

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void require(bool ok)
{
    if (!ok)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string in = workDir() + "/in.ini";
    const std::string first = workDir() + "/first.ini";
    const std::string second = workDir() + "/second.ini";
    std::ofstream(in, std::ios::binary | std::ios::trunc) << input;

    lumo::IniParser ini;
    require(ini.ParseFile(in) == 0);
    const size_t count = ini.getSessionCount();
    for (size_t i = 0; i < count; ++i)
        ini.Get(ini.getSessionNameByIndex(i), "Mode", "");
    require(ini.getSessionNameByIndex(count).empty());
    require(ini.Save(first) == 0);

    // A carriage return cuts a line only once per reading, so only files
    // without one are bound to read back unchanged.
    lumo::IniParser again;
    require(again.ParseFile(first) == 0);
    require(again.Save(second) == 0);
    if (input.find('\r') == std::string::npos) {
        require(again.getSessionCount() == count);
        require(slurp(first) == slurp(second));
    }

    again.Set("Screen1", "Mode", "1920x1080");
    require(again.Save() == 0);
    require(ini.ParseFile(first) == 0);
    require(ini.Get("Screen1", "Mode", "") == "1920x1080");
    return 0;
}
