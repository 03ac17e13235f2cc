// The data files laid beside the program (data/modules in the source tree).
// A slip in one of them shows only on a user's screen, so every key, list
// length and value range the pages and the back end rely on is checked.

#include <QDir>
#include <QSettings>
#include <QStringDecoder>
#include <QUrl>
#include <QtTest>

#include "device/device_table.h"
#include "settings/language_files.h"

namespace {

// Every DPI value the sensor page offers, over the four sensor types.
const QList<int> kOfferedDpi{0,    250,  500,  600,  750,  800,  1000, 1200, 1250, 1500,
                             1600, 1750, 2000, 2400, 2500, 2750, 2800, 3000, 3200, 3500,
                             3600, 4000, 4500, 5000, 6000, 7000, 8000, 10000};
// The key-definition page's own factory table, button 0 first.
const QStringList kFactoryKeys{"1 0 240 0", "1 0 241 0", "1 0 242 0", "1 0 244 0",
                               "1 0 243 0", "7 0 3 0",   "11 0 0 0",  "7 0 3 0",
                               "5 0 3 0",   "3 0 138 1", "3 0 35 2",  "3 0 148 1",
                               "0 0 0 0",   "0 0 0 0",   "4 0 1 0",   "4 0 2 0"};

// Collects every problem of one file, so a failure lists them all.
struct Checker {
    QSettings file;
    QStringList problems;

    explicit Checker(const QString& path) : file(path, QSettings::IniFormat) {
        if (!QFile::exists(path)) problems.append("missing");
    }
    bool isNumber(const QString& text, int low, int high) const {
        bool isNumber = false;
        const int number = text.toInt(&isNumber);
        return isNumber && number >= low && number <= high;
    }
    QString number(const QString& key, int low, int high) {
        const QString text = file.value(key).toString();
        if (!isNumber(text, low, high)) problems.append(key + " = \"" + text + "\"");
        return text;
    }
    QStringList list(const QString& key, int size, int low, int high) {
        const QStringList entries = file.value(key).toStringList();
        if (entries.size() != size) problems.append(key + ": " + QString::number(entries.size()));
        for (const QString& entry : entries)
            if (!isNumber(entry, low, high)) problems.append(key + ": \"" + entry + "\"");
        return entries;
    }
    void check(bool isRight, const QString& problem) {
        if (!isRight) problems.append(problem);
    }
};

QString modules(const QString& relative) {
    return QDir(QFINDTESTDATA("../../data/modules")).filePath(relative);
}

}  // namespace

class TestShippedData : public QObject {
    Q_OBJECT

private slots:
    void applicationConfig_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("factory") << "setting/apConfigD.bin";
        QTest::newRow("working") << "setting/apConfig.bin";
    }
    void applicationConfig();
    void profiles_data() {
        QTest::addColumn<QString>("file");
        for (int number = 0; number <= 10; ++number) {
            const QString name = number ? "p" + QString::number(number) : QString("pD");
            QTest::newRow(qPrintable(name)) << "setting/" + name + ".bin";
        }
    }
    void profiles();
    void languages_data() {
        QTest::addColumn<QString>("file");
        for (const QString& file : QDir(modules("i18n")).entryList({"lang_*.ini"}, QDir::Files))
            QTest::newRow(qPrintable(file)) << "i18n/" + file;
    }
    void languages();
    void englishWording();
};

void TestShippedData::applicationConfig() {
    QFETCH(QString, file);
    Checker config(modules(file));
    config.check(!config.file.value("common/name").toString().isEmpty(), "no window title");
    config.number("Q4/colorMaxStage", 1, 8);
    for (const DevInfo& row : loadDeviceTable(":/DevInfo.ini", modules(file)).rows)
        config.check(!row.productName.isEmpty(), "a device without product name");
    for (const QString& key : QStringList{"common/sCode0", "common/sCode1"})
        config.check(config.file.value(key, "abcdef").toString().size() == 6, key);

    // The global-settings page reads positions 0 to 31 without checks.
    config.number("common/total", 32, 32);
    const auto entry = [&](int index) { return "common/" + QString::number(index); };
    config.number(entry(0), 1, 1);
    config.number(entry(1), 1, 2);  // skin
    config.number(entry(2), 0, 1);  // sound
    config.number(entry(3), 0, 1);  // animation
    const QVariantMap languages = LanguageFiles(modules("i18n")).chkLanguages();
    const int language = config.number(entry(4), 0, int(languages.size()) - 1).toInt();
    // A position in the sorted list: a language sorting before English would
    // silently change the factory language.
    config.check(languages.keys().value(language) == "ENGLISH", "factory language not English");
    const QString custom = config.file.value(entry(5)).toString();
    config.check(custom == "true" || custom == "false", "custom background " + custom);
    const QString picture = config.file.value(entry(6)).toString();
    config.check(picture.isEmpty() || picture.startsWith("file:"), "picture " + picture);
    config.number(entry(7), 0, 1);  // text size
    for (int index = 8; index <= 28; ++index) config.number(entry(index), 0, 255);
    config.number(entry(29), 0, 6);  // preset
    config.number(entry(30), 0, 7);  // brightness step
    const QUrl link(config.file.value(entry(31)).toString());
    config.check(link.isValid() && link.scheme().startsWith("http"), "web link");
    QVERIFY2(config.problems.isEmpty(), qPrintable(config.problems.join("; ")));
}

