#include "lirc/rcMapTable.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstring>

RcMapTable::RcMapTable(std::string name)
    : m_name(std::move(name))
{
}

RcMapTable::~RcMapTable() { writeBack_(); }

namespace {

const char* skipBlanks(const char* p, const char* end)
{
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    return p;
}

} // namespace

bool RcMapTable::parseLine(const char* line, Entry_s& entry)
{
    const char* end = line + std::strlen(line);
    const char* p = skipBlanks(line, end);
    std::uint64_t scanCode = 0;
    auto [afterScan, scanError] = std::from_chars(p, end, scanCode, 16);
    if (scanError != std::errc() || afterScan == end || (*afterScan != ' ' && *afterScan != '\t'))
        return false;
    std::uint32_t keyCode = 0;
    p = skipBlanks(afterScan, end);
    auto [afterKey, keyError] = std::from_chars(p, end, keyCode, 16);
    (void)afterKey;
    if (keyError != std::errc())
        return false;
    entry = {scanCode, keyCode};
    return true;
}

int RcMapTable::loadRcMapTable(const std::string& path)
{
    std::string file;
    {
        std::lock_guard lock(m_mutex);
        if (!path.empty())
            m_path = path;
        file = m_path;
    }
    if (file.empty())
        return -1;
    // Opened for reading and updating as the appliance does: the file must
    // exist and be writable, it is never created here.
    std::FILE* f = std::fopen(file.c_str(), "r+e");
    if (!f)
        return -1;
    std::vector<Entry_s> read;
    char line[256];
    while (std::fgets(line, sizeof line, f)) {
        Entry_s entry;
        if (parseLine(line, entry))
            read.push_back(entry);
    }
    std::fclose(f);
    std::lock_guard lock(m_mutex);
    m_entries.insert(m_entries.end(), read.begin(), read.end());
    return 0;
}

int RcMapTable::writeBack_()
{
    std::lock_guard fileLock(m_fileMutex);
    std::string file;
    std::vector<Entry_s> entries;
    {
        // The capture thread only waits for this copy, never for the disk.
        std::lock_guard lock(m_mutex);
        file = m_path;
        entries = m_entries;
    }
    if (file.empty())
        return -1;
    std::FILE* f = std::fopen(file.c_str(), "we");
    if (!f)
        return -1;
    bool ok = true;
    for (const Entry_s& e : entries) {
        char text[40];
        std::snprintf(text, sizeof text, "%" PRIX64 " %" PRIX32 "\n", e.scanCode, e.keyCode);
        ok = std::fputs(text, f) >= 0 && ok;
        std::printf(">>>  %s\n", text);
    }
    std::fflush(stdout);
    return std::fclose(f) == 0 && ok ? 0 : -1;
}

void RcMapTable::setMapping(std::uint64_t scanCode, std::uint32_t keyCode)
{
    {
        std::lock_guard lock(m_mutex);
        for (Entry_s& e : m_entries)
            if (e.scanCode == scanCode)
                e.keyCode = keyCode;
        m_entries.push_back({scanCode, keyCode});
    }
    writeBack_();
}

void RcMapTable::clear()
{
    std::lock_guard lock(m_mutex);
    m_entries.clear();
}

std::uint32_t RcMapTable::lookup(std::uint64_t scanCode, bool* found) const
{
    std::lock_guard lock(m_mutex);
    for (const Entry_s& e : m_entries) {
        if (e.scanCode == scanCode) {
            if (found)
                *found = true;
            return e.keyCode;
        }
    }
    if (found)
        *found = false;
    return 0;
}

std::vector<RcMapTable::Entry_s> RcMapTable::entries() const
{
    std::lock_guard lock(m_mutex);
    return m_entries;
}

std::string RcMapTable::path() const
{
    std::lock_guard lock(m_mutex);
    return m_path;
}
