#pragma once

#include <QByteArray>
#include <QString>

class QSettings;

// The Qt side of the whole-file replacement (util/GuardedFile.h), for local
// paths: a file the program keeps is written beside the old one, flushed to
// disk and renamed over it, never truncated and rewritten in place.
namespace WholeFile {

enum class Links { Refused, Followed };

// Replaces the file at path with the bytes (see GuardedFile::Replacement);
// true when they are in place.
bool write(const QString& path, const QByteArray& bytes, Links links = Links::Refused);

// Settings files are replaced whole by Qt itself where their folder takes a
// new file: a temporary file synced and renamed over the old one, under a
// lock file. Left to us are the leftovers of a save killed half-way (the
// temporary file "<name>.XXXXXX" of a kill just before the rename, lock
// files), removed here before the next save, and a folder that takes no new
// file, where Qt would not write at all: there the settings write in place.
void prepare(QSettings& settings);

} // namespace WholeFile
