// Where an installed program keeps each user's files: the per-user folder
// made from the shipped one, what a start after an upgrade may and may not
// touch, and the language a new user starts in.

#include <QSettings>
#include <QtTest>

#include "app/first_start.h"
#include "app/user_folder.h"
#include "guarded_test_case.h"
#include "settings/application_config.h"
#include "settings/language_files.h"
#include "settings_folder.h"

namespace {

// A shipped modules folder in miniature, and an empty user folder.
struct Installation {
    Installation() {
        write("setting/apConfig.bin", "[common]\ntotal=32\n4=1\n");
        write("setting/apConfigD.bin", "[common]\ntotal=32\n4=1\n");
        write("setting/p1.bin", "[sensor]\nstage_Q4=2\n");
        write("setting/pD.bin", "[sensor]\nstage_Q4=2\n");
        write("macro/Double Click.bin", "[config]\ntotal=0\n");
        write("i18n/lang_031000.ini", "[font]\nfamily=Sans\n");
        write("img/skin1/logo.png", "picture");
    }
    void write(const QString& name, const QByteArray& text) const {
        folder.write("share/modules/" + name, text);
    }
    QString shared() const { return folder.path("share/modules"); }
    QString user(const QString& name = QString()) const {
        return folder.path(name.isEmpty() ? "user" : "user/" + name);
    }
    bool prepare(bool* isNew = nullptr) const {
        UserFolder user(shared(), folder.path("user"));
        const bool isPrepared = user.prepare();
        if (isNew) *isNew = user.isConfigurationNew();
        return isPrepared;
    }
    QString linkTarget(const QString& name) const { return QFileInfo(user(name)).symLinkTarget(); }

    SettingsFolder folder;
};

QVariantMap languages(const QStringList& codes) {
    QVariantMap map;
    for (const QString& code : codes) map.insert(LanguageFiles::displayName(code), code);
    return map;
}

}  // namespace

class TestUserFolder : public GuardedTestCase {
    Q_OBJECT

private slots:
    // The first start: the user's own copies of the configuration, the
    // profiles and the examples; links to the factory copies and to every
    // read-only folder, so the relative paths of the program resolve.
    void firstStartLaysTheUsersFolder() {
        Installation installation;
        bool isNew = false;
        QVERIFY(installation.prepare(&isNew));
        QVERIFY(isNew);
        for (const char* own : {"modules/setting/apConfig.bin", "modules/setting/p1.bin",
                                "modules/macro/Double Click.bin"}) {
            const QFileInfo file(installation.user(own));
            QVERIFY2(file.isFile() && !file.isSymLink(), own);
            QVERIFY2(file.isWritable(), own);
        }
        const QString shared = QFileInfo(installation.shared()).canonicalFilePath();
        QCOMPARE(installation.linkTarget("modules/setting/apConfigD.bin"),
                 shared + "/setting/apConfigD.bin");
        QCOMPARE(installation.linkTarget("modules/setting/pD.bin"), shared + "/setting/pD.bin");
        QCOMPARE(installation.linkTarget("modules/i18n"), shared + "/i18n");
        QCOMPARE(installation.linkTarget("modules/img"), shared + "/img");
        QCOMPARE(readFile(installation.user("modules/img/skin1/logo.png")), QByteArray("picture"));

        QVERIFY(installation.prepare(&isNew));
        QVERIFY(!isNew);
    }

    // A newer version ships other files: the user's files stay byte for
    // byte, the factory copies show the new values, a new example arrives,
    // an example the user deleted does not come back.
    void upgradeKeepsTheUsersFiles() {
        Installation installation;
        QVERIFY(installation.prepare());
        writeFile(installation.user("modules/setting/p1.bin"), "[sensor]\nstage_Q4=5\n");
        QVERIFY(QFile::remove(installation.user("modules/macro/Double Click.bin")));
        const QByteArray configuration =
            readFile(installation.user("modules/setting/apConfig.bin"));

        installation.write("setting/p1.bin", "[sensor]\nstage_Q4=7\n");
        installation.write("setting/apConfig.bin", "[common]\ntotal=33\n");
        installation.write("setting/pD.bin", "[sensor]\nstage_Q4=7\n");
        installation.write("macro/New Example.bin", "[config]\ntotal=1\n");
        bool isNew = true;
        QVERIFY(installation.prepare(&isNew));
        QVERIFY(!isNew);

        QCOMPARE(readFile(installation.user("modules/setting/p1.bin")),
                 QByteArray("[sensor]\nstage_Q4=5\n"));
        QCOMPARE(readFile(installation.user("modules/setting/apConfig.bin")), configuration);
        QCOMPARE(readFile(installation.user("modules/setting/pD.bin")),
                 QByteArray("[sensor]\nstage_Q4=7\n"));
        QVERIFY(!QFileInfo::exists(installation.user("modules/macro/Double Click.bin")));
        QVERIFY(QFileInfo::exists(installation.user("modules/macro/New Example.bin")));
    }

