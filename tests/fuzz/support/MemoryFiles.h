#pragma once

// Files in memory for the fuzz targets that read and write by name, in a folder of their own (removed at exit): the
// writers rename a new file over the old, which a descriptor's file under /proc cannot take.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

inline std::string memoryFile(const char* name)
{
    struct Folder_s {
        char path[25] = "/dev/shm/ivo-fuzz-XXXXXX";
        Folder_s()
        {
            if (!::mkdtemp(path))
                ::mkdtemp(std::strcpy(path, "/tmp/ivo-fuzz-XXXXXX"));
        }
        ~Folder_s() { std::filesystem::remove_all(path); }
    };
    static Folder_s folder;
    static int count = 0;
    return folder.path + ('/' + std::string(name)) + '.' + std::to_string(++count);
}

inline std::string slurp(const std::string& path)
{
    return std::string(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}
