#pragma once

#include <QPixmap>
#include <QString>

// The compiled-in picture tree ":/images/". The program registers it first
// thing and unregisters it last; tests of widgets that show pictures do the
// same.
namespace ImageResources {
void registerAll();
void unregisterAll();
// A picture from a file of a package or of the user, read the guarded way:
// a FIFO or a device in its place cannot hold the home screen up.
QPixmap fromFile(const QString& path);
} // namespace ImageResources
