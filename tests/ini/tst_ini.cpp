#include "util/IniFileBase.h"
#include "util/IniParser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>
#include <stdexcept>

namespace {

std::string str(const QByteArray& b) { return std::string(b.constData(), size_t(b.size())); }
QByteArray bytes(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }
// Literals with NUL bytes inside need their explicit length.
template<size_t N> QByteArray raw(const char (&s)[N]) { return QByteArray(s, N - 1); }

const QByteArray kMegabyte(1 << 20, 'x');
const std::string kDefault = "<default>";

// The exception text of a decode, or empty when it succeeds.
QByteArray decodeError(ini::IniFileBase& ini, const QByteArray& content)
{
    try {
        ini.decode(str(content));
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return {};
}

} // namespace

class TstIni : public QObject
{
    Q_OBJECT

private slots:
    void parserGet_data();
    void parserGet();
    void parserSave_data();
    void parserSave();
    void parserSet_data();
    void parserSet();
    void parserFiles();
    void parserSectionIndex();

    void fileBaseDecode_data();
    void fileBaseDecode();
    void fileBaseErrors_data();
    void fileBaseErrors();
    void fileBaseSettings_data();
    void fileBaseSettings();
    void fileBaseEncode_data();
    void fileBaseEncode();
    void fileBaseFiles();

private:
    std::string write(const QByteArray& content, const QString& name = "t.ini")
    {
        QFile f(m_dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(f.fileName()));
        return f.fileName().toStdString();
    }
    QByteArray read(const std::string& path)
    {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_dir;
};

void TstIni::parserGet_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");

    const QByteArray def = bytes(kDefault);
    QTest::newRow("note stays in value") << QByteArray("[screen]\nMode = 1920x1080 # preferred\n")
                                         << QByteArray("screen") << QByteArray("Mode")
                                         << QByteArray("1920x1080 # preferred");
    QTest::newRow("blanks trimmed") << QByteArray("  [s]  \n   key   =   a b   \n") << QByteArray("s")
                                    << QByteArray("key") << QByteArray("a b");
    QTest::newRow("tab is not a blank") << QByteArray("[s]\n\tk=v\t\n") << QByteArray("s") << QByteArray("\tk")
                                        << QByteArray("v\t");
    QTest::newRow("first separator splits")
        << QByteArray("[s]\nk = a = b\n") << QByteArray("s") << QByteArray("k") << QByteArray("a = b");
    QTest::newRow("empty key") << QByteArray("[s]\n = v\n") << QByteArray("s") << QByteArray("") << QByteArray("v");
    QTest::newRow("first pair wins") << QByteArray("[s]\nk=1\nk=2\n") << QByteArray("s") << QByteArray("k")
                                     << QByteArray("1");
    QTest::newRow("crlf") << QByteArray("[s]\r\nk = v\r\n") << QByteArray("s") << QByteArray("k") << QByteArray("v");
    QTest::newRow("cut at last cr") << QByteArray("[s]\nk=a\rb\rc\n") << QByteArray("s") << QByteArray("k")
                                    << QByteArray("a\rb");
    QTest::newRow("no final newline") << QByteArray("[s]\nk=v") << QByteArray("s") << QByteArray("k")
                                      << QByteArray("v");
    QTest::newRow("nul in value") << raw("[s]\nk=a\0b\n") << QByteArray("s") << QByteArray("k") << raw("a\0b");
    QTest::newRow("nul in key") << raw("[s]\nk\0x=1") << QByteArray("s") << raw("k\0x") << QByteArray("1");
    QTest::newRow("brackets beat separator")
        << QByteArray("[s]\nk=[x]\ny=1\n") << QByteArray("x") << QByteArray("y") << QByteArray("1");
    QTest::newRow("bracket pair is no value")
        << QByteArray("[s]\nk=[x]\n") << QByteArray("s") << QByteArray("k") << def;
    QTest::newRow("text around header") << QByteArray("x [s] y\nk=v") << QByteArray("s") << QByteArray("k")
                                        << QByteArray("v");
    QTest::newRow("pairs above any header")
        << QByteArray("k=v\n[s]\n") << QByteArray("") << QByteArray("k") << QByteArray("v");
    QTest::newRow("section reopened") << QByteArray("[a]\nk=1\n[b]\nk=2\n[a]\nm=3\n") << QByteArray("a")
                                      << QByteArray("m") << QByteArray("3");
    QTest::newRow("line without separator")
        << QByteArray("[s]\nnoise\nk=v") << QByteArray("s") << QByteArray("noise") << def;
    QTest::newRow("missing section") << QByteArray("[s]\nk=v\n") << QByteArray("t") << QByteArray("k") << def;
    QTest::newRow("missing key") << QByteArray("[s]\nk=v\n") << QByteArray("s") << QByteArray("K") << def;
    QTest::newRow("1 MB line") << "[s]\nk = " + kMegabyte + "\nm=1\n"
                               << QByteArray("s") << QByteArray("k") << kMegabyte;
}

void TstIni::parserGet()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    lumo::IniParser ini;
    QCOMPARE(ini.ParseFile(write(content)), 0);
    QCOMPARE(bytes(ini.Get(str(section), str(key), kDefault)), value);
}

