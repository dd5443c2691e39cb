#include "util/xmlParser.h"

#include "util/GuardedFile.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <vector>

struct XMLArena;

// Node record. The fields up to the reference count follow the documented
// layout; the two after it are bookkeeping for storage (96 bytes in all).
struct XMLNodeData {
    const char* name; // null for a top node
    int nChild;
    int nText;
    int nClear;
    int nAttribute;
    char isDeclaration;
    XMLNodeData* parent; // also links records waiting to be freed
    XMLNodeData** children; // each entry holds one reference
    char** texts;
    XMLClear* clears;
    XMLAttribute* attributes; // name and value share one allocation
    int* order; // index * 4 + XMLContentKind
    int refCount;
    // A parsed record, its name, attributes and content live in the arena of
    // its document; a record made by addChild has none. Content that is
    // changed after parsing moves to the heap first (ownsContent): then the
    // arrays and the text and clear strings are the record's own.
    char ownsContent;
    XMLArena* arena;

    static XMLNodeData* create(const char* name, size_t len, char declaration, XMLNodeData* parent);
    static void acquire(XMLNodeData* d);
    static void release(XMLNodeData* d);
    static void freeHeapTree(XMLNodeData* d);
    void freeOwnContent();
    void ownContent();
};

// Storage of one parsed document: a list of large blocks handed out in
// order, freed together when the last record of the document goes. Parsing
// a big file then costs a few allocations instead of several per element,
// and the records sit close together in memory.
struct XMLArena {
    struct Block {
        Block* next;
        size_t size;
        size_t used;
        size_t mapped; // length of the mapping, 0 for a heap block
    };
    Block* head = nullptr;
    size_t nextSize = 4096;
    long handles = 0; // handles to records of this document
    bool changed = false; // some record owns content or has added children
    XMLNodeData* top = nullptr;

    void* take(size_t n, size_t align = 1);
    void giveBack(char* from, size_t n);
    void destroy();
    static Block* newBlock(size_t bytes);
};

namespace {

const char kVersion[] = "v2.40";

const char kCdataOpen[] = "<![CDATA[";
const char kCdataClose[] = "]]>";
const char kDoctypeOpen[] = "<!DOCTYPE";
const char kDoctypeClose[] = ">";
const char kCommentOpen[] = "<!--";
const char kCommentClose[] = "-->";
const char kPreOpen[] = "<PRE>";
const char kPreClose[] = "</PRE>";

const char* const kMessages[] = {
    "No error",
    "Warning: Unmatched end tag",
    "Warning: No XML tag found",
    "Error: No XML data",
    "Error: Missing start tag name",
    "Error: Missing end tag name",
    "Error: Unmatched end tag",
    "Error: Unmatched clear tag end",
    "Error: Unexpected token found",
    "Error: No elements found",
    "Error: File not found",
    "Error: First Tag not found",
    "Error: Unknown character entity",
    "Error: Character code above 255 is forbidden in MultiByte char mode.",
    "Error: unable to convert between WideChar and MultiByte chars",
    "Error: unable to open file for writing",
    "Error: cannot write into file",
    "Warning: Base64-string length is not a multiple of 4",
    "Error: Base64-string contains an illegal character",
    "Warning: Base64-string is truncated",
    "Error: Base64 decode output buffer is too small",
};

// Out of memory leaves nothing sensible to return; stop rather than corrupt.
void* checkedAlloc(size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        std::abort();
    return p;
}

void* checkedRealloc(void* old, size_t size)
{
    void* p = std::realloc(old, size ? size : 1);
    if (!p)
        std::abort();
    return p;
}

// The room an owned array of n entries has: arrays grow in steps of 50
// entries, and by half their size once they are large so that building a
// long list stays linear. Derived from n, so records need not store it.
size_t capacityFor(size_t n)
{
    size_t c = 0;
    while (c < n)
        c += c / 2 > 50 ? c / 2 : 50;
    return c;
}

template<typename T> T* copyArray(const T* from, size_t n)
{
    if (n == 0)
        return nullptr;
    T* to = static_cast<T*>(checkedAlloc(capacityFor(n) * sizeof(T)));
    std::memcpy(to, from, n * sizeof(T));
    return to;
}

// Makes room for one more entry in an owned array of n entries.
template<typename T> void growFor(T*& array, int n)
{
    size_t now = capacityFor(size_t(n));
    if (size_t(n) + 1 > now)
        array = static_cast<T*>(checkedRealloc(array, capacityFor(size_t(n) + 1) * sizeof(T)));
}

char* copyString(const char* s, size_t len)
{
    char* c = static_cast<char*>(checkedAlloc(len + 1));
    std::memcpy(c, s, len);
    c[len] = 0;
    return c;
}

inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c; }

bool equalsNoCase(const char* a, const char* b)
{
    if (!a || !b)
        return false;
    while (*a && lowerAscii(*a) == lowerAscii(*b)) {
        ++a;
        ++b;
    }
    return *a == 0 && *b == 0;
}

bool startsWithNoCase(const char* s, size_t avail, const char* prefix, size_t len)
{
    if (avail < len)
        return false;
    for (size_t i = 0; i < len; ++i) {
        if (lowerAscii(s[i]) != lowerAscii(prefix[i]))
            return false;
    }
    return true;
}

bool startsWith(const char* s, size_t avail, const char* prefix, size_t len)
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
constexpr CharTable kChars;

inline bool isSpace(char c) { return kChars.cls[static_cast<unsigned char>(c)] & kSpace; }
inline bool isNameChar(char c) { return !(kChars.cls[static_cast<unsigned char>(c)] & kNameEnd); }

