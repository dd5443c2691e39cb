#include "DataRows.h"
#include "PlantedFifo.h"
#include "ScratchSysroot.h"
#include "util/IniFileBase.h"
#include "util/IniParser.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <stdexcept>

namespace {

QByteArray operator""_b(const char* s, size_t n) { return QByteArray(s, qsizetype(n)); }
QByteArray bytes(const std::string& s) { return QByteArray::fromStdString(s); }

const QByteArray kNoSection = ": ini parsing failed, field has no section or ini file in use by another application";

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

    // Writes a file into the scratch folder; gives its full path.
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
        columns<QByteArray, QByteArray, QByteArray>(); // content, saved (null: not compared), decoded (the same)
        auto row = [](const char* name, const QByteArray& content, const QByteArray& saved, const QByteArray& decoded) {
            ::row(name, content, saved, decoded);
        };
        row("note kept or cut", "[s]\nk = v # n\n", "[s]\nk=v # n\n\n", "[s]{k=v}");
        row("escaped prefixes", "[s]\nk = a\\#b\\;c;d#e # f", "[s]\nk=a\\#b\\;c;d#e # f\n\n", "[s]{k=a#b;c}");
        row("double backslash escapes once", "[s]\nk = a\\\\#b", nullptr, "[s]{k=a\\#b}");
        row("header notes and tails", "[s] # note\nk=v\n[a]b]\nm=w", nullptr, "[a]{m=w}[s]{k=v}");
        row("crlf", "[s]\r\nk = v\r\n", "[s]\nk=v\n\n", "[s]{k=v}");
        row("cut at last cr", "[s]\nk=a\rb\rc\n", "[s]\nk=a\rb\n\n", nullptr);
        row("white space", "  [s]\f\n\tk k\t=\ta  b\v\n = v", "[s]\n\tk k\t=\ta  b\v\n=v\n\n", "[s]{=v}{k k=a  b}");
        row("first separator splits", "[s]\nk = a = b", "[s]\nk=a = b\n\n", "[s]{k=a = b}");
        row("duplicate", "[s]\nk=1\n k=2", "[s]\nk=1\nk=2\n\n", "l.3: ini parsing failed, duplicate field found");
        row("dup, reopened", "[s]\nk=1\n[t]\n[s]\nk=2", nullptr, "l.5: ini parsing failed, duplicate field found");
        row("nul bytes", "[s]\nk=a\0b\nk\0x=1"_b, "[s]\nk=a\0b\nk\0x=1\n\n"_b, "[s]{k=a\0b}{k\0x=1}"_b);
        row("nul is no blank", "[s]\n\0\n"_b, "[s]\n\n", "l.2: ini parsing failed, no '=' found");
        row("brackets inside a line", "[s]\nk=[x]\ny=1\n", "[s]\n\n[x]\ny=1\n\n", "[s]{k=[x]}{y=1}");
        row("text around header", "x [s] y\nk=v", "[s]\nk=v\n\n", "l.1" + kNoSection);
        row("field before any section", "k=v\n[s]\n", "[]\nk=v\n\n[s]\n\n", "l.1" + kNoSection);
        row("field after comments", "# c\n\nk=v\n", "[]\nk=v\n\n", "l.3" + kNoSection);
        row("comments and blank lines", "; c\n[s]\n   \n# c\nk=v\n[e]\n", "[e]\n\n[s]\nk=v\n\n", "[e][s]{k=v}");
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
        if (!decoded.isNull())
            QCOMPARE(::decoded(ini, content), decoded);
    }

    void parserChanges()
    {
        lumo::IniParser ini;
        QCOMPARE(ini.Save(), -1); // nothing parsed yet: no path to write to
        const std::string path = write("[s]\nk=1\nk=2\n[b]\n[a]\n");
        QCOMPARE(ini.ParseFile(path), 0);
        QCOMPARE(ini.getSessionNameByIndex(0) + ini.getSessionNameByIndex(2), std::string("as"));
        QCOMPARE(ini.Get("s", "k", "-") + ini.Get("s", "K", "-") + ini.Get("t", "k", "-"), std::string("1--"));
        QCOMPARE(ini.Set("s", "k", "1"), 0);
        QVERIFY(!ini.IsChanged()); // the same value
        ini.Set("s", "k", "9");
        ini.Set("s", "n", "4");
        ini.Set("c", "x", "");
        QVERIFY(ini.IsChanged());
        QCOMPARE(ini.Save(), 0); // to the file last parsed
        QCOMPARE(m_root.read("/t.ini"), "[a]\n\n[b]\n\n[c]\nx=\n\n[s]\nk=9\nk=2\nn=4\n\n"_b);
        QCOMPARE(ini.ParseFile(path), 0);
        QVERIFY(!ini.IsChanged());

        // A missing file leaves nothing, but Save() creates it.
        const std::string missing = at("/missing.ini");
        QCOMPARE(ini.ParseFile(missing), -1);
        QCOMPARE(ini.getSessionCount(), size_t(0));
        ini.Set("s", "k", "new");
        QCOMPARE(ini.Save(), 0);
        QCOMPARE(m_root.read("/missing.ini"), "[s]\nk=new\n\n"_b);
        QCOMPARE(ini.Save(at("/no/such/dir.ini")), -1);
        QVERIFY(!QFile::exists("/dev/full") || ini.Save("/dev/full") == -1);
    }

    void fileBaseSettings()
    {
        ini::IniFileBase ini, copy;
        ini.setFieldSep(':');
        QCOMPARE(decoded(ini, "[s]\nk=v"), "l.2: ini parsing failed, no ':' found"_b);
        QCOMPARE(decoded(ini, "[s]\nk : a=b"), "[s]{k=a=b}"_b);
        ini.setFieldSep('=');
        ini.setOverwriteDuplicates(true);
        ini.setCommentPrefixes({"//"});
        QCOMPARE(decoded(ini, "[s]\nk=1\nk = a/b#c;d \\// e // note"), "[s]{k=a/b#c;d // e}"_b);
        copy = ini; // the same settings read their own output back
        QCOMPARE(decoded(copy, bytes(ini.encode())), "[s]{k=a/b#c;d // e}"_b);
    }

    void fileBaseFiles()
    {
        const std::string path = write("[b]\nk = a\\\\#b\n[a]\nMargin = 10\n", "/fb.ini");
        ini::IniFileBase ini(path);
        QCOMPARE(ini["a"].value("Margin"), std::string("10"));
        ini["a"].set("Margin", "0");
        ini["c"]["Name"] = std::string("HDMI-2 #2;");
        QVERIFY(ini.save());
        QCOMPARE(m_root.read("/fb.ini"), "[a]\nMargin=0\n\n[b]\nk=a\\\\#b\n\n[c]\nName=HDMI-2 \\#2\\;\n"_b);

        // A file that cannot be opened leaves what was read before.
        QVERIFY(!ini.load(at("/absent.ini")));
        QCOMPARE(ini["c"].value("Name"), std::string("HDMI-2 #2;"));
        QVERIFY(ini::IniFileBase(at("/absent.ini")).empty());
        QVERIFY(!ini::IniFileBase(at("/no/dir.ini")).save());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, ini::IniFileBase(write("[s]\nk=1\nk=2\n", "/bad.ini")));

        // A FIFO or a folder is no file to either reader, and is never waited on.
        PlantedFifo fifo(m_root.path("/fifo.ini"));
        QDir().mkpath(m_root.path("/dir.ini"));
        for (const char* name : {"/fifo.ini", "/dir.ini"})
            QVERIFY(lumo::IniParser().ParseFile(at(name)) == -1 && !ini.load(at(name)));
        QVERIFY(fifo.isValid() && !fifo.wasOpened());
    }
};

QTEST_GUILESS_MAIN(TstIni)
#include "tst_ini.moc"