void TstIni::parserSave_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("name order, blanks dropped")
        << QByteArray("[b]\nk = v\n[a]\nx=1\ny = 2\n") << QByteArray("[a]\nx=1\ny=2\n\n[b]\nk=v\n\n");
    QTest::newRow("empty section kept") << QByteArray("[e]\n[s]\nk=v") << QByteArray("[e]\n\n[s]\nk=v\n\n");
    QTest::newRow("duplicates kept in order") << QByteArray("[s]\nk=2\nk=1") << QByteArray("[s]\nk=2\nk=1\n\n");
    QTest::newRow("pairs above any header") << QByteArray("k=v\n[s]\n") << QByteArray("[]\nk=v\n\n[s]\n\n");
    QTest::newRow("reopened section merged")
        << QByteArray("[a]\nk=1\n[b]\n[a]\nm=2\n") << QByteArray("[a]\nk=1\nm=2\n\n[b]\n\n");
    QTest::newRow("nul survives") << raw("[s]\nk=a\0b") << raw("[s]\nk=a\0b\n\n");
    QTest::newRow("empty file") << QByteArray("") << QByteArray("");
}

void TstIni::parserSave()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, saved);
    lumo::IniParser ini;
    QCOMPARE(ini.ParseFile(write(content)), 0);
    const std::string out = m_dir.filePath("out.ini").toStdString();
    QCOMPARE(ini.Save(out), 0);
    QCOMPARE(read(out), saved);
    // What was written reads back to the same file.
    lumo::IniParser again;
    QCOMPARE(again.ParseFile(out), 0);
    QCOMPARE(again.Save(), 0);
    QCOMPARE(read(out), saved);
}

void TstIni::parserSet_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("replaces first") << QByteArray("s") << QByteArray("k") << QByteArray("9") << true
                                    << QByteArray("[s]\nk=9\nk=2\nm=3\n\n");
    QTest::newRow("same value") << QByteArray("s") << QByteArray("k") << QByteArray("1") << false
                                << QByteArray("[s]\nk=1\nk=2\nm=3\n\n");
    QTest::newRow("appends key") << QByteArray("s") << QByteArray("n") << QByteArray("4") << true
                                 << QByteArray("[s]\nk=1\nk=2\nm=3\nn=4\n\n");
    QTest::newRow("new section in name order") << QByteArray("a") << QByteArray("x") << QByteArray("") << true
                                               << QByteArray("[a]\nx=\n\n[s]\nk=1\nk=2\nm=3\n\n");
}

void TstIni::parserSet()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(bool, changed);
    QFETCH(QByteArray, saved);
    lumo::IniParser ini;
    const std::string path = write("[s]\nk=1\nk=2\nm=3\n");
    QCOMPARE(ini.ParseFile(path), 0);
    QCOMPARE(ini.Set(str(section), str(key), str(value)), 0);
    QCOMPARE(ini.IsChanged(), changed);
    QCOMPARE(bytes(ini.Get(str(section), str(key), kDefault)), value);
    // Save() goes to the file last parsed.
    QCOMPARE(ini.Save(), 0);
    QCOMPARE(read(path), saved);
    QCOMPARE(ini.ParseFile(path), 0);
    QVERIFY(!ini.IsChanged());
}

