#include "util/xmlParser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

QByteArray operator""_b(const char* s, size_t n) { return QByteArray(s, qsizetype(n)); }

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kDecl("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");

// A compact picture of a subtree built only from the public getters:
// name (with "?" for declarations, "#top" for the nameless top node),
// [attributes], {content in document order}.
QByteArray dump(const XMLNode& n)
{
    if (n.isEmpty())
        return "<empty>";
    QByteArray s = n.getName() ? QByteArray(n.getName()) : QByteArray("#top");
    if (n.isDeclaration())
        s.prepend('?');
    if (n.nAttribute()) {
        s += '[';
        for (int i = 0; i < n.nAttribute(); ++i) {
            XMLAttribute a = n.getAttributeAt(i);
            s += (i ? "," : "") + QByteArray(a.name);
            if (a.value)
                s += '=' + QByteArray(a.value);
        }
        s += ']';
    }
    if (n.nContent()) {
        s += '{';
        for (int i = 0; i < n.nContent(); ++i) {
            XMLContent c = n.getContent(i);
            if (i)
                s += ' ';
            if (c.kind == XMLContentChild) {
                s += dump(n.getChildNode(c.index));
            } else if (c.kind == XMLContentText) {
                s += '\'' + QByteArray(n.getText(c.index)) + '\'';
            } else {
                XMLClear cl = n.getClear(c.index);
                s += QByteArray(cl.openTag) + cl.value + cl.closeTag;
            }
        }
        s += '}';
    }
    return s;
}

const char* orNull(const QByteArray& b) { return b.isNull() ? nullptr : b.constData(); }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TstXmlParser : public QObject
{
    Q_OBJECT

private slots:
    void errorMessages_data();
    void errorMessages();
    void parseTree_data();
    void parseTree();
    void parseErrors_data();
    void parseErrors();
    void parseFile_data();
    void parseFile();
    void navigation();
    void handlesShareData();
    void changes_data();
    void changes();
    void writeFormatted_data();
    void writeFormatted();
    void writeErrors();
    void roundTrip_data();
    void roundTrip();
    void deepDocument_data();
    void deepDocument();
    void deepBuiltTree();
    void rcXmlEdit_data();
    void rcXmlEdit();

private:
    QTemporaryDir m_dir;
};

void TstXmlParser::errorMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("message");
    const char* const messages[] = {
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
    for (int code = 0; code <= 20; ++code)
        QTest::addRow("%d", code) << code << QByteArray(messages[code]);
    QTest::newRow("21") << 21 << QByteArray("Unknown");
    QTest::newRow("-1") << -1 << QByteArray("Unknown");
}

void TstXmlParser::errorMessages()
{
    QFETCH(int, code);
    QFETCH(QByteArray, message);
    QCOMPARE(QByteArray(XMLNode::getError(code)), message);
}

