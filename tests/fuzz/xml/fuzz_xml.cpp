// Parses arbitrary bytes as a file, writes the tree out and reads it back: the output must parse without error and
// write the same bytes again, also after a change to the tree.
#include "../support/MemoryFiles.h"
#include "util/xmlParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string in = memoryFile("fuzz_xml"), a = memoryFile("fuzz_xml"), b = memoryFile("fuzz_xml");
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::ofstream(in, std::ios::binary | std::ios::trunc) << text;
    XMLResults r;
    XMLNode doc = XMLNode::parseFile(in.c_str(), nullptr, &r);
    if (r.error > XMLErrorUnknownEntity || doc.isEmpty() != (r.error > XMLWarningNoTag)
        || (r.error != XMLErrorNone && r.line < 1 && r.error != XMLErrorNoData))
        __builtin_trap();
    for (int format = 0; format < 2 && !doc.isEmpty(); ++format) {
        XMLNode back;
        if (doc.writeToFile(a.c_str(), nullptr, char(format)) != XMLErrorNone
            || (back = XMLNode::parseFile(a.c_str(), nullptr, &r), r.error != XMLErrorNone)
            || back.writeToFile(b.c_str(), nullptr, char(format)) != XMLErrorNone || slurp(a) != slurp(b))
            __builtin_trap();
        doc.addChild("added", 0, int(size % 3) - 1).updateText(text.c_str(), 0); // changed trees too
    }
    return 0;
}
