// The application configuration: the preference list, the device entry, the
// factory reset, the skin count and the background picture chooser.

#include <QtTest>

#include "guarded_test_case.h"
#include "settings/application_config.h"
#include "settings_folder.h"
#include "test_doubles.h"

class TestApplicationConfig : public GuardedTestCase {
    Q_OBJECT

private slots:
    void init() {
        GuardedTestCase::init();
        folder.renew();
    }

    void listRoundTrip() {
        // Booleans, a text with a comma and numbers, as the page hands them over.
        QVariantList entries{true, "file:/home/u/b, g.png"}, texts;
        while (entries.size() < 32) entries.append(entries.size() * 11);
        for (const QVariant& entry : entries) texts.append(entry.toString());
        ApplicationConfig(folder.path("apConfig.bin")).saveApConfig(entries);  // written on leaving
        // Read from the file's text, as after the next start (a copy: the
        // settings library would hand back its parsed copy of the file).
        QVERIFY(QFile::copy(folder.path("apConfig.bin"), folder.path("copy.bin")));
        ApplicationConfig config(folder.path("copy.bin"));
        QCOMPARE(quotedTexts(config.loadApConfig()), quotedTexts(texts));
        config.saveApConfig({5, 6});
        QCOMPARE(config.loadApConfig(), QVariantList({5, 6}));
        QCOMPARE(config.loadDeviceApConfig(), QVariantList({8}));  // no key for it
        // A damaged count must not make a load build billions of entries.
        folder.write("huge.bin", "[common]\ntotal=2147483647\n[Q4]\ncolorMaxStage=5\n");
        const ApplicationConfig huge(folder.path("huge.bin"));
        QCOMPARE(huge.loadApConfig(), QVariantList(ApplicationConfig::kMaxEntries, 0));
        QCOMPARE(quotedTexts(huge.loadDeviceApConfig()), QStringList({"5"}));  // an int
    }

    void reset_data() {
        QTest::addColumn<QString>("factory");  // where the factory text goes; empty: nowhere
        QTest::addColumn<QStringList>("loaded");
        QTest::newRow("factory file") << "apConfigD.bin" << QStringList{"1", "1", "1", "0"};
        QTest::newRow("no factory file") << "" << QStringList();
        // A copy that fails keeps the old configuration, unsaved entries included.
        QTest::newRow("folder in its place") << "apConfigD.bin/x" << QStringList{"1", "2", "3"};
    }
    void reset() {
        QFETCH(QString, factory);
        QFETCH(QStringList, loaded);
        const QByteArray factoryText = "[common]\ntotal=4\n0=1\n1=1\n2=1\n3=0\n";
        if (!factory.isEmpty()) folder.write(factory, factoryText);
        folder.write("apConfig.bin", "[common]\ntotal=1\n0=7\n");
        ApplicationConfig config(folder.path("apConfig.bin"), folder.path("apConfigD.bin"));
        // Unsaved entries at the moment of the reset must not reach the result,
        // not even once the replaced settings object is gone.
        config.saveApConfig({1, 2, 3});
        QCOMPARE(config.resetApconfig(), factory == "apConfigD.bin");
        QCOMPARE(QVariant(config.loadApConfig()).toStringList(), loaded);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (factory == "apConfigD.bin") QCOMPARE(folder.read("apConfig.bin"), factoryText);
    }

    void skinShow() {
        const ApplicationConfig config(folder.path("a"), folder.path("b"), folder.path("img"));
        folder.write("img/skin1/preview.png", "x");
        folder.write("img/skin2", "a file, not a skin");
        QVERIFY(!config.getIsSkinShow());
        folder.write("img/skin3/preview.png", "x");
        QVERIFY(config.getIsSkinShow());
    }

    void customFilePath_data() {
        QTest::addColumn<QString>("answer");  // a file in the folder; empty: cancelled
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("warning");  // caption|text before the path; empty: none
        const QStringList messages{"M0", "M1", "BACKGROUND", "Cannot open: ", "M4", "M5"};
        QTest::newRow("cancelled") << "" << messages << "";
        QTest::newRow("readable") << "picture.png" << messages << "";
        QTest::newRow("unreadable") << "missing.png" << messages << "BACKGROUND|Cannot open: ";
        QTest::newRow("no language yet") << "missing.png" << QStringList() << "|";
    }
    void customFilePath() {
        QFETCH(QString, answer);
        QFETCH(QStringList, messages);
        QFETCH(QString, warning);
        folder.write("picture.png", "\x89PNG");
        RecordingPrompt dialogs;
        dialogs.fileAnswer = answer.isEmpty() ? QString() : folder.path(answer);
        QCOMPARE(ApplicationConfig(folder.path("a")).getCustomFilePath(nullptr, messages),
                 warning.isEmpty() ? dialogs.fileAnswer : QString());
        QStringList shown;
        for (const RecordingPrompt::Box& box : dialogs.boxes) shown << box.caption + "|" + box.text;
        QCOMPARE(shown.join('\n'), warning.isEmpty() ? "" : warning + dialogs.fileAnswer);
    }

private:
    SettingsFolder folder;
};

QTEST_GUILESS_MAIN(TestApplicationConfig)
#include "tst_application_config.moc"
