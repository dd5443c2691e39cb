// "call-sudo SYSROOT READY RELEASE": as nobody, Sudo::run of "stay" via SYSROOT/usr/bin/sudo (this program, set-uid),
// prints "ok" or "failed". "stay READY RELEASE": as root, writes READY and stays until RELEASE exists.
#include "appliance/Sudo.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <ctime>

#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "call-sudo") == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            return 2;
        qputenv("IVO_SYSROOT", argv[2]);
        qputenv("IVO_BUDGET_SCALE", "0.1");
        QCoreApplication app(argc, argv);
        const bool ok
            = Sudo::run({QStringLiteral("stay"), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])});
        std::puts(ok ? "ok" : "failed");
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "stay") == 0) {
        if (::setuid(0) != 0)
            return 2;
        QFile(QString::fromLocal8Bit(argv[2])).open(QIODevice::WriteOnly);
        const timespec tick {0, 10'000'000};
        while (::access(argv[3], F_OK) != 0)
            ::nanosleep(&tick, nullptr);
        ::unlink(argv[2]);
        return 0;
    }
    return 2;
}
