// The catalog reader on hostile input: the whole input is the catalog file.
// Icons are queued on a real download manager and dropped again before the
// event loop could start any transfer.
#include "FuzzModelCheck.h"
#include "packages/DownloadManager.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdint>

namespace {
QTemporaryDir* g_root = nullptr;
DownloadManager* g_dm = nullptr;
QString g_catalog;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    quietLog();
    new QCoreApplication(*argc, *argv);
    g_root = new QTemporaryDir();
    const QString root = g_root->path();
    qputenv("IVO_SYSROOT", root.toLocal8Bit());
    qputenv("HOME", (root + "/home").toLocal8Bit());
    qputenv("BENTO_CLASS", "Tellora");
    qputenv("MODEL_NAME", "TLR-440");
    qputenv("DISPLAY_NAME", "TLR 440");
    writeFile(root + "/etc/config/corvex.conf", "[System]\nModel = TLR-440A\n");
    writeFile(root + "/proc/tsinfo/hw_version", "HW 3\n");
    g_catalog = AggPkgInfo::CatalogFolder() + "/catalog.xml";
    g_dm = new DownloadManager();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFile(g_catalog, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    AggPkgInfo model;
    model.insertPkg(PkgInfo_s {QStringLiteral("Cinema"), {}, {{QStringLiteral("start"), QStringLiteral("x")}}}, 0);
    int events = 0;
    QObject::connect(&model, &AggPkgInfo::webPkgChanged, [&](const QString&) { ++events; });
    QObject::connect(&model, &AggPkgInfo::confPkgChanged, [&](const QString&) { FUZZ_CHECK(false); });

    model.ReadXml(g_catalog, g_dm);
    g_dm->removeUserTag(QStringLiteral("BENTO.ICON"));
    QCoreApplication::processEvents();
    checkInvariants(model);
    const QString folder = AggPkgInfo::CatalogFolder() + QLatin1Char('/');
    for (const PkgInfo_s& pkg : model.WebPkgInfos()) {
        FUZZ_CHECK(pkg.name != QLatin1String("Tellora"));
        FUZZ_CHECK(pkg.confInfo.value(QStringLiteral("Install_Path")) == folder + pkg.name);
        FUZZ_CHECK(!pkg.confInfo.value(QStringLiteral("location")).isEmpty());
    }
    events = 0;
    model.ReadXml(g_catalog, nullptr);
    FUZZ_CHECK(events == 0);
    FUZZ_CHECK(model.XmlFile() == g_catalog);
    model.ReadXml(g_catalog + ".gone", nullptr);
    FUZZ_CHECK(model.WebPkgInfos().isEmpty() && model.XmlFile().isEmpty());
    FUZZ_CHECK(model.ConfPkgInfos().size() == 1);
    checkInvariants(model);
    return 0;
}
