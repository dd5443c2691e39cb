// Character references and the five named entities of the reader.
#include "util/xmlChars.h"

namespace {

char* putUtf8(char* out, unsigned long code)
{
    if (code < 0x80) {
        *out++ = char(code);
    } else if (code < 0x800) {
        *out++ = char(0xC0 | (code >> 6));
        *out++ = char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = char(0xE0 | (code >> 12));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    } else {
        *out++ = char(0xF0 | (code >> 18));
        *out++ = char(0x80 | ((code >> 12) & 0x3F));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
        *out++ = char(0x80 | (code & 0x3F));
    }
    return out;
}

struct NamedEntity {
    const char* name;
    size_t len;
    char value;
};
const NamedEntity kEntities[] = {
    {"amp;", 4, '&'},
    {"lt;", 3, '<'},
    {"gt;", 3, '>'},
    {"quot;", 5, '"'},
    {"apos;", 5, '\''},
};

} // namespace

namespace xmlchars {

// Decodes entities of [b, e) into out, which has room for e - b bytes (no
// reference decodes to more bytes than it is written with). Returns the end
// of the output, or null with *bad at the offending ampersand.
char* decodeInto(const char* b, const char* e, char* out, const char** bad)
{
    while (b < e) {
        const char* amp = static_cast<const char*>(std::memchr(b, '&', size_t(e - b)));
        if (!amp) {
            std::memcpy(out, b, size_t(e - b));
            return out + (e - b);
        }
        std::memcpy(out, b, size_t(amp - b));
        out += amp - b;
        const char* q = amp + 1;
        if (q < e && *q == '#') {
            ++q;
            unsigned long code = 0;
            const char* digits = q;
            while (q < e && *q >= '0' && *q <= '9') {
                if (code <= 0x10FFFF)
                    code = code * 10 + unsigned(*q - '0');
                ++q;
            }
            if (q == digits || q >= e || *q != ';') {
                *bad = amp;
                return nullptr;
            }
            // NUL would cut the text short; surrogates and codes past the
            // Unicode range are not characters. Each becomes the replacement
            // character (3 bytes, never more than "&#0;"), so that one bad
            // reference spoils one text and not the whole document.
            if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                code = 0xFFFD;
            out = putUtf8(out, code);
            b = q + 1;
            continue;
        }
        bool known = false;
        for (const NamedEntity& ent : kEntities) {
            if (startsWithNoCase(q, size_t(e - q), ent.name, ent.len)) {
                *out++ = ent.value;
                b = q + ent.len;
                known = true;
                break;
            }
        }
        if (!known) {
            *bad = amp;
            return nullptr;
        }
    }
    return out;
}

} // namespace xmlchars
