// The data files laid beside the program (data/modules in the source tree).
// A slip in one of them shows only on a user's screen, so every key, list
// length and value range the pages and the back end rely on is checked.

#include <QDir>
#include <QSettings>
#include <QtTest>

#include "device/device_table.h"
#include "guarded_test_case.h"
#include "scene_driver.h"
#include "settings/language_files.h"
#include "settings_folder.h"
#include "ui/ui_controler.h"

namespace {

QString modules(const QString& relative) {
    return QDir(QFINDTESTDATA("../../data/modules")).filePath(relative);
}

// Collects every problem of one file, so a failure lists them all.
struct Checker {
    QSettings file;
    QStringList problems;

    explicit Checker(const QString& path) : file(modules(path), QSettings::IniFormat) {}
    void check(bool isRight, const QString& problem) {
        if (!isRight) problems.append(problem);
    }
    QString text(const QString& key) const { return file.value(key).toString(); }
    // A list of size whole numbers from low to high (size 1: a single value).
    QStringList numbers(const QString& key, int low, int high, int size = 1) {
        const QStringList entries = file.value(key).toStringList();
        check(entries.size() == size, key + ": " + QString::number(entries.size()) + " entries");
        for (const QString& entry : entries) {
            const int number = entry.toInt();
            check(entry == QString::number(number) && number >= low && number <= high,
                  key + " = \"" + entry + "\"");
        }
        return entries;
    }
    int number(const QString& key, int low, int high) {
        return numbers(key, low, high).value(0).toInt();
    }
};

void checkApplicationConfig(Checker& config) {
    config.check(!config.text("common/name").isEmpty(), "no window title");
    config.number("Q4/colorMaxStage", 1, 8);
    for (const DevInfo& row : loadDeviceTable(":/DevInfo.ini", config.file.fileName()).rows)
        config.check(!row.productName.isEmpty(), "a device without product name");
    // The global-settings page reads positions 0 to 31 without checks.
    config.number("common/total", 32, 32);
    const auto entry = [](int index) { return "common/" + QString::number(index); };
    for (int index : {6, 31}) config.check(config.file.contains(entry(index)), entry(index));
    // Position, lowest, highest: version, skin, sound, animation, text size,
    // preset, brightness step; 8 to 28 are colours and brightness values, 6
    // the custom picture and 31 the web link (present above).
    const int ranges[][3] = {{0, 1, 1}, {1, 1, 2},  {2, 0, 1}, {3, 0, 1},
                             {7, 0, 1}, {29, 0, 6}, {30, 0, 7}};
    for (const auto& range : ranges) config.number(entry(range[0]), range[1], range[2]);
    for (int index = 8; index <= 28; ++index) config.number(entry(index), 0, 255);
    // A position in the sorted list of languages: one sorting before English
    // would silently change the factory language.
    const QVariantMap languages = LanguageFiles(modules("i18n")).chkLanguages();
    const int language = config.number(entry(4), 0, int(languages.size()) - 1);
    config.check(languages.keys().value(language) == "ENGLISH", "factory language not English");
    config.check(QStringList({"true", "false"}).contains(config.text(entry(5))), "custom picture");
    // The logo opens the help page the build lays beside the program.
    const QString link = config.text(entry(31));
    config.check(!Ui_Controler::helpPagePath(link).isEmpty(), "the logo's link " + link);
    const QString page = QDir(builtModulesFolder()).filePath(link.section('/', 1));
    config.check(QFileInfo(page).isFile(), "no help page at " + page);
}

void checkProfile(Checker& profile) {
    profile.check(QList{1, 2, 4, 8}.contains(profile.number("sensor/reportRate_Q4", 1, 8)), "rate");
    for (const QString key : {"cursorSpeed_Q4", "verticalScrollLines_Q4", "doubleClickSpeed_Q4"})
        profile.number("sensor/" + key, 0, 10);
    const QStringList dpi = profile.numbers("sensor/dpi_Q4", 0, 10000, 8);
    const int stage = profile.number("sensor/stage_Q4", 1, 8);
    profile.check(dpi.value(stage - 1, "0") != "0", "the current DPI stage is unused");
    profile.numbers("color_Q4/type0", 0, 255, 24);
    profile.numbers("color_Q4/type1", 0, 255, 24);
    profile.numbers("color_Q4/type2", 0, 15, 8);
    const QStringList effect = profile.numbers("color_Q4/ledEffect", 0, 9, 3);
    profile.check(effect.value(1).toInt() <= 7 && effect.value(2).toInt() <= 7, "LED indices");
    QStringList keys;
    for (int button = 0; button < 16; ++button)
        keys << profile.numbers("keydefine_Q4/" + QString::number(button), 0, 255, 4).join(' ');
    profile.check(keys.contains("1 0 240 0"), "no button keeps the primary function");
    const QString swap = profile.text("keydefine_Q4/scrollswap");
    profile.check(swap == "true" || swap == "false", "scroll swap " + swap);
}

void checkLanguage(Checker& language) {
    const QSettings english(modules("i18n/lang_031000.ini"), QSettings::IniFormat);
    const QString code = QFileInfo(language.file.fileName()).fileName().mid(5, 6);
    language.check(!LanguageFiles::displayName(code).isEmpty(), "no language code");
    // The settings library drops what is not UTF-8 without a word.
    const QByteArray bytes = readFile(language.file.fileName());
    language.check(QString::fromUtf8(bytes).toUtf8() == bytes, "not UTF-8");
    // The same positions as the English file, none missing, none extra.
    const QStringList keys = language.file.allKeys();
    language.check(keys == english.allKeys(), "not the English file's keys");
    const int total = language.number("font/total", 116, 4096);
    for (int position = 1; position <= total; ++position)
        language.check(keys.contains("strings/" + QString::number(position)), "strings incomplete");
    for (const QString& key : keys) {
        // One text each (an unquoted comma would make it a list); a button has
        // a name in every language or in none.
        const QString text = language.text(key);
        const bool isNamed =
            !key.startsWith("Q4_5E8D1B4/") || !english.value(key).toString().isEmpty();
        language.check(text.isEmpty() != isNamed, key + (isNamed ? " empty or a list" : " named"));
    }
}

}  // namespace

