// Parse cost of our XML reader on catalog-shaped files, against QDomDocument,
// QXmlStreamReader and pugixml on the same file in the same run, and on 1x,
// 5x and 13x the size to show the cost is linear (13x, about 60 MB, is the
// largest that stays under the reader's catalog size limit). Figures are
// printed as ratios because the machines are shared and noisy.
//
//   bench_xml                 timings and ratios
//   bench_xml --memory [MB]   peak memory of parsing a file of about MB megabytes
//   bench_xml --generate DIR  only write the 1x, 5x and 13x files into DIR
#include "util/xmlParser.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

const int kItemsPerUnit = 2000;

const char* const kWords[] = {"stream", "music", "video", "photo", "backup", "remote", "player", "library", "station",
    "channel", "cloud", "share", "album", "screen", "record", "archive"};

std::string words(unsigned seed, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        s += kWords[(seed >> 16) % 16];
        s += (i % 11 == 10) ? ".\n" : " ";
    }
    return s;
}

// One catalog item as the online catalog has it: a dozen single-text
// elements, two CDATA descriptions and repeated platform entries.
void writeItem(FILE* f, int n)
{
    std::fprintf(f,
        "  <item>\n"
        "    <name>Application %d</name>\n"
        "    <internalName>app%d</internalName>\n"
        "    <class>TV</class>\n"
        "    <TVInstall>yes</TVInstall>\n"
        "    <NASInstall>%s</NASInstall>\n"
        "    <version>1.%d.%d</version>\n"
        "    <maintainer>Studio %d &amp; Partners</maintainer>\n"
        "    <publishedDate>2024/%02d/%02d</publishedDate>\n"
        "    <category lang=\"eng\">Multimedia</category>\n"
        "    <icon_tv>http://download.example.invalid/icons/app%d_tv.png</icon_tv>\n"
        "    <description><![CDATA[%s]]></description>\n"
        "    <moreDescription><![CDATA[<b>%s</b>]]></moreDescription>\n",
        n, n, n % 3 ? "no" : "yes", n % 7, n % 13, n % 50, n % 12 + 1, n % 28 + 1, n, words(unsigned(n), 80).c_str(),
        words(unsigned(n) * 7u, 40).c_str());
    static const char* const models[] = {"TS-x53", "TS-x73", "TS-x82", "TS-x51", "TS-x77"};
    for (int p = 0; p < 5; ++p) {
        std::fprintf(f,
            "    <platform>\n"
            "      <platformID>%s</platformID>\n"
            "      <location>http://download.example.invalid/pkg/app%d_1.%d_%s.qpkg</location>\n"
            "      <platformReq>%s</platformReq>\n"
            "    </platform>\n",
            models[p], n, n % 7, models[p], p == 2 ? "pro" : "");
    }
    std::fprintf(f, "  </item>\n");
}

bool generate(const std::string& path, int items)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fprintf(f, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plugins>\n");
    for (int i = 0; i < items; ++i)
        writeItem(f, i);
    std::fprintf(f, "</plugins>\n");
    return std::fclose(f) == 0;
}

long fileSize(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return -1;
    std::fseek(f, 0, SEEK_END);
    long n = std::ftell(f);
    std::fclose(f);
    return n;
}

int oursItems(const std::string& path)
{
    XMLNode root = XMLNode::parseFile(path.c_str(), "plugins");
    return root.nChildNode("item");
}

int domItems(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        return -1;
    return doc.documentElement().elementsByTagName("item").count();
}

int streamItems(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QXmlStreamReader reader(&file);
    int items = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("item"))
            ++items;
    }
    return reader.hasError() ? -1 : items;
}

int pugiItems(const std::string& path)
{
    pugi::xml_document doc;
    if (!doc.load_file(path.c_str()))
        return -1;
    int items = 0;
    for (pugi::xml_node n = doc.child("plugins").child("item"); n; n = n.next_sibling("item"))
        ++items;
    return items;
}

// Keeps the fastest of the repetitions of each case (wall and CPU time), for
// the ratios at the end: on a shared machine the minimum is the figure least
// disturbed by other work.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "min") {
                real[r.run_name.function_name] = r.GetAdjustedRealTime();
                cpu[r.run_name.function_name] = r.GetAdjustedCPUTime();
            }
        }
    }
    std::map<std::string, double> real;
    std::map<std::string, double> cpu;
};

