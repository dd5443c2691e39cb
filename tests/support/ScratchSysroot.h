#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <optional>

// A throw-away appliance sysroot for one test: IVO_SYSROOT points at a fresh folder while the object lives (and at
// the previous value afterwards), and HOME at a fresh home inside it. Files are written at appliance paths.
class ScratchSysroot
{
public:
    ScratchSysroot();
    ~ScratchSysroot();

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString home() const { return m_dir.path() + QStringLiteral("/home/admin"); }
    // The mapped path of an appliance path ("/etc/config/bento.conf").
    QString path(const QString& appliancePath) const { return root() + appliancePath; }
    // Writes a file at an appliance path, creating its folders.
    bool write(const QString& appliancePath, const QByteArray& content) const;
    QByteArray read(const QString& appliancePath) const;

private:
    QTemporaryDir m_dir;
    std::optional<QByteArray> m_saved[2]; // IVO_SYSROOT and HOME as they were
};
