#include "ScratchSysroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ScratchSysroot::ScratchSysroot()
    : m_dir(QDir::tempPath() + QStringLiteral("/ivo-XXXXXX"))
{
    m_hadRoot = qEnvironmentVariableIsSet("IVO_SYSROOT");
    m_oldRoot = qgetenv("IVO_SYSROOT");
    m_hadHome = qEnvironmentVariableIsSet("HOME");
    m_oldHome = qgetenv("HOME");
    QDir().mkpath(home());
    qputenv("IVO_SYSROOT", root().toLocal8Bit());
    qputenv("HOME", home().toLocal8Bit());
}

ScratchSysroot::~ScratchSysroot()
{
    if (m_hadRoot)
        qputenv("IVO_SYSROOT", m_oldRoot);
    else
        qunsetenv("IVO_SYSROOT");
    if (m_hadHome)
        qputenv("HOME", m_oldHome);
    else
        qunsetenv("HOME");
}

QString ScratchSysroot::root() const { return m_dir.path(); }

QString ScratchSysroot::home() const { return m_dir.path() + QStringLiteral("/home/admin"); }

QString ScratchSysroot::path(const QString& appliancePath) const { return root() + appliancePath; }

bool ScratchSysroot::write(const QString& appliancePath, const QByteArray& content) const
{
    const QString p = path(appliancePath);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(content) == content.size();
}

QByteArray ScratchSysroot::read(const QString& appliancePath) const
{
    QFile f(path(appliancePath));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