void TstIni::parserFiles()
{
    lumo::IniParser ini;
    QCOMPARE(ini.Save(), -1); // nothing parsed yet: no path to write to

    QCOMPARE(ini.ParseFile(write("[s]\nk=v\n")), 0);
    const std::string missing = m_dir.filePath("missing.ini").toStdString();
    QCOMPARE(ini.ParseFile(missing), -1);
    QCOMPARE(ini.getSessionCount(), size_t(0));
    QCOMPARE(ini.Get("s", "k", kDefault), kDefault);

    // The missing file is still the target of Save(), which creates it.
    ini.Set("s", "k", "new");
    QCOMPARE(ini.Save(), 0);
    QCOMPARE(read(missing), QByteArray("[s]\nk=new\n\n"));

    QCOMPARE(ini.Save(m_dir.filePath("no/such/dir.ini").toStdString()), -1);
    QCOMPARE(ini.ParseFile(m_dir.path().toStdString() + "/no/such/dir.ini"), -1);
}

void TstIni::parserSectionIndex()
{
    lumo::IniParser ini;
    QCOMPARE(ini.ParseFile(write("[Screen2]\n[Overscan]\n[Screen1]\nk=v\n")), 0);
    QCOMPARE(ini.getSessionCount(), size_t(3));
    QCOMPARE(ini.getSessionNameByIndex(0), std::string("Overscan"));
    QCOMPARE(ini.getSessionNameByIndex(1), std::string("Screen1"));
    QCOMPARE(ini.getSessionNameByIndex(2), std::string("Screen2"));
    QCOMPARE(ini.getSessionNameByIndex(3), std::string());
}

void TstIni::fileBaseDecode_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");

    const QByteArray def = bytes(kDefault);
    QTest::newRow("note cut") << QByteArray("[screen]\nMode = 1920x1080 # preferred\n") << QByteArray("screen")
                              << QByteArray("Mode") << QByteArray("1920x1080");
    QTest::newRow("escaped hash kept") << QByteArray("[s]\nColor = \\#ff0000 # red\n") << QByteArray("s")
                                       << QByteArray("Color") << QByteArray("#ff0000");
    QTest::newRow("semicolon cut") << QByteArray("[s]\nk = v ; note") << QByteArray("s") << QByteArray("k")
                                   << QByteArray("v");
    QTest::newRow("escaped semicolon kept")
        << QByteArray("[s]\nk = a\\;b") << QByteArray("s") << QByteArray("k") << QByteArray("a;b");
    QTest::newRow("hash pass before semicolon")
        << QByteArray("[s]\nk = a\\#b;c#d") << QByteArray("s") << QByteArray("k") << QByteArray("a#b");
    QTest::newRow("double backslash escapes once")
        << QByteArray("[s]\nk = a\\\\#b") << QByteArray("s") << QByteArray("k") << QByteArray("a\\#b");
    QTest::newRow("header with note") << QByteArray("[s] # note\nk=v") << QByteArray("s") << QByteArray("k")
                                      << QByteArray("v");
    QTest::newRow("text after bracket ignored")
        << QByteArray("[a]b]\nk=v") << QByteArray("a") << QByteArray("k") << QByteArray("v");
    QTest::newRow("crlf") << QByteArray("[s]\r\nk=v\r\n") << QByteArray("s") << QByteArray("k") << QByteArray("v");
    QTest::newRow("control white space trimmed")
        << QByteArray("\t[s]\f\n\tk\t=\tv\v\n") << QByteArray("s") << QByteArray("k") << QByteArray("v");
    QTest::newRow("inner blanks kept") << QByteArray("[s]\nmy key = a  b") << QByteArray("s") << QByteArray("my key")
                                       << QByteArray("a  b");
    QTest::newRow("empty key") << QByteArray("[s]\n=v") << QByteArray("s") << QByteArray("") << QByteArray("v");
    QTest::newRow("sections merged") << QByteArray("[a]\nk=1\n[b]\nx=0\n[a]\nm=2") << QByteArray("a") << QByteArray("k")
                                     << QByteArray("1");
    QTest::newRow("comments and blank lines") << QByteArray("# head\n\n; other\n[s]\n   \n# c\nk=v\n")
                                              << QByteArray("s") << QByteArray("k") << QByteArray("v");
    QTest::newRow("nul in value") << raw("[s]\nk=a\0b") << QByteArray("s") << QByteArray("k") << raw("a\0b");
    QTest::newRow("no final newline") << QByteArray("[s]\nk=v") << QByteArray("s") << QByteArray("k")
                                      << QByteArray("v");
    QTest::newRow("1 MB line") << "[s]\nk = " + kMegabyte + " # note\n"
                               << QByteArray("s") << QByteArray("k") << kMegabyte;
    QTest::newRow("missing key") << QByteArray("[s]\nk=v") << QByteArray("s") << QByteArray("x") << def;
}

