#include "ScratchSysroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

static const char* const kVars[] = {"IVO_SYSROOT", "HOME"}; // the order of m_saved

ScratchSysroot::ScratchSysroot()
    : m_dir(QDir::tempPath() + QStringLiteral("/ivo-XXXXXX"))
{
    for (int i = 0; i < 2; ++i)
        m_saved[i] = qEnvironmentVariableIsSet(kVars[i]) ? std::optional(qgetenv(kVars[i])) : std::nullopt;
    QDir().mkpath(home());
    qputenv("IVO_SYSROOT", root().toLocal8Bit());
    qputenv("HOME", home().toLocal8Bit());
}

ScratchSysroot::~ScratchSysroot()
{
    for (int i = 0; i < 2; ++i)
        m_saved[i] ? qputenv(kVars[i], *m_saved[i]) : qunsetenv(kVars[i]);
}

bool ScratchSysroot::write(const QString& appliancePath, const QByteArray& content) const
{
    QFile f(path(appliancePath));
    QDir().mkpath(QFileInfo(f).absolutePath());
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

QByteArray ScratchSysroot::read(const QString& appliancePath) const
{
    QFile f(path(appliancePath));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
