#pragma once

#include <QString>

#include <optional>

// The platform file (Paths::PlatformConf): lines "DISPLAY_NAME=<name>" among
// others. Start-up and the title bar take the name by different rules.
namespace PlatformFile {

// Start-up's: the text after the first "=" of the first line holding
// "DISPLAY_NAME" whose first "=" is not its first character, trimmed; none
// without such a line.
std::optional<QString> firstDisplayName();
// The title bar's: the text after the first "=" of the last line holding
// "DISPLAY_NAME", trimmed; none without one.
std::optional<QString> lastDisplayName();

} // namespace PlatformFile