bool isBlank(const char* b, const char* e)
{
    for (; b < e; ++b) {
        if (!isSpace(*b))
            return false;
    }
    return true;
}

const char* findText(const char* b, const char* e, const char* what, size_t len)
{
    if (size_t(e - b) < len)
        return nullptr;
    const void* hit = memmem(b, size_t(e - b), what, len);
    return static_cast<const char*>(hit);
}

const char* findTextNoCase(const char* b, const char* e, const char* what, size_t len)
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

} // namespace

// ---------------------------------------------------------------------------
// Node records and handles

void* XMLArena::take(size_t n, size_t align)
{
    const size_t header = (sizeof(Block) + 15) & ~size_t(15);
    if (head) {
        size_t at = (head->used + align - 1) & ~(align - 1);
        if (at + n <= head->size) {
            head->used = at + n;
            return reinterpret_cast<char*>(head) + header + at;
        }
    }
    // A request larger than a quarter block gets a block of its own behind
    // the current one, so the rest of the current block stays in use.
    const bool own = n > nextSize / 4;
    size_t size = own ? n : nextSize;
    Block* b = newBlock(header + size);
    b->size = size;
    b->used = n;
    if (own && head) {
        b->next = head->next;
        head->next = b;
    } else {
        b->next = head;
        head = b;
        if (nextSize < 4 * 1024 * 1024)
            nextSize *= 2;
    }
    return reinterpret_cast<char*>(b) + header;
}

// Large blocks are mapped with their pages populated in one call: a big
// document then does not take a page fault for every 4 KB it fills.
XMLArena::Block* XMLArena::newBlock(size_t bytes)
{
    if (bytes >= 1024 * 1024) {
        void* map = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (map != MAP_FAILED) {
            auto* b = static_cast<Block*>(map);
            b->mapped = bytes;
            return b;
        }
    }
    auto* b = static_cast<Block*>(checkedAlloc(bytes));
    b->mapped = 0;
    return b;
}

// Returns the unused end of the latest allocation of the current block.
void XMLArena::giveBack(char* from, size_t n)
{
    const size_t header = (sizeof(Block) + 15) & ~size_t(15);
    if (head && from + n == reinterpret_cast<char*>(head) + header + head->used)
        head->used -= n;
}

// A record of its own (made by addChild), with its name stored behind it.
XMLNodeData* XMLNodeData::create(const char* name, size_t len, char declaration, XMLNodeData* parent)
{
    auto* d = static_cast<XMLNodeData*>(checkedAlloc(sizeof(XMLNodeData) + len + 1));
    std::memset(d, 0, sizeof(XMLNodeData));
    char* n = reinterpret_cast<char*>(d + 1);
    std::memcpy(n, name, len);
    n[len] = 0;
    d->name = n;
    d->isDeclaration = declaration;
    d->parent = parent;
    d->ownsContent = 1;
    return d;
}

void XMLNodeData::acquire(XMLNodeData* d)
{
    if (d) {
        ++d->refCount;
        if (d->arena)
            ++d->arena->handles;
    }
}

// Drops one reference. A parsed document goes as a whole when no handle
// points into it any more: nothing outside can reach its records then.
void XMLNodeData::release(XMLNodeData* d)
{
    if (!d)
        return;
    --d->refCount;
    if (XMLArena* arena = d->arena) {
        if (--arena->handles == 0)
            arena->destroy();
    } else if (d->refCount == 0) {
        freeHeapTree(d);
    }
}

// Frees a record made by addChild and those of its children that nothing
// else holds. Dying records are collected on a list threaded through their
// parent field (a dying record has no live parent), so a deep tree needs no
// recursion.
void XMLNodeData::freeHeapTree(XMLNodeData* d)
{
    d->parent = nullptr;
    XMLNodeData* pending = d;
    while (pending) {
        XMLNodeData* cur = pending;
        pending = cur->parent;
        for (int i = 0; i < cur->nChild; ++i) {
            XMLNodeData* c = cur->children[i];
            if (--c->refCount == 0) {
                c->parent = pending;
                pending = c;
            } else {
                c->parent = nullptr; // kept alive by a handle elsewhere
            }
        }
        cur->freeOwnContent();
        std::free(cur); // records of their own have no attributes
    }
}

void XMLNodeData::freeOwnContent()
{
    if (!ownsContent)
        return;
    for (int i = 0; i < nText; ++i)
        std::free(texts[i]);
    for (int i = 0; i < nClear; ++i)
        std::free(const_cast<char*>(clears[i].value));
    std::free(children);
    std::free(texts);
    std::free(clears);
    std::free(order);
}

void XMLArena::destroy()
{
    // Unchanged documents hold nothing outside the blocks. Otherwise walk the
    // records (iteratively, reusing the parent links) to free moved content
    // and to drop the children that addChild made.
    if (changed && top) {
        top->parent = nullptr;
        XMLNodeData* pending = top;
        while (pending) {
            XMLNodeData* cur = pending;
            pending = cur->parent;
            for (int i = 0; i < cur->nChild; ++i) {
                XMLNodeData* c = cur->children[i];
                if (c->arena == this) {
                    c->parent = pending;
                    pending = c;
                } else if (--c->refCount == 0) {
                    XMLNodeData::freeHeapTree(c);
                } else {
                    c->parent = nullptr;
                }
            }
            cur->freeOwnContent();
        }
    }
    for (Block* b = head; b;) {
        Block* next = b->next;
        if (b->mapped)
            munmap(b, b->mapped);
        else
            std::free(b);
        b = next;
    }
    delete this;
}

