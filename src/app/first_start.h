#pragma once

#include <QLocale>
#include <QString>
#include <QVariantMap>

class ApplicationConfig;
class LanguageFiles;

// A new user starts in the desktop's language when it is installed.

// The code of the installed language for the locale: the file for the
// locale's country, else the one without a country, else any of that
// language; else English; empty when neither is installed. languages: as
// LanguageFiles::chkLanguages() lists them.
QString desktopLanguageCode(const QVariantMap& languages, const QLocale& locale);

// Sets the language entry of a configuration that was just made (entry 4:
// the position in the list the global-settings page builds from the
// installed languages) to the desktop's language. Nothing when no language
// fits or the configuration has no language entry. GUI thread.
void chooseDesktopLanguage(ApplicationConfig& config, const LanguageFiles& languages,
                           const QLocale& locale);
// The same on the files under the working directory.
void chooseDesktopLanguage(const QLocale& locale);

// The desktop's language for texts: the first of the system locale's user
// interface languages (LANGUAGE, LC_MESSAGES, LANG), which may differ from
// the locale of numbers and dates.
QLocale desktopLocale();
