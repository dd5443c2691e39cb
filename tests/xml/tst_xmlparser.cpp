#include "DataRows.h"
#include "ScratchSysroot.h"
#include "util/xmlParser.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>

#include <csignal>

#include <sys/resource.h>

#define BOM "\xEF\xBB\xBF"
#define UTF8_HEAD BOM "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"

namespace {

using namespace Qt::Literals::StringLiterals;

// A subtree from the public getters: name ("?" marks a declaration, "#top"
// the nameless top node), [attributes], {content in document order}.
QByteArray dump(const XMLNode& n)
{
    if (n.isEmpty())
        return "<empty>";
    QByteArray s = (n.isDeclaration() ? "?" : "") + QByteArray(n.getName() ? n.getName() : "#top");
    for (int i = 0; i < n.nAttribute(); ++i) {
        XMLAttribute a = n.getAttributeAt(i);
        s += (i ? "," : "[") + QByteArray(a.name) + (a.value ? "=" + QByteArray(a.value) : QByteArray());
    }
    s += n.nAttribute() ? "]" : "";
    for (int i = 0; i < n.nContent(); ++i) {
        XMLContent c = n.getContent(i);
        XMLClear cl = n.getClear(c.index);
        s += i ? " " : "{";
        if (c.kind == XMLContentChild)
            s += dump(n.getChildNode(c.index));
        else
            s += c.kind == XMLContentText ? "'" + QByteArray(n.getText(c.index)) + "'"
                                          : cl.openTag + QByteArray(cl.value) + cl.closeTag;
    }
    return s + (n.nContent() ? "}" : "");
}

// The tree picture, followed by " !message@line:column" when the parse reports anything.
QByteArray outcome(const XMLNode& n, const XMLResults& r)
{
    const QByteArray where = QString::asprintf("@%d:%d", r.line, r.column).toLatin1();
    return dump(n) + (r.error ? " !" + QByteArray(XMLNode::getError(r.error)) + where : "");
}

const char* orNull(const QByteArray& b) { return b.isNull() ? nullptr : b.constData(); }

} // namespace

class TstXmlParser : public QObject
{
    Q_OBJECT

