#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away appliance sysroot for one test: IVO_SYSROOT points at a fresh
// folder while the object lives (and at the previous value afterwards), and
// HOME at a fresh home inside it. Files are written at appliance paths.
class ScratchSysroot
{
public:
    ScratchSysroot();
    ~ScratchSysroot();

    bool isValid() const { return m_dir.isValid(); }
    QString root() const;
    QString home() const;
    // The mapped path of an appliance path ("/etc/config/bento.conf").
    QString path(const QString& appliancePath) const;
    // Writes a file at an appliance path, creating its folders.
    bool write(const QString& appliancePath, const QByteArray& content) const;
    QByteArray read(const QString& appliancePath) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldRoot, m_oldHome;
    bool m_hadRoot = false, m_hadHome = false;
};