// Moves arena content to the heap before a change, so that it can grow and
// strings can be replaced one by one.
void XMLNodeData::ownContent()
{
    if (ownsContent)
        return;
    arena->changed = true;
    children = copyArray(children, size_t(nChild));
    texts = copyArray(texts, size_t(nText));
    for (int i = 0; i < nText; ++i)
        texts[i] = copyString(texts[i], std::strlen(texts[i]));
    clears = copyArray(clears, size_t(nClear));
    for (int i = 0; i < nClear; ++i)
        clears[i].value = copyString(clears[i].value, std::strlen(clears[i].value));
    order = copyArray(order, size_t(nChild + nText + nClear));
    ownsContent = 1;
}

XMLNode::XMLNode(XMLNodeData* d) noexcept
    : m_d(d)
{
    XMLNodeData::acquire(m_d);
}

XMLNode::XMLNode(const XMLNode& other) noexcept
    : XMLNode(other.m_d)
{
}

XMLNode::XMLNode(XMLNode&& other) noexcept
    : m_d(other.m_d)
{
    other.m_d = nullptr;
}

XMLNode& XMLNode::operator=(const XMLNode& other) noexcept
{
    XMLNodeData::acquire(other.m_d);
    XMLNodeData::release(m_d);
    m_d = other.m_d;
    return *this;
}

XMLNode& XMLNode::operator=(XMLNode&& other) noexcept
{
    if (this != &other) {
        XMLNodeData::release(m_d);
        m_d = other.m_d;
        other.m_d = nullptr;
    }
    return *this;
}

XMLNode::~XMLNode() { XMLNodeData::release(m_d); }

const XMLNode XMLNode::emptyNode;

const char* XMLNode::getVersion() { return kVersion; }

const char* XMLNode::getError(int code)
{
    if (code < 0 || code >= int(sizeof(kMessages) / sizeof(kMessages[0])))
        return "Unknown";
    return kMessages[code];
}

// ---------------------------------------------------------------------------
// Parser

// Builds the tree with one pass over the text and an explicit stack of open
// elements. The content of open elements collects on shared stacks and moves
// into exactly sized arrays when the element closes, so every entry is copied
// a fixed number of times and no array space is wasted.
class XMLParser_
{
public:
    XMLParser_(const char* text, size_t len)
        : m_begin(text)
        , m_p(text)
        , m_end(text + len)
    {
    }

    static XMLNode parse(const char* text, size_t len, const char* tag, XMLResults* results);

private:
    XMLNode run(XMLResults* results);

    struct Frame_ {
        XMLNodeData* node;
        size_t child0;
        size_t text0;
        size_t clear0;
        size_t order0;
    };

    bool step_();
    bool parseText_();
    bool parseClear_(const char* open, size_t openLen, const char* closeTag, size_t closeLen, bool noCase);
    bool parseStartTag_();
    bool parseEndTag_();
    template<typename T> T* arenaArray_(const T* from, size_t n);
    char* arenaString_(const char* from, size_t len);
    const char* intern_(const char* name, size_t len);
    XMLNodeData* newRecord_(const char* name, size_t len, char declaration, XMLNodeData* parent);
    void addOrder_(XMLContentKind kind, size_t index0, size_t stackSize);
    void close_();
    bool fail_(XMLError error, const char* where);

    const char* m_begin;
    const char* m_p;
    const char* m_end;
    XMLError m_error = XMLErrorNone;
    const char* m_errorAt = nullptr;
    XMLArena* m_arena = nullptr;

    std::vector<Frame_> m_open;
    std::vector<XMLNodeData*> m_children;
    std::vector<char*> m_texts;
    std::vector<XMLClear> m_clears;
    std::vector<int> m_order;
    std::vector<XMLAttribute> m_attributes; // of the start tag being read
    std::vector<const char*> m_segments; // pieces of a text joined across comments

    // Element names of this document, each stored once (open addressing).
    struct Name_ {
        const char* text;
        size_t len;
        size_t hash;
    };
    std::vector<Name_> m_names;
    size_t m_nameCount = 0;
};

bool XMLParser_::fail_(XMLError error, const char* where)
{
    m_error = error;
    m_errorAt = where;
    return false;
}

template<typename T> T* XMLParser_::arenaArray_(const T* from, size_t n)
{
    if (n == 0)
        return nullptr;
    T* to = static_cast<T*>(m_arena->take(n * sizeof(T), alignof(T)));
    std::memcpy(to, from, n * sizeof(T));
    return to;
}

char* XMLParser_::arenaString_(const char* from, size_t len)
{
    char* to = static_cast<char*>(m_arena->take(len + 1));
    std::memcpy(to, from, len);
    to[len] = 0;
    return to;
}

// Documents repeat a few element names many times; sharing one copy per
// name saves memory and copying.
const char* XMLParser_::intern_(const char* name, size_t len)
{
    size_t hash = 14695981039346656037ull;
    for (size_t i = 0; i < len; ++i)
        hash = (hash ^ static_cast<unsigned char>(name[i])) * 1099511628211ull;
    if (m_names.empty())
        m_names.resize(256);
    size_t mask = m_names.size() - 1;
    // A long probe means crafted collisions: store a private copy instead.
    for (size_t i = hash & mask, probes = 0; probes < 32; i = (i + 1) & mask, ++probes) {
        Name_& e = m_names[i];
        if (e.text && e.hash == hash && e.len == len && std::memcmp(e.text, name, len) == 0)
            return e.text;
        if (e.text)
            continue;
        const char* text = arenaString_(name, len);
        e = {text, len, hash};
        if (++m_nameCount * 2 > m_names.size()) {
            std::vector<Name_> old(m_names.size() * 2, Name_ {nullptr, 0, 0});
            old.swap(m_names);
            mask = m_names.size() - 1;
            for (const Name_& o : old) {
                if (!o.text)
                    continue;
                size_t k = o.hash & mask;
                while (m_names[k].text)
                    k = (k + 1) & mask;
                m_names[k] = o;
            }
        }
        return text;
    }
    return arenaString_(name, len);
}

