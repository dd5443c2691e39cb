// The reader: building the tree of one document from a string or a file in one pass over the text.
#include "util/GuardedFile.h"
#include "util/xmlChars.h"
#include "util/xmlNodeData.h"

#include <climits>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <vector>

using namespace xmlchars;

namespace {

const char kCdataOpen[] = "<![CDATA[";
const char kCdataClose[] = "]]>";
const char kDoctypeOpen[] = "<!DOCTYPE";
const char kDoctypeClose[] = ">";
const char kCommentOpen[] = "<!--";
const char kCommentClose[] = "-->";
const char kPreOpen[] = "<PRE>";
const char kPreClose[] = "</PRE>";

} // namespace

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
