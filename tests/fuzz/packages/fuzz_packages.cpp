// The package readers on hostile input, under the same rules for both: a reader leaves the other side alone, reading
// the same input again is silent, and the words match the record maps (a broken rule aborts). The input of
// fuzz_bentoconf: the package configuration, a line "----", then the descriptor that every package folder of the seeds
// ("/a", "/a/b", "/vm/m", "/vm/n") holds; of fuzz_bentocatalog (FUZZ_CATALOG): the catalog, whose icons are dropped.
#include "../support/ToolFuzzing.h"
#include "packages/DownloadManager.h"
#include "packages/bentoconf.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzSysroot(argc, argv, "");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    for (const auto& [name, value] :
        {std::pair {"BENTO_CLASS", "Tellora"}, {"MODEL_NAME", "TLR-440"}, {"DISPLAY_NAME", "TLR 440"}})
        qputenv(name, value);
    fuzzPut("/etc/config/corvex.conf", "[System]\nModel = TLR-440A\n");
    fuzzPut("/proc/tsinfo/hw_version", "HW 3\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    AggPkgInfo model;
#ifdef FUZZ_CATALOG
    const int other = 0;
    static DownloadManager dm;
    fuzzPut("/Vendra/IVO/BENTO/c.xml", input);
    const auto read = [&] {
        model.ReadXml(AggPkgInfo::CatalogFolder() + "/c.xml", &dm);
        dm.removeUserTag("BENTO.ICON");
        QCoreApplication::processEvents();
    };
#else
    const int other = 1;
    const qsizetype cut = input.indexOf("\n----\n");
    fuzzPut("/etc/config/bento.conf", input.left(cut < 0 ? input.size() : cut));
    for (const char* dir : {"/a", "/a/b", "/vm/m", "/vm/n"})
        fuzzPut(dir + QString("/.ivo/ivo.xml"), cut < 0 ? QByteArray() : input.mid(cut + 6));
    const auto read = [&] { model.ReadConf("/etc/config/bento.conf"); };
#endif
    model.insertPkg({"a", {}, {{"version", "1"}, {"start", "x"}}}, other);
    QObject::connect(&model, other ? &AggPkgInfo::webPkgChanged : &AggPkgInfo::confPkgChanged, [] { abort(); });
    read();
    QObject::connect(&model, other ? &AggPkgInfo::confPkgChanged : &AggPkgInfo::webPkgChanged, [] { abort(); });
    read();
    const QMap<QString, int> words = model.AvailPkgMap();
    if (AggPkgInfo(model.ConfPkgInfos(), model.WebPkgInfos()).AvailPkgMap() != words || words.contains(QString())
        || model.PkgByName("a", other).name != "a")
        abort();
    return 0;
}
