#include "DataRows.h"
#include "ScratchSysroot.h"
#include "util/IniFileBase.h"
#include "util/IniParser.h"

#include <QTest>

#include <stdexcept>

namespace {

using namespace Qt::Literals::StringLiterals;
QByteArray bytes(const std::string& s) { return QByteArray::fromStdString(s); }

// Every section as "[name]{key=value}...", or the text of the exception.
QByteArray decoded(ini::IniFileBase& ini, const QByteArray& content)
{
    try {
        ini.decode(content.toStdString());
    } catch (const std::logic_error& e) {
        return e.what();
    }
    QByteArray out;
    for (const auto& [name, section] : ini) {
        out += "[" + bytes(name) + "]";
        for (const auto& [key, field] : section)
            out += "{" + bytes(key) + "=" + bytes(field.value()) + "}";
    }
    return out;
}

} // namespace

class TstIni : public QObject
{
    Q_OBJECT

    std::string write(const QByteArray& content, const QString& name = "/t.ini")
    {
        return m_root.write(name, content) ? at(name) : std::string();
    }
    std::string at(const QString& name) const { return m_root.path(name).toStdString(); }
    ScratchSysroot m_root;

private slots:
    // What each reader makes of a file: the lenient one as Save() writes it, the strict one as sections or error.
    void readers_data()
    {
        columns<QByteArray, QByteArray, QByteArray>(); // content, saved (null: not compared), decoded
        auto row = [](const char* name, const QByteArray& content, const QByteArray& saved, const QByteArray& decoded) {
            ::row(name, content, saved, decoded);
        };
        row("notes kept or cut, escaped prefixes", "[s]\nk = a\\#b\\;c;d#e # f", "[s]\nk=a\\#b\\;c;d#e # f\n\n",
            "[s]{k=a#b;c}");
        row("header notes and tails", "[s] # note\nk=v\n[a]b]\nm=w", nullptr, "[a]{m=w}[s]{k=v}");
        row("crlf", "[s]\r\nk = v\r\n", "[s]\nk=v\n\n", "[s]{k=v}");
        row("white space", "  [s]\f\n\tk k\t=\ta  b\v\n = v", "[s]\n\tk k\t=\ta  b\v\n=v\n\n", "[s]{=v}{k k=a  b}");
        row("first separator splits", "[s]\nk = a = b", "[s]\nk=a = b\n\n", "[s]{k=a = b}");
        row("duplicate", "[s]\nk=1\n k=2", "[s]\nk=1\nk=2\n\n", "l.3: ini parsing failed, duplicate field found");
        row("nul bytes", "[s]\nk=a\0b\nk\0x=1"_ba, "[s]\nk=a\0b\nk\0x=1\n\n"_ba, "[s]{k=a\0b}{k\0x=1}"_ba);
        row("nul is no blank", "[s]\n\0\n"_ba, "[s]\n\n", "l.2: ini parsing failed, no '=' found");
        row("brackets inside a line", "[s]\nk=[x]\ny=1\n", "[s]\n\n[x]\ny=1\n\n", "[s]{k=[x]}{y=1}");
        row("field before any section", "k=v\n[s]\n", "[]\nk=v\n\n[s]\n\n",
            "l.1: ini parsing failed, field has no section or ini file in use by another application");
        row("section reopened", "[s]\nk=1\n[b]\n[s]\nm=3", "[b]\n\n[s]\nk=1\nm=3\n\n", "[b][s]{k=1}{m=3}");
        row("section not closed", "[s]\nk=v\n[t\n", "[s]\nk=v\n\n", "l.3: ini parsing failed, section not closed");
        row("bracket cut by note", "[a#b]\n", "[a#b]\n\n", "l.1: ini parsing failed, section not closed");
        row("section is empty", "[s]\n\n[]\n", "[]\n\n[s]\n\n", "l.3: ini parsing failed, section is empty");
        row("empty file", "", "", "");
        const QByteArray mb(1 << 20, 'x');
        row("1 MB line", "[s]\nk = " + mb + " # note", "[s]\nk=" + mb + " # note\n\n", "[s]{k=" + mb + "}");
    }

    void readers()
    {
        const auto [content, saved, decoded] = fetch<QByteArray, QByteArray, QByteArray>();
        lumo::IniParser parser;
        QCOMPARE(parser.ParseFile(write(content)), 0);
        const std::string out = at("/out.ini");
        QCOMPARE(parser.Save(out), 0);
        if (!saved.isNull())
            QCOMPARE(m_root.read("/out.ini"), saved);
        ini::IniFileBase ini;
        QCOMPARE(::decoded(ini, content), decoded);
    }

    // As the login and audio settings use it: edits saved to the file last parsed; a missing file reads as none.
    void parserChanges()
    {
        lumo::IniParser ini;
        const std::string path = write("[s]\nk=1\nk=2\n[b]\n[a]\n");
        QCOMPARE(ini.ParseFile(path), 0);
        QCOMPARE(ini.getSessionNameByIndex(0) + ini.getSessionNameByIndex(2) + ini.getSessionNameByIndex(3),
            std::string("as"));
        QCOMPARE(ini.Get("s", "k", "-") + ini.Get("s", "K", "-") + ini.Get("t", "k", "-"), std::string("1--"));
        ini.Set("s", "k", "9");
        ini.Set("s", "n", "4");
        ini.Set("c", "x", "");
        QCOMPARE(ini.Save(), 0);
        QCOMPARE(m_root.read("/t.ini"), "[a]\n\n[b]\n\n[c]\nx=\n\n[s]\nk=9\nk=2\nn=4\n\n"_ba);
        QCOMPARE(ini.ParseFile(at("/missing.ini")), -1);
        QCOMPARE(ini.getSessionCount(), size_t(0));
    }

    // As the screen settings use it: note prefixes in values escaped when encoded, and read back.
    void fileBase()
    {
        ini::IniFileBase ini, copy;
        QVERIFY(ini.load(write("[b]\nk = a\\\\#b\n")));
        ini["c"]["Name"] = std::string("HDMI-2 #2;");
        QCOMPARE(bytes(ini.encode()), "[b]\nk=a\\\\#b\n\n[c]\nName=HDMI-2 \\#2\\;\n"_ba);
        QCOMPARE(decoded(copy, bytes(ini.encode())), "[b]{k=a\\#b}[c]{Name=HDMI-2 #2;}"_ba);
        QVERIFY(!ini.load(at("/absent.ini")));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, ini.load(write("[s]\nk=1\nk=2\n")));
    }
};

QTEST_GUILESS_MAIN(TstIni)
#include "tst_ini.moc"
