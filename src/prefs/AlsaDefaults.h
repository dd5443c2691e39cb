#pragma once

#include <QString>

// ALSA's configuration file, whose default PCM device follows the audio
// output chosen on the Preferences page.
namespace AlsaDefaults {

// Rewrites the file with its first line containing "defaults.pcm.device "
// replaced by that text and device in decimal; a file without such a line
// gets it appended, so the choice takes effect either way. Lines are read in
// pieces of at most 1023 bytes, as the appliance's tools do. False, and the
// file unchanged, when it cannot be read or opened for writing.
bool setDefaultDevice(const QString& file, int device);

} // namespace AlsaDefaults
