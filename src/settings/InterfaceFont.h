#pragma once

#include <QString>

// The family the interface is drawn in. Japanese has one of its own, given to
// the application and to every widget, each keeping its size; every other
// language draws in the fonts the program starts with. Entering Japanese keeps
// the families it replaces and leaving it gives them back, so a language
// visited and left leaves the letters of a fresh start in the language come
// back to.
namespace InterfaceFont {

// Follows the interface language from one code to another.
void follow(const QString& from, const QString& to);

} // namespace InterfaceFont
