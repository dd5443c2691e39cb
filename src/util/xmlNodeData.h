#pragma once
// The records behind XMLNode handles and the storage of a parsed document, shared by the reader, the tree's
// navigation and changes, and the writer.
#include "util/xmlParser.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

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

namespace xmlstore {

// Out of memory leaves nothing sensible to return; stop rather than corrupt.
inline void* checkedAlloc(size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        std::abort();
    return p;
}

inline void* checkedRealloc(void* old, size_t size)
{
    void* p = std::realloc(old, size ? size : 1);
    if (!p)
        std::abort();
    return p;
}

// The room an owned array of n entries has: arrays grow in steps of 50
// entries, and by half their size once they are large so that building a
// long list stays linear. Derived from n, so records need not store it.
inline size_t capacityFor(size_t n)
{
    size_t c = 0;
    while (c < n)
        c += c / 2 > 50 ? c / 2 : 50;
    return c;
}

template<typename T> inline T* copyArray(const T* from, size_t n)
{
    if (n == 0)
        return nullptr;
    T* to = static_cast<T*>(checkedAlloc(capacityFor(n) * sizeof(T)));
    std::memcpy(to, from, n * sizeof(T));
    return to;
}

// Makes room for one more entry in an owned array of n entries.
template<typename T> inline void growFor(T*& array, int n)
{
    size_t now = capacityFor(size_t(n));
    if (size_t(n) + 1 > now)
        array = static_cast<T*>(checkedRealloc(array, capacityFor(size_t(n) + 1) * sizeof(T)));
}

inline char* copyString(const char* s, size_t len)
{
    char* c = static_cast<char*>(checkedAlloc(len + 1));
    std::memcpy(c, s, len);
    c[len] = 0;
    return c;
}

} // namespace xmlstore