void TstIni::fileBaseDecode()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    ini::IniFileBase ini;
    QCOMPARE(decodeError(ini, content), QByteArray());
    QVERIFY(ini.count(str(section)));
    QCOMPARE(bytes(ini[str(section)].value(str(key), kDefault)), value);
}

void TstIni::fileBaseErrors_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("error");
    const QByteArray noSection = ": ini parsing failed, field has no section or ini file in use by another application";
    QTest::newRow("field on first line") << QByteArray("Mode=1\n[s]\n") << "l.1" + noSection;
    QTest::newRow("junk before any section") << QByteArray("junk\n") << "l.1" + noSection;
    QTest::newRow("field after comments") << QByteArray("# c\n\nk=v\n") << "l.3" + noSection;
    QTest::newRow("section not closed") << QByteArray("[s]\nk=v\n[t\n")
                                        << QByteArray("l.3: ini parsing failed, section not closed");
    QTest::newRow("bracket cut by note") << QByteArray("[a#b]\n")
                                         << QByteArray("l.1: ini parsing failed, section not closed");
    QTest::newRow("section is empty") << QByteArray("[s]\n\n[]\n")
                                      << QByteArray("l.3: ini parsing failed, section is empty");
    QTest::newRow("no separator") << QByteArray("[s]\nk=v\nnoise\n")
                                  << QByteArray("l.3: ini parsing failed, no '=' found");
    QTest::newRow("nul is no blank") << raw("[s]\n\0\n") << QByteArray("l.2: ini parsing failed, no '=' found");
    QTest::newRow("duplicate") << QByteArray("[s]\nk=1\n k = 2\n")
                               << QByteArray("l.3: ini parsing failed, duplicate field found");
    QTest::newRow("duplicate in reopened section")
        << QByteArray("[s]\nk=1\n[t]\nk=1\n[s]\nk=2\n") << QByteArray("l.6: ini parsing failed, duplicate field found");
    QTest::newRow("crlf lines counted") << QByteArray("[s]\r\nk=1\r\n\r\nbad\r\n")
                                        << QByteArray("l.4: ini parsing failed, no '=' found");
    QTest::newRow("after a 1 MB line") << "[s]\nk=" + kMegabyte + "\nbad"
                                       << QByteArray("l.3: ini parsing failed, no '=' found");
}

void TstIni::fileBaseErrors()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, error);
    ini::IniFileBase ini;
    QCOMPARE(decodeError(ini, content), error);
}

void TstIni::fileBaseSettings_data()
{
    QTest::addColumn<char>("sep");
    QTest::addColumn<QStringList>("prefixes");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("result"); // value of s/k, or the error
    const QStringList std {"#", ";"};
    QTest::newRow("colon separator") << ':' << std << false << QByteArray("[s]\nk : a=b") << QByteArray("a=b");
    QTest::newRow("colon missing") << ':' << std << false << QByteArray("[s]\nk=v")
                                   << QByteArray("l.2: ini parsing failed, no ':' found");
    QTest::newRow("overwrite duplicates") << '=' << std << true << QByteArray("[s]\nk=1\nk=2") << QByteArray("2");
    QTest::newRow("two-character prefix") << '=' << QStringList {"//"} << false
                                          << QByteArray("[s]\nk = a#b;c \\// d // note") << QByteArray("a#b;c // d");
}

