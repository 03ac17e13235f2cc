// Every operation that writes a settings file, against a disk that fails at
// each point of the write: the operation says it failed, no byte of any file
// changes, and the program reads back what it read before.

#include <sys/resource.h>

#include <QtTest>
#include <csignal>
#include <functional>

#include "failing_file_calls.h"
#include "guarded_test_case.h"
#include "settings/application_config.h"
#include "settings/macro_library.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"
#include "settings_folder.h"
#include "test_doubles.h"

Q_DECLARE_METATYPE(FailingFileCalls::Point)

namespace {

using Point = FailingFileCalls::Point;

const QByteArray kOldConfiguration = "[common]\n0=1\n1=2\nname=Q4\ntotal=2\n";
const QByteArray kFactoryConfiguration = "[common]\n0=7\ntotal=1\n";
const QByteArray kOldProfile = "[sensor]\nstage_Q4=4\n";
const QByteArray kDefaultProfile = "[sensor]\nstage_Q4=2\n";
const QByteArray kOldMacro =
    "[config]\ndid=-1\nindex=2\nrepeat=3\ntotal=2\n\n[macro]\n0=A    [Down]\n1=A      [Up]\n";
const QByteArray kPickedMacro = "[config]\ntotal=1\n[macro]\n0=B    [Down]\n";
const QByteArray kOldExport = "an export from before\n";

QString joined(const QVariantList& values) {
    QStringList texts;
    for (const QVariant& value : values) texts.append(value.toString());
    return texts.join(' ');
}

// The settings folder of the program with one file of every kind, and the
// objects that own them.
SettingsFolder settingsFolder() {
    SettingsFolder folder;
    folder.write("setting/apConfig.bin", kOldConfiguration);
    folder.write("setting/apConfigD.bin", kFactoryConfiguration);
    for (int number = 1; number <= ProfileStore::kProfileCount; ++number)
        folder.write(QStringLiteral("setting/p%1.bin").arg(number), kOldProfile);
    folder.write("setting/pD.bin", kDefaultProfile);
    folder.write("macro/Old.bin", kOldMacro);
    folder.write("picked/import.pf", "[sensor]\nstage_Q4=8\n");
    folder.write("picked/import.mc", kPickedMacro);
    folder.write("picked/export.pf", kOldExport);
    folder.write("picked/export.mc", kOldExport);
    return folder;
}

struct Bench {
    ~Bench() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    SettingsFolder folder = settingsFolder();
    RecordingPrompt prompt;
    ApplicationConfig config{folder.path("setting/apConfig.bin"),
                             folder.path("setting/apConfigD.bin"), folder.path("img")};
    ProfileStore profiles{folder.path("setting")};
    MacroLibrary macros{folder.path("macro")};
};

// One operation that writes a file, and how the program reads what it wrote.
struct Operation {
    std::function<bool(Bench&)> run;
    std::function<QString(Bench&)> readBack;
};

QString profileStage(Bench& bench) {
    return bench.profiles.current()->value("sensor/stage_Q4").toString();
}

QString macroLines(Bench& bench) {
    return bench.macros.loadMacroIni("Old").join('|');
}

QString pickedFile(Bench& bench, const QString& name) {
    return QString::fromUtf8(bench.folder.read("picked/" + name));
}

const QMap<QString, Operation>& operations() {
    static const QMap<QString, Operation> table{
        {"configuration",
         {[](Bench& b) {
              b.config.saveApConfig({9, 9, 9});
              return b.config.settings()->sync();
          },
          [](Bench& b) { return joined(b.config.loadApConfig()); }}},
        {"configuration reset",
         {[](Bench& b) { return b.config.resetApconfig(); },
          [](Bench& b) { return joined(b.config.loadApConfig()); }}},
        {"profile",
         {[](Bench& b) {
              b.profiles.current()->setValue("sensor/stage_Q4", 7);
              return b.profiles.current()->sync();
          },
          profileStage}},
        {"profile import",
         {[](Bench& b) {
              b.prompt.fileAnswer = b.folder.path("picked/import.pf");
              return b.profiles.loadProfile(0, nullptr);
          },
          profileStage}},
        {"profile reset", {[](Bench& b) { return b.profiles.resetProfile(0); }, profileStage}},
        {"profile export",
         {[](Bench& b) {
              b.prompt.fileAnswer = b.folder.path("picked/export.pf");
              return b.profiles.saveProfile(0, nullptr);
          },
          [](Bench& b) { return pickedFile(b, "export.pf"); }}},
        {"macro lines",
         {[](Bench& b) {
              return b.macros.saveMacroIni("Old", {"C    [Down]", "C      [Up]", "10   [Delay]"})
                  .toBool();
          },
          macroLines}},
        {"macro assignment",
         {[](Bench& b) {
              return b.macros.setMacroIniConfig("Old", {5, 6});
          },
          [](Bench& b) { return joined(b.macros.loadMacroIniConfig("Old")); }}},
        {"new macro",
         {[](Bench& b) { return !b.macros.createMacroIni().toString().isEmpty(); },
          [](Bench& b) { return b.macros.getMacroIniNames().join('|'); }}},
        {"macro import",
         {[](Bench& b) {
              b.prompt.fileAnswer = b.folder.path("picked/import.mc");
              return b.macros.loadMacroIniFromFile("Old");
          },
          macroLines}},
        {"macro export",
         {[](Bench& b) {
              b.prompt.fileAnswer = b.folder.path("picked/export.mc");
              return b.macros.saveMacroIniToFile("Old");
          },
          [](Bench& b) { return pickedFile(b, "export.mc"); }}},
    };
    return table;
}

}  // namespace

