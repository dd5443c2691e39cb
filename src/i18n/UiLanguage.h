#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The user-interface languages: their three-letter codes, the names they are
// offered under, the locale each sets, and the choice kept in the user's
// settings. Catalog addresses, language variants of package texts, package
// messages and the language menu all go through here.
namespace UiLanguage {

struct Language_s {
    QString code;
    QString name;
};

// Every supported language, in code order.
const QList<Language_s>& table();
QStringList supported();
bool isSupported(const QString& code);
// The name a code is offered under; empty for an unsupported code.
QString nameOf(const QString& code);
// The code offered under a name; empty when no language has that name.
QString codeOf(const QString& name);
// The value LC_ALL and LANG get for a code; "en_US.UTF-8" for any other.
QString localeOf(const QString& code);

// "Preference/Language" of the user settings, trimmed; empty when none.
QString stored();
// The stored code, or "eng" when none is stored.
QString current();
// Stores a code as "Preference/Language" and writes the settings out.
void store(const QString& code);

} // namespace UiLanguage
