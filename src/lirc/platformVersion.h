#pragma once

#include <string>

// "System/Version" of the platform configuration (Paths::SystemConf),
// empty when the file or the key is missing. Platforms whose version begins
// with "4" close NEC and MCE frames with longer end spaces.
std::string platformSystemVersion();
bool platformUsesLongEndSpaces();
