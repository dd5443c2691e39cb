#pragma once

#include "util/IniSectionBase.h"

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace ini {

// Strict INI reader: sections ordered by name, each a map of fields. Malformed
// input is reported with std::logic_error whose text names the line, e.g.
// "l.3: ini parsing failed, duplicate field found"; callers catch it and treat
// the file as unusable. Values are single-line; a comment prefix preceded by
// the escape character stays in the text without the escape character.
class IniFileBase : public std::map<std::string, IniSectionBase>
{
public:
    // Stores the path and loads it when it is not empty. A file that cannot be
    // opened leaves the object empty; a malformed one throws std::logic_error.
    explicit IniFileBase(const std::string& path = std::string());

    // Decodes the file (the stored path stays as it is); false when it cannot
    // be opened, and then nothing changes. Throws like decode().
    bool load(const std::string& path);

    // Replaces all sections with the parsed input; throws std::logic_error on
    // malformed input (the sections read up to that line stay).
    void decode(std::istream& in);
    void decode(const std::string& text);

    // Writes the sections back, escaping comment prefixes so that decode()
    // reads the same values again.
    void encode(std::ostream& out) const;
    std::string encode() const;

    // Encodes to the stored path, replacing the file; false on failure.
    bool save() const;

    const std::string& path() const { return m_path; }

    char fieldSep() const { return m_fieldSep; }
    void setFieldSep(char sep) { m_fieldSep = sep; }
    char escapeChar() const { return m_escapeChar; }
    void setEscapeChar(char esc) { m_escapeChar = esc; }
    const std::vector<std::string>& commentPrefixes() const { return m_commentPrefixes; }
    void setCommentPrefixes(std::vector<std::string> prefixes) { m_commentPrefixes = std::move(prefixes); }
    // Off: a key seen twice in one section is an error. On: the last one wins.
    bool overwriteDuplicates() const { return m_overwriteDuplicates; }
    void setOverwriteDuplicates(bool on) { m_overwriteDuplicates = on; }

private:
    void stripComments_(std::string& line) const;
    std::string escape_(const std::string& text) const;

    std::string m_path;
    char m_fieldSep = '=';
    char m_escapeChar = '\\';
    std::vector<std::string> m_commentPrefixes {"#", ";"};
    bool m_overwriteDuplicates = false;
};

} // namespace ini
