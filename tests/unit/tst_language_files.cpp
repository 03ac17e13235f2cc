// Language listing and loading: display names from the old locale numbers,
// the global and product string tables, the message texts.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/language_files.h"

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class TestLanguageFiles : public QObject {
    Q_OBJECT

private slots:
    void displayName_data();
    void displayName();
    void listing();
    void globalStrings_data();
    void globalStrings();
    void messagesAndButtons();

private:
    QTemporaryDir folder;
    int rowCode = 900000;  // a fresh file per row: the settings library caches by name
};

// Anchors spread over both tables: a slip in the numbering moves every later
// name, so a few points catch it.
void TestLanguageFiles::displayName_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("English") << "031000"
                             << "ENGLISH";
    QTest::newRow("Chinese, China") << "025044"
                                    << "CHINESE (Simp)";
    QTest::newRow("Chinese, Taiwan") << "025208"
                                     << "CHINESE (Trad)";
    QTest::newRow("Afan") << "003000"
                          << "AFAN";
    QTest::newRow("German") << "042082"
                            << "GERMAN (GERMANY)";
    QTest::newRow("Korean") << "066114"
                            << "KOREAN (REPUBLIC OF KOREA)";
    QTest::newRow("Russian") << "096178"
                             << "RUSSIAN (RUSSIAN FEDERATION)";
    QTest::newRow("Spanish") << "111197"
                             << "SPANISH (SPAIN)";
    QTest::newRow("Vietnamese") << "132232"
                                << "VIETNAMESE (VIET NAM)";
    QTest::newRow("Swiss German") << "167206"
                                  << "SWISS GERMAN (SWITZERLAND)";
    QTest::newRow("Arabic, Congo") << "008050"
                                   << "ARABIC (PEOPLE'S REPUBLIC OF CONGO)";
    QTest::newRow("last") << "214246"
                          << "SHAMBALA (LATIN AMERICA AND THE CARIBBEAN)";
    QTest::newRow("beyond") << "215247"
                            << "UNKNOWN (UNKNOWN)";
    QTest::newRow("not digits") << "en_US."
                                << "";
}

void TestLanguageFiles::displayName() {
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(LanguageFiles::displayName(code), name);
}

void TestLanguageFiles::listing() {
    QTemporaryDir dir;
    QVERIFY(LanguageFiles(dir.path()).chkLanguages().isEmpty());
    QVERIFY(LanguageFiles(dir.filePath("absent")).chkLanguages().isEmpty());

    for (const char* name : {"lang_031000.ini", "lang_025208.ini", "LANG_025044.INI", "lang_en.ini",
                             "readme.txt", "lang_096000.txt", "lang_216000.ini", "lang_215000.ini"})
        writeFile(dir.filePath(name), "[font]\n");
    QDir(dir.path()).mkdir("lang_037000.ini");  // a folder, not a file
    const QVariantMap languages = LanguageFiles(dir.path()).chkLanguages();
    // Ordered by display name (the page's language index is a position in
    // it); of two files with one name the later wins.
    QCOMPARE(languages.keys(),
             QStringList({"CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH", "UNKNOWN"}));
    QCOMPARE(languages.values(), QVariantList({"025044", "025208", "031000", "216000"}));
}

void TestLanguageFiles::globalStrings_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("strings");
    QTest::newRow("gaps read as empty")
        << QByteArray("[font]\nfamily=Arial\ntotal=3\n[strings]\n1=ONE\n3=THREE\n4=FOUR\n")
        << QStringList{"Arial", "ONE", "", "THREE"};
    QTest::newRow("no total") << QByteArray("[font]\nfamily=Arial\n[strings]\n1=ONE\n")
                              << QStringList{"Arial"};
    QTest::newRow("negative total")
        << QByteArray("[font]\ntotal=-5\n[strings]\n1=ONE\n") << QStringList{""};
    QTest::newRow("no file") << QByteArray() << QStringList{""};
    QTest::newRow("UTF-8 and commas")
        << QByteArray(
               "[font]\ntotal=3\n[strings]\n1=\xe3\x80\x90 \xd0\x92\xd0\x9a\xd0\x9b \xe3\x80\x91\n"
               "2=\"Out of memory, cut.\"\n3=PLAY, PAUSE\n")
        << QStringList{"", "【 ВКЛ 】", "Out of memory, cut.", "PLAY, PAUSE"};
}

void TestLanguageFiles::globalStrings() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, strings);
    const QString code = QString::number(++rowCode);
    if (!file.isEmpty()) writeFile(folder.filePath("lang_" + code + ".ini"), file);
    LanguageFiles languages(folder.path());
    QCOMPARE(languages.getGlobalStrings(code), strings);
    QCOMPARE(languages.msgStrings(), QStringList(6, QString()));
}

void TestLanguageFiles::messagesAndButtons() {
    writeFile(folder.filePath("lang_002001.ini"),
              "[font]\ntotal=2147483647\n[strings]\n1=A\n[msg]\n0=M0\n1=M1\n2=M2\n"
              "3=\"Cannot open: \"\n4=M4\n5=M5\n6=not a message\n"
              "[Q4_5E8D1B4]\n0=KEY \xef\xbc\x91\n7=\n15=KEY 9\n16=none\n");
    writeFile(folder.filePath("lang_002002.ini"), "[msg]\n2=OTHER\n");
    LanguageFiles languages(folder.path());
    QVERIFY(languages.msgStrings().isEmpty());

    // A huge count is cut instead of building billions of entries.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("claims 2147483647 strings"));
    const QStringList strings = languages.getGlobalStrings("002001");
    QCOMPARE(strings.size(), LanguageFiles::kMaxGlobalStrings + 1);
    QCOMPARE(strings.at(1), QString("A"));
    QCOMPARE(languages.msgStrings(), QStringList({"M0", "M1", "M2", "Cannot open: ", "M4", "M5"}));
    languages.getGlobalStrings("002002");
    QCOMPARE(languages.msgStrings(), QStringList({"", "", "OTHER", "", "", ""}));

    QStringList buttons(16, QString());
    buttons[0] = "KEY １";
    buttons[15] = "KEY 9";
    QCOMPARE(languages.getProductLayoutStrings_Q4("002001"), buttons);
    QCOMPARE(languages.getProductLayoutStrings_Q4("002002"), QStringList(16, QString()));
}

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "tst_language_files.moc"
