// Monitor names from the EDID tools' text: which tool runs on which file, and what is read from what they print.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "display/EDIDInfo.h"

#include <QTest>

namespace {

// What parse-edid prints for one of the simulator's monitors.
const char* const kParseEdid = "Section \"Monitor\"\n"
                               "\tIdentifier \"Sofa View 55\"\n"
                               "\tModelName \"Sofa View 55\"\n"
                               "\tVendorName \"IVS\"\n"
                               "\t# Monitor Manufactured week 12 of 2023\n"
                               "\t# EDID version 1.4\n"
                               "\tDisplaySize 1210 680\n"
                               "EndSection\n";

// The older edid-decode's form, whose name line is "Monitor name: ..." (the current one prints
// "Display Product Name: '...'", which is not read).
const char* const kEdidDecode = "Extracted contents:\n"
                                "header:          00 ff ff ff ff ff ff 00\n"
                                "Manufacturer: IVS Model 1001 Serial Number 1\n"
                                "EDID version: 1.3\n"
                                "Monitor ranges: 24-75HZ vertical, 15-135kHz horizontal, max dotclock 600MHz\n"
                                "Monitor name: Den Desk 24\n"
                                "Checksum: 0x7a (valid)\n";

} // namespace

class TstEdidInfo : public QObject
{
    Q_OBJECT

    ScratchSysroot m_root;

private slots:
    void interpret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("names"); // identifier|model name
        auto row = [](const char* name, const QString& text, const char* names) {
            QTest::newRow(name) << text << QString(names);
        };
        row("parse-edid", kParseEdid, "Sofa View 55|Sofa View 55");
        row("edid-decode", kEdidDecode, "Den Desk 24|Den Desk 24");
        row("newer edid-decode", "    Display Product Name: 'Den Desk 24'\n", "|");
        row("quotes only", "Identifier \"\"\nModelName \"\"\nMonitor name: X\n", "X|X");
        row("one quote", "Identifier \"\nModelName \"Q", "|");
        row("different names", "ModelName \"M 1\"\nIdentifier \"Id\"\nMonitor name: X\n", "Id|M 1");
        row("two identifiers end the scan", "Identifier \"A\"\nIdentifier \"B\"\nModelName \"C\"\n", "B|");
        row("labels are case-sensitive", "identifier \"a\"\nMODELNAME \"b\"\nmonitor name: c\n", "|");
        row("name after the first one", "Monitor name: A B \nMonitor name: C\n", "A B|A B");
    }
    void interpret()
    {
        QFETCH(QString, text);
        QFETCH(QString, names);
        EDIDInfo info;
        info.interpret(text);
        QCOMPARE(info.getIdentifier() + "|" + info.getModelName(), names);
    }

    // parse-edid first; edid-decode only when parse-edid printed nothing; no tool for a connector without a file.
    void toolsInOrder_data()
    {
        QTest::addColumn<QByteArray>("parseEdid");
        QTest::addColumn<QByteArray>("edidDecode");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("tools");
        QTest::addColumn<QString>("model");
        QTest::newRow("parse-edid") << QByteArray(kParseEdid) << QByteArray(kEdidDecode) << "1" << 1 << "Sofa View 55";
        QTest::newRow("blank parse-edid")
            << QByteArray(" \n\t\n") << QByteArray(kEdidDecode) << "1" << 2 << "Den Desk 24";
        QTest::newRow("nothing") << QByteArray() << QByteArray() << "1" << 2 << "";
        QTest::newRow("never plugged in") << QByteArray(kParseEdid) << QByteArray() << "4" << 0 << "";
    }
    void toolsInOrder()
    {
        QFETCH(QByteArray, parseEdid);
        QFETCH(QByteArray, edidDecode);
        QFETCH(QString, port);
        QFETCH(int, tools);
        QFETCH(QString, model);
        QVERIFY(m_root.write("/sys/class/drm/card0-HDMI-A-1/edid", "\0\xff"));
        RecordingRunner runner;
        runner.answer(".*parse-edid.*", parseEdid);
        runner.answer(".*edid-decode.*", edidDecode);
        EDIDInfo info;
        info.init("0", port);
        QCOMPARE(info.getModelName(), model);
        QCOMPARE(info.getIdentifier(), model);
        const QString r = m_root.root(), file = r + "/sys/class/drm/card0-HDMI-A-1/edid";
        const QStringList all {r + "/bin/sh -c \"" + r + "/usr/bin/parse-edid < " + file + "\"",
            r + "/bin/sh -c \"" + r + "/usr/bin/edid-decode < " + file + "\""};
        QCOMPARE(runner.lines(), all.mid(0, tools));
    }

    // A path from elsewhere is taken as it is, in quotes when the shell would split or expand it.
    void pathsAsShellWords()
    {
        const QString odd = m_root.path("/tmp/it's $HOME; x/edid");
        QVERIFY(m_root.write("/tmp/it's $HOME; x/edid", "x"));
        RecordingRunner runner;
        EDIDInfo info;
        info.init(odd);
        QCOMPARE(runner.calls().value(0).args.value(1),
            m_root.root() + "/usr/bin/parse-edid < '" + m_root.root() + "/tmp/it'\\''s $HOME; x/edid'");
        QCOMPARE(EDIDInfo::sysfsPath("1", "2"), "/sys/class/drm/card1-HDMI-A-2/edid");
    }
};

QTEST_GUILESS_MAIN(TstEdidInfo)
#include "tst_edidinfo.moc"