void TstXmlParser::parseTree_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<QByteArray>("tree");
    QTest::addColumn<int>("error");
    const QByteArray none;

    QTest::newRow("single element is the result") << QByteArray("<a><b>x</b></a>") << none << "a{b{'x'}}"_b << 0;
    QTest::newRow("declaration keeps the top node")
        << QByteArray("<?xml version=\"1.0\"?>\n<a/>") << none << "#top{?xml[version=1.0] a}"_b << 0;
    QTest::newRow("tag in capitals names the root")
        << QByteArray("<plugins><item/></plugins>") << QByteArray("PLUGINS") << "plugins{item}"_b << 0;
    QTest::newRow("tag names a child of the root")
        << QByteArray("<plugins><item><x/></item></plugins>") << QByteArray("item") << "item{x}"_b << 0;
    QTest::newRow("tag below a declaration") << QByteArray("<?xml?><openbox_config><theme/></openbox_config>")
                                             << QByteArray("openbox_config") << "openbox_config{theme}"_b << 0;
    QTest::newRow("tag picks the first of several")
        << QByteArray("<r><i>1</i><i>2</i></r>") << QByteArray("I") << "i{'1'}"_b << 0;
    QTest::newRow("empty tag means none") << QByteArray("<r/>") << QByteArray("") << "r"_b << 0;
    QTest::newRow("blanks around a word") << QByteArray("<a>  word \n </a>") << none << "a{'word'}"_b << 0;
    QTest::newRow("blank text dropped") << QByteArray("<a> \n\t\r\n </a>") << none << "a"_b << 0;
    QTest::newRow("inner white space kept") << QByteArray("<a> x \n\t y </a>") << none << "a{'x \n\t y'}"_b << 0;
    QTest::newRow("named entities") << QByteArray("<a>x &amp; y &LT;&Gt;&quot;&apos;</a>") << none
                                    << "a{'x & y <>\"''}"_b << 0;
    QTest::newRow("numeric references") << QByteArray("<a>&#65;&#233;&#8364;&#128512;</a>") << none
                                        << "a{'A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80'}"_b << 0;
    QTest::newRow("trimmed before decoding") << QByteArray("<a> &#32;x&#10; </a>") << none << "a{' x\n'}"_b << 0;
    QTest::newRow("entities in attributes") << QByteArray("<a v=\"&amp;&#66;&apos;\"/>") << none << "a[v=&B']"_b << 0;
    QTest::newRow("cdata is a clear, not a text")
        << QByteArray("<d><![CDATA[ raw <b>&amp; ]]></d>") << none << "d{<![CDATA[ raw <b>&amp; ]]>}"_b << 0;
    QTest::newRow("clear between texts") << QByteArray("<d>a<![CDATA[b]]>c</d>") << none << "d{'a' <![CDATA[b]]> 'c'}"_b
                                         << 0;
    QTest::newRow("comment between texts joins them")
        << QByteArray("<a>one <!-- c --> two</a>") << none << "a{'one  two'}"_b << 0;
    QTest::newRow("comment run between texts")
        << QByteArray("<a>x<!--1--> <!--2--><!--3-->y<!--4-->z</a>") << none << "a{'x yz'}"_b << 0;
    QTest::newRow("comment after an element stays")
        << QByteArray("<a><b/><!--c-->t</a>") << none << "a{b <!--c--> 't'}"_b << 0;
    QTest::newRow("comment after blank text stays")
        << QByteArray("<a> <!--c-->t</a>") << none << "a{<!--c--> 't'}"_b << 0;
    QTest::newRow("comment before an element stays")
        << QByteArray("<a>t<!--c--> <b/></a>") << none << "a{'t' <!--c--> b}"_b << 0;
    QTest::newRow("doctype") << QByteArray("<!DOCTYPE html><html/>") << none << "#top{<!DOCTYPE html> html}"_b << 0;
    QTest::newRow("doctype in lower case")
        << QByteArray("<!doctype x >\n<x/>") << none << "#top{<!DOCTYPE x > x}"_b << 0;
    QTest::newRow("pre block") << QByteArray("<a><PRE> <b> &x; </PRE></a>") << none << "a{<PRE> <b> &x; </PRE>}"_b << 0;
    QTest::newRow("pre block in lower case") << QByteArray("<a><pre>x</pre></a>") << none << "a{<PRE>x</PRE>}"_b << 0;
    QTest::newRow("pre with attributes is an element")
        << QByteArray("<PRE id=\"1\">t</PRE>") << none << "PRE[id=1]{'t'}"_b << 0;
    QTest::newRow("attribute forms") << QByteArray("<a x=\"1\" y='2' z w = \"3\" e=\"\"/>") << none
                                     << "a[x=1,y=2,z,w=3,e=]"_b << 0;
    QTest::newRow("attribute value verbatim") << QByteArray("<a x=\"a>b\nc'd\"/>") << none << "a[x=a>b\nc'd]"_b << 0;
    QTest::newRow("end tag closes open children") << QByteArray("<a><b><c>t</a>") << none << "a{b{c{'t'}}}"_b << 0;
    QTest::newRow("content after the closed root")
        << QByteArray("<a><b></a><c/>tail") << none << "#top{a{b} c 'tail'}"_b << 0;
    QTest::newRow("end tag ignores case and blanks") << QByteArray("<Ab></aB  >") << none << "Ab"_b << 0;
    QTest::newRow("greater-than in text") << QByteArray("<a>1 > 0</a>") << none << "a{'1 > 0'}"_b << 0;
    QTest::newRow("declaration has no children") << QByteArray("<?x><a/>") << none << "#top{?x a}"_b << 0;
    QTest::newRow("declaration with bare attribute") << QByteArray("<?pi a?>") << none << "?pi[a]"_b << 0;
    QTest::newRow("names keep any other byte")
        << QByteArray("<n:a-b.c\xC3\xA9 x:y=\"1\"/>") << none << "n:a-b.c\xC3\xA9[x:y=1]"_b << 0;
    QTest::newRow("ends inside an element") << QByteArray("<a><b>text") << none << "a{b{'text'}}"_b << 1;
    QTest::newRow("text only") << QByteArray("just <!--x-->text") << none << "#top{'just text'}"_b << 2;
    QTest::newRow("white space only") << QByteArray("  \n ") << none << "#top"_b << 2;
    QTest::newRow("tag found nowhere") << QByteArray("<a><b/></a>") << QByteArray("c") << "<empty>"_b << 11;
    QTest::newRow("tag below the root is not searched")
        << QByteArray("<?xml?><a><b/></a>") << QByteArray("b") << "<empty>"_b << 11;
}

