// Language listing and loading: display names from the old locale numbers,
// the global and product string tables, the message texts.

#include <QDir>
#include <QtTest>

#include "guarded_test_case.h"
#include "settings/language_files.h"
#include "settings_folder.h"

class TestLanguageFiles : public GuardedTestCase {
    Q_OBJECT

private slots:
    void init() {
        GuardedTestCase::init();
        folder.renew();
    }

    void listing() {
        QVERIFY(LanguageFiles(folder.path("absent")).chkLanguages().isEmpty());
        // Codes spread over both name tables, whose numbering a slip would
        // shift from there on; then names without a code, other suffixes and
        // a folder. Of two files with one display name the later wins.
        for (const char* name :
             {"lang_031000.ini", "lang_025208.ini", "LANG_025044.INI", "lang_003000.ini",
              "lang_042082.ini", "lang_167206.ini", "lang_214246.ini", "lang_215247.ini",
              "lang_216248.ini", "lang_en.ini", "readme.txt", "lang_096000.txt"})
            folder.write(name, "[font]\n");
        QVERIFY(QDir(folder.path()).mkdir("lang_037000.ini"));
        // Ordered by display name: the page's language index is a position in it.
        const QVariantMap languages = LanguageFiles(folder.path()).chkLanguages();
        QCOMPARE(languages.keys(),
                 QStringList({"AFAN", "CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH",
                              "GERMAN (GERMANY)", "SHAMBALA (LATIN AMERICA AND THE CARIBBEAN)",
                              "SWISS GERMAN (SWITZERLAND)", "UNKNOWN (UNKNOWN)"}));
        QCOMPARE(languages.values(), QVariantList({"003000", "025044", "025208", "031000", "042082",
                                                   "214246", "167206", "216248"}));
    }

    void globalStrings_data() {
        QTest::addColumn<QByteArray>("file");  // empty: no file
        QTest::addColumn<QStringList>("strings");
        QTest::newRow("gaps read as empty")
            << QByteArray("[font]\nfamily=Arial\ntotal=3\n[strings]\n1=ONE\n3=THREE\n4=FOUR\n")
            << QStringList{"Arial", "ONE", "", "THREE"};
        QTest::newRow("negative total")
            << QByteArray("[font]\ntotal=-5\n[strings]\n1=ONE\n") << QStringList{""};
        QTest::newRow("no file") << QByteArray() << QStringList{""};
        QTest::newRow("UTF-8 and commas")
            << QByteArray(
                   "[font]\ntotal=3\n[strings]\n1=\xe3\x80\x90 \xd0\x92\xd0\x9a\xd0\x9b "
                   "\xe3\x80\x91\n"
                   "2=\"Out of memory, cut.\"\n3=PLAY, PAUSE\n")
            << QStringList{"", "【 ВКЛ 】", "Out of memory, cut.", "PLAY, PAUSE"};
    }
    void globalStrings() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, strings);
        if (!file.isEmpty()) folder.write("lang_000001.ini", file);
        LanguageFiles languages(folder.path());
        QCOMPARE(languages.getGlobalStrings("000001"), strings);
        QCOMPARE(languages.msgStrings(), QStringList(6, QString()));
    }

    void messagesAndButtons() {
        folder.write("lang_002001.ini",
                     "[font]\ntotal=2147483647\n[strings]\n1=A\n[msg]\n0=M0\n1=M1\n2=M2\n"
                     "3=\"Cannot open: \"\n4=M4\n5=M5\n6=not a message\n"
                     "[Q4_5E8D1B4]\n0=KEY \xef\xbc\x91\n7=\n15=KEY 9\n16=none\n");
        folder.write("lang_002002.ini", "[msg]\n2=OTHER\n");
        LanguageFiles languages(folder.path());
        QVERIFY(languages.msgStrings().isEmpty());
        // A huge count is cut instead of building billions of entries.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("claims 2147483647 strings"));
        const QStringList strings = languages.getGlobalStrings("002001");
        QCOMPARE(strings.size(), LanguageFiles::kMaxGlobalStrings + 1);
        QCOMPARE(strings.at(1), QString("A"));
        QCOMPARE(languages.msgStrings(),
                 QStringList({"M0", "M1", "M2", "Cannot open: ", "M4", "M5"}));
        languages.getGlobalStrings("002002");
        QCOMPARE(languages.msgStrings(), QStringList({"", "", "OTHER", "", "", ""}));
        // Exactly sixteen names, the absent and the empty ones empty.
        QCOMPARE(languages.getProductLayoutStrings_Q4("002001").join('|'),
                 "KEY １" + QString("|").repeated(15) + "KEY 9");
        QCOMPARE(languages.getProductLayoutStrings_Q4("002002"), QStringList(16, QString()));
    }

private:
    SettingsFolder folder;
};

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "tst_language_files.moc"