    // A missing profile is given again; a file of the user's own where a
    // link would go stays; a link left by an installation elsewhere (or
    // dangling) is renewed.
    void repairsWithoutTakingAnything() {
        Installation installation;
        QVERIFY(installation.prepare());
        QVERIFY(QFile::remove(installation.user("modules/setting/p1.bin")));
        QVERIFY(QFile::remove(installation.user("modules/img")));
        writeFile(installation.user("modules/img/skin1/logo.png"), "mine");
        QVERIFY(QFile::remove(installation.user("modules/i18n")));
        QVERIFY(QFile::link(installation.folder.path("old-prefix/i18n"),
                            installation.user("modules/i18n")));

        QVERIFY(installation.prepare());
        QCOMPARE(readFile(installation.user("modules/setting/p1.bin")),
                 QByteArray("[sensor]\nstage_Q4=2\n"));
        QCOMPARE(readFile(installation.user("modules/img/skin1/logo.png")), QByteArray("mine"));
        QCOMPARE(installation.linkTarget("modules/i18n"),
                 QFileInfo(installation.shared()).canonicalFilePath() + "/i18n");
    }

    void aFolderThatCannotBeMadeIsReported() {
        Installation installation;
        writeFile(installation.user(), "a file where the folder goes");
        UserFolder user(installation.shared(), installation.user());
        QVERIFY(!user.prepare());
        QVERIFY(user.errorText().contains(installation.user()));

        UserFolder nothingShipped(installation.folder.path("missing"), installation.user("b"));
        QVERIFY(!nothingShipped.prepare());
    }

    // modules/ beside the executable means running in place; otherwise the
    // shared folder relative to bin/ and the user's folder under the
    // configuration home.
    void programFilesAreFound() {
        SettingsFolder folder;
        folder.write("build/modules/setting/apConfig.bin", "");
        folder.write("prefix/share/q4config/modules/setting/apConfig.bin", "");
        QVERIFY(QDir().mkpath(folder.path("prefix/bin")));
        QVERIFY(QDir().mkpath(folder.path("elsewhere/bin")));

        const auto inPlace = locateProgramFiles(folder.path("build"), folder.path("config"));
        QVERIFY(inPlace);
        QCOMPARE(inPlace->workingFolder, folder.path("build"));
        QVERIFY(inPlace->sharedModules.isEmpty());

        const auto installed = locateProgramFiles(folder.path("prefix/bin"), folder.path("config"));
        QVERIFY(installed);
        QCOMPARE(installed->workingFolder, folder.path("config/q4config"));
        QCOMPARE(installed->sharedModules, folder.path("prefix/share/q4config/modules"));

        qputenv("XDG_DATA_DIRS", QFile::encodeName(folder.path("nowhere")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder.path("nowhere")));
        QVERIFY(!locateProgramFiles(folder.path("elsewhere/bin"), folder.path("config")));
        qunsetenv("XDG_DATA_DIRS");
        qunsetenv("XDG_DATA_HOME");
    }

    void desktopLanguage_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("code");
        const QStringList shipped = {"025044", "031000", "096000"};
        QTest::newRow("Russian") << shipped << "ru_RU"
                                 << "096000";
        QTest::newRow("Chinese, Taiwan, only the simplified file") << shipped << "zh_TW"
                                                                   << "025044";
        QTest::newRow("Chinese, Taiwan, both files")
            << QStringList{"025044", "025208", "031000"} << "zh_TW"
            << "025208";
        QTest::newRow("German: not installed") << shipped << "de_DE"
                                               << "031000";
        QTest::newRow("a country file before the plain one")
            << QStringList{"096000", "096178"} << "ru_UA"
            << "096000";
        QTest::newRow("no English either") << QStringList{"096000"} << "de_DE"
                                           << "";
        QTest::newRow("nothing installed") << QStringList{} << "en_US"
                                           << "";
    }

    void desktopLanguage() {
        QFETCH(QStringList, installed);
        QFETCH(QString, locale);
        QFETCH(QString, code);
        QCOMPARE(desktopLanguageCode(languages(installed), QLocale(locale)), code);
    }

    // The entry is the language's position in the page's list, which is
    // sorted by display name: CHINESE (Simp), ENGLISH, RUSSIAN.
    void newConfigurationTakesTheDesktopLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("configuration");
        QTest::addColumn<QString>("entry");
        const QByteArray shipped = "[common]\ntotal=32\n4=1\n";
        QTest::newRow("Russian") << "ru_RU" << shipped << "2";
        QTest::newRow("German gets English") << "de_DE" << shipped << "1";
        QTest::newRow("a list without a language entry")
            << "ru_RU" << QByteArray("[common]\n") << "";
    }

    void newConfigurationTakesTheDesktopLanguage() {
        QFETCH(QString, locale);
        QFETCH(QByteArray, configuration);
        QFETCH(QString, entry);
        SettingsFolder folder;
        folder.write("setting/apConfig.bin", configuration);
        for (const char* code : {"025044", "031000", "096000"})
            folder.write(QString("i18n/lang_%1.ini").arg(code), "[font]\ntotal=0\n");
        {
            ApplicationConfig config(folder.path("setting/apConfig.bin"),
                                     folder.path("setting/apConfigD.bin"), folder.path("img"));
            chooseDesktopLanguage(config, LanguageFiles(folder.path("i18n")), QLocale(locale));
        }
        const QSettings written(folder.path("setting/apConfig.bin"), QSettings::IniFormat);
        QCOMPARE(written.value("common/4").toString(), entry);
    }
};

QTEST_GUILESS_MAIN(TestUserFolder)
#include "tst_user_folder.moc"