XMLNodeData* XMLParser_::newRecord_(const char* name, size_t len, char declaration, XMLNodeData* parent)
{
    auto* d = static_cast<XMLNodeData*>(m_arena->take(sizeof(XMLNodeData), alignof(XMLNodeData)));
    std::memset(d, 0, sizeof(XMLNodeData));
    d->name = name ? intern_(name, len) : nullptr;
    d->isDeclaration = declaration;
    d->parent = parent;
    d->arena = m_arena;
    return d;
}

void XMLParser_::addOrder_(XMLContentKind kind, size_t index0, size_t stackSize)
{
    m_order.push_back(int((stackSize - 1 - index0) * 4 + kind));
}

void XMLParser_::close_()
{
    Frame_ f = m_open.back();
    m_open.pop_back();
    XMLNodeData* d = f.node;
    size_t n = m_children.size() - f.child0;
    d->children = arenaArray_(m_children.data() + f.child0, n);
    d->nChild = int(n);
    m_children.resize(f.child0);
    n = m_texts.size() - f.text0;
    d->texts = arenaArray_(m_texts.data() + f.text0, n);
    d->nText = int(n);
    m_texts.resize(f.text0);
    n = m_clears.size() - f.clear0;
    d->clears = arenaArray_(m_clears.data() + f.clear0, n);
    d->nClear = int(n);
    m_clears.resize(f.clear0);
    n = m_order.size() - f.order0;
    d->order = arenaArray_(m_order.data() + f.order0, n);
    m_order.resize(f.order0);
}

XMLNode XMLParser_::run(XMLResults* results)
{
    m_arena = new XMLArena;
    // A tree takes about twice the size of its text: start near that, so a
    // small file gets a small block and a big one few blocks.
    while (m_arena->nextSize < 1024 * 1024 && m_arena->nextSize < size_t(m_end - m_begin) * 2)
        m_arena->nextSize *= 2;
    XMLNodeData* top = newRecord_(nullptr, 0, 0, nullptr);
    m_arena->top = top;
    XMLNode document(top);
    m_open.push_back({top, 0, 0, 0, 0});

    bool ok = true;
    while (ok && m_p < m_end)
        ok = step_();
    if (ok && m_open.size() > 1) {
        m_error = XMLWarningUnmatchedEndTag;
        m_errorAt = m_end;
    }
    // Close whatever is open, so that the tree (or what is to be freed) is whole.
    while (!m_open.empty())
        close_();

    if (m_error == XMLErrorNone && top->nChild == 0) {
        m_error = XMLWarningNoTag;
        m_errorAt = m_end;
    }
    if (results) {
        results->error = m_error;
        results->line = 0;
        results->column = 0;
        if (m_error != XMLErrorNone && m_errorAt) {
            int line = 1;
            const char* lineStart = m_begin;
            for (const char* q = m_begin; q < m_errorAt; ++q) {
                const char* nl = static_cast<const char*>(std::memchr(q, '\n', size_t(m_errorAt - q)));
                if (!nl)
                    break;
                ++line;
                lineStart = nl + 1;
                q = nl;
            }
            results->line = line;
            results->column = int(m_errorAt - lineStart) + 1;
        }
    }
    if (m_error > XMLWarningNoTag)
        return XMLNode();
    return document;
}

bool XMLParser_::step_()
{
    if (*m_p != '<')
        return parseText_();
    size_t avail = size_t(m_end - m_p);
    if (avail >= 2 && m_p[1] == '!') {
        if (startsWith(m_p, avail, kCdataOpen, sizeof(kCdataOpen) - 1))
            return parseClear_(kCdataOpen, sizeof(kCdataOpen) - 1, kCdataClose, sizeof(kCdataClose) - 1, false);
        if (startsWith(m_p, avail, kCommentOpen, sizeof(kCommentOpen) - 1))
            return parseClear_(kCommentOpen, sizeof(kCommentOpen) - 1, kCommentClose, sizeof(kCommentClose) - 1, false);
        if (startsWithNoCase(m_p, avail, kDoctypeOpen, sizeof(kDoctypeOpen) - 1))
            return parseClear_(kDoctypeOpen, sizeof(kDoctypeOpen) - 1, kDoctypeClose, sizeof(kDoctypeClose) - 1, false);
        return fail_(XMLErrorUnexpectedToken, m_p);
    }
    if (startsWithNoCase(m_p, avail, kPreOpen, sizeof(kPreOpen) - 1))
        return parseClear_(kPreOpen, sizeof(kPreOpen) - 1, kPreClose, sizeof(kPreClose) - 1, true);
    if (avail >= 2 && m_p[1] == '/')
        return parseEndTag_();
    return parseStartTag_();
}

bool XMLParser_::parseClear_(const char* open, size_t openLen, const char* closeTag, size_t closeLen, bool noCase)
{
    const char* from = m_p + openLen;
    const char* to
        = noCase ? findTextNoCase(from, m_end, closeTag, closeLen) : findText(from, m_end, closeTag, closeLen);
    if (!to)
        return fail_(XMLErrorUnmatchedClearEnd, m_p);
    const Frame_& f = m_open.back();
    m_clears.push_back({arenaString_(from, size_t(to - from)), open, closeTag});
    addOrder_(XMLContentClear, f.clear0, m_clears.size());
    m_p = to + closeLen;
    return true;
}

