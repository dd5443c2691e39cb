#include "lirc/rcMapTable.h"

#include "util/GuardedFile.h"

#include <cctype>
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

// A hexadecimal number as "%lX" reads it: an optional "0x" or "0X" first.
template<class T> std::from_chars_result hexNumber(const char* p, const char* end, T& value)
{
    if (end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && std::isxdigit(static_cast<unsigned char>(p[2])))
        p += 2;
    return std::from_chars(p, end, value, 16);
}

} // namespace

bool RcMapTable::parseLine(const char* line, Entry_s& entry)
{
    const char* end = line + std::strlen(line);
    const char* p = skipBlanks(line, end);
    std::uint64_t scanCode = 0;
    auto [afterScan, scanError] = hexNumber(p, end, scanCode);
    if (scanError != std::errc() || afterScan == end || (*afterScan != ' ' && *afterScan != '\t'))
        return false;
    std::uint32_t keyCode = 0;
    p = skipBlanks(afterScan, end);
    auto [afterKey, keyError] = hexNumber(p, end, keyCode);
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
    // exist and be writable, it is never created here. A FIFO or a device
    // in its place is refused rather than waited on.
    std::string text;
    if (GuardedFile::read(file.c_str(), text, GuardedFile::ConfigLimit, true) != GuardedFile::State::Read)
        return -1;
    std::vector<Entry_s> read;
    // Lines are at most 255 characters with their line feed (the size of
    // the appliance's read buffer); a longer one is dropped whole, since its
    // tail alone would read as an entry nobody wrote.
    constexpr std::size_t MaxLine = 255;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        if (end - start <= MaxLine) {
            char line[MaxLine + 1];
            std::memcpy(line, text.data() + start, end - start);
            line[end - start] = 0;
            Entry_s entry;
            if (parseLine(line, entry))
                read.push_back(entry);
        }
        start = end;
    }
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
    std::string content;
    for (const Entry_s& e : entries) {
        char text[40];
        std::snprintf(text, sizeof text, "%" PRIX64 " %" PRIX32 "\n", e.scanCode, e.keyCode);
        content += text;
    }
    // Replaced whole, beside the link's target when the table is a link; a
    // FIFO or a device in its place is not written, nor waited on (at exit
    // least of all).
    if (GuardedFile::replaceWhole(file.c_str(), content.data(), content.size(), true) != GuardedFile::Replace::Done)
        return -1;
    for (std::size_t at = 0; at < content.size();) {
        const std::size_t end = content.find('\n', at) + 1;
        std::printf(">>>  %.*s\n", int(end - at), content.data() + at);
        at = end;
    }
    std::fflush(stdout);
    return 0;
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
