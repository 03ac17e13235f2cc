// The profile store: export, import and reset of whole profiles, the default
// values of the pages, and switching the current profile.

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "device/hid_thread.h"
#include "emulator/emulated_mouse.h"
#include "settings/profile_store.h"
#include "test_doubles.h"

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Profile n tells itself apart by its stage; all have the same size.
QByteArray profileText(int number) {
    return "[sensor]\nstage_Q4=" + QByteArray::number(number % 10) + "\ncursorSpeed_Q4=3\n";
}

const QByteArray kDefaults =
    "[color_Q4]\nledEffect=2, 7, 4\ntype0=" + QByteArray("9, ").repeated(23) + "9\n" +
    "type1=" + QByteArray("1, ").repeated(23) +
    "1\ntype2=0, 1, 2, 3, 4, 5, 6, 7\n"
    "[keydefine_Q4]\n0=1, 0, 240, 0\n15=4, 0, 2, 0\n"
    "[sensor]\ncursorSpeed_Q4=6\ndoubleClickSpeed_Q4=4\ndpi_Q4=500, 1000, 0, 0, 0, 0, 0, 0\n"
    "reportRate_Q4=1\nstage_Q4=3\nverticalScrollLines_Q4=7\n";

const QList<DevInfo> kDeviceTable{
    DevInfo{0, 0x04D9, 0x5A17, 0xFF01, 1, 0xFF02, 1, "Q4 Keyboard", 64},
    DevInfo{1, 0x04D9, 0x6C2E, 0xFF00, 0xFF00, 0xFF01, 0xFF01, "Q4 Gaming Mouse", 32}};

}  // namespace

class TestProfileStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void exportCopiesTheProfileFile();
    void import_data();
    void import();
    void reset();
    void defaultPages_data();
    void defaultPages();
    void switchOnTheMouseSendsNothing();
    void switchOnTheKeyboardSendsTheProfile();

private:
    QString file(const QString& name) const { return QDir(folder).filePath(name); }

    std::unique_ptr<QTemporaryDir> dir;  // fresh per test: the settings library caches by name
    QString folder;
};

void TestProfileStore::init() {
    dir = std::make_unique<QTemporaryDir>();
    folder = dir->path();
    for (int number = 1; number <= ProfileStore::kProfileCount; ++number)
        writeFile(file(QStringLiteral("p%1.bin").arg(number)), profileText(number));
    writeFile(file("pD.bin"), kDefaults);
}

void TestProfileStore::exportCopiesTheProfileFile() {
    RecordingPrompt dialogs;
    ProfileStore store(nullptr, folder);
    QVERIFY(!store.saveProfile(0, nullptr));  // cancelled
    for (int profile : {0, 9, 4}) {
        dialogs.fileAnswer = file(QStringLiteral("export%1.pf").arg(profile));
        if (profile == 4) writeFile(dialogs.fileAnswer, QByteArray(4000, 'x'));  // replaced
        QVERIFY(store.saveProfile(profile, nullptr));
        QCOMPARE(readFile(dialogs.fileAnswer), profileText(profile + 1));
    }
    QCOMPARE(dialogs.dialogCaptions, QStringList(4, "Save File"));
    QVERIFY(!store.saveProfile(10, nullptr));
    QCOMPARE(dialogs.dialogCaptions.size(), 4);
}

void TestProfileStore::import_data() {
    QTest::addColumn<QString>("source");  // "" cancels
    QTest::addColumn<bool>("isImported");
    QTest::newRow("profile file") << "import.pf" << true;
    QTest::newRow("cancelled") << "" << false;
    QTest::newRow("missing file") << "gone.pf" << false;
    QTest::newRow("unreadable file") << "folder.pf" << false;
}

