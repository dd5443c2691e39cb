#include "util/IniFileBase.h"

#include "util/GuardedFile.h"

#include <sstream>
#include <stdexcept>

namespace ini {

namespace {

constexpr const char* kWhitespace = " \t\n\r\f\v";

std::string trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(kWhitespace);
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(kWhitespace) - first + 1);
}

[[noreturn]] void fail(size_t lineNo, const std::string& what)
{
    throw std::logic_error("l." + std::to_string(lineNo) + ": ini parsing failed, " + what);
}

// Cuts the line at the first prefix not preceded by the escape character; an
// escaped prefix loses its escape character. One pass, so a long line full of
// escaped prefixes stays linear.
void stripComment(std::string& line, const std::string& prefix, char esc)
{
    if (prefix.empty() || line.find(prefix) == std::string::npos)
        return;
    std::string out;
    out.reserve(line.size());
    size_t i = 0;
    while (i < line.size()) {
        if (line.compare(i, prefix.size(), prefix) == 0) {
            if (out.empty() || out.back() != esc)
                break;
            out.back() = prefix[0];
            out.append(prefix, 1);
            i += prefix.size();
            continue;
        }
        out.push_back(line[i]);
        ++i;
    }
    line.swap(out);
}

} // namespace

IniFileBase::IniFileBase(const std::string& path)
    : m_path(path)
{
    if (!m_path.empty())
        load(m_path);
}

bool IniFileBase::load(const std::string& path)
{
    std::string text;
    if (GuardedFile::read(path.c_str(), text) != GuardedFile::State::Read)
        return false;
    decode(text);
    return true;
}

void IniFileBase::stripComments_(std::string& line) const
{
    for (const std::string& prefix : m_commentPrefixes)
        stripComment(line, prefix, m_escapeChar);
}

void IniFileBase::decode(std::istream& in)
{
    clear();
    IniSectionBase* current = nullptr;
    std::string raw;
    size_t lineNo = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        stripComments_(raw);
        const std::string line = trimmed(raw);
        if (line.empty())
            continue;

        if (line[0] == '[') {
            const size_t close = line.find(']');
            if (close == std::string::npos)
                fail(lineNo, "section not closed");
            if (close == 1)
                fail(lineNo, "section is empty");
            // A section seen again collects its further fields in the same place.
            current = &(*this)[line.substr(1, close - 1)];
            continue;
        }

        if (!current)
            fail(lineNo, "field has no section or ini file in use by another application");
        const size_t sep = line.find(m_fieldSep);
        if (sep == std::string::npos)
            fail(lineNo, std::string("no '") + m_fieldSep + "' found");
        std::string key = trimmed(line.substr(0, sep));
        std::string value = trimmed(line.substr(sep + 1));
        if (!m_overwriteDuplicates && current->has(key))
            fail(lineNo, "duplicate field found");
        current->set(key, std::move(value));
    }
}

void IniFileBase::decode(const std::string& text)
{
    std::istringstream in(text);
    decode(in);
}

std::string IniFileBase::escape_(const std::string& text) const
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const std::string* hit = nullptr;
        for (const std::string& prefix : m_commentPrefixes) {
            if (!prefix.empty() && text.compare(i, prefix.size(), prefix) == 0) {
                hit = &prefix;
                break;
            }
        }
        if (hit) {
            out.push_back(m_escapeChar);
            out.append(*hit);
            i += hit->size();
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

void IniFileBase::encode(std::ostream& out) const
{
    bool first = true;
    for (const auto& [name, section] : *this) {
        if (!first)
            out << '\n';
        first = false;
        out << '[' << escape_(name) << "]\n";
        for (const auto& [key, field] : section)
            out << escape_(key) << m_fieldSep << escape_(field.value()) << '\n';
    }
}

std::string IniFileBase::encode() const
{
    std::ostringstream out;
    encode(out);
    return out.str();
}

bool IniFileBase::save() const
{
    if (m_path.empty())
        return false;
    const std::string text = encode();
    return GuardedFile::replaceWhole(m_path.c_str(), text.data(), text.size()) == GuardedFile::Replace::Done;
}

} // namespace ini