void TstXmlParser::parseTree()
{
    QFETCH(QByteArray, xml);
    QFETCH(QByteArray, tag);
    QFETCH(QByteArray, tree);
    QFETCH(int, error);
    XMLResults r;
    r.error = XMLErrorCannotWrite;
    XMLNode n = XMLNode::parseString(xml.constData(), orNull(tag), &r);
    QCOMPARE(dump(n), tree);
    QCOMPARE(int(r.error), error);
}

void TstXmlParser::parseErrors_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");

    QTest::newRow("unmatched end tag") << QByteArray("<a>\n <b></c>") << 6 << 2 << 5;
    QTest::newRow("end tag with nothing open") << QByteArray("</a>") << 6 << 1 << 1;
    QTest::newRow("one end tag too many") << QByteArray("<a></a></a>") << 6 << 1 << 8;
    QTest::newRow("missing end tag name") << QByteArray("<a>\n  </ a>") << 5 << 2 << 3;
    QTest::newRow("missing start tag name") << QByteArray("<a>\n< b/></a>") << 4 << 2 << 1;
    QTest::newRow("lone angle bracket") << QByteArray("<") << 4 << 1 << 1;
    QTest::newRow("lone declaration bracket") << QByteArray("x <?") << 4 << 1 << 3;
    QTest::newRow("unknown entity") << QByteArray("<a>&nbsp;</a>") << 12 << 1 << 4;
    QTest::newRow("entity without semicolon") << QByteArray("<a>\n\tx &amp y</a>") << 12 << 2 << 4;
    QTest::newRow("bare ampersand") << QByteArray("<a>fish & chips</a>") << 12 << 1 << 9;
    QTest::newRow("entity cut by the end") << QByteArray("<a>x&am") << 12 << 1 << 5;
    QTest::newRow("empty numeric reference") << QByteArray("<a>&#;</a>") << 12 << 1 << 4;
    QTest::newRow("numeric reference zero") << QByteArray("<a>&#0;</a>") << 12 << 1 << 4;
    QTest::newRow("numeric reference too big") << QByteArray("<a>&#1114112;</a>") << 12 << 1 << 4;
    QTest::newRow("numeric reference overflow") << QByteArray("<a>&#99999999999999999999;</a>") << 12 << 1 << 4;
    QTest::newRow("surrogate reference") << QByteArray("<a>&#55296;</a>") << 12 << 1 << 4;
    QTest::newRow("hexadecimal reference") << QByteArray("<a>&#x41;</a>") << 12 << 1 << 4;
    QTest::newRow("reference without semicolon") << QByteArray("<a>&#65 </a>") << 12 << 1 << 4;
    QTest::newRow("entity in attribute") << QByteArray("<a\n x='&bogus;'/>") << 12 << 2 << 5;
    QTest::newRow("entity split by a comment") << QByteArray("<a>x&am<!--c-->p;</a>") << 12 << 1 << 5;
    QTest::newRow("column counts bytes") << QByteArray("<a>\xC3\xA9&x;</a>") << 12 << 1 << 6;
    QTest::newRow("open cdata") << QByteArray("<a><![CDATA[abc") << 7 << 1 << 4;
    QTest::newRow("open comment") << QByteArray("<a>\n<!-- x") << 7 << 2 << 1;
    QTest::newRow("open comment after text") << QByteArray("<a>t <!-- x") << 7 << 1 << 6;
    QTest::newRow("open doctype") << QByteArray("<!DOCTYPE x") << 7 << 1 << 1;
    QTest::newRow("open pre block") << QByteArray("<a><PRE>x</PR") << 7 << 1 << 4;
    QTest::newRow("unknown markup") << QByteArray("<!ELEMENT x>") << 8 << 1 << 1;
    QTest::newRow("unquoted value") << QByteArray("<a b=c/>") << 8 << 1 << 6;
    QTest::newRow("open value") << QByteArray("<a b=\"c/>") << 8 << 1 << 10;
    QTest::newRow("start tag cut") << QByteArray("<r><a x") << 8 << 1 << 8;
    QTest::newRow("slash without bracket") << QByteArray("<a/ >") << 8 << 1 << 3;
    QTest::newRow("bracket inside start tag") << QByteArray("<a <b>") << 8 << 1 << 4;
    QTest::newRow("question mark closes no element") << QByteArray("<a?>") << 8 << 1 << 3;
    QTest::newRow("end tag cut") << QByteArray("<a>x</a") << 8 << 1 << 8;
    QTest::newRow("carriage return and line feed") << QByteArray("<a>\r\n<b>\r\n</c>") << 6 << 3 << 1;
    QTest::newRow("warning at the end") << QByteArray("<a>\n<b>") << 1 << 2 << 4;
    QTest::newRow("empty text") << QByteArray("") << 3 << 0 << 0;
}

