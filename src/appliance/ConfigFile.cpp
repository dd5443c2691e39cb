#include "appliance/ConfigFile.h"

#include "appliance/WholeFile.h"

#include <QFile>

namespace ConfigFile {

QByteArray read(const QString& path, GuardedFile::State* state, std::size_t limit)
{
    QByteArray bytes;
    const GuardedFile::State s = GuardedFile::read(QFile::encodeName(path).constData(), bytes, limit);
    if (state)
        *state = s;
    return bytes;
}

QString firstLine(const QString& path, GuardedFile::State* state)
{
    const QByteArray bytes = read(path, state);
    const qsizetype lineFeed = bytes.indexOf('\n');
    return QString::fromUtf8(lineFeed < 0 ? bytes : bytes.left(lineFeed)).trimmed();
}

std::unique_ptr<QSettings> settings(const QString& path)
{
    const GuardedFile::State state = GuardedFile::check(QFile::encodeName(path).constData());
    const bool usable = state == GuardedFile::State::Read || state == GuardedFile::State::Missing;
    auto settings = std::make_unique<QSettings>(usable ? path : QString(), QSettings::IniFormat);
    WholeFile::prepare(*settings);
    return settings;
}

QString value(const QString& path, const QString& key, const QString& defaultValue)
{
    return settings(path)->value(key, defaultValue).toString();
}

} // namespace ConfigFile
