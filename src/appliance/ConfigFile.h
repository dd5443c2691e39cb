#pragma once

#include "util/GuardedFile.h"

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <memory>

// The Qt side of the guarded reads (util/GuardedFile.h) for local paths,
// that is appliance paths already passed through Appliance::path() or files
// under the user's home.
namespace ConfigFile {

// The whole file; empty unless it is a readable regular file within limit.
QByteArray read(const QString& path, GuardedFile::State* state = nullptr, std::size_t limit = GuardedFile::ConfigLimit);
// Its first line, trimmed; empty when the file cannot be read.
QString firstLine(const QString& path, GuardedFile::State* state = nullptr);
// INI settings over the file, for reading and writing, when it is a regular
// file or absent. Over anything else they are settings of their own: every
// key reads as absent and nothing is written, so a FIFO or a folder at the
// path neither blocks nor breaks the caller.
std::unique_ptr<QSettings> settings(const QString& path);
// One key ("Group/Key") of the INI file through settings(); defaultValue when
// the key or the file is absent.
QString value(const QString& path, const QString& key, const QString& defaultValue = QString());

} // namespace ConfigFile