void TstXmlParser::parseErrors()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, error);
    QFETCH(int, line);
    QFETCH(int, column);
    XMLResults r;
    XMLNode n = XMLNode::parseString(xml.constData(), nullptr, &r);
    QCOMPARE(int(r.error), error);
    QCOMPARE(r.line, line);
    QCOMPARE(r.column, column);
    QCOMPARE(n.isEmpty(), error > 2);
}

void TstXmlParser::parseFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    QTest::addColumn<QByteArray>("tree");

    QTest::newRow("byte-order mark skipped") << kBom + "<a>x</a>" << 0 << QByteArray("a{'x'}");
    QTest::newRow("mark only") << kBom << 3 << QByteArray("<empty>");
    QTest::newRow("empty file") << QByteArray() << 3 << QByteArray("<empty>");
    QTest::newRow("text ends at NUL") << QByteArray("<a>x</a>\0<b>", 12) << 0 << QByteArray("a{'x'}");
    QTest::newRow("NUL inside an element") << QByteArray("<a>x\0</a>", 9) << 1 << QByteArray("a{'x'}");
    QTest::newRow("mark inside is text") << QByteArray("<a>") + kBom + "</a>" << 0 << "a{'"_b + kBom + "'}";
}

void TstXmlParser::parseFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QFETCH(QByteArray, tree);
    const QString path = m_dir.filePath("in.xml");
    QVERIFY(writeBytes(path, bytes));
    XMLResults r;
    XMLNode n = XMLNode::parseFile(QFile::encodeName(path).constData(), nullptr, &r);
    QCOMPARE(int(r.error), error);
    QCOMPARE(dump(n), tree);

    XMLNode::parseFile(QFile::encodeName(m_dir.filePath("missing.xml")).constData(), nullptr, &r);
    QCOMPARE(int(r.error), int(XMLErrorFileNotFound));
    QVERIFY(XMLNode::parseFile(QFile::encodeName(m_dir.path()).constData(), nullptr, &r).isEmpty());
    QCOMPARE(int(r.error), int(XMLErrorFileNotFound));
    QVERIFY(XMLNode::parseFile(nullptr, nullptr, &r).isEmpty());
    QCOMPARE(int(r.error), int(XMLErrorFileNotFound));
    QVERIFY(XMLNode::parseString(nullptr, nullptr, &r).isEmpty());
    QCOMPARE(int(r.error), int(XMLErrorNoElements));
}

