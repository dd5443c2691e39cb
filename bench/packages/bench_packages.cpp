// Figures are ratios against a reference measured in the same run:
//   ReadConf 500 packages / ReadConf 15 packages      (target <= 40)
//   ReadConf unchanged re-read / first read, 500 pkgs (target <= 1, and silent)
//   ReadXml 2000 items / XMLNode parse of that file    (target <= 3)
//   ReadXml / XMLNode parse, one item of 20000 distinct element names (target <= 3)
//   ReadXml 20000 small items, each with a name of its own / the same with one name for all (target <= 1.3):
//   catalogs no server sends, read in about the time of any other of their shape
#include "packages/DownloadManager.h"
#include "packages/bentoconf.h"
#include "util/xmlParser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <map>

namespace {

QTemporaryDir* g_root = nullptr;
const QString kConf = QStringLiteral("/etc/config/bento.conf");

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A sysroot of its own per package count, with a realistic section and
// descriptor per package.
QString confRoot(int packages)
{
    const QString root = g_root->path() + QStringLiteral("/conf%1").arg(packages);
    if (QFile::exists(root + kConf))
        return root;
    QByteArray conf = "[Tellora]\nVersion = 1.0.0\n";
    for (int i = 0; i < packages; ++i) {
        const QByteArray name = "Pkg" + QByteArray::number(i);
        const QByteArray dir = "/share/vol1/.tellora/apps/" + name;
        conf += "\n[" + name + "]\nName = " + name + "\nDisplay_Name = Package " + QByteArray::number(i)
            + "\nVersion = 1.2." + QByteArray::number(i) + "\nAuthor = Tellora Labs\nClass = Tellora\nEnable = TRUE\n"
            + "Install_Path = " + dir + "\nShell = " + dir + "/service.sh\nDate = 2025-02-11\n";
        writeFile(root + dir + "/.ivo/ivo.xml",
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<IVO>\n\t<name>" + name + "</name>\n\t<name lang=\"eng\">"
                + name + "</name>\n\t<name lang=\"ger\">" + name
                + "</name>\n\t<description>A package that does something useful on the television.</description>\n"
                  "\t<icon_tv>icon_tv.png</icon_tv>\n\t<start>run.sh</start>\n</IVO>\n");
    }
    writeFile(root + kConf, conf);
    return root;
}

// Shapes: a realistic catalog of `items` items; one item with `items` distinct element names; `items` small
// items that each bring a new element name, or all the same one.
enum Shape { Realistic, NamesInOneItem, NewNameEachItem, SameNameEachItem };

QString catalogFile(int items, int shape = Realistic)
{
    const QString path
        = g_root->path() + QStringLiteral("/home/Vendra/IVO/BENTO/catalog%1-%2.xml").arg(items).arg(shape);
    if (QFile::exists(path))
        return path;
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<plugins>\n";
    const QByteArray build = "<platform><platformID>TLR-440</platformID><location>http://127.0.0.1:9/p.pkg</location>"
                             "</platform>";
    if (shape == NamesInOneItem) {
        xml += "<item><internalName>Pkg0</internalName><class>Tellora</class>";
        for (int i = 0; i < items; ++i) {
            const QByteArray n = "n" + QByteArray::number(i * 7919 % items);
            xml += "<" + n + ">x</" + n + ">";
        }
        xml += build + "</item>\n";
    }
    for (int i = 0; (shape == NewNameEachItem || shape == SameNameEachItem) && i < items; ++i) {
        const QByteArray n = QByteArray::number(i), e = shape == NewNameEachItem ? "e" + n : "e";
        xml += "<item><internalName>Pkg" + n + "</internalName><class>Tellora</class><" + e + ">x</" + e + ">" + build
            + "</item>\n";
    }
    for (int i = 0; shape == Realistic && i < items; ++i) {
        const QByteArray n = QByteArray::number(i), name = "Pkg" + n;
        xml += "<item>\n<name>Package " + n + "</name>\n<internalName>" + name
            + "</internalName>\n<class>Tellora</class>\n<TVInstall>yes</TVInstall>\n<version>2.0." + n
            + "</version>\n<maintainer>Tellora Labs</maintainer>\n<publishedDate>2025-02-11</publishedDate>\n"
              "<description><![CDATA[A package that does <b>something</b> useful on the television, with a "
              "longer text that the settings page shows beside its icon.]]></description>\n"
              "<icon_tv>http://127.0.0.1:9/icons/"
            + name
            + ".png</icon_tv>\n<platform>\n<platformID>TLR-220</platformID>\n"
              "<location>http://127.0.0.1:9/pkg/"
            + name
            + "_220.pkg</location>\n</platform>\n<platform>\n<platformID>TLR-440</platformID>\n"
              "<location>http://127.0.0.1:9/pkg/"
            + name + "_440.pkg</location>\n<platformReq></platformReq>\n</platform>\n</item>\n";
    }
    writeFile(path, xml + "</plugins>\n");
    return path;
}

// The thread's CPU time: the machines these run on are shared, and wall time
// would measure the neighbours as much as the reader.
double threadSeconds()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// The home screen and the settings pages both listen to the model.
int g_events = 0;
void listen(AggPkgInfo& model)
{
    for (auto signal : {&AggPkgInfo::confPkgChanged, &AggPkgInfo::webPkgChanged, &AggPkgInfo::availPkgChanged})
        QObject::connect(&model, signal, [](const QString& event) { g_events += int(event.size() > 0); });
}

void BM_ReadConfFirst(benchmark::State& state)
{
    qputenv("IVO_SYSROOT", confRoot(int(state.range(0))).toLocal8Bit());
    for (auto _ : state) {
        AggPkgInfo model;
        listen(model);
        const double t0 = threadSeconds();
        model.ReadConf(kConf);
        state.SetIterationTime(threadSeconds() - t0);
        if (model.ConfPkgInfos().size() != state.range(0))
            state.SkipWithError("packages missing");
    }
}

void BM_ReadConfReread(benchmark::State& state)
{
    qputenv("IVO_SYSROOT", confRoot(int(state.range(0))).toLocal8Bit());
    AggPkgInfo model;
    model.ReadConf(kConf);
    listen(model);
    const int before = g_events;
    for (auto _ : state) {
        const double t0 = threadSeconds();
        model.ReadConf(kConf);
        state.SetIterationTime(threadSeconds() - t0);
    }
    if (g_events != before)
        state.SkipWithError("an unchanged file emitted signals");
}

void BM_XmlParseOnly(benchmark::State& state)
{
    const QByteArray file = QFile::encodeName(catalogFile(int(state.range(0)), int(state.range(1))));
    for (auto _ : state) {
        const double t0 = threadSeconds();
        {
            XMLResults results;
            XMLNode root = XMLNode::parseFile(file.constData(), "plugins", &results);
            benchmark::DoNotOptimize(root.nChildNode());
        }
        state.SetIterationTime(threadSeconds() - t0);
    }
}

void BM_ReadXml(benchmark::State& state)
{
    const QString file = catalogFile(int(state.range(0)), int(state.range(1)));
    const qsizetype expected = state.range(1) == NamesInOneItem ? 1 : state.range(0);
    DownloadManager dm;
    for (auto _ : state) {
        AggPkgInfo model;
        listen(model);
        const double t0 = threadSeconds();
        model.ReadXml(file, &dm);
        state.SetIterationTime(threadSeconds() - t0);
        if (model.WebPkgInfos().size() != expected)
            state.SkipWithError("items missing");
        dm.removeUserTag(QStringLiteral("BENTO.ICON")); // never fetched
        QCoreApplication::processEvents();
    }
}

// Medians of five runs each: the machines are shared and single runs wander.
BENCHMARK(BM_ReadConfFirst)
    ->Arg(15)
    ->Arg(50)
    ->Arg(150)
    ->Arg(500)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5);