long statusKb(const char* field)
{
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long kb = -1;
    size_t len = std::strlen(field);
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, field, len) == 0 && line[len] == ':')
            kb = std::atol(line + len + 1);
    }
    std::fclose(f);
    return kb;
}

int memoryMode(const QString& dir, int megabytes)
{
    const std::string path = (dir + "/memory.xml").toStdString();
    // An item takes about 2,320 bytes.
    const int wanted = megabytes * 431;
    if (!generate(path, wanted))
        return 1;
    const double size = double(fileSize(path));
    const long before = statusKb("VmHWM");
    int items = 0;
    {
        XMLNode root = XMLNode::parseFile(path.c_str(), "plugins");
        items = root.nChildNode("item");
        const long rss = statusKb("VmRSS");
        std::printf("file %.1f MB, %d items\n", size / 1e6, items);
        std::printf("resident with the tree: %.1f MB\n", rss / 1e3);
    }
    const long peak = statusKb("VmHWM");
    std::printf("VmHWM before parsing %.1f MB, after %.1f MB\n", before / 1e3, peak / 1e3);
    std::printf("peak / file size: %.2f (growth during parse %.2f), target <= 10\n", peak * 1024.0 / size,
        (peak - before) * 1024.0 / size);
    return items == wanted ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    if (argc >= 2 && std::strcmp(argv[1], "--memory") == 0)
        return memoryMode(dir.path(), argc >= 3 ? std::atoi(argv[2]) : 100);

    const bool generateOnly = argc >= 3 && std::strcmp(argv[1], "--generate") == 0;
    const QString out = generateOnly ? QString::fromLocal8Bit(argv[2]) : dir.path();
    std::map<int, std::string> files;
    for (int scale : {1, 5, 13}) {
        files[scale] = (out + QStringLiteral("/catalog_%1x.xml").arg(scale)).toStdString();
        if (!generate(files[scale], kItemsPerUnit * scale))
            return 1;
        std::printf("catalog %dx: %.2f MB, %d items\n", scale, fileSize(files[scale]) / 1e6, kItemsPerUnit * scale);
    }
    if (generateOnly)
        return 0;
    // Every reader must see every item, or the timings compare different work
    // (a file over the size limit would be refused and time nothing).
    const std::string& unit = files[1];
    if (oursItems(unit) != kItemsPerUnit || domItems(unit) != kItemsPerUnit || streamItems(unit) != kItemsPerUnit
        || pugiItems(unit) != kItemsPerUnit || oursItems(files[5]) != 5 * kItemsPerUnit
        || oursItems(files[13]) != 13 * kItemsPerUnit) {
        std::fprintf(stderr, "a reader did not find all the items\n");
        return 1;
    }

    auto add = [](const char* name, int (*parse)(const std::string&), const std::string& path) {
        return benchmark::RegisterBenchmark(name,
            [parse, path](benchmark::State& st) {
                for (auto _ : st)
                    benchmark::DoNotOptimize(parse(path));
            })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(3)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics(
                "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    };
    add("ours/1x", oursItems, files[1])->MinTime(1.0);
    add("QDomDocument/1x", domItems, files[1])->MinTime(1.0);
    add("QXmlStreamReader/1x", streamItems, files[1])->MinTime(1.0);
    add("pugixml/1x", pugiItems, files[1])->MinTime(1.0);
    add("ours/5x", oursItems, files[5])->MinTime(2.0);
    add("ours/13x", oursItems, files[13])->Iterations(3);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    if (reporter.real.size() < 6)
        return 0; // filtered run: no ratios
    std::printf("\nratios of the fastest repetitions     wall     cpu\n");
    auto ratio = [&](const char* label, const char* a, const char* b, const char* note) {
        std::printf("%-36s %7.3f %7.3f  %s\n", label, reporter.real[a] / reporter.real[b],
            reporter.cpu[a] / reporter.cpu[b], note);
    };
    ratio("ours / QDomDocument", "ours/1x", "QDomDocument/1x", "(target < 1)");
    ratio("ours / QXmlStreamReader", "ours/1x", "QXmlStreamReader/1x", "");
    ratio("ours / pugixml", "ours/1x", "pugixml/1x", "");
    ratio("ours 5x / 1x", "ours/5x", "ours/1x", "(linear: 5)");
    ratio("ours 13x / 1x", "ours/13x", "ours/1x", "(linear: 13)");
    return 0;
}