class TestSettingsFaults : public GuardedTestCase {
    Q_OBJECT

private slots:
    // Each kind of write at each point of failure; "one byte at a time" is a
    // disk that takes every write in pieces, which must still succeed.
    void failedWriteChangesNothing_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<Point>("point");
        const QList<QPair<const char*, Point>> points{
            {"one byte at a time", Point::Trickle}, {"no space at open", Point::Open},
            {"no space at write", Point::Write},    {"short write", Point::ShortWrite},
            {"flush fails", Point::Fsync},          {"close fails", Point::Close},
            {"rename fails", Point::Rename}};
        for (const QString& operation : operations().keys())
            for (const auto& [name, point] : points)
                QTest::addRow("%s, %s", qPrintable(operation), name) << operation << point;
    }
    void failedWriteChangesNothing() {
        QFETCH(QString, operation);
        QFETCH(Point, point);
        const Operation& write = operations()[operation];
        Bench bench;
        const QMap<QString, QByteArray> before = snapshotFolder(bench.folder.path());
        const QString readBefore = write.readBack(bench);

        bool isDone = false;
        int failures = 0;
        {
            FailingFileCalls disk(point);
            isDone = write.run(bench);
            failures = disk.failures;
        }

        if (point == Point::Trickle) {
            QVERIFY(isDone);
            QVERIFY(write.readBack(bench) != readBefore);
            QVERIFY(snapshotFolder(bench.folder.path()) != before);
            return;
        }
        QVERIFY(failures > 0);
        QVERIFY(!isDone);
        QCOMPARE(snapshotFolder(bench.folder.path()), before);
        QCOMPARE(write.readBack(bench), readBefore);
    }

    // After a failed write nothing of it comes back: not from a read, not
    // with the next successful write.
    void unsavedValuesDoNotReturn() {
        Bench bench;
        SettingsFile* profile = bench.profiles.current();
        {
            FailingFileCalls disk(Point::ShortWrite);
            profile->setValue("sensor/dpi_Q4", QVariantList{100, 200});
            QVERIFY(!profile->sync());
        }
        QVERIFY(!profile->contains("sensor/dpi_Q4"));
        profile->setValue("sensor/stage_Q4", 5);
        QVERIFY(profile->sync());
        QCOMPARE(bench.folder.read("setting/p1.bin"), QByteArray("[sensor]\nstage_Q4=5\n"));

        // Setters write later; a write that fails then is logged and dropped.
        {
            FailingFileCalls disk(Point::Rename);
            profile->setValue("sensor/stage_Q4", 6);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Settings not saved: .*p1.bin"));
            QTRY_VERIFY(!profile->hasUnsavedChanges());
        }
        QCOMPARE(profile->value("sensor/stage_Q4").toString(), QString("5"));
    }

    // A real short write from the kernel: a file size limit below the size of
    // a 600-line macro, as a nearly full disk cuts it.
    void fileCutByTheKernel() {
        Bench bench;
        QStringList lines;
        for (int i = 0; i < 600; ++i) lines.append(i % 2 ? "A      [Up]" : "A    [Down]");
        rlimit old{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
        rlimit small = old;
        small.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const bool isSaved = bench.macros.saveMacroIni("Old", lines).toBool();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!isSaved);
        QCOMPARE(bench.folder.read("macro/Old.bin"), kOldMacro);
        QCOMPARE(macroLines(bench), QString("A    [Down]|A      [Up]"));
        QVERIFY(bench.macros.saveMacroIni("Old", lines).toBool());
        QCOMPARE(bench.macros.loadMacroIni("Old"), lines);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFaults)
#include "tst_settings_faults.moc"