BENCHMARK(BM_ReadConfReread)->Arg(500)->UseManualTime()->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_XmlParseOnly)
    ->Args({2000, Realistic})
    ->Args({20000, NamesInOneItem})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
BENCHMARK(BM_ReadXml)
    ->Args({2000, Realistic})
    ->Args({20000, NamesInOneItem})
    ->Args({20000, NewNameEachItem})
    ->Args({20000, SameNameEachItem})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// Keeps each benchmark's median time per iteration for the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> perIteration;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                perIteration[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void ratio(const RatioReporter& r, const char* what, const char* num, const char* den, double target)
{
    const auto a = r.perIteration.find(num), b = r.perIteration.find(den);
    if (a == r.perIteration.end() || b == r.perIteration.end() || b->second <= 0) {
        std::printf("%-44s not measured\n", what);
        return;
    }
    const double v = a->second / b->second;
    std::printf("%-44s %7.2f  (target <= %g)  %s\n", what, v, target, v <= target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTemporaryDir root;
    g_root = &root;
    qputenv("HOME", (root.path() + "/home").toLocal8Bit());
    qputenv("BENTO_CLASS", "Tellora");
    qputenv("MODEL_NAME", "TLR-440");
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    ratio(reporter, "ReadConf 500 / 15 packages", "BM_ReadConfFirst/500", "BM_ReadConfFirst/15", 40);
    ratio(reporter, "ReadConf re-read / first read (500)", "BM_ReadConfReread/500", "BM_ReadConfFirst/500", 1);
    ratio(reporter, "ReadXml / XMLNode parse (2000 items)", "BM_ReadXml/2000/0", "BM_XmlParseOnly/2000/0", 3);
    ratio(reporter, "ReadXml / parse (20000 names, one item)", "BM_ReadXml/20000/1", "BM_XmlParseOnly/20000/1", 3);
    ratio(reporter, "ReadXml 20000 items: own names / one name", "BM_ReadXml/20000/2", "BM_ReadXml/20000/3", 1.3);
    benchmark::Shutdown();
    return 0;
}
