// Arbitrary key table files: whatever a file holds, the entries read from it
// write back as a file that reads as the same entries.
#include "lirc/rcMapTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

// A file in memory, reachable by path.
struct MemFile_s {
    int fd = memfd_create("keytable", MFD_CLOEXEC);
    std::string path = "/proc/self/fd/" + std::to_string(fd);
    ~MemFile_s() { ::close(fd); }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Every written line is echoed on standard output.
    check(std::freopen("/dev/null", "w", stdout) != nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemFile_s file;
    check(file.fd >= 0);
    check(::write(file.fd, data, size) == ssize_t(size));
    RcMapTable table;
    check(table.loadRcMapTable(file.path) == 0);
    const std::vector<RcMapTable::Entry_s> entries = table.entries();
    // The shortest entry line is "0 0\n", and one line holds one entry.
    check(entries.size() <= (size + 1) / 4);
    for (const RcMapTable::Entry_s& e : entries) {
        bool found = false;
        table.lookup(e.scanCode, &found);
        check(found);
    }

    // Written back in place, the file reads as the same entries.
    check(table.writeBack_() == 0);
    RcMapTable reread;
    check(reread.loadRcMapTable(file.path) == 0);
    check(reread.entries() == entries);
    return 0;
}
