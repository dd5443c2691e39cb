// The input-method model on what ibus and gsettings print, and the exact commands of each change.
#include "DataRows.h"
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "im/SystemInputMethod.h"

#include <QtTest>

namespace {

// "ibus list-engine", cut down to the offered engines and some neighbours; one header has no language name.
const QByteArray kEngines
    = "language: Danish\n  xkb:dk:mac:dan - Danish (Macintosh)\n  xkb:dk::dan - Danish\n"
      "language: English\n  xkb:us::eng - English (US)\n  xkb:us:intl:eng - English (US, intl., "
      "with dead keys)\n  xkb:gb::eng - English (UK)\nlanguage:\nlanguage: French\n  xkb:fr::fra - "
      "French\nlanguage: German\n  xkb:de::deu - German\nlanguage: Japanese\n  xkb:jp::jpn - "
      "Japanese\nlanguage: Spanish\n  xkb:es::spa - Spanish\n";

// Offered: seven installed layouts, an engine that is not installed, entries without an id, without a name and
// with a blank id.
QByteArray offer()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<IMList>\n";
    for (const char* m : {"xkb:us::eng|English (US)", "xkb:gb::eng|English (UK)", "xkb:de::deu|Deutsch", "pinyin|中文",
             "xkb:fr::fra|Français", "xkb:dk::dan|dansk", "xkb:es::spa|Español", "xkb:jp::jpn|日本語"}) {
        const QList<QByteArray> f = QByteArray(m).split('|');
        xml += "\t<IMInfo>\n\t\t<id>" + f[0] + "</id>\n\t\t<display>" + f[1] + "</display>\n\t</IMInfo>\n";
    }
    return xml
        + "<IMInfo><display>A</display></IMInfo><IMInfo><id>xkb:us:intl:eng</id></IMInfo>"
          "<IMInfo><id> </id><display>B</display></IMInfo></IMList>\n";
}

// A scratch appliance whose ibus and gsettings answer as given, to exactly the commands the model must run.
struct Display_s {
    ScratchSysroot root;
    RecordingRunner runner;
    Display_s(const QByteArray& preload, const QByteArray& engine, const QByteArray& offerFile = offer())
    {
        runner.answer(".*/usr/bin/ibus list-engine", kEngines);
        runner.answer(".*/usr/bin/ibus engine", engine);
        runner.answer(".*"
                + QRegularExpression::escape("/bin/bash -c \"gsettings get org.freedesktop.ibus.general "
                                             "preload-engines | sed -e 's/\\\\[//g' -e 's/\\\\]//g'\""),
            preload);
        if (!offerFile.isNull())
            root.write("/etc/Tellora/config/IMList.xml", offerFile);
    }
    // Command lines as the appliance runs them; "!" marks a gsettings value split into several arguments.
    QStringList lines() const
    {
        QStringList out;
        for (const RecordingRunner::Call_s& c : runner.calls())
            out << c.line().remove(root.root()) + (c.program == "gsettings" && c.args.size() != 4 ? "!" : "");
        return out;
    }
};

// all | removable | available | active (asking the framework for the last)
QString state(SystemInputMethod& m, bool all = true)
{
    QStringList out;
    for (const QList<IMInfo>* list : {&m.getAllList(), &m.getRemovableList(), &m.getAvailableList()}) {
        QStringList names;
        for (const IMInfo& im : *list)
            names << im.name;
        out << names.join(',');
    }
    return (out + QStringList(m.getActiveIM().name)).mid(all ? 0 : 1).join(" | ");
}

} // namespace

class TstInputMethod : public QObject
{
    Q_OBJECT

private slots:
    // The lists and the active method read from the framework; the preload list as "gsettings get" prints it, after
    // sed took its brackets off.
    void lists_data()
    {
        columns<QByteArray, QByteArray, QByteArray, QString>(); // preload, engine, offer file, state
        const QString all = "English (US),English (UK),Deutsch,Français,dansk,Español,日本語 | ";
        row("preload order", QByteArray("'xkb:jp::jpn', 'xkb:us::eng'"), QByteArray("xkb:us::eng"), offer(),
            all + "日本語,English (US) | Deutsch,English (UK),Español,Français,dansk | English (US)");
        row("unknown, not installed, twice", QByteArray("'anthy', 'xkb:us::eng', 'pinyin', 'xkb:us::eng'\n"),
            QByteArray(), offer(), all + "English (US) | Deutsch,English (UK),Español,Français,dansk,日本語 | ");
        row("none on, engine not offered", QByteArray("@as \n"), QByteArray("xkb:us:intl:eng\n"), offer(),
            all + " | Deutsch,English (UK),English (US),Español,Français,dansk,日本語 | ");
        row("no offer file", QByteArray("'xkb:us::eng'"), QByteArray("xkb:us::eng"), QByteArray(),
            QString(" |  |  | "));
    }
    void lists()
    {
        const auto [preload, engine, offerFile, expect] = fetch<QByteArray, QByteArray, QByteArray, QString>();
        Display_s d(preload, engine, offerFile);
        SystemInputMethod m;
        QCOMPARE(state(m), expect);
    }

    // Each change from "English (US), Deutsch on, Deutsch active" (removing the active one: the list dialog's test):
    // the exact commands, in order, and the lists and active method after it. +ID adds, -ID removes.
    void changes_data()
    {
        columns<QString, QStringList, QString>(); // steps, command lines, state
        const QString set = "gsettings set org.freedesktop.ibus.general %1 %2";
        const auto both = [&](const QString& value) {
            return QStringList {set.arg("preload-engines", value), set.arg("engines-order", value)};
        };
        const auto engine = [](const QString& id) { return QStringList {"/usr/bin/ibus engine " + id}; };
        row("add", "+xkb:fr::fra", both("\"['xkb:us::eng', 'xkb:de::deu', 'xkb:fr::fra']\"") + engine("xkb:fr::fra"),
            "English (US),Deutsch,Français | English (UK),Español,dansk,日本語 | Français");
        row("remove another", "-xkb:us::eng", both("['xkb:de::deu']"),
            "Deutsch | English (UK),English (US),Español,Français,dansk,日本語 | Deutsch");
        row("remove the last one", "-xkb:us::eng -xkb:de::deu", both("['xkb:de::deu']") + both("[]"),
            " | Deutsch,English (UK),English (US),Español,Français,dansk,日本語 | Deutsch");
    }
    void changes()
    {
        const auto [steps, lines, expect] = fetch<QString, QStringList, QString>();
        Display_s d("'xkb:us::eng', 'xkb:de::deu'\n", "xkb:de::deu\n");
        SystemInputMethod m;
        d.runner.clear();
        for (const QString& step : steps.split(' ')) {
            // Callers hand in entries of the model's own lists.
            const QList<IMInfo>& from = step[0] == '+' ? m.getAvailableList() : m.getRemovableList();
            const auto it = std::find(from.cbegin(), from.cend(), step.mid(1));
            QVERIFY(it != from.cend());
            step[0] == '+' ? m.addIM(*it) : m.removeIM(*it);
        }
        QCOMPARE(d.lines(), lines);
        RecordingRunner silent; // the framework names no engine: the model keeps the one it set
        QCOMPARE(state(m, false), expect);
    }
};

QTEST_GUILESS_MAIN(TstInputMethod)
#include "tst_inputmethod.moc"
