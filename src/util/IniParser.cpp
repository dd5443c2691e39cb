#include "util/IniParser.h"

#include "util/GuardedFile.h"

#include <sstream>

namespace lumo {

namespace {

// Only the space character counts as a blank here; tabs stay in the text.
void trimBlanks(std::string& s)
{
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        s.clear();
        return;
    }
    s.erase(s.find_last_not_of(' ') + 1);
    s.erase(0, first);
}

} // namespace

void IniParser::parseLine_(std::string& line, std::string& current)
{
    // Line reading already dropped the line feed; a carriage return cuts the
    // line where the last one stands, which also handles CRLF files.
    const size_t cr = line.rfind('\r');
    if (cr != std::string::npos)
        line.erase(cr);
    trimBlanks(line);

    const size_t open = line.find('[');
    if (open != std::string::npos && line.find(']') != std::string::npos) {
        // The name runs from the first "[" to the next "]"; a line whose only
        // "]" stands before the "[" names the empty section.
        const size_t close = line.find(']', open + 1);
        current = close == std::string::npos ? std::string() : line.substr(open + 1, close - open - 1);
        m_sections[current];
        return;
    }

    const size_t eq = line.find('=');
    if (eq == std::string::npos)
        return;
    KeyVal kv;
    kv.key = line.substr(0, eq);
    kv.key.erase(kv.key.find_last_not_of(' ') + 1);
    const size_t valueStart = line.find_first_not_of(' ', eq + 1);
    if (valueStart != std::string::npos)
        kv.value = line.substr(valueStart);
    m_sections[current].push_back(std::move(kv));
}

int IniParser::ParseFile(const std::string& path)
{
    m_sections.clear();
    m_changed = false;
    m_path = path;

    std::string text;
    if (GuardedFile::read(path.c_str(), text) != GuardedFile::State::Read)
        return -1;

    // Pairs above the first section header land in the section with the empty name.
    std::string current;
    std::string line;
    std::istringstream in(std::move(text));
    while (std::getline(in, line))
        parseLine_(line, current);
    return 0;
}

std::string IniParser::Get(const std::string& section, const std::string& key, const std::string& defaultValue) const
{
    const auto it = m_sections.find(section);
    if (it == m_sections.end())
        return defaultValue;
    for (const KeyVal& kv : it->second) {
        if (kv.key == key)
            return kv.value;
    }
    return defaultValue;
}

int IniParser::Set(const std::string& section, const std::string& key, const std::string& value)
{
    Section& pairs = m_sections[section];
    for (KeyVal& kv : pairs) {
        if (kv.key == key) {
            if (kv.value != value) {
                kv.value = value;
                m_changed = true;
            }
            return 0;
        }
    }
    pairs.push_back(KeyVal {key, value});
    m_changed = true;
    return 0;
}

int IniParser::Save(const std::string& path) const
{
    if (path.empty())
        return -1;
    std::string out;
    for (const auto& [name, pairs] : m_sections) {
        out += '[' + name + "]\n";
        for (const KeyVal& kv : pairs)
            out += kv.key + '=' + kv.value + '\n';
        out += '\n';
    }
    return GuardedFile::replaceWhole(path.c_str(), out.data(), out.size()) == GuardedFile::Replace::Done ? 0 : -1;
}

int IniParser::Save() const { return Save(m_path); }

std::string IniParser::getSessionNameByIndex(size_t i) const
{
    if (i >= m_sections.size())
        return {};
    auto it = m_sections.begin();
    std::advance(it, static_cast<std::ptrdiff_t>(i));
    return it->first;
}

} // namespace lumo
