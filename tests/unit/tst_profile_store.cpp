// The profile store: export, import and reset of whole profiles, the default
// values of the pages, and switching the current profile.

#include <QtTest>

#include "guarded_test_case.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"
#include "settings_folder.h"
#include "test_doubles.h"

namespace {

// Profile n tells itself apart by its stage; all have the same size.
QByteArray profileText(int number) {
    return "[sensor]\nstage_Q4=" + QByteArray::number(number % 10) + "\ncursorSpeed_Q4=3\n";
}

// A default profile with the shipped layout and values that tell the
// positions apart.
const QByteArray kDefaults =
    "[color_Q4]\nledEffect=2, 7, 4\ntype0=" + QByteArray("9, ").repeated(23) +
    "9\ntype1=" + QByteArray("1, ").repeated(23) + "1\ntype2=0, 1, 2, 3, 4, 5, 6, 7\n" +
    "[keydefine_Q4]\n0=1, 0, 240, 0\n15=4, 0, 2, 0\n"
    "[sensor]\ncursorSpeed_Q4=6\ndoubleClickSpeed_Q4=4\ndpi_Q4=500, 1000, 0, 0, 0, 0, 0, 0\n"
    "reportRate_Q4=1\nstage_Q4=3\nverticalScrollLines_Q4=7\n";

}  // namespace

class TestProfileStore : public GuardedTestCase {
    Q_OBJECT

private slots:
    void init() {
        GuardedTestCase::init();
        folder.renew();
        for (int number = 1; number <= ProfileStore::kProfileCount; ++number)
            folder.write(QStringLiteral("p%1.bin").arg(number), profileText(number));
        folder.write("pD.bin", kDefaults);
    }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void import_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("profile file") << "import.pf";
        QTest::newRow("unreadable file") << "folder.pf";
    }
    void import() {
        QFETCH(QString, source);
        const bool isImported = source == "import.pf";
        folder.write("import.pf", profileText(7));
        folder.write("folder.pf/x", profileText(7));  // a folder in the file's place
        RecordingPrompt dialogs;
        dialogs.fileAnswer = folder.path(source);
        ProfileStore store(folder.path());
        store.ui_02H_SetCurrentProfile(2);
        // Not yet written back: goes to the old file, which then has the size of
        // the new one and is written within the same moment as the copy. The
        // import must show neither this value nor the cached old file.
        store.current()->setValue("sensor/stage_Q4", 8);
        QCOMPARE(store.loadProfile(2, nullptr), isImported);
        QCOMPARE(store.current()->value("sensor/stage_Q4").toInt(), isImported ? 7 : 8);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (isImported) QCOMPARE(folder.read("p3.bin"), profileText(7));
    }

    void reset() {
        ProfileStore store(folder.path());
        QVERIFY(store.resetProfile(9));
        QCOMPARE(store.profile(9)->value("sensor/stage_Q4").toInt(), 3);
        // Without a default profile the profile stays as it was.
        QVERIFY(QFile::remove(folder.path("pD.bin")));
        QVERIFY(!store.resetProfile(0));
        QCOMPARE(store.profile(0)->value("sensor/stage_Q4").toInt(), 1);
    }

    void defaultPages_data() {
        // List entries come back as text, single values as ints.
        const auto texts = [](const QString& words) { return QVariant(words.split(' ')).toList(); };
        QTest::addColumn<bool>("hasDefaults");
        QTest::addColumn<int>("page");
        QTest::addColumn<QVariantList>("values");
        QTest::newRow("key definition") << true << 0 << texts("1 0 240 0 4 0 2 0");
        QTest::newRow("colour") << true << 2 << texts(QString("9 ").repeated(24) + "2 7 4");
        QTest::newRow("sensor") << true << 3
                                << QVariantList{1, 6, 7, 4} + texts("500 1000 0 0 0 0 0 0") +
                                       QVariantList{3} +
                                       texts(QString("1 ").repeated(24) + "0 1 2 3 4 5 6 7");
        QTest::newRow("page 1") << true << 1 << QVariantList();
        QTest::newRow("sensor, no defaults") << false << 3 << QVariantList{2, 5, 2, 5, 2};
    }
    void defaultPages() {
        QFETCH(bool, hasDefaults);
        QFETCH(int, page);
        QFETCH(QVariantList, values);
        if (!hasDefaults) QVERIFY(QFile::remove(folder.path("pD.bin")));
        const ProfileStore store(folder.path());
        QCOMPARE(quotedTexts(store.loadDefaultProfile(uchar(page))), quotedTexts(values));
    }

    // A switch changes which file the profile's readers see; the current
    // index and those outside 0 to 9 are no switch. (Telling the keyboard
    // is the keyboard wrappers'.)
    void switchProfile() {
        ProfileStore store(folder.path());
        const QList<QPair<int, bool>> steps{
            {3, true}, {3, false}, {10, false}, {-1, false}, {4, true}};
        for (const auto& [profile, isSwitch] : steps)
            QCOMPARE(store.ui_02H_SetCurrentProfile(profile), isSwitch);
        QCOMPARE(store.currentProfile(), 4);
        QCOMPARE(store.current()->value("sensor/stage_Q4").toInt(), 5);
    }

private:
    SettingsFolder folder;
};

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profile_store.moc"
