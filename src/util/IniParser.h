#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace lumo {

// One key/value pair of a section, kept in file order.
struct KeyVal {
    std::string key;
    std::string value;

    bool operator==(const KeyVal&) const = default;
};

// Lenient reader and writer of the appliance's INI files. It never throws:
// lines it does not understand are skipped, lookups fall back to a default.
// There is no comment syntax, so "k=v # note" keeps the note in the value.
class IniParser
{
public:
    using Section = std::vector<KeyVal>;

    // Clears all sections and reads the file; 0 on success, -1 when it cannot
    // be opened. The path is remembered for Save() either way, so a missing
    // file can be created by Set() and Save().
    int ParseFile(const std::string& path);

    // The value of the first pair with that key in that section, else the default.
    std::string Get(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    // Replaces the value of the first pair with that key, or appends the pair
    // (creating the section when needed). Always 0.
    int Set(const std::string& section, const std::string& key, const std::string& value);

    // Writes every section in name order; the file is replaced. 0 or -1.
    int Save(const std::string& path) const;
    int Save() const;

    // Name of the i-th section in name order; empty when i is out of range.
    std::string getSessionNameByIndex(size_t i) const;
    size_t getSessionCount() const { return m_sections.size(); }

    // Set() changed something since the last ParseFile().
    bool IsChanged() const { return m_changed; }
    const std::string& FilePath() const { return m_path; }

private:
    void parseLine_(std::string& line, std::string& current);

    std::map<std::string, Section> m_sections;
    std::string m_path;
    bool m_changed = false;
};

} // namespace lumo
