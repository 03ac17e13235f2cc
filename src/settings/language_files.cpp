#include "settings/language_files.h"

#include <QDebug>
#include <QDir>
#include <QSettings>

#include "settings/qt4_locale_names.h"
#include "common/logging.h"

namespace {

constexpr int kCodeLength = 6;
const QString kPrefix = QStringLiteral("lang_");

// The INI reader splits an unquoted value at its commas and hands back a
// list; a translator's "Out of memory, some lines were cut" would then read
// as no text at all. Such a value is joined back the way it was written.
QString textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ");
    return value.toString();
}

bool isDigits(const QString& text) {
    for (const QChar character : text)
        if (character < QLatin1Char('0') || character > QLatin1Char('9')) return false;
    return true;
}

}  // namespace

LanguageFiles::LanguageFiles(const QString& languageFolder) : folder(languageFolder) {}

QString LanguageFiles::filePath(const QString& langCode) const {
    return QDir(folder).filePath(kPrefix + langCode + ".ini");
}

QString LanguageFiles::displayName(const QString& langCode) {
    if (langCode.size() != kCodeLength || !isDigits(langCode)) return {};
    const QString name = qt4_locale::languageName(langCode.left(3).toInt()).toUpper();
    const int country = langCode.mid(3, 3).toInt();
    // The two Chinese scripts are told apart by the country; their suffixes
    // keep the mixed case the pages show.
    switch (country) {
        case 0:
            return name;
        case 44:
            return name + " (Simp)";
        case 208:
            return name + " (Trad)";
        default:
            return name + " (" + qt4_locale::countryName(country).toUpper() + ")";
    }
}

QVariantMap LanguageFiles::chkLanguages() const {
    QVariantMap languages;
    const QStringList files =
        QDir(folder).entryList({kPrefix + "*.ini"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        const QString code = file.mid(kPrefix.size(), kCodeLength);
        const QString name = displayName(code);
        // A file whose name carries no six-digit code could only be listed
        // under a made-up name and would load as an empty language.
        if (name.isEmpty()) continue;
        languages.insert(name, code);
    }
    return languages;
}

QStringList LanguageFiles::getGlobalStrings(const QString& langCode) {
    const QSettings file(filePath(langCode), QSettings::IniFormat);
    QStringList strings;
    strings.append(textOf(file.value("font/family")));

    int total = file.value("font/total", 0).toInt();
    if (total > kMaxGlobalStrings) {
        qCWarning(lcSettings) << "Language" << langCode << "claims" << total << "strings; reading"
                              << kMaxGlobalStrings;
        total = kMaxGlobalStrings;
    }
    for (int position = 1; position <= total; ++position)
        strings.append(textOf(file.value("strings/" + QString::number(position))));

    messages.clear();
    for (int index = 0; index < kMessageCount; ++index)
        messages.append(textOf(file.value("msg/" + QString::number(index))));
    return strings;
}

QStringList LanguageFiles::getProductLayoutStrings_Q4(const QString& langCode) const {
    const QSettings file(filePath(langCode), QSettings::IniFormat);
    QStringList names;
    for (int button = 0; button < kProductKeyCount; ++button)
        names.append(textOf(file.value("Q4_5E8D1B4/" + QString::number(button))));
    return names;
}