void TestProfileStore::import() {
    QFETCH(QString, source);
    QFETCH(bool, isImported);
    writeFile(file("import.pf"), profileText(7));
    QVERIFY(QDir(folder).mkdir("folder.pf"));
    RecordingPrompt dialogs;
    dialogs.fileAnswer = source.isEmpty() ? QString() : file(source);

    ProfileStore store(nullptr, folder);
    store.ui_02H_SetCurrentProfile(2);
    QSettings* before = store.current();
    // Not yet written back: goes to the old file, which then has the size of
    // the new one and is written within the same moment as the copy. The
    // import must show neither this value nor the cached old file.
    store.current()->setValue("sensor/stage_Q4", 8);
    QCOMPARE(store.loadProfile(2, nullptr), isImported);
    QCOMPARE(dialogs.dialogCaptions, QStringList({"Open File"}));
    QCOMPARE(store.current() == before, !isImported);
    QCOMPARE(store.current()->value("sensor/stage_Q4").toInt(), isImported ? 7 : 8);
    QCOMPARE(store.profile(1)->value("sensor/stage_Q4").toInt(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    if (isImported) QCOMPARE(readFile(file("p3.bin")), profileText(7));
    QCOMPARE(QDir(folder).entryList({"p*"}, QDir::Files).size(), 11);  // no copy left behind
}

void TestProfileStore::reset() {
    ProfileStore store(nullptr, folder);
    QVERIFY(store.resetProfile(9));
    QCOMPARE(store.profile(9)->value("sensor/stage_Q4").toString(), QString("3"));
    QCOMPARE(readFile(file("p10.bin")), kDefaults);
    // Without a default profile the profile stays as it was.
    QVERIFY(QFile::remove(file("pD.bin")));
    QVERIFY(!store.resetProfile(0));
    QCOMPARE(store.profile(0)->value("sensor/stage_Q4").toInt(), 1);
    QVERIFY(!store.resetProfile(10));
}

void TestProfileStore::defaultPages_data() {
    QTest::addColumn<QByteArray>("defaults");  // empty: no default profile
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("expected");  // entries joined by blanks
    QTest::addColumn<QString>("ints");      // positions of int entries; the rest are text
    const QString nines = QString("9 ").repeated(24);
    const QString ones = QString("1 ").repeated(24);
    QTest::newRow("key definition") << kDefaults << 0 << "1 0 240 0 4 0 2 0"
                                    << "";
    QTest::newRow("colour") << kDefaults << 2 << nines + "2 7 4"
                            << "";
    QTest::newRow("sensor") << kDefaults << 3
                            << "1 6 7 4 500 1000 0 0 0 0 0 0 3 " + ones + "0 1 2 3 4 5 6 7"
                            << "0 1 2 3 12";
    QTest::newRow("page 1") << kDefaults << 1 << ""
                            << "";
    QTest::newRow("page 255") << kDefaults << 255 << ""
                              << "";
    QTest::newRow("sensor, no defaults") << QByteArray() << 3 << "2 5 2 5 2"
                                         << "0 1 2 3 4";
    QTest::newRow("key definition, no defaults") << QByteArray() << 0 << ""
                                                 << "";
}

void TestProfileStore::defaultPages() {
    QFETCH(QByteArray, defaults);
    QFETCH(int, page);
    QFETCH(QString, expected);
    QFETCH(QString, ints);
    const QString defaultFolder = dir->filePath(QTest::currentDataTag());
    QVERIFY(QDir().mkpath(defaultFolder));
    if (!defaults.isEmpty()) writeFile(defaultFolder + "/pD.bin", defaults);
    const QVariantList values =
        ProfileStore(nullptr, defaultFolder).loadDefaultProfile(static_cast<uchar>(page));
    QStringList texts;
    for (const QVariant& value : values) {
        const bool isInt = ints.split(' ').contains(QString::number(texts.size()));
        QCOMPARE(value.typeId(), int(isInt ? QMetaType::Int : QMetaType::QString));
        texts.append(value.toString());
    }
    QCOMPARE(texts.join(' '), expected.trimmed());
}

void TestProfileStore::switchOnTheMouseSendsNothing() {
    EmulatedMouse mouse;
    Hid_Thread link;
    link.setBackend(&mouse);
    link.updateDeviceList(kDeviceTable);
    QCOMPARE(link.currentDeviceType(), 1);
    mouse.clearTranscript();

    ProfileStore store(&link, folder);
    for (int profile : {0, 3, 3, 10, -1}) store.ui_02H_SetCurrentProfile(profile);
    QCOMPARE(store.currentProfile(), 3);
    QCOMPARE(store.current()->value("sensor/stage_Q4").toInt(), 4);
    link.waitForPendingTransfer();
    QCOMPARE(mouse.transcript().size(), size_t(0));
}

void TestProfileStore::switchOnTheKeyboardSendsTheProfile() {
    writeFile(file("apConfig.bin"), "[common]\n");
    RecordingPrompt dialogs;
    EmulatedMouse device;  // stands in for the keyboard's interfaces
    Hid_Thread link;
    link.setBackend(&device);
    link.setApplicationConfigPath(file("apConfig.bin"));
    link.updateDeviceList(kDeviceTable);
    link.setDevicePaths(0, QString::fromStdString(EmulatedMouse::kCommandPath),
                        QString::fromStdString(EmulatedMouse::kEventPath));
    link.swichCurDevice(0);
    QCOMPARE(link.currentDeviceType(), 0);
    device.clearTranscript();

    ProfileStore store(&link, folder);
    for (int profile : {0, 4, 4}) store.ui_02H_SetCurrentProfile(profile);
    link.waitForPendingTransfer();
    link.stopListen();
    QStringList commands;
    for (const EmulatedMouse::Report& report : device.transcript())
        if (report.direction == EmulatedMouse::Report::Direction::SetFeature)
            commands.append(hexBytes(report.bytes));
    QCOMPARE(commands, QStringList({"00 02 04 00 00 00 00 00 F9"}));
}

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profile_store.moc"