void TstXmlParser::navigation()
{
    XMLNode r = XMLNode::parseString("<r a=\"1\" B=\"2\" a=\"3\" flag>"
                                     "<item>one</item><other/><ITEM>two<x/>three</ITEM><item/>"
                                     "<c><![CDATA[c1]]><!--c2--></c></r>");
    QCOMPARE(r.nChildNode(), 5);
    QCOMPARE(r.nChildNode("Item"), 3);
    QCOMPARE(r.nChildNode("none"), 0);
    QCOMPARE(r.nChildNode(nullptr), 0);
    QCOMPARE(r.getChildNode(1).getName(), "other");
    QVERIFY(r.getChildNode(5).isEmpty());
    QVERIFY(r.getChildNode(-1).isEmpty());
    QCOMPARE(r.getChildNode("item", 1).getText(), "two");
    QCOMPARE(r.getChildNode("item", -1).nContent(), 0);
    QVERIFY(r.getChildNode("item", 3).isEmpty());
    QVERIFY(r.getChildNode("none", -1).isEmpty());
    QCOMPARE(r.getChildNode("ITEM").getText(1), nullptr);
    QCOMPARE(r.getChildNode("item", 1).getText(1), "three");

    // The iterator walks the children of one name and stays put at the end.
    QList<QByteArray> seen;
    int it = 0;
    for (XMLNode n = r.getChildNode("item", &it); !n.isEmpty(); n = r.getChildNode("item", &it))
        seen << QByteArray(n.getName()) + "@" + QByteArray::number(it);
    QCOMPARE(seen, (QList<QByteArray> {"item@1", "ITEM@3", "item@4"}));
    QCOMPARE(it, 4);
    it = 2;
    QCOMPARE(r.getChildNode("c", &it).getClear().value, "c1");
    QCOMPARE(it, 5);
    QCOMPARE(r.getChildNode("item", static_cast<int*>(nullptr)).getText(), "one");

    QVERIFY(r.isAttributeSet("b"));
    QVERIFY(r.isAttributeSet("FLAG"));
    QVERIFY(!r.isAttributeSet("c"));
    QCOMPARE(r.getAttribute("A"), "1");
    QCOMPARE(r.getAttribute("a", 1), "3");
    QCOMPARE(r.getAttribute("a", -1), "3");
    QCOMPARE(r.getAttribute("a", 2), nullptr);
    QCOMPARE(r.getAttribute("flag"), nullptr);

    XMLNode c = r.getChildNode("c");
    QCOMPARE(c.nClear(), 2);
    QCOMPARE(c.nText(), 0);
    QCOMPARE(c.getClear(1).value, "c2");
    QCOMPARE(c.getClear(1).openTag, "<!--");
    QCOMPARE(c.getClear(1).closeTag, "-->");
    QCOMPARE(c.getClear(2).value, nullptr);
    QCOMPARE(c.getContent(2).index, -1);

    // Every getter on the empty node answers "nothing".
    const XMLNode& e = XMLNode::emptyNode;
    QVERIFY(e.isEmpty());
    QVERIFY(e.getChildNode(0).isEmpty());
    QVERIFY(e.getChildNode("x").isEmpty());
    QVERIFY(e.getChildNode("x", &it).isEmpty());
    QCOMPARE(e.nChildNode() + e.nChildNode("x") + e.nText() + e.nClear() + e.nAttribute() + e.nContent(), 0);
    QCOMPARE(e.getName(), nullptr);
    QCOMPARE(e.getText(), nullptr);
    QCOMPARE(e.getClear().value, nullptr);
    QCOMPARE(e.getAttribute("x"), nullptr);
    QCOMPARE(e.getAttributeAt(0).name, nullptr);
    QVERIFY(!e.isAttributeSet("x"));
    QVERIFY(!e.isDeclaration());
    XMLNode copy = e;
    QVERIFY(copy.addChild("x").isEmpty());
    QCOMPARE(copy.updateText("x"), nullptr);
    QCOMPARE(XMLNode::getVersion(), "v2.40");
}

void TstXmlParser::handlesShareData()
{
    XMLNode child;
    {
        XMLNode doc = XMLNode::parseString("<r><a><b>x</b></a><c/></r>");
        child = doc.getChildNode("a");
        XMLNode again = doc.getChildNode("a");
        again.updateText("new");
        QCOMPARE(child.getText(), "new");
    }
    // The document is gone; the subtree held by a handle stays whole.
    QCOMPARE(dump(child), QByteArray("a{b{'x'} 'new'}"));
    XMLNode b = child.getChildNode(0);
    child = XMLNode();
    QCOMPARE(dump(b), QByteArray("b{'x'}"));
    XMLNode& self = b;
    b = self;
    XMLNode moved = std::move(b);
    QVERIFY(b.isEmpty());
    QCOMPARE(moved.getText(), "x");

    // Added elements outlive the document they were added to, with their
    // own added children; the document's parsed part goes with it.
    XMLNode added, kept;
    {
        XMLNode doc = XMLNode::parseString("<r><a>t</a></r>");
        added = doc.addChild("x");
        added.addChild("y").updateText("deep");
        kept = doc.getChildNode("a");
        kept.updateText("u", 1);
    }
    QCOMPARE(dump(added), QByteArray("x{y{'deep'}}"));
    QCOMPARE(dump(kept), QByteArray("a{'t' 'u'}"));
}

void TstXmlParser::changes_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("tree");
    QTest::newRow("append") << -1 << QByteArray("r{'t' a <!--c--> b n{'v' 'w'}}");
    QTest::newRow("past the end") << 7 << QByteArray("r{'t' a <!--c--> b n{'v' 'w'}}");
    QTest::newRow("first") << 0 << QByteArray("r{'t' n{'v' 'w'} a <!--c--> b}");
    QTest::newRow("second") << 1 << QByteArray("r{'t' a <!--c--> n{'v' 'w'} b}");
}

