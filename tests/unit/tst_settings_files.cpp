// The settings file object: the bytes it writes are the settings library's,
// it writes at the next pass of the event loop, and what it reads is what
// the disk holds.

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>
#include <functional>

#include "guarded_test_case.h"
#include "settings/atomic_file.h"
#include "settings/settings_file.h"
#include "settings_folder.h"

namespace {

// One change, applied the same way to a QSettings object and a SettingsFile.
struct Change {
    QString key;
    QVariant value;
    bool isRemoval = false;
};
using Changes = QList<Change>;

template <typename Settings>
void apply(Settings& settings, const Changes& changes) {
    for (const Change& change : changes) {
        if (change.isRemoval)
            settings.remove(change.key);
        else
            settings.setValue(change.key, change.value);
    }
}

// Sets the first key to the value it has: a write without a change.
template <typename Settings>
void touch(Settings& settings) {
    const QStringList keys = settings.allKeys();
    if (!keys.isEmpty()) settings.setValue(keys.first(), settings.value(keys.first()));
}

Change removal(const QString& key) {
    return {key, {}, true};
}

QString shippedFile(const QString& name) {
    return QDir(QFINDTESTDATA("../../data/modules")).filePath(name);
}

}  // namespace

class TestSettingsFiles : public GuardedTestCase {
    Q_OBJECT

private slots:
    void init() {
        GuardedTestCase::init();
        folder.renew();
    }

    // The same changes on the same file: the settings library and this
    // object write the same bytes. Each row starts from a file (or none).
    void writesWhatTheSettingsLibraryWrites_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Changes>("changes");