void TstIni::fileBaseSettings()
{
    QFETCH(char, sep);
    QFETCH(QStringList, prefixes);
    QFETCH(bool, overwrite);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, result);
    ini::IniFileBase ini;
    ini.setFieldSep(sep);
    std::vector<std::string> list;
    for (const QString& p : prefixes)
        list.push_back(p.toStdString());
    ini.setCommentPrefixes(list);
    ini.setOverwriteDuplicates(overwrite);
    const QByteArray error = decodeError(ini, content);
    QCOMPARE(error.isEmpty() ? bytes(ini["s"].value("k")) : error, result);
    if (!error.isEmpty())
        return;
    // The same settings read their own output back.
    ini::IniFileBase copy = ini;
    QCOMPARE(decodeError(copy, bytes(ini.encode())), QByteArray());
    QCOMPARE(copy["s"].value("k"), str(result));
}

void TstIni::fileBaseEncode_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("name order") << QByteArray("[b]\nk = v\n[a]\ny=2\nx=1\n")
                                << QByteArray("[a]\nx=1\ny=2\n\n[b]\nk=v\n");
    QTest::newRow("prefixes escaped") << QByteArray("[s]\nc = \\#f00\\;x ; note\n")
                                      << QByteArray("[s]\nc=\\#f00\\;x\n");
    QTest::newRow("escape before prefix") << QByteArray("[s]\nk = a\\\\#b\n") << QByteArray("[s]\nk=a\\\\#b\n");
    QTest::newRow("empty section") << QByteArray("[e]\n") << QByteArray("[e]\n");
    QTest::newRow("nothing") << QByteArray("# only a note\n") << QByteArray("");
}

void TstIni::fileBaseEncode()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, encoded);
    ini::IniFileBase ini;
    QCOMPARE(decodeError(ini, content), QByteArray());
    QCOMPARE(bytes(ini.encode()), encoded);
    ini::IniFileBase again;
    QCOMPARE(decodeError(again, encoded), QByteArray());
    QVERIFY(again == ini);
}

void TstIni::fileBaseFiles()
{
    const std::string path = write("[Overscan]\nMargin = 10\n", "fb.ini");
    ini::IniFileBase ini(path);
    QCOMPARE(ini.path(), path);
    QCOMPARE(ini["Overscan"].value("Margin"), std::string("10"));

    ini["Overscan"].set("Margin", "0");
    ini["Screen2"]["Name"] = std::string("HDMI-2 #2");
    QVERIFY(ini.save());
    QCOMPARE(read(path), QByteArray("[Overscan]\nMargin=0\n\n[Screen2]\nName=HDMI-2 \\#2\n"));
    ini::IniFileBase reread(path);
    QVERIFY(reread == ini);

    // A file that cannot be opened leaves what was read before.
    QVERIFY(!reread.load(m_dir.filePath("absent.ini").toStdString()));
    QCOMPARE(reread["Screen2"].value("Name"), std::string("HDMI-2 #2"));
    ini::IniFileBase absent(m_dir.filePath("absent.ini").toStdString());
    QVERIFY(absent.empty());
    QVERIFY(!ini::IniFileBase().save());
    QVERIFY(!ini::IniFileBase(m_dir.filePath("no/dir.ini").toStdString()).save());

    const std::string bad = write("[s]\nk=1\nk=2\n", "bad.ini");
    QByteArray what;
    try {
        ini::IniFileBase broken(bad);
    } catch (const std::logic_error& e) {
        what = e.what();
    }
    QCOMPARE(what, QByteArray("l.3: ini parsing failed, duplicate field found"));
}

QTEST_GUILESS_MAIN(TstIni)
#include "tst_ini.moc"