void TstXmlParser::changes()
{
    QFETCH(int, position);
    QFETCH(QByteArray, tree);
    XMLNode r = XMLNode::parseString("<r>t<a/><!--c--><b/></r>");
    XMLNode n = r.addChild("n", 0, position);
    QCOMPARE(n.updateText("x", 3), "x"); // appended
    QCOMPARE(n.updateText("v"), "v"); // replaced
    QVERIFY(n.updateText("w", 1));
    QCOMPARE(dump(r), tree);
    QCOMPARE(r.getChildNode(position < 0 || position > 2 ? 2 : position).getName(), "n");

    // Growing well past one step keeps order and content.
    for (int i = 0; i < 120; ++i)
        n.addChild(i % 2 ? "odd" : "even").updateText(QByteArray::number(i).constData());
    QCOMPARE(n.nChildNode("odd"), 60);
    QCOMPARE(n.getChildNode("even", -1).getText(), "118");
    QCOMPARE(n.getContent(121).kind, XMLContentChild);
    QCOMPARE(n.getContent(121).index, 119);
    QVERIFY(r.getChildNode("a").addChild("", 0).isEmpty());
    XMLNode decl = r.addChild("pi", 1);
    QVERIFY(decl.isDeclaration());
    QVERIFY(decl.addChild("x").isEmpty());
}

void TstXmlParser::writeFormatted_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("element gets a declaration")
        << QByteArray("<a x=\"1&amp;&quot;\" y><b>t&lt;&gt;&apos;</b><c></c></a>") << QByteArray() << 1
        << kBom + kDecl + "<a x=\"1&amp;&quot;\" y>\n\t<b>t&lt;&gt;&apos;</b>\n\t<c/>\n</a>\n";
    QTest::newRow("top with a declaration first")
        << QByteArray("<?xml version=\"1.0\"?><a/>") << QByteArray() << 1 << kBom + "<?xml version=\"1.0\"?>\n<a/>\n";
    QTest::newRow("top without a declaration")
        << QByteArray("<!DOCTYPE a><a/>") << QByteArray() << 1 << kBom + kDecl + "<!DOCTYPE a>\n<a/>\n";
    QTest::newRow("declaration alone") << QByteArray("<?xml version=\"1.0\"?>") << QByteArray() << 1
                                       << kBom + "<?xml version=\"1.0\"?>\n";
    QTest::newRow("mixed content") << QByteArray("<a>t<b><c>u</c></b>v<![CDATA[ w ]]></a>") << QByteArray() << 1
                                   << kBom + kDecl
            + "<a>\n\tt\n\t<b>\n\t\t<c>u</c>\n\t</b>\n\tv\n\t<![CDATA[ w ]]>\n</a>\n";
    QTest::newRow("clears inline") << QByteArray("<a><!--x-->y</a>") << QByteArray() << 1
                                   << kBom + kDecl + "<a><!--x-->y</a>\n";
    QTest::newRow("edge white space as references")
        << QByteArray("<a>&#32;x&#9;y&#10;</a>") << QByteArray() << 1 << kBom + kDecl + "<a>&#32;x\ty&#10;</a>\n";
    QTest::newRow("bare pre element") << QByteArray("<PRE >t</PRE>") << QByteArray() << 1
                                      << kBom + kDecl + "<PRE >t</PRE>\n";
    QTest::newRow("explicit utf-8") << QByteArray("<a/>") << QByteArray("UTF-8") << 1 << kBom + kDecl + "<a/>\n";
    QTest::newRow("other encoding") << QByteArray("<a/>") << QByteArray("ISO-8859-1") << 1
                                    << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<a/>\n");
    QTest::newRow("no layout") << QByteArray("<a>\n <b>x</b>\n <c/>\n</a>") << QByteArray() << 0
                               << kBom + kDecl + "<a><b>x</b><c/></a>";
}

void TstXmlParser::writeFormatted()
{
    QFETCH(QByteArray, xml);
    QFETCH(QByteArray, encoding);
    QFETCH(int, format);
    QFETCH(QByteArray, file);
    XMLResults r;
    XMLNode n = XMLNode::parseString(xml.constData(), nullptr, &r);
    QCOMPARE(int(r.error), 0);
    const QString path = m_dir.filePath("out.xml");
    QCOMPARE(int(n.writeToFile(QFile::encodeName(path).constData(), orNull(encoding), char(format))), 0);
    QCOMPARE(readAll(path), file);
}

void TstXmlParser::writeErrors()
{
    XMLNode n = XMLNode::parseString("<a/>");
    QCOMPARE(int(n.writeToFile(QFile::encodeName(m_dir.filePath("no/such/dir.xml")).constData())),
        int(XMLErrorCannotOpenForWriting));
    QCOMPARE(int(n.writeToFile(nullptr)), int(XMLErrorCannotOpenForWriting));
    if (!QFile::exists("/dev/full"))
        QSKIP("no /dev/full to provoke a failed write");
    QCOMPARE(int(n.writeToFile("/dev/full")), int(XMLErrorCannotWrite));
    // A big document fails while it is written, not only when it is closed.
    XMLNode big = XMLNode::parseString("<r/>");
    for (int i = 0; i < 100000; ++i)
        big.addChild("item").updateText("some text to fill the buffer");
    QCOMPARE(int(big.writeToFile("/dev/full")), int(XMLErrorCannotWrite));
}