        const QVariantList numbers{255, 0, 128};
        QTest::newRow("profile values")
            << QByteArray()
            << Changes{{"sensor/dpi_Q4", QVariantList{400, 800, 0}},
                       {"sensor/stage_Q4", 2},
                       {"keydefine_Q4/15", numbers},
                       {"keydefine_Q4/scrollswap", true},
                       {"color_Q4/type2", QVariantList{7}},  // one entry: a serialised list
                       {"color/ledType", QVariantList{}},
                       {"sensor/ratio", 2.5},
                       {"sensor/big", qint64(1) << 40},
                       {"sensor/unsigned", 7u},
                       {"sensor/byte", QVariant::fromValue<uchar>(9)}};
        QTest::newRow("texts")
            << QByteArray()
            << Changes{
                   {"macro/0", "A    [Down]"},
                   {"macro/1", " leading and trailing "},
                   {"macro/2", "a, b; c = d"},
                   {"macro/3", "@at \"quoted\" back\\slash"},
                   {"macro/4", QString("tab\there\nnew\x01"
                                       "1f\x7f")},
                   {"macro/5", QString("nul") + QChar(0) + "a1"},
                   {"macro/6",
                    QString::fromUtf8("\xe2\x96\xba \xe2\x96\xbc \xf0\x9f\x98\x80 \xc3\xa9")},
                   {"macro/7", QString("lone ") + QChar(0xD800) + "q" + QChar(0xDC00)},
                   {"macro/8", QStringList{"a", "@b", " c", "d,e", ""}},
                   {"macro/9", QStringList{}},
                   {"macro/10", QString()},
                   {"macro/11", QVariant()},
               };
        QTest::newRow("keys and groups")
            << QByteArray()
            << Changes{{"top", 1},
                       {"General/x", 2},
                       {"GENERAL/y", 3},
                       {"a b/c d/e", 4},
                       {"//slashes///doubled/", 5},
                       {QString::fromUtf8("gr\xc3\xbcn/\xe2\x96\xba%"), 6},
                       {"Q4/colorMaxStage", 8},
                       {"q4/lower", 9},
                       {"_/-.", 10}};
        QTest::newRow("changes on a parsed file")
            << QByteArray(
                   "; comment\n[b]\nz=1\ny=\"quoted, text\"\n[a]\nlist=1, 2, 3\n"
                   "bad line\n[General]\nloose=x\n[macro]\n0=a\n1=b\n")
            << Changes{removal("macro"), {"macro/0", "c"}, {"a/new", 1}, {"b/z", "2"}};
        QTest::newRow("everything removed")
            << QByteArray("[a]\nb=1\n") << Changes{removal(""), {"c/d", 1}, removal("c")};
        // The program's own files, read and written back.
        for (const char* name : {"setting/apConfig.bin", "setting/pD.bin", "setting/p1.bin",
                                 "macro/Double Click.bin", "macro/Copy and Paste.bin"}) {
            QTest::newRow(name) << readFile(shippedFile(name)) << Changes{removal("absent")};
        }
    }
    void writesWhatTheSettingsLibraryWrites() {
        QFETCH(QByteArray, before);
        QFETCH(Changes, changes);
        if (!before.isNull()) {
            folder.write("library.ini", before);
            folder.write("ours.ini", before);
        }
        {
            QSettings library(folder.path("library.ini"), QSettings::IniFormat);
            apply(library, changes);
        }
        {
            SettingsFile ours(folder.path("ours.ini"));
            apply(ours, changes);
            QVERIFY(ours.sync());
        }
        QCOMPARE(folder.read("ours.ini"), folder.read("library.ini"));

        // Read back and written again: the same bytes again (new names, so
        // that the library parses the file instead of using its cache). The
        // shipped files come out as the library would write them.
        folder.write("library2.ini", folder.read("library.ini"));
        folder.write("ours2.ini", folder.read("library.ini"));
        {
            QSettings library(folder.path("library2.ini"), QSettings::IniFormat);
            touch(library);
            SettingsFile ours(folder.path("ours2.ini"));
            touch(ours);
        }
        QCOMPARE(folder.read("ours2.ini"), folder.read("library2.ini"));
    }

    // Changes wait for the event loop (one write for many changes) and go out
    // at destruction at the latest.
    void writesAtTheNextPassOfTheEventLoop() {
        SettingsFile file(folder.path("p.bin"));
        file.setValue("sensor/stage_Q4", 3);
        file.setValue("sensor/cursorSpeed_Q4", 4);
        QVERIFY(!QFileInfo::exists(folder.path("p.bin")));
        QTRY_COMPARE(folder.read("p.bin"), QByteArray("[sensor]\ncursorSpeed_Q4=4\nstage_Q4=3\n"));
        QVERIFY(!file.hasUnsavedChanges());
        {
            SettingsFile other(folder.path("q.bin"));
            other.setValue("a/b", 1);
        }
        QCOMPARE(folder.read("q.bin"), QByteArray("[a]\nb=1\n"));
    }

    // A file replaced behind the object's back is the base of its next write;
    // its unsaved changes go on top.
    void replacedFileIsReadBeforeTheNextWrite() {
        folder.write("p.bin", "[a]\nold=1\nkept=1\n");
        SettingsFile file(folder.path("p.bin"));
        folder.write("p.bin", "[a]\nnew=22\nkept=2\n");
        file.setValue("a/kept", 3);
        QVERIFY(file.sync());
        QCOMPARE(folder.read("p.bin"), QByteArray("[a]\nkept=3\nnew=22\n"));
        QCOMPARE(file.value("a/old"), QVariant());
    }

    // Values set in this run keep their type, as with the settings library;
    // read from the file they are text.
    void valuesKeepTheirTypeUntilReadAgain() {
        SettingsFile file(folder.path("p.bin"));
        file.setValue("sensor/dpi_Q4", QVariantList{400, 800});
        QVERIFY(file.sync());
        QCOMPARE(file.value("sensor/dpi_Q4").toList(), QVariantList({400, 800}));
        QCOMPARE(SettingsFile(folder.path("p.bin")).value("sensor/dpi_Q4"),
                 QVariant(QStringList{"400", "800"}));
    }

    // A key with an empty name or doubled slashes (only a hand-made file has
    // one) is answered by the library with its tidied form's value, so no one
    // can read it; it is not carried into the next write. The library would
    // keep it: the one place where the written bytes differ.
    void keysNoReaderCanAddressAreDropped() {
        folder.write("p.bin", "[a]\n=1\nb=2\nc\\\\d=3\n");
        SettingsFile file(folder.path("p.bin"));
        QCOMPARE(file.allKeys(), QStringList{"a/b"});
        file.setValue("a/b", 4);
        QVERIFY(file.sync());
        QCOMPARE(folder.read("p.bin"), QByteArray("[a]\nb=4\n"));
    }

    // Only plain files are replaced: a folder or a pipe picked as an export
    // target stays what it is.
    void onlyPlainFilesAreReplaced() {
        QVERIFY(QDir(folder.path()).mkdir("folder"));
        QVERIFY(mkfifo(QFile::encodeName(folder.path("pipe")).constData(), 0600) == 0);
        for (const char* name : {"folder", "pipe"}) {
            QVERIFY(!writeFileAtomically(folder.path(name), "[a]\nb=1\n"));
            QCOMPARE(QDir(folder.path())
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                     QStringList({"folder", "pipe"}));
        }
    }

    // An object whose file was replaced by another writes nothing more.
    void closedObjectWritesNothing() {
        folder.write("p.bin", "[a]\nb=1\n");
        {
            SettingsFile file(folder.path("p.bin"));
            file.setValue("a/b", 2);
            file.close();
            file.setValue("a/b", 3);
            QVERIFY(!file.hasUnsavedChanges());
        }
        QCOMPARE(folder.read("p.bin"), QByteArray("[a]\nb=1\n"));
    }

private:
    SettingsFolder folder;
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settings_files.moc"
