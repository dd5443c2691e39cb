#pragma once

// Files in memory for the fuzz targets that read and write by name, in a folder of their own on the RAM file system
// (removed at exit): the writers rename a new file over the old, which a descriptor's file under /proc cannot take.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string memoryFile(const char* name)
{
    struct Folder_s {
        std::string path;
        Folder_s()
        {
            char shm[] = "/dev/shm/ivo-fuzz-XXXXXX", tmp[] = "/tmp/ivo-fuzz-XXXXXX";
            path = ::mkdtemp(shm) ? shm : ::mkdtemp(tmp) ? tmp : "/tmp";
        }
        ~Folder_s() { std::filesystem::remove_all(path); }
    };
    static Folder_s folder;
    static int count = 0;
    return folder.path + '/' + name + '.' + std::to_string(++count);
}

inline std::string slurp(const std::string& path)
{
    return std::string(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}