void TstXmlParser::roundTrip_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("format");
    const QList<QPair<const char*, QByteArray>> docs = {
        {"catalog",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plugins>\n <item>\n  <internalName>app</internalName>\n"
            "  <description><![CDATA[<b>Bold</b> & more\n lines]]></description>\n"
            "  <platform><platformID>TS-1</platformID><location>http://x/a.qpkg?a=1&amp;b=2</location></platform>\n"
            " </item>\n</plugins>\n"},
        {"mixed content and comments", "<a>t<!--c--> <b x='\"'>u</b>v&lt;w<![CDATA[]]><!--d--><e/>z</a>"},
        {"top-level texts and clears", "x<!DOCTYPE y><?pi?>\n<r/>\ntail<![CDATA[q]]>"},
        {"edge white space", "<a>&#32;&#13;x&#10;</a><b>&#9;</b>"},
        {"special names", "<PRE >x<PRE/></PRE><pre x='1'/>"},
        {"declaration alone", "<?xml version='1.0'?>"},
        {"text alone", "just text"},
        {"unicode", "<a \xC3\xA9=\"\xE2\x82\xAC\">\xF0\x9F\x98\x80 &#128512;</a>"},
        {"unclosed", "<a><b>x<c>"},
        {"comment ending in dashes", "<a><!--x---><!-----></a>"},
    };
    for (const auto& d : docs) {
        QTest::addRow("%s, formatted", d.first) << d.second << 1;
        QTest::addRow("%s, no layout", d.first) << d.second << 0;
    }
}

void TstXmlParser::roundTrip()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, format);
    XMLResults r;
    XMLNode first = XMLNode::parseString(xml.constData(), nullptr, &r);
    QVERIFY(r.error <= XMLWarningNoTag);
    const QByteArray a = QFile::encodeName(m_dir.filePath("a.xml"));
    const QByteArray b = QFile::encodeName(m_dir.filePath("b.xml"));
    QCOMPARE(int(first.writeToFile(a.constData(), nullptr, char(format))), 0);
    XMLNode second = XMLNode::parseFile(a.constData(), nullptr, &r);
    QCOMPARE(int(r.error), 0);

    // Writing a named element adds a declaration in front of it; the tree
    // itself comes back unchanged.
    XMLNode compared = second;
    if (first.getName() && !first.isDeclaration()) {
        QCOMPARE(second.nChildNode(), 2);
        QVERIFY(second.getChildNode(0).isDeclaration());
        compared = second.getChildNode(1);
    }
    QByteArray expected = dump(first);
    if (!first.getName() && first.nContent() == 0)
        expected = "#top{?xml[version=1.0,encoding=utf-8]}";
    else if (!first.getName() && !(first.nChildNode() && first.getChildNode(0).isDeclaration()))
        expected.replace("#top{", "#top{?xml[version=1.0,encoding=utf-8] ");
    QCOMPARE(dump(compared), expected);
    QCOMPARE(int(second.writeToFile(b.constData(), nullptr, char(format))), 0);
    QCOMPARE(readAll(b), readAll(a));
}

void TstXmlParser::deepDocument_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("depth");
    const int n = 100000;
    QTest::newRow("balanced") << QByteArray("<a>").repeated(n) + "x" + QByteArray("</a>").repeated(n) << 0 << n;
    QTest::newRow("never closed") << QByteArray("<a>").repeated(n) << 1 << n;
    QTest::newRow("closed by the root") << "<r>"_b + QByteArray("<a>").repeated(n) + "</r>" << 0 << n + 1;
    QTest::newRow("broken at the bottom") << QByteArray("<a>").repeated(n) + "</b>" << 6 << 0;
}

// Parses, walks, writes, reads back and frees on a thread with a small stack:
// any recursion over the depth would overflow it.
void TstXmlParser::deepDocument()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, error);
    QFETCH(int, depth);
    const QByteArray path = QFile::encodeName(m_dir.filePath("deep.xml"));
    XMLResults r, again;
    int walked = -1, reread = -1;
    XMLError written = XMLErrorCannotWrite;
    QThread* t = QThread::create([&] {
        XMLNode n = XMLNode::parseString(xml.constData(), nullptr, &r);
        if (n.isEmpty())
            return;
        walked = 0;
        XMLNode c = n;
        for (; c.nChildNode(); c = c.getChildNode(0))
            ++walked;
        c.updateText("changed", 9); // freeing a changed document walks it
        c = XMLNode();
        written = n.writeToFile(path.constData(), nullptr, 0);
        XMLNode back = XMLNode::parseFile(path.constData(), nullptr, &again);
        reread = 0;
        for (XMLNode c = back.getChildNode(1); c.nChildNode(); c = c.getChildNode(0))
            ++reread;
    });
    t->setStackSize(256 * 1024);
    t->start();
    QVERIFY(t->wait(60000));
    delete t;
    QCOMPARE(int(r.error), error);
    if (error > XMLWarningNoTag)
        return;
    QCOMPARE(walked, depth - 1);
    QCOMPARE(int(written), 0);
    QCOMPARE(int(again.error), 0);
    QCOMPARE(reread, depth - 1);
}

