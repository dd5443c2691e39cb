#include "widgets/ImageResources.h"

#include "appliance/ConfigFile.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the functions of the generated resource unit,
// which must be named in the global namespace.
static void initImages() { Q_INIT_RESOURCE(images); }
static void cleanupImages() { Q_CLEANUP_RESOURCE(images); }

namespace ImageResources {
void registerAll() { initImages(); }
void unregisterAll() { cleanupImages(); }

QPixmap fromFile(const QString& path)
{
    QPixmap picture;
    picture.loadFromData(ConfigFile::read(path, nullptr, std::size_t(32) << 20));
    return picture;
}
} // namespace ImageResources
