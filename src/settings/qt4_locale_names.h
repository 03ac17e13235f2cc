#pragma once

#include <QString>

// The English names of the language and country numbers of the old (4.8)
// Qt locale enumerations. Language files are named after those numbers
// ("lang_031000.ini" is language 31, no country), and the Qt we build on has
// renumbered both enumerations, so the table travels with the program.
namespace qt4_locale {

constexpr int kLastLanguage = 214;  // Shambala
constexpr int kLastCountry = 246;   // Latin America and the Caribbean

// The name as the old library spelled it ("English", "Chinese", "Default"
// for 0); "Unknown" beyond the last number, as the old library answered.
QString languageName(int language);
QString countryName(int country);

}  // namespace qt4_locale
