// The writer: a subtree to a file, formatted or not.
#include "util/GuardedFile.h"
#include "util/xmlChars.h"
#include "util/xmlNodeData.h"

#include <cstdio>
#include <string>
#include <vector>

using xmlchars::equalsNoCase;
using xmlchars::isSpace;

// ---------------------------------------------------------------------------
// Writer

// Serialises a subtree with an explicit stack, buffering output in large
// blocks so that big documents are written without holding them in memory.
class XMLWriter_
{
public:
    XMLWriter_(GuardedFile::Replacement& file, bool formatted)
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

    GuardedFile::Replacement& m_file;
    bool m_formatted;
    bool m_failed = false;
    std::string m_buf;
    std::vector<Frame_> m_stack;
};

void XMLWriter_::flush_()
{
    if (!m_buf.empty() && !m_file.write(m_buf.data(), m_buf.size()))
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
    // A document written for keeps (the desktop's configuration) replaces
    // the old one whole; a link or anything but a file there is not written.
    GuardedFile::Replacement f(fileName);
    if (f.state() != GuardedFile::Replace::Done)
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
    const bool ok = w.finish();
    return ok && f.commit() == GuardedFile::Replace::Done ? XMLErrorNone : XMLErrorCannotWrite;
}