class TestShippedData : public GuardedTestCase {
    Q_OBJECT

private slots:
    void shippedFile_data() {
        QTest::addColumn<QString>("file");
        QStringList files{"setting/apConfigD.bin", "setting/apConfig.bin", "setting/pD.bin"};
        for (int number = 1; number <= 10; ++number)
            files << QString("setting/p%1.bin").arg(number);
        for (const QString& name : QDir(modules("i18n")).entryList({"lang_*.ini"}, QDir::Files))
            files << "i18n/" + name;
        for (const QString& file : files) QTest::newRow(qPrintable(file)) << file;
    }
    void shippedFile() {
        QFETCH(QString, file);
        Checker checker(file);
        (file.startsWith("i18n/")    ? checkLanguage
         : file.contains("apConfig") ? checkApplicationConfig
                                     : checkProfile)(checker);
        QVERIFY2(checker.problems.isEmpty(), qPrintable(checker.problems.join("; ")));
    }

    // Every device the program talks to must be open to the logged-in user,
    // each through a hidraw rule that tags it for the seat's user.
    void udevRuleCoversTheDeviceTable() {
        const QString rules =
            QString::fromUtf8(readFile(QFINDTESTDATA("../../packaging/70-q4-mouse.rules")));
        QVERIFY(!rules.isEmpty());
        static const QRegularExpression rule(
            R"re(^KERNEL=="hidraw\*", ATTRS\{idVendor\}=="([0-9a-f]{4})", )re"
            R"re(ATTRS\{idProduct\}=="([0-9a-f]{4})", MODE="0660", TAG\+="uaccess"$)re",
            QRegularExpression::MultilineOption);
        QStringList granted;
        for (auto match = rule.globalMatch(rules); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            granted << found.captured(1) + ":" + found.captured(2);
        }
        QStringList table;
        for (const DevInfo& row : loadDeviceTable(":/DevInfo.ini", QString()).rows)
            table << QString::asprintf("%04x:%04x", row.vid, row.pid);
        QCOMPARE(table.size(), 2);
        granted.sort();
        table.sort();
        QCOMPARE(granted, table);
        // Nothing else in the file grants anything.
        const QStringList lines = rules.split('\n');
        QCOMPARE(lines.filter(QRegularExpression("^[^#\\s]")).size(), granted.size());
    }
};

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shipped_data.moc"
