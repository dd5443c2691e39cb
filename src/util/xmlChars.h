#pragma once
// Character classes, ASCII case-insensitive comparisons and searches of the XML reader and writer, and the
// reader's decoding of references.
#include <cstddef>
#include <cstring>
#include <initializer_list>

namespace xmlchars {

inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c; }

inline bool equalsNoCase(const char* a, const char* b)
{
    if (!a || !b)
        return false;
    while (*a && lowerAscii(*a) == lowerAscii(*b)) {
        ++a;
        ++b;
    }
    return *a == 0 && *b == 0;
}

inline bool startsWithNoCase(const char* s, size_t avail, const char* prefix, size_t len)
{
    if (avail < len)
        return false;
    for (size_t i = 0; i < len; ++i) {
        if (lowerAscii(s[i]) != lowerAscii(prefix[i]))
            return false;
    }
    return true;
}

inline bool startsWith(const char* s, size_t avail, const char* prefix, size_t len)
{
    return avail >= len && std::memcmp(s, prefix, len) == 0;
}

// Character classes for the scanner.
enum : unsigned char { kSpace = 1, kNameEnd = 2 };
struct CharTable {
    unsigned char cls[256] = {};
    constexpr CharTable()
    {
        for (unsigned char c : {' ', '\t', '\n', '\r'})
            cls[c] = kSpace | kNameEnd;
        for (unsigned char c : {'/', '>', '<', '=', '?', '"', '\''})
            cls[c] = kNameEnd;
        cls[0] = kNameEnd;
    }
};
inline constexpr CharTable kChars;

inline bool isSpace(char c) { return kChars.cls[static_cast<unsigned char>(c)] & kSpace; }
inline bool isNameChar(char c) { return !(kChars.cls[static_cast<unsigned char>(c)] & kNameEnd); }

inline bool isBlank(const char* b, const char* e)
{
    for (; b < e; ++b) {
        if (!isSpace(*b))
            return false;
    }
    return true;
}

inline const char* findText(const char* b, const char* e, const char* what, size_t len)
{
    if (size_t(e - b) < len)
        return nullptr;
    const void* hit = memmem(b, size_t(e - b), what, len);
    return static_cast<const char*>(hit);
}

inline const char* findTextNoCase(const char* b, const char* e, const char* what, size_t len)
{
    while (size_t(e - b) >= len) {
        const char* lt = static_cast<const char*>(std::memchr(b, what[0], size_t(e - b)));
        if (!lt)
            return nullptr;
        if (startsWithNoCase(lt, size_t(e - lt), what, len))
            return lt;
        b = lt + 1;
    }
    return nullptr;
}

// Decodes entities of [b, e) into out, which has room for e - b bytes (no
// reference decodes to more bytes than it is written with). Returns the end
// of the output, or null with *bad at the offending ampersand.
char* decodeInto(const char* b, const char* e, char* out, const char** bad);

} // namespace xmlchars
