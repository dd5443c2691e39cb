#pragma once

// A small in-memory XML reader and writer for 8-bit UTF-8 text.
//
// A document is parsed into a tree of node records; XMLNode is a cheap,
// reference-counted handle to one record. Copying a handle shares the record.
// A parsed document is freed as a whole when the last handle to any of its
// nodes goes (a handle to one element keeps the document's storage); an
// element made by addChild lives while a handle or its parent holds it.
// Lookups that find nothing return the empty node, and every getter on the
// empty node returns null or 0, so callers can chain lookups without checks.
// Nothing here throws, and nothing recurses over the depth of a document:
// parsing, freeing and writing use explicit stacks, so hostile nesting cannot
// exhaust the call stack. Handles are not safe to share between threads.
//
// Plain C++ without Qt types, so that every part of the program can use it.

enum XMLError : int {
    XMLErrorNone = 0,
    XMLWarningUnmatchedEndTag = 1, // the document ended inside an element
    XMLWarningNoTag = 2, // the document holds no element at all
    XMLErrorNoData = 3,
    XMLErrorMissingStartTagName = 4,
    XMLErrorMissingEndTagName = 5,
    XMLErrorUnmatchedEndTag = 6,
    XMLErrorUnmatchedClearEnd = 7,
    XMLErrorUnexpectedToken = 8,
    XMLErrorNoElements = 9,
    XMLErrorFileNotFound = 10,
    XMLErrorFirstTagNotFound = 11,
    XMLErrorUnknownEntity = 12,
    XMLErrorCharAbove255 = 13,
    XMLErrorCharConversion = 14,
    XMLErrorCannotOpenForWriting = 15,
    XMLErrorCannotWrite = 16,
    XMLWarningBase64Length = 17,
    XMLErrorBase64Char = 18,
    XMLWarningBase64Truncated = 19,
    XMLErrorBase64BufferTooSmall = 20,
};

// Where a parse ended: the error code and, for a failure, the line and column
// (both counted from 1, columns in bytes) where it was detected. Line and
// column are 0 when the failure has no place in the text.
struct XMLResults {
    XMLError error = XMLErrorNone;
    int line = 0;
    int column = 0;
};

struct XMLAttribute {
    const char* name; // never null for a stored attribute
    const char* value; // null for an attribute written without a value
};

// A section kept verbatim: CDATA, DOCTYPE, a comment or a PRE block.
struct XMLClear {
    const char* value; // the text between the opening and the closing tag
    const char* openTag; // for example "<![CDATA["
    const char* closeTag; // for example "]]>"
};

enum XMLContentKind : int { XMLContentChild = 0, XMLContentAttribute = 1, XMLContentText = 2, XMLContentClear = 3 };

// One entry of an element's content in document order: a child element, a
// text field or a clear, by its index among its own kind.
struct XMLContent {
    XMLContentKind kind;
    int index;
};

struct XMLNodeData;

class XMLNode
{
public:
    constexpr XMLNode() noexcept = default;
    XMLNode(const XMLNode& other) noexcept;
    XMLNode(XMLNode&& other) noexcept;
    XMLNode& operator=(const XMLNode& other) noexcept;
    XMLNode& operator=(XMLNode&& other) noexcept;
    ~XMLNode();

    // The handle without data, shared by everyone who needs "nothing found".
    static const XMLNode emptyNode;

    static const char* getVersion();
    static const char* getError(int code);

    // Parses a whole file (binary read, a leading UTF-8 byte-order mark is
    // skipped, the text ends at the first NUL byte) or a string. Without a tag,
    // the result is the nameless top node, or its one element when it holds
    // exactly one element and nothing else. With a tag that the result's name
    // does not match (ignoring case), the result becomes its first child of
    // that name. Warnings (codes 1 and 2) keep the tree; errors give the empty
    // node.
    static XMLNode parseFile(const char* fileName, const char* tag = nullptr, XMLResults* results = nullptr);
    static XMLNode parseString(const char* text, const char* tag = nullptr, XMLResults* results = nullptr);

    // Navigation. Element and attribute names compare without regard to case.
    XMLNode getChildNode(int i = 0) const;
    XMLNode getChildNode(const char* name, int i = 0) const; // negative i: the last one of that name
    XMLNode getChildNode(const char* name, int* iterator) const;
    int nChildNode() const;
    int nChildNode(const char* name) const;
    const char* getName() const;
    const char* getText(int i = 0) const;
    int nText() const;
    int nClear() const;
    XMLClear getClear(int i = 0) const;
    bool isAttributeSet(const char* name) const;
    const char* getAttribute(const char* name, int i = 0) const; // negative i: the last one of that name
    int nAttribute() const;
    XMLAttribute getAttributeAt(int i) const;
    int nContent() const;
    XMLContent getContent(int i) const; // {XMLContentChild, -1} when out of range
    bool isEmpty() const { return m_d == nullptr; }
    bool isDeclaration() const;

    // Changes. addChild appends with position -1 (or any position past the
    // last child) and otherwise inserts before the child at that position.
    XMLNode addChild(const char* name, char isDeclaration = 0, int position = -1);
    // Replaces text field i, or appends the text when the element has fewer
    // texts. Returns the stored copy.
    const char* updateText(const char* text, int i = 0);

    // Writes this node and everything below it. In UTF-8 mode (null encoding
    // or "utf-8") a byte-order mark comes first. Format 1 puts each element on
    // its own line, indented by one tab per depth; format 0 writes no layout.
    XMLError writeToFile(const char* fileName, const char* encoding = nullptr, char format = 1) const;

private:
    explicit XMLNode(XMLNodeData* d) noexcept;

    XMLNodeData* m_d = nullptr;

    friend struct XMLNodeData;
    friend class XMLParser_;
    friend class XMLWriter_;
};
