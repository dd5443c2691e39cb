#pragma once

// The user-interface language code that catalog addresses and language
// variants of package texts are chosen by (UiLanguage::current()) is kept by
// the shared language unit.
#include "i18n/UiLanguage.h"