void TestShippedData::profiles() {
    QFETCH(QString, file);
    Checker profile(modules(file));
    const QString rate = profile.number("sensor/reportRate_Q4", 1, 8);
    profile.check(QStringList({"1", "2", "4", "8"}).contains(rate), "report rate " + rate);
    for (const char* key :
         {"sensor/cursorSpeed_Q4", "sensor/verticalScrollLines_Q4", "sensor/doubleClickSpeed_Q4"})
        profile.number(key, 0, 10);
    const QStringList dpi = profile.list("sensor/dpi_Q4", 8, 0, 10000);
    for (const QString& value : dpi)
        profile.check(kOfferedDpi.contains(value.toInt()), "DPI value " + value);
    const int stage = profile.number("sensor/stage_Q4", 1, 8).toInt();
    profile.check(dpi.value(stage - 1, "0") != "0", "the current DPI stage is unused");

    profile.list("color_Q4/type0", 24, 0, 255);
    profile.list("color_Q4/type1", 24, 0, 255);
    profile.list("color_Q4/type2", 8, 0, 15);
    const QStringList effect = profile.list("color_Q4/ledEffect", 3, 0, 9);
    profile.check(effect.value(1).toInt() <= 7 && effect.value(2).toInt() <= 7, "LED indices");

    QStringList keys;
    for (int button = 0; button < 16; ++button)
        keys.append(profile.list("keydefine_Q4/" + QString::number(button), 4, 0, 255).join(' '));
    profile.check(keys.contains("1 0 240 0"), "no button keeps the primary function");
    if (file.endsWith("pD.bin")) profile.check(keys == kFactoryKeys, "not the page's factory keys");
    const QString swap = profile.file.value("keydefine_Q4/scrollswap").toString();
    profile.check(swap == "true" || swap == "false", "scroll swap " + swap);
    QVERIFY2(profile.problems.isEmpty(), qPrintable(profile.problems.join("; ")));
}

void TestShippedData::languages() {
    QFETCH(QString, file);
    QFile raw(modules(file));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(raw.readAll());
    QVERIFY2(!utf8.hasError() && !text.isEmpty(), "not UTF-8");
    QVERIFY(!LanguageFiles::displayName(QFileInfo(file).fileName().mid(5, 6)).isEmpty());

    Checker language(modules(file));
    const QSettings english(modules("i18n/lang_031000.ini"), QSettings::IniFormat);
    // The same positions as the English file, none missing, none extra.
    QStringList keys = language.file.allKeys();
    QStringList englishKeys = english.allKeys();
    keys.sort();
    englishKeys.sort();
    QCOMPARE(keys, englishKeys);
    const int total = language.number("font/total", 116, 4096).toInt();
    for (const QString& key : keys) {
        // One text each: an unquoted comma would split it into a list.
        const QVariant value = language.file.value(key);
        language.check(value.typeId() == QMetaType::QString, key + " is a list");
        // A button has a name in every language or in none.
        const bool mayBeEmpty = key.startsWith("Q4_5E8D1B4/");
        language.check(mayBeEmpty || !value.toString().isEmpty(), key + " is empty");
        if (mayBeEmpty)
            language.check(value.toString().isEmpty() == english.value(key).toString().isEmpty(),
                           key + " differs from English in being empty");
    }
    for (int position = 1; position <= total; ++position)
        language.check(keys.contains("strings/" + QString::number(position)),
                       "strings/" + QString::number(position) + " missing");
    QVERIFY2(language.problems.isEmpty(), qPrintable(language.problems.join("; ")));
}

// The wording the pages were laid out for, and the names of the buttons the
// key-definition page starts with.
void TestShippedData::englishWording() {
    LanguageFiles languages(modules("i18n"));
    const QStringList strings = languages.getGlobalStrings("031000");
    const QMap<int, QString> noted{{1, "【 OPTIONS 】"},
                                   {3, "SPEED"},
                                   {4, "BRIGHTNESS"},
                                   {26, "SKIN"},
                                   {27, "SOUND"},
                                   {28, "ANIMATED"},
                                   {29, "LANGUAGE"},
                                   {30, "BACKGROUND"},
                                   {31, "【 ON 】"},
                                   {32, "【 OFF 】"},
                                   {33, "TEXT"},
                                   {34, "SIZE"},
                                   {35, "COLOR"},
                                   {36, "BRIGHTNESS"},
                                   {37, "NORMAL"},
                                   {38, "LARGER"},
                                   {44, "MACRO"},
                                   {45, "ACTION"},
                                   {87, "LED POWER ON"},
                                   {96, "NORMAL PLAY"},
                                   {97, "TIMES"},
                                   {98, "ALWAYS REPEAT"},
                                   {99, "REPEAT ON PRESSED"},
                                   {100, "POLLING RATE"},
                                   {101, "CURSOR SPEED"},
                                   {102, "VERTICAL SCROLL SPEED"},
                                   {103, "DOUBLE CLICK SPEED"},
                                   {104, "DPI LEVEL"},
                                   {105, "DPI INDICATOR LED"},
                                   {108, "SCROLL SWAP"}};
    for (auto position = noted.cbegin(); position != noted.cend(); ++position)
        QCOMPARE(strings.value(position.key()), position.value());
    QStringList named;
    const QStringList buttons = languages.getProductLayoutStrings_Q4("031000");
    for (int button = 0; button < buttons.size(); ++button)
        if (!buttons.at(button).isEmpty()) named.append(QString::number(button));
    QCOMPARE(named.join(' '), QString("0 1 2 3 4 5 6 14 15"));
    QCOMPARE(buttons.at(0), QString("KEY １"));
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shipped_data.moc"
