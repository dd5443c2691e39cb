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

    QString root() const { return m_dir.path(); }
    QString home() const { return m_dir.path() + QStringLiteral("/home/admin"); }
    QString path(const QString& appliancePath) const { return root() + appliancePath; }
    // Creates the file's folders.
    bool write(const QString& appliancePath, const QByteArray& content) const;
    QByteArray read(const QString& appliancePath) const;

private:
    QTemporaryDir m_dir;
    std::optional<QByteArray> m_saved[2]; // IVO_SYSROOT and HOME as they were
};
