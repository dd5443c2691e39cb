#pragma once

// The compiled-in picture tree ":/images/". The program registers it first
// thing and unregisters it last; tests of widgets that show pictures do the
// same.
namespace ImageResources {
void registerAll();
void unregisterAll();
} // namespace ImageResources