// A run of text up to the next tag. When non-blank text is followed by one or
// more comments (with only white space between them) and then by non-blank
// text again, the comments are dropped and the pieces form one text.
bool XMLParser_::parseText_()
{
    const char* start = m_p;
    const char* lt = static_cast<const char*>(std::memchr(m_p, '<', size_t(m_end - m_p)));
    const char* end = lt ? lt : m_end;
    m_p = end;
    if (isBlank(start, end))
        return true;

    m_segments.clear();
    m_segments.push_back(start);
    m_segments.push_back(end);
    while (startsWith(m_p, size_t(m_end - m_p), kCommentOpen, sizeof(kCommentOpen) - 1)) {
        const char* q = m_p;
        size_t mark = m_segments.size();
        bool joined = false;
        for (;;) {
            const char* close = findText(q + 4, m_end, kCommentClose, 3);
            if (!close)
                break; // the main loop reports the open comment
            const char* b = close + 3;
            const char* next = static_cast<const char*>(std::memchr(b, '<', size_t(m_end - b)));
            const char* e = next ? next : m_end;
            m_segments.push_back(b);
            m_segments.push_back(e);
            if (!isBlank(b, e)) {
                joined = true;
                m_p = e;
                break;
            }
            if (!startsWith(e, size_t(m_end - e), kCommentOpen, sizeof(kCommentOpen) - 1))
                break;
            q = e;
        }
        if (!joined) {
            m_segments.resize(mark);
            break;
        }
    }

    // Trim the outer ends; the first and last pieces are non-blank.
    const char*& first = m_segments.front();
    while (isSpace(*first))
        ++first;
    const char*& last = m_segments.back();
    while (isSpace(last[-1]))
        --last;
    size_t total = 0;
    for (size_t i = 0; i < m_segments.size(); i += 2)
        total += size_t(m_segments[i + 1] - m_segments[i]);
    char* text = static_cast<char*>(m_arena->take(total + 1));
    char* out = text;
    for (size_t i = 0; i < m_segments.size(); i += 2) {
        const char* bad = nullptr;
        out = decodeInto(m_segments[i], m_segments[i + 1], out, &bad);
        if (!out)
            return fail_(XMLErrorUnknownEntity, bad);
    }
    *out = 0;
    m_arena->giveBack(out + 1, total - size_t(out - text));
    const Frame_& f = m_open.back();
    m_texts.push_back(text);
    addOrder_(XMLContentText, f.text0, m_texts.size());
    return true;
}

bool XMLParser_::parseStartTag_()
{
    const char* tag = m_p;
    const char* q = m_p + 1;
    char declaration = 0;
    if (q < m_end && *q == '?') {
        declaration = 1;
        ++q;
    }
    const char* name = q;
    while (q < m_end && isNameChar(*q))
        ++q;
    if (q == name)
        return fail_(XMLErrorMissingStartTagName, tag);
    const char* nameEnd = q;

    bool hasContent = false;
    for (;;) {
        while (q < m_end && isSpace(*q))
            ++q;
        if (q >= m_end)
            return fail_(XMLErrorUnexpectedToken, q);
        char c = *q;
        if (c == '>') {
            ++q;
            hasContent = !declaration;
            break;
        }
        if ((c == '/' || (c == '?' && declaration)) && q + 1 < m_end && q[1] == '>') {
            q += 2;
            break;
        }
        if (!isNameChar(c))
            return fail_(XMLErrorUnexpectedToken, q);
        const char* attrName = q;
        while (q < m_end && isNameChar(*q))
            ++q;
        size_t attrLen = size_t(q - attrName);
        while (q < m_end && isSpace(*q))
            ++q;
        if (q < m_end && *q == '=') {
            ++q;
            while (q < m_end && isSpace(*q))
                ++q;
            if (q >= m_end || (*q != '"' && *q != '\''))
                return fail_(XMLErrorUnexpectedToken, q);
            const char* vb = q + 1;
            const char* ve = static_cast<const char*>(std::memchr(vb, *q, size_t(m_end - vb)));
            if (!ve)
                return fail_(XMLErrorUnexpectedToken, m_end);
            char* block = static_cast<char*>(m_arena->take(attrLen + 1 + size_t(ve - vb) + 1));
            std::memcpy(block, attrName, attrLen);
            block[attrLen] = 0;
            const char* bad = nullptr;
            char* out = decodeInto(vb, ve, block + attrLen + 1, &bad);
            if (!out)
                return fail_(XMLErrorUnknownEntity, bad);
            *out = 0;
            m_arena->giveBack(out + 1, size_t(ve - vb) - size_t(out - (block + attrLen + 1)));
            m_attributes.push_back({block, block + attrLen + 1});
            q = ve + 1;
        } else {
            m_attributes.push_back({arenaString_(attrName, attrLen), nullptr});
        }
    }

    Frame_& f = m_open.back();
    XMLNodeData* d = newRecord_(name, size_t(nameEnd - name), declaration, f.node);
    d->refCount = 1; // held by the parent
    d->attributes = arenaArray_(m_attributes.data(), m_attributes.size());
    d->nAttribute = int(m_attributes.size());
    m_attributes.clear();
    m_children.push_back(d);
    addOrder_(XMLContentChild, f.child0, m_children.size());
    if (hasContent)
        m_open.push_back({d, m_children.size(), m_texts.size(), m_clears.size(), m_order.size()});
    m_p = q;
    return true;
}

