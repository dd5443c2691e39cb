// Parses arbitrary bytes as a file, walks the tree, writes it out and reads
// it back: output must parse without error and write the same bytes again.
#include "util/xmlParser.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Shared memory when there is one: each input does three file round trips.
std::string scratch(const char* what)
{
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(dir) + "/fuzz_xml." + std::to_string(getpid()) + "." + what;
}

std::string readAll(const std::string& path)
{
    std::string s;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            s.append(buf, n);
        std::fclose(f);
    }
    return s;
}

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_xml: %s\n", what);
        std::abort();
    }
}

// Touches every getter on every node without recursion.
void walk(const XMLNode& root)
{
    std::vector<XMLNode> todo {root};
    while (!todo.empty()) {
        XMLNode n = todo.back();
        todo.pop_back();
        const char* name = n.getName();
        check(n.nContent() == n.nChildNode() + n.nText() + n.nClear(), "content count");
        for (int i = 0; i < n.nAttribute(); ++i) {
            XMLAttribute a = n.getAttributeAt(i);
            check(a.name && n.isAttributeSet(a.name), "attribute lookup");
        }
        for (int i = 0; i < n.nText(); ++i)
            check(n.getText(i) != nullptr, "text");
        for (int i = 0; i < n.nClear(); ++i)
            check(n.getClear(i).value != nullptr, "clear");
        check(n.getChildNode(n.nChildNode()).isEmpty() && !n.getText(n.nText()), "past the end");
        int it = 0;
        for (int i = 0; i < n.nChildNode(); ++i) {
            XMLNode c = n.getChildNode(i);
            check(c.getName() != nullptr, "child name");
            check(n.nChildNode(c.getName()) >= 1 && !n.getChildNode(c.getName(), -1).isEmpty(), "by name");
            todo.push_back(c);
        }
        if (name)
            n.getChildNode(name, &it);
    }
}

} // namespace

// The scratch files of this process, removed when it exits.
struct Scratch {
    std::string in = scratch("in"), out1 = scratch("a"), out2 = scratch("b");
    ~Scratch()
    {
        for (const std::string* p : {&in, &out1, &out2})
            unlink(p->c_str());
    }
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Scratch files;
    const std::string &in = files.in, &out1 = files.out1, &out2 = files.out2;
    if (FILE* f = std::fopen(in.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    XMLResults r;
    XMLNode doc = XMLNode::parseFile(in.c_str(), nullptr, &r);
    check(r.error <= XMLErrorUnknownEntity && r.error != XMLErrorNoElements && r.error != XMLErrorFileNotFound,
        "error code");
    check(doc.isEmpty() == (r.error > XMLWarningNoTag), "empty node and error disagree");
    if (r.error != XMLErrorNone)
        check(r.line >= 1 || r.error == XMLErrorNoData, "failure without a position");

    // The same bytes as a string (up to the first NUL) with a tag.
    std::string text(reinterpret_cast<const char*>(data), size);
    XMLNode::parseString(text.c_str(), "a", &r);
    if (doc.isEmpty())
        return 0;
    walk(doc);

    check(doc.writeToFile(out1.c_str()) == XMLErrorNone, "write");
    XMLNode back = XMLNode::parseFile(out1.c_str(), nullptr, &r);
    check(r.error == XMLErrorNone, "written output does not parse cleanly");
    check(back.writeToFile(out2.c_str(), nullptr, 1) == XMLErrorNone, "second write");
    check(readAll(out1) == readAll(out2), "writing is not stable");

    // Changes on the parsed tree must keep it writable.
    XMLNode added = doc.addChild("added", 0, int(size % 3) - 1);
    added.updateText(text.c_str(), 0);
    check(doc.isDeclaration() || !added.isEmpty(), "addChild");
    check(doc.writeToFile(out1.c_str(), nullptr, 0) == XMLErrorNone, "compact write");
    return 0;
}
