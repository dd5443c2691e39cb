#pragma once

// Files in memory for the fuzz targets that read and write by name: each opened again by name for each use.
#include <fstream>
#include <iterator>
#include <string>

#include <sys/mman.h>

inline std::string memoryFile(const char* name) { return "/proc/self/fd/" + std::to_string(memfd_create(name, 0)); }

inline std::string slurp(const std::string& path)
{
    return std::string(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}