bool XMLParser_::parseEndTag_()
{
    const char* tag = m_p;
    const char* q = m_p + 2;
    const char* name = q;
    while (q < m_end && isNameChar(*q))
        ++q;
    if (q == name)
        return fail_(XMLErrorMissingEndTagName, tag);
    size_t len = size_t(q - name);
    while (q < m_end && isSpace(*q))
        ++q;
    if (q >= m_end || *q != '>')
        return fail_(XMLErrorUnexpectedToken, q);

    // The end tag may close an ancestor; everything inside it closes too.
    size_t match = 0;
    for (size_t i = m_open.size(); i-- > 1;) {
        const char* open = m_open[i].node->name;
        if (std::strlen(open) == len && startsWithNoCase(open, len, name, len)) {
            match = i;
            break;
        }
    }
    if (match == 0)
        return fail_(XMLErrorUnmatchedEndTag, tag);
    while (m_open.size() > match)
        close_();
    m_p = q + 1;
    return true;
}

// The text ends at its length or at the first NUL byte, whichever is first.
XMLNode XMLParser_::parse(const char* text, size_t len, const char* tag, XMLResults* results)
{
    if (const void* nul = std::memchr(text, 0, len))
        len = size_t(static_cast<const char*>(nul) - text);
    if (len == 0) {
        if (results)
            *results = {XMLErrorNoData, 0, 0};
        return XMLNode();
    }
    XMLResults local;
    XMLResults* r = results ? results : &local;
    XMLNode node = XMLParser_(text, len).run(r);
    if (node.isEmpty())
        return node;

    XMLNodeData* top = node.m_d;
    if (top->nChild == 1 && top->nText == 0 && top->nClear == 0)
        node = XMLNode(top->children[0]);
    if (tag && *tag && !equalsNoCase(node.getName(), tag)) {
        node = node.getChildNode(tag, 0);
        if (node.isEmpty())
            *r = {XMLErrorFirstTagNotFound, 0, 0};
    }
    return node;
}

XMLNode XMLNode::parseString(const char* text, const char* tag, XMLResults* results)
{
    if (!text) {
        if (results)
            *results = {XMLErrorNoElements, 0, 0};
        return XMLNode();
    }
    return XMLParser_::parse(text, std::strlen(text), tag, results);
}

namespace {

const char* skipByteOrderMark(const char* text, size_t& len)
{
    if (len >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0) {
        len -= 3;
        return text + 3;
    }
    return text;
}

} // namespace

XMLNode XMLNode::parseFile(const char* fileName, const char* tag, XMLResults* results)
{
    // Opened the guarded way: a FIFO, a device or a folder at the path, or a
    // file past the largest document the program reads, counts as no file.
    GuardedFile::State state = GuardedFile::State::Missing;
    std::size_t size = 0;
    const int fd = fileName ? GuardedFile::open(fileName, &state, &size, GuardedFile::CatalogLimit) : -1;
    if (fd < 0) {
        if (results)
            *results = {XMLErrorFileNotFound, 0, 0};
        return XMLNode();
    }

    // A large file is mapped rather than copied: the parse reads it once
    // from front to back, and the copy would double the memory needed.
    if (size >= (1 << 20)) {
        void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (map != MAP_FAILED) {
            GuardedFile::closeDescriptor(fd);
            madvise(map, size, MADV_SEQUENTIAL);
            size_t len = size;
            const char* text = skipByteOrderMark(static_cast<const char*>(map), len);
            XMLNode node = XMLParser_::parse(text, len, tag, results);
            munmap(map, size);
            return node;
        }
    }

    // Read to the end rather than trusting the size: some files report none.
    std::vector<char> buf;
    std::size_t len = 0;
    state = GuardedFile::readAll(
        fd, size, GuardedFile::CatalogLimit,
        [](void* context, std::size_t n) -> char* {
            auto& bytes = *static_cast<std::vector<char>*>(context);
            bytes.resize(n);
            return bytes.data();
        },
        &buf, &len);
    GuardedFile::closeDescriptor(fd);
    if (state != GuardedFile::State::Read) {
        if (results)
            *results = {XMLErrorFileNotFound, 0, 0};
        return XMLNode();
    }
    const char* text = skipByteOrderMark(buf.data(), len);
    return XMLParser_::parse(text, len, tag, results);
}

// ---------------------------------------------------------------------------
// Navigation

XMLNode XMLNode::getChildNode(int i) const
{
    if (!m_d || i < 0 || i >= m_d->nChild)
        return XMLNode();
    return XMLNode(m_d->children[i]);
}

XMLNode XMLNode::getChildNode(const char* name, int i) const
{
    if (!m_d || !name)
        return XMLNode();
    XMLNodeData* last = nullptr;
    for (int k = 0; k < m_d->nChild; ++k) {
        XMLNodeData* c = m_d->children[k];
        if (equalsNoCase(c->name, name)) {
            if (i == 0)
                return XMLNode(c);
            if (i > 0)
                --i;
            last = c;
        }
    }
    return i < 0 ? XMLNode(last) : XMLNode();
}

XMLNode XMLNode::getChildNode(const char* name, int* iterator) const
{
    if (!m_d || !name)
        return XMLNode();
    int from = iterator && *iterator > 0 ? *iterator : 0;
    for (int k = from; k < m_d->nChild; ++k) {
        if (equalsNoCase(m_d->children[k]->name, name)) {
            if (iterator)
                *iterator = k + 1;
            return XMLNode(m_d->children[k]);
        }
    }
    return XMLNode();
}

int XMLNode::nChildNode() const { return m_d ? m_d->nChild : 0; }

