#include "prefs/AlsaDefaults.h"

#include "appliance/WholeFile.h"

#include <QByteArrayList>
#include <QFile>

namespace AlsaDefaults {

bool setDefaultDevice(const QString& path, int device)
{
    static const QByteArray key("defaults.pcm.device ");
    const QByteArray line = key + QByteArray::number(device) + '\n';
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray text;
    bool replaced = false;
    while (!file.atEnd()) {
        const QByteArray piece = file.readLine(1024);
        if (piece.isEmpty())
            break;
        if (!replaced && piece.contains(key)) {
            text += line;
            replaced = true;
        } else {
            text += piece;
        }
    }
    file.close();
    if (!replaced) {
        if (!text.isEmpty() && !text.endsWith('\n'))
            text += '\n';
        text += line;
    }
    // Replaced whole, keeping its mode and, where the process may, its owner.
    return WholeFile::write(path, text);
}

} // namespace AlsaDefaults