    QByteArray file(const char* name) const { return QFile::encodeName(m_root.path(name)); }
    ScratchSysroot m_root;

private slots:
    void parse_data()
    {
        columns<QByteArray, QByteArray, QByteArray>(); // text, tag asked for, outcome
        auto row = [](const char* name, const QByteArray& xml, const QByteArray& result, const char* tag = nullptr) {
            ::row(name, xml, QByteArray(tag), result);
        };
        row("single element is the result", "<a><b>x</b></a>", "a{b{'x'}}");
        row("declaration keeps the top node", "<?xml version=\"1.0\"?>\n<a/>", "#top{?xml[version=1.0] a}");
        row("tag names the root, any case", "<?xml?><!--c--><plugins><item/></plugins>", "plugins{item}", "PLUGINS");
        row("tag names the first such child", "<r><ix>0</ix><i>1</i><i>2</i></r>", "i{'1'}", "I");
        row("empty tag means none", "<r/>", "r", "");
        row("tag below the root is not searched", "<?xml?><a><b/></a>", "<empty> !Error: First Tag not found@0:0", "b");
        row("white space", "<a>  x \n\t y \r\n <b> \n\t\r\n </b></a>", "a{'x \n\t y' b}");
        row("named entities", "<a>x &amp; y &LT;&Gt;&quot;&apos; 1 > 0</a>", "a{'x & y <>\"' 1 > 0'}");
        row("numeric references, trimmed before decoding", "<a> &#32;A&#233;&#8364;&#128512;&#10; </a>",
            "a{' A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\n'}");
        row("cdata is a clear", "<d>a<![CDATA[ <b>&amp; ]]>c</d>", "d{'a' <![CDATA[ <b>&amp; ]]> 'c'}");
        row("comments between texts join them", "<a>x<!--1--> <!--2--><!--3-->y<!--4-->z</a>", "a{'x yz'}");
        row("other comments stay", "<a><b/><!--c-->t<!--d--> <e/> <!--f-->u</a>",
            "a{b <!--c--> 't' <!--d--> e <!--f--> 'u'}");
        row("doctype in any case", "<!doctype x >\n<x/>", "#top{<!DOCTYPE x > x}");
        row("pre block in any case", "<a><pre> <b> &x; </PRE><PRE id='1'>t</PRE></a>",
            "a{<PRE> <b> &x; </PRE> PRE[id=1]{'t'}}");
        row("attribute forms", "<a x=\"&amp;&#66;&apos;\" y='a>b\nc\"d' z w = \"3\" e=\"\"/>",
            "a[x=&B',y=a>b\nc\"d,z,w=3,e=]");
        row("end tag closes open children", "<a><b><c>t</A  >tail", "#top{a{b{c{'t'}}} 'tail'}");
        row("declarations have no children", "<?x a?><?y><b/>", "#top{?x[a] ?y b}");
        row("names keep any other byte", "<n:a-b.c\xC3\xA9 x:y=\"1\"/>", "n:a-b.c\xC3\xA9[x:y=1]");
        row("ends inside an element", "<a>\n<b>text", "a{b{'text'}} !Warning: Unmatched end tag@2:8");
        row("text only", "just <!--x-->text", "#top{'just text'} !Warning: No XML tag found@1:18");
        row("empty text", "", "<empty> !Error: No XML data@0:0");
        row("byte-order mark skipped", BOM "<a>x</a>", "a{'x'}");
        row("text ends at NUL", "<a>x</a>\0<b>"_ba, "a{'x'}");
        row("end tag of another element, CR LF lines", "<ab>\r\n <b></a>", "<empty> !Error: Unmatched end tag@2:5");
        row("missing end tag name", "<a>\n  </ a>", "<empty> !Error: Missing end tag name@2:3");
        row("missing start tag name", "<a>\n< b/></a>", "<empty> !Error: Missing start tag name@2:1");
        row("entity without semicolon", "<a>\n\tx &amp y</a>", "<empty> !Error: Unknown character entity@2:4");
        // Zero, too big, overflowing, a surrogate: not characters, each one replacement character in its place.
        for (const char* ref : {"&#0;", "&#1114112;", "&#99999999999999999999;", "&#55296;"})
            row(ref, "<a>x" + QByteArray(ref) + "y<b c='" + ref + "'/></a>", "a{'x\xEF\xBF\xBDy' b[c=\xEF\xBF\xBD]}");
        row("reference without semicolon", "<a>&#65 </a>", "<empty> !Error: Unknown character entity@1:4");
        row("column in bytes", "<a\n \xC3\xA9='&bogus;'/>", "<empty> !Error: Unknown character entity@2:6");
        row("open cdata", "<a><![CDATA[abc", "<empty> !Error: Unmatched clear tag end@1:4");
        row("open comment after text", "<a>\nt <!-- x", "<empty> !Error: Unmatched clear tag end@2:3");
        row("unknown markup", "<!ELEMENT x>", "<empty> !Error: Unexpected token found@1:1");
        row("unquoted value", "<a b=c/>", "<empty> !Error: Unexpected token found@1:6");
        row("start tag cut", "<r><a x", "<empty> !Error: Unexpected token found@1:8");
        row("open value", "<a b=\"c/>", "<empty> !Error: Unexpected token found@1:10");
        row("question mark closes no element", "<a?>", "<empty> !Error: Unexpected token found@1:3");
        row("end tag cut", "<a>x</a", "<empty> !Error: Unexpected token found@1:8");
        const QByteArray big(1 << 20, 'x'); // a file this big is read another way
        row("big file", BOM "<a>"_ba + big + "</a>", "a{'" + big + "'}");
    }
    // Each text is read from a file and, unless it starts with a byte-order mark (only files may), also from a string.
    void parse()
    {
        const auto [xml, tag, result] = fetch<QByteArray, QByteArray, QByteArray>();
        XMLResults r {XMLErrorCannotWrite, -1, -1};
        QVERIFY(m_root.write("/in.xml", xml));
        QCOMPARE(outcome(XMLNode::parseFile(file("/in.xml").constData(), orNull(tag), &r), r), result);
        r = {XMLErrorCannotWrite, -1, -1};
        if (!xml.startsWith(BOM))
            QCOMPARE(outcome(XMLNode::parseString(xml.constData(), orNull(tag), &r), r), result);
    }

    // The getters the package and input-method readers use, on a document and on a missing child.
    void handles()
    {
        XMLNode r = XMLNode::parseString("<r a=\"1\" B=\"2\" flag><item>one</item><other/><ITEM>two<x/>three</ITEM>"
                                         "<item/><c><![CDATA[c1]]><!--c2--></c></r>");
        QCOMPARE(r.nChildNode("Item"), 3);
        QVERIFY(r.getChildNode(5).isEmpty() && r.getChildNode(-1).isEmpty() && r.getChildNode("item", 3).isEmpty());
        // The iterator walks the children of one name and stays put at the end.
        QByteArray seen;
        int it = 0;
        for (XMLNode n = r.getChildNode("item", &it); !n.isEmpty(); n = r.getChildNode("item", &it))
            seen += QByteArray(n.getName()) + "@" + QByteArray::number(it) + " ";
        QCOMPARE(seen + QByteArray::number(it), "item@1 ITEM@3 item@4 4"_ba);
        QVERIFY(r.isAttributeSet("b") && r.isAttributeSet("FLAG") && !r.isAttributeSet("c"));
        QVERIFY(QByteArray(r.getAttribute("A")) == "1" && !r.getAttribute("a", 1) && !r.getAttribute("flag"));
        QCOMPARE(QByteArray(r.getChildNode("c").getClear(1).value) + QByteArray::number(r.getChildNode("c").nClear()),
            "c22"_ba);
        const XMLNode e = r.getChildNode("none");
        QVERIFY(e.getChildNode("x").isEmpty() && e.getChildNode("x", &it).isEmpty() && !e.nChildNode() && !e.getText());
        // Edited as the window-manager settings are: a first text added, then replaced; an element appended.
        XMLNode doc = XMLNode::parseString("<r><a><b>x</b></a><!--c--></r>");
        QCOMPARE(doc.getChildNode("a").updateText("new", 0), "new");
        QCOMPARE(doc.getChildNode("a").updateText("newer", 0), "newer");
        doc.addChild("x").addChild("y").updateText("deep");
        QCOMPARE(dump(doc), "r{a{b{'x'} 'newer'} <!--c--> x{y{'deep'}}}"_ba);
    }