int XMLNode::nChildNode(const char* name) const
{
    if (!m_d || !name)
        return 0;
    int n = 0;
    for (int k = 0; k < m_d->nChild; ++k)
        n += equalsNoCase(m_d->children[k]->name, name);
    return n;
}

const char* XMLNode::getName() const { return m_d ? m_d->name : nullptr; }

const char* XMLNode::getText(int i) const
{
    if (!m_d || i < 0 || i >= m_d->nText)
        return nullptr;
    return m_d->texts[i];
}

int XMLNode::nText() const { return m_d ? m_d->nText : 0; }

int XMLNode::nClear() const { return m_d ? m_d->nClear : 0; }

XMLClear XMLNode::getClear(int i) const
{
    if (!m_d || i < 0 || i >= m_d->nClear)
        return {nullptr, nullptr, nullptr};
    return m_d->clears[i];
}

bool XMLNode::isAttributeSet(const char* name) const
{
    if (!m_d || !name)
        return false;
    for (int k = 0; k < m_d->nAttribute; ++k) {
        if (equalsNoCase(m_d->attributes[k].name, name))
            return true;
    }
    return false;
}

const char* XMLNode::getAttribute(const char* name, int i) const
{
    if (!m_d || !name)
        return nullptr;
    const char* last = nullptr;
    for (int k = 0; k < m_d->nAttribute; ++k) {
        const XMLAttribute& a = m_d->attributes[k];
        if (equalsNoCase(a.name, name)) {
            if (i == 0)
                return a.value;
            if (i > 0)
                --i;
            last = a.value;
        }
    }
    return i < 0 ? last : nullptr;
}

int XMLNode::nAttribute() const { return m_d ? m_d->nAttribute : 0; }

XMLAttribute XMLNode::getAttributeAt(int i) const
{
    if (!m_d || i < 0 || i >= m_d->nAttribute)
        return {nullptr, nullptr};
    return m_d->attributes[i];
}

int XMLNode::nContent() const { return m_d ? m_d->nChild + m_d->nText + m_d->nClear : 0; }

XMLContent XMLNode::getContent(int i) const
{
    if (i < 0 || i >= nContent())
        return {XMLContentChild, -1};
    int entry = m_d->order[i];
    return {XMLContentKind(entry & 3), entry >> 2};
}

bool XMLNode::isDeclaration() const { return m_d && m_d->isDeclaration; }

// ---------------------------------------------------------------------------
// Changes

XMLNode XMLNode::addChild(const char* name, char isDeclaration, int position)
{
    if (!m_d || !name || !*name || m_d->isDeclaration)
        return XMLNode();
    XMLNodeData* d = m_d;
    d->ownContent();
    XMLNodeData* c = XMLNodeData::create(name, std::strlen(name), isDeclaration ? 1 : 0, d);
    c->refCount = 1; // held by the parent
    int count = d->nChild + d->nText + d->nClear;
    growFor(d->children, d->nChild);
    growFor(d->order, count);

    int at = (position < 0 || position > d->nChild) ? d->nChild : position;
    std::memmove(d->children + at + 1, d->children + at, size_t(d->nChild - at) * sizeof(XMLNodeData*));
    d->children[at] = c;
    ++d->nChild;

    // The new child goes into the document order just before the child it
    // displaces, or at the end; later children move up one index.
    int orderAt = count;
    for (int k = at == d->nChild - 1 ? count : 0; k < count; ++k) {
        int e = d->order[k];
        if ((e & 3) == XMLContentChild && (e >> 2) >= at) {
            if (orderAt == count)
                orderAt = k;
            d->order[k] = e + 4;
        }
    }
    std::memmove(d->order + orderAt + 1, d->order + orderAt, size_t(count - orderAt) * sizeof(int));
    d->order[orderAt] = at * 4 + XMLContentChild;
    return XMLNode(c);
}

const char* XMLNode::updateText(const char* text, int i)
{
    if (!m_d || !text || m_d->isDeclaration)
        return nullptr;
    XMLNodeData* d = m_d;
    d->ownContent();
    char* copy = copyString(text, std::strlen(text));
    if (i >= 0 && i < d->nText) {
        std::free(d->texts[i]);
        d->texts[i] = copy;
        return copy;
    }
    int count = d->nChild + d->nText + d->nClear;
    growFor(d->texts, d->nText);
    growFor(d->order, count);
    d->texts[d->nText] = copy;
    d->order[count] = d->nText * 4 + XMLContentText;
    ++d->nText;
    return copy;
}

// ---------------------------------------------------------------------------
// Writer

// Serialises a subtree with an explicit stack, buffering output in large
// blocks so that big documents are written without holding them in memory.
class XMLWriter_
{
public:
    XMLWriter_(FILE* file, bool formatted)
        : m_file(file)
        , m_formatted(formatted)
    {
        m_buf.reserve(kFlushAt + 4096);
    }

    void writeTree(XMLNodeData* root);
    void put(const char* s, size_t n);
    void put(const char* s) { put(s, std::strlen(s)); }
    bool finish();

private:
    static constexpr size_t kFlushAt = 1 << 20;

    struct Frame_ {
        XMLNodeData* node;
        int next;
        int depth;
        bool inlineContent;
    };

    void flush_();
    void indent_(int depth);
    void newline_();
    bool openElement_(XMLNodeData* d, int depth); // true when content follows
    void escaped_(const char* s, bool edgesAsReferences);
    void content_(const Frame_& f, int entry);

    FILE* m_file;
    bool m_formatted;
    bool m_failed = false;
    std::string m_buf;
    std::vector<Frame_> m_stack;
};

