// The tree: records and handles, navigation, and changes after parsing.
#include "util/xmlChars.h"
#include "util/xmlNodeData.h"

#include <sys/mman.h>

using namespace xmlstore;
using xmlchars::equalsNoCase;

namespace {

const char kVersion[] = "v2.40";

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
