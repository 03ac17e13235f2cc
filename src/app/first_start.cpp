#include "app/first_start.h"

#include <QSettings>

#include "common/logging.h"
#include "settings/application_config.h"
#include "settings/settings_file.h"
#include "settings/language_files.h"
#include "settings/qt4_locale_names.h"

namespace {

// The position of the language in the configuration's list.
constexpr int kLanguageEntry = 4;

// Language files are named after the old locale numbers; the names are what
// the old and the current enumerations have in common.
bool isSameName(const QString& oldName, const QString& currentName) {
    return oldName.compare(currentName, Qt::CaseInsensitive) == 0;
}

QString bestCodeFor(const QVariantMap& languages, const QLocale& locale) {
    const QString language = QLocale::languageToString(locale.language());
    const QString country = QLocale::territoryToString(locale.territory());
    QString withoutCountry;
    QString anyCountry;
    for (const QVariant& value : languages) {
        const QString code = value.toString();
        if (!isSameName(qt4_locale::languageName(code.left(3).toInt()), language)) continue;
        const int countryNumber = code.mid(3).toInt();
        if (countryNumber != 0 && isSameName(qt4_locale::countryName(countryNumber), country))
            return code;
        if (countryNumber == 0 && withoutCountry.isEmpty()) withoutCountry = code;
        if (anyCountry.isEmpty()) anyCountry = code;
    }
    return withoutCountry.isEmpty() ? anyCountry : withoutCountry;
}

}  // namespace

QString desktopLanguageCode(const QVariantMap& languages, const QLocale& locale) {
    const QString code = bestCodeFor(languages, locale);
    return code.isEmpty() ? bestCodeFor(languages, QLocale(QLocale::English)) : code;
}

void chooseDesktopLanguage(ApplicationConfig& config, const LanguageFiles& languages,
                           const QLocale& locale) {
    const QVariantMap installed = languages.chkLanguages();
    const QString code = desktopLanguageCode(installed, locale);
    const qsizetype index = installed.values().indexOf(code);
    SettingsFile* settings = config.settings();
    if (code.isEmpty() || index < 0 || settings->value("common/total", 0).toInt() <= kLanguageEntry)
        return;
    settings->setValue("common/" + QString::number(kLanguageEntry), int(index));
    qCInfo(lcApp, "First start: the language is %s (%s)", qUtf8Printable(installed.key(code)),
           qUtf8Printable(locale.name()));
}

void chooseDesktopLanguage(const QLocale& locale) {
    ApplicationConfig config;
    const LanguageFiles languages;
    chooseDesktopLanguage(config, languages, locale);
}

QLocale desktopLocale() {
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.constFirst());
}