// A chain built with addChild below a parsed root, changed at the bottom:
// written, read back and freed without recursion as well.
void TstXmlParser::deepBuiltTree()
{
    const int n = 100000;
    const QByteArray path = QFile::encodeName(m_dir.filePath("built.xml"));
    XMLResults r;
    int reread = -1;
    XMLError written = XMLErrorCannotWrite;
    QThread* t = QThread::create([&] {
        XMLNode root = XMLNode::parseString("<root><keep/></root>");
        XMLNode c = root;
        for (int i = 0; i < n; ++i)
            c = c.addChild("n");
        c.updateText("bottom");
        written = root.writeToFile(path.constData(), nullptr, 0);
        c = XMLNode();
        root = XMLNode();
        XMLNode back = XMLNode::parseFile(path.constData(), "root", &r);
        reread = 0;
        for (c = back.getChildNode("n"); !c.isEmpty(); c = c.getChildNode(0))
            ++reread;
    });
    t->setStackSize(256 * 1024);
    t->start();
    QVERIFY(t->wait(60000));
    delete t;
    QCOMPARE(int(written), 0);
    QCOMPARE(int(r.error), 0);
    QCOMPARE(reread, n);
}

void TstXmlParser::rcXmlEdit_data()
{
    QTest::addColumn<QByteArray>("layout");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("theme");
    const QByteArray tail = "\t\t<keepBorder>yes</keepBorder>\n";
    QTest::newRow("replaces the layout") << QByteArray("<titleLayout>NLIMC</titleLayout>") << QByteArray("NLC")
                                         << "\t\t<titleLayout>NLC</titleLayout>\n"_b + tail;
    QTest::newRow("fills an empty layout")
        << QByteArray("<titleLayout/>") << QByteArray("NLIMC") << "\t\t<titleLayout>NLIMC</titleLayout>\n"_b + tail;
    QTest::newRow("adds a missing layout")
        << QByteArray() << QByteArray("NLC") << tail + "\t\t<titleLayout>NLC</titleLayout>\n";
}

// The window manager's settings: find the theme, set its title layout, write
// the document back formatted and read it again.
void TstXmlParser::rcXmlEdit()
{
    QFETCH(QByteArray, layout);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, theme);
    const QString path = m_dir.filePath("rc.xml");
    QVERIFY(writeBytes(path,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- desktop settings -->\n"
        "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n  <resistance>\n"
        "    <strength>10</strength>\n  </resistance>\n  <theme>\n    <name>Onyx</name>\n    "
            + layout + "\n    <keepBorder>yes</keepBorder>\n  </theme>\n</openbox_config>\n"));
    const QByteArray file = QFile::encodeName(path);
    XMLResults r;
    XMLNode root = XMLNode::parseFile(file.constData(), "openbox_config", &r);
    QCOMPARE(int(r.error), 0);
    XMLNode themeNode = root.getChildNode("theme");
    XMLNode tl = themeNode.getChildNode("titleLayout");
    if (tl.isEmpty())
        tl = themeNode.addChild("titleLayout");
    tl.updateText(value.constData(), 0);
    QCOMPARE(int(root.writeToFile(file.constData(), nullptr, 1)), 0);

    QCOMPARE(readAll(path),
        kBom + kDecl
            + "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n\t<resistance>\n"
              "\t\t<strength>10</strength>\n\t</resistance>\n\t<theme>\n\t\t<name>Onyx</name>\n"
            + theme + "\t</theme>\n</openbox_config>\n");
    XMLNode back = XMLNode::parseFile(file.constData(), "openbox_config", &r);
    QCOMPARE(int(r.error), 0);
    QCOMPARE(back.getChildNode("theme").getChildNode("titlelayout").getText(), value.constData());
    QCOMPARE(back.getAttribute("xmlns"), "http://openbox.org/3.4/rc");
}

QTEST_GUILESS_MAIN(TstXmlParser)
#include "tst_xmlparser.moc"