    void write_data()
    {
        columns<QByteArray, QByteArray>(); // text, the file written (indented, as the product writes)
        row("escapes", "<a x=\"1&amp;&quot;\" y><b>t&lt;&gt;&apos;</b><c></c></a>"_ba,
            UTF8_HEAD "<a x=\"1&amp;&quot;\" y>\n\t<b>t&lt;&gt;&apos;</b>\n\t<c/>\n</a>\n"_ba);
        row("declaration first", "<?xml version=\"1.0\"?><a/>"_ba, BOM "<?xml version=\"1.0\"?>\n<a/>\n"_ba);
        row("top without a declaration", "<!DOCTYPE a><a/>"_ba, UTF8_HEAD "<!DOCTYPE a>\n<a/>\n"_ba);
        row("mixed content", "<a>t<b><c>u</c></b>v<![CDATA[ w ]]></a>"_ba,
            UTF8_HEAD "<a>\n\tt\n\t<b>\n\t\t<c>u</c>\n\t</b>\n\tv\n\t<![CDATA[ w ]]>\n</a>\n"_ba);
        row("clears inline", "<a><!--x-->y</a>"_ba, UTF8_HEAD "<a><!--x-->y</a>\n"_ba);
        row("edge white space as references", "<a>&#32;x&#9;y&#10;</a>"_ba, UTF8_HEAD "<a>&#32;x\ty&#10;</a>\n"_ba);
    }
    void write()
    {
        const auto [xml, written] = fetch<QByteArray, QByteArray>();
        QCOMPARE(XMLNode::getError(XMLNode::parseString(xml.constData()).writeToFile(file("/a.xml").constData())),
            "No error");
        QCOMPARE(m_root.read("/a.xml"), written);
    }

    void fileErrors()
    {
        // Missing or a folder (the guarded opening's other refusals are the appliance suite's).
        XMLResults r;
        for (const QByteArray& path : {file("/missing.xml"), file("")})
            QCOMPARE(
                outcome(XMLNode::parseFile(path.constData(), nullptr, &r), r), "<empty> !Error: File not found@0:0"_ba);
        XMLNode n = XMLNode::parseString("<a/>");
        QCOMPARE(XMLNode::getError(n.writeToFile(file("/no/such/dir.xml").constData())),
            "Error: unable to open file for writing");
        // A write that fails (past the file size limit) leaves the old file.
        QVERIFY(m_root.write("/big.xml", "old"));
        rlimit limit {};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit small {1, limit.rlim_max};
        const auto previous = ::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const XMLError big = n.writeToFile(file("/big.xml").constData());
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, previous);
        QCOMPARE(XMLNode::getError(big), "Error: cannot write into file");
        QCOMPARE(m_root.read("/big.xml"), "old");
        QVERIFY(QDir(m_root.root()).entryList({".big.xml*"}, QDir::Files | QDir::Hidden).isEmpty());
    }

    // A deep parsed chain with a deep added chain below it, on a thread with a
    // small stack: parsed, walked, written, read back and freed without recursion.
    void deepDocument()
    {
        const int n = 100000;
        const QByteArray xml = "<r>" + QByteArray("<a>").repeated(n) + "x" + QByteArray("</a>").repeated(n) + "</r>",
                         path = file("/deep.xml");
        XMLResults r {}, again {};
        int walked = 0, reread = 0;
        XMLError written = XMLErrorCannotWrite;
        std::unique_ptr<QThread> t(QThread::create([&] {
            XMLNode doc = XMLNode::parseString(xml.constData(), nullptr, &r), c = doc;
            for (; c.nChildNode(); c = c.getChildNode(0))
                ++walked;
            for (int i = 0; i < n; ++i)
                c = c.addChild("b");
            c = XMLNode();
            written = doc.writeToFile(path.constData(), nullptr, 0);
            doc = XMLNode::parseFile(path.constData(), "r", &again);
            for (c = doc; c.nChildNode(); c = c.getChildNode(0))
                ++reread;
        }));
        t->setStackSize(256 * 1024);
        t->start();
        QVERIFY(t->wait());
        QCOMPARE(QList<int>({r.error, walked, written, again.error, reread}), QList<int>({0, n, 0, 0, 2 * n}));
    }
};

QTEST_GUILESS_MAIN(TstXmlParser)
#include "tst_xmlparser.moc"
