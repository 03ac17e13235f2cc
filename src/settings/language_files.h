#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The language files of the front end: "lang_<code>.ini" in one folder, where
// the code is six digits, three for the language and three for the country
// in the numbering of the old Qt locale enumerations (031000 is English with
// no country, 025044 Chinese for China, 025208 Chinese for Taiwan).
//
// A file holds the font family and the number N of global strings under
// [font], the global strings 1 to N under [strings], the six message texts
// of the back end's warning boxes under [msg] (0 to 5) and the sixteen
// button names of the mouse under [Q4_5E8D1B4] (0 to 15). A missing or
// unreadable file reads as an empty one; nothing is ever reported to the
// user.
//
// Threads: owned and used by the GUI thread only.
class LanguageFiles {
public:
    static constexpr int kMessageCount = 6;
    static constexpr int kProductKeyCount = 16;
    // Upper bound on the global strings taken from one file. The pages use
    // 116; a corrupt or hostile "font/total" must not make the program build
    // a list of billions of entries, so anything above this is cut here.
    static constexpr int kMaxGlobalStrings = 4096;

    explicit LanguageFiles(const QString& folder = QStringLiteral("./modules/i18n"));

    // Display name to six-digit code, ordered by display name, e.g.
    // "ENGLISH" -> "031000", "CHINESE (Simp)" -> "025044". A later file with
    // the same display name replaces an earlier one.
    QVariantMap chkLanguages() const;
    // Font family, then strings 1 to N as text (empty for an absent one).
    // Refills msgStrings() with exactly six texts.
    QStringList getGlobalStrings(const QString& langCode);
    // Exactly sixteen button names, empty for an absent one.
    QStringList getProductLayoutStrings_Q4(const QString& langCode) const;
    // The message texts of the language loaded last: empty before the first
    // getGlobalStrings, exactly six after it.
    const QStringList& msgStrings() const { return messages; }

    // "lang_<code>.ini" in the folder.
    QString filePath(const QString& langCode) const;
    // The display name of a code: upper-case language name plus the country
    // suffix; empty when the code is not six digits.
    static QString displayName(const QString& langCode);

private:
    QString folder;
    QStringList messages;
};
