#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// An ordered list of (scan code, key code) pairs, optionally backed by a text
// file of "%lX %X" lines. Several entries may share a scan code: the first one
// wins at lookup. The capture thread looks codes up while the learning dialog
// changes the table, so every access takes the table's lock.
class RcMapTable
{
public:
    struct Entry_s {
        std::uint64_t scanCode = 0;
        std::uint32_t keyCode = 0;
        bool operator==(const Entry_s&) const = default;
    };

    explicit RcMapTable(std::string name = {});
    // Writes the table back, so the learned tables are saved once more at exit.
    ~RcMapTable();
    RcMapTable(const RcMapTable&) = delete;
    RcMapTable& operator=(const RcMapTable&) = delete;

    // Appends the entries of the file at path (which becomes the table's path
    // when not empty). 0, or -1 when there is no path or the file cannot be
    // opened for reading and updating; the entries are then unchanged.
    int loadRcMapTable(const std::string& path = {});
    // Rewrites the file from the entries, echoing each line on standard
    // output. -1 without a path or when the file cannot be written.
    int writeBack_();
    // Every entry of scanCode gets keyCode, one more entry is appended, and
    // the file is written back.
    void setMapping(std::uint64_t scanCode, std::uint32_t keyCode);
    // Empties the table; the file is left alone until the next write-back.
    void clear();
    // The key code of the first entry of scanCode: found is false when there
    // is none (a found key code may be 0).
    std::uint32_t lookup(std::uint64_t scanCode, bool* found = nullptr) const;

    std::vector<Entry_s> entries() const;
    std::string path() const;
    const std::string& name() const { return m_name; }

    // One line of the file, or false when it does not hold two hexadecimal
    // numbers.
    static bool parseLine(const char* line, Entry_s& entry);

private:
    const std::string m_name;
    std::string m_path;
    std::vector<Entry_s> m_entries;
    mutable std::mutex m_mutex;
    // Keeps two write-backs from interleaving in the file.
    std::mutex m_fileMutex;
};

// The learned remotes of slots 0, 1 and 2, process-wide.
extern RcMapTable g_rcMapTable1;
extern RcMapTable g_rcMapTable2;
extern RcMapTable g_rcMapTable3;
