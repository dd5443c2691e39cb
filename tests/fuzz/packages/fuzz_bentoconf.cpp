// The installed-package reader on hostile input: the package configuration
// text, then a line "----", then the descriptor text that every package
// folder of the seeds ("/a", "/a/b", "/vm/m", "/vm/n") holds.
#include "FuzzModelCheck.h"

#include <QTemporaryDir>

#include <cstdint>

namespace {
QTemporaryDir* g_root = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    quietLog();
    g_root = new QTemporaryDir();
    qputenv("IVO_SYSROOT", g_root->path().toLocal8Bit());
    qputenv("BENTO_CLASS", "Tellora");
    qputenv("NasGroupID", "MA==");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype cut = input.indexOf("\n----\n");
    const QByteArray conf = cut < 0 ? input : input.left(cut);
    const QByteArray descriptor = cut < 0 ? QByteArray() : input.mid(cut + 6);
    const QString root = g_root->path();
    writeFile(root + "/etc/config/bento.conf", conf);
    for (const char* dir : {"/a", "/a/b", "/vm/m", "/vm/n"})
        writeFile(root + dir + "/.ivo/ivo.xml", descriptor);

    AggPkgInfo model;
    model.insertPkg(PkgInfo_s {QStringLiteral("a"), {}, {{QStringLiteral("version"), QStringLiteral("1")}}}, 1);
    int events = 0;
    QObject::connect(&model, &AggPkgInfo::confPkgChanged, [&](const QString& e) {
        FUZZ_CHECK(e.startsWith(QLatin1String("pkg_add\n")) || e.startsWith(QLatin1String("pkg_upd\n"))
            || e.startsWith(QLatin1String("pkg_del\n")));
        ++events;
    });
    QObject::connect(&model, &AggPkgInfo::webPkgChanged, [&](const QString&) { FUZZ_CHECK(false); });

    model.ReadConf(QStringLiteral("/etc/config/bento.conf"));
    checkInvariants(model);
    (void)model.PkgNames(0, 1);
    // Re-reading what did not change is silent.
    events = 0;
    model.ReadConf(QStringLiteral("/etc/config/bento.conf"));
    FUZZ_CHECK(events == 0);
    // Without the file the installed side empties; the catalog stays.
    QFile::remove(root + "/etc/config/bento.conf");
    model.ReadConf(QStringLiteral("/etc/config/bento.conf"));
    checkInvariants(model);
    FUZZ_CHECK(model.ConfPkgInfos().isEmpty() && model.ConfFile().isEmpty());
    FUZZ_CHECK(model.WebPkgInfos().size() == 1);
    return 0;
}
