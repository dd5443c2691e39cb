#pragma once

#include <QString>

// The user-interface language code ("eng", "cht", ...) that catalog
// addresses and language variants of package texts are chosen by. The one
// place that knows where the current choice is kept.
namespace UiLanguage {

// "Preference/Language" of the user settings; "eng" when none is stored.
QString current();

} // namespace UiLanguage