void XMLWriter_::flush_()
{
    if (!m_buf.empty() && std::fwrite(m_buf.data(), 1, m_buf.size(), m_file) != m_buf.size())
        m_failed = true;
    m_buf.clear();
}

void XMLWriter_::put(const char* s, size_t n)
{
    m_buf.append(s, n);
    if (m_buf.size() >= kFlushAt)
        flush_();
}

bool XMLWriter_::finish()
{
    flush_();
    return !m_failed;
}

void XMLWriter_::indent_(int depth)
{
    static const char tabs[] = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
    if (!m_formatted)
        return;
    while (depth > 0) {
        int n = depth < 32 ? depth : 32;
        put(tabs, size_t(n));
        depth -= n;
    }
}

void XMLWriter_::newline_()
{
    if (m_formatted)
        put("\n", 1);
}

// The five special characters become entities. White space at either end of
// a text becomes a numeric reference, because the reader trims raw white
// space there and the text would not read back the same.
void XMLWriter_::escaped_(const char* s, bool edgesAsReferences)
{
    size_t len = std::strlen(s);
    size_t lead = 0;
    size_t trail = len;
    if (edgesAsReferences) {
        while (lead < len && isSpace(s[lead]))
            ++lead;
        while (trail > lead && isSpace(s[trail - 1]))
            --trail;
    }
    size_t run = 0; // start of the pending verbatim run
    for (size_t i = 0; i < len; ++i) {
        const char* rep = nullptr;
        char num[16];
        switch (s[i]) {
        case '&':
            rep = "&amp;";
            break;
        case '<':
            rep = "&lt;";
            break;
        case '>':
            rep = "&gt;";
            break;
        case '"':
            rep = "&quot;";
            break;
        case '\'':
            rep = "&apos;";
            break;
        default:
            if (i < lead || i >= trail) {
                std::snprintf(num, sizeof num, "&#%d;", int(static_cast<unsigned char>(s[i])));
                rep = num;
            }
        }
        if (rep) {
            put(s + run, i - run);
            put(rep);
            run = i + 1;
        }
    }
    put(s + run, len - run);
}

bool XMLWriter_::openElement_(XMLNodeData* d, int depth)
{
    indent_(depth);
    put(d->isDeclaration ? "<?" : "<");
    put(d->name);
    for (int i = 0; i < d->nAttribute; ++i) {
        put(" ");
        put(d->attributes[i].name);
        if (d->attributes[i].value) {
            put("=\"");
            escaped_(d->attributes[i].value, false);
            put("\"");
        }
    }
    if (d->isDeclaration) {
        // A declaration ends its line in either format, like the one written
        // in front of a document, so that output reads back and writes the same.
        put("?>\n");
        return false;
    }
    if (d->nChild + d->nText + d->nClear == 0) {
        put("/>");
        newline_();
        return false;
    }
    // A bare "<PRE>" would read back as a verbatim block.
    if (d->nAttribute == 0 && equalsNoCase(d->name, "PRE"))
        put(" ");
    put(">");
    if (d->nChild > 0)
        newline_();
    return true;
}

void XMLWriter_::content_(const Frame_& f, int entry)
{
    XMLNodeData* d = f.node;
    int index = entry >> 2;
    if (!f.inlineContent)
        indent_(f.depth + 1);
    if ((entry & 3) == XMLContentText) {
        escaped_(d->texts[index], true);
    } else {
        const XMLClear& c = d->clears[index];
        put(c.openTag);
        put(c.value);
        put(c.closeTag);
    }
    if (!f.inlineContent)
        newline_();
}

void XMLWriter_::writeTree(XMLNodeData* root)
{
    if (!root)
        return;
    if (root->name) {
        if (!openElement_(root, 0))
            return;
        m_stack.push_back({root, 0, 0, root->nChild == 0});
    } else {
        // The content of a top node sits at depth 0, one line per entry.
        m_stack.push_back({root, 0, -1, false});
    }
    while (!m_stack.empty()) {
        Frame_& f = m_stack.back();
        XMLNodeData* d = f.node;
        int count = d->nChild + d->nText + d->nClear;
        if (f.next >= count) {
            if (d->name) {
                if (!f.inlineContent)
                    indent_(f.depth);
                put("</");
                put(d->name);
                put(">");
                newline_();
            }
            m_stack.pop_back();
            continue;
        }
        int entry = d->order[f.next++];
        if ((entry & 3) != XMLContentChild) {
            content_(f, entry);
            continue;
        }
        XMLNodeData* c = d->children[entry >> 2];
        int depth = f.depth + 1;
        if (openElement_(c, depth))
            m_stack.push_back({c, 0, depth, c->nChild == 0}); // f is invalid from here
    }
}

XMLError XMLNode::writeToFile(const char* fileName, const char* encoding, char format) const
{
    FILE* f = fileName ? std::fopen(fileName, "wb") : nullptr;
    if (!f)
        return XMLErrorCannotOpenForWriting;
    XMLWriter_ w(f, format != 0);
    bool utf8 = !encoding || equalsNoCase(encoding, "utf-8") || equalsNoCase(encoding, "utf8");
    if (utf8)
        w.put("\xEF\xBB\xBF");
    bool declared = m_d && (m_d->isDeclaration || (!m_d->name && m_d->nChild > 0 && m_d->children[0]->isDeclaration));
    if (!declared) {
        w.put("<?xml version=\"1.0\" encoding=\"");
        w.put(utf8 ? "utf-8" : encoding);
        w.put("\"?>\n");
    }
    w.writeTree(m_d);
    bool ok = w.finish();
    if (std::fclose(f) != 0)
        ok = false;
    return ok ? XMLErrorNone : XMLErrorCannotWrite;
}
