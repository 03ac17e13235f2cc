// The macro library on real files in a temporary folder: naming, storing
// lines and assignments, import and export, the assignment commands end to
// end on the emulated mouse (and on a recording keyboard), and macro names
// that try to leave the folder.

#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <mutex>

#include "device/device_table.h"
#include "emulator/emulated_mouse.h"
#include "keys/macro_encoder.h"
#include "settings/macro_library.h"
#include "test_doubles.h"

namespace {

QString D(const QString& label) {
    return label + macro_text::kDownCommand;
}
QString U(const QString& label) {
    return label + macro_text::kUpCommand;
}

// n key records: A pressed and released in turn.
QStringList keyLines(int records) {
    QStringList lines;
    for (int i = 0; i < records; ++i) lines.append(i % 2 ? U("A") : D("A"));
    return lines;
}

// An encoding as it lies in a zero-filled slot, in hex.
QString slotHex(QList<uchar> bytes, int size) {
    bytes.resize(size, 0);
    return hexBytes(bytes.constData(), size);
}

void writeMacro(const QString& path, const QStringList& lines, int index = -1, int repeat = 1,
                int did = -1) {
    QSettings file(path, QSettings::IniFormat);
    file.setValue("config/index", index);
    file.setValue("config/total", lines.size());
    file.setValue("config/repeat", repeat);
    file.setValue("config/did", did);
    for (int i = 0; i < lines.size(); ++i)
        file.setValue("macro/" + QString::number(i), lines.at(i));
}

// File text, read past the settings cache (which remembers what this
// process wrote, not what reached the disk).
QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), fileBytes(path));
    }
    return files;
}

// Records what it receives and echoes each command block, so the handshake
// passes: the keyboard (not emulated yet), or a mouse whose bytes only need
// recording.
class EchoingDevice final : public HidBackend {
public:
    std::vector<HidDeviceInfo> enumerate(uint16_t, uint16_t) override { return {}; }
    HidHandle* openPath(const std::string&) override { return reinterpret_cast<HidHandle*>(this); }
    void close(HidHandle*) override {}
    int setNonblocking(HidHandle*, int) override { return 0; }
    int sendFeatureReport(HidHandle*, const uint8_t* data, size_t length) override {
        std::lock_guard<std::mutex> lock(mutex);
        requests.emplace_back(data, data + length);
        return int(length);
    }
    int getFeatureReport(HidHandle*, uint8_t* data, size_t length) override {
        std::lock_guard<std::mutex> lock(mutex);
        std::copy_n(requests.back().begin(), std::min(length, requests.back().size()), data);
        return int(length);
    }
    int write(HidHandle*, const uint8_t* data, size_t length) override {
        std::lock_guard<std::mutex> lock(mutex);
        reports.emplace_back(data, data + length);
        return int(length);
    }
    int read(HidHandle*, uint8_t*, size_t) override { return 0; }
    int readTimeout(HidHandle*, uint8_t*, size_t, int) override { return 0; }

    std::mutex mutex;
    std::vector<std::vector<uint8_t>> requests;  // feature reports
    std::vector<std::vector<uint8_t>> reports;   // data-phase output reports
};

// Device links for the tests; the mouse is current unless useKeyboard().
struct Link {
    // On the emulated mouse, found by enumeration, listener running.
    explicit Link(EmulatedMouse* emulated) : mouse(emulated) {
        setUp(emulated);
        link.startListen(1);
    }
    // On the recording device as keyboard and mouse, without event interface.
    Link() {
        setUp(&device);
        link.setDevicePaths(0, "recorded/commands", QString());
        link.setDevicePaths(1, "recorded/commands", QString());
    }
    ~Link() { resetLinkState(); }
    void setUp(HidBackend* backend) {
        resetLinkState();
        link.setBackend(backend);
        link.setApplicationConfigPath("/nonexistent");
        link.updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
    }
    void useKeyboard() {
        link.swichCurDevice(0);  // runs the handshake
        settle();
        device.requests.clear();
    }
    void settle() { link.waitForPendingTransfer(); }
    QStringList requests() {
        settle();
        QStringList hex;
        if (mouse) {
            for (const auto& report : mouse->transcript())
                if (report.direction == EmulatedMouse::Report::Direction::SetFeature)
                    hex.append(hexBytes(report.bytes));
        } else {
            for (const auto& report : device.requests) hex.append(hexBytes(report));
        }
        return hex;
    }
    QString slot(int slotId) const {
        return hexBytes(mouse->state().macros[size_t(slotId - 1)].data(), kMouseMacroSlotBytes);
    }

    EmulatedMouse* mouse = nullptr;
    EchoingDevice device;
    Hid_Thread link;
};

}  // namespace

class MacroLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() {
        prompt.reset();
        root.reset();
    }

    void createMacroIni_data();
    void createMacroIni();
    void listsMacroFilesOnly();
    void savingLines();
    void loadIsBoundedByStoredLines_data();
    void loadIsBoundedByStoredLines();
    void assignmentRecord_data();
    void assignmentRecord();
    void renameDeleteAndConfig();
    void importAndExport();

    void mouseAssignment_data();
    void mouseAssignment();
    void keyboardAssignment_data();
    void keyboardAssignment();
    void savingResends_data();
    void savingResends();

    void hostileNames_data();
    void hostileNames();
    void shippedMacros();

private:
    QString path(const QString& name) const { return QDir(folder).filePath(name + ".bin"); }

    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<RecordingPrompt> prompt;
    QString folder;
};

void MacroLibraryTest::init() {
    root = std::make_unique<QTemporaryDir>();
    folder = root->filePath("lib/macro");
    QVERIFY(QDir().mkpath(folder));
    prompt = std::make_unique<RecordingPrompt>();
}

void MacroLibraryTest::createMacroIni_data() {
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("created");
    QStringList all;
    for (int n = 1; n <= 999; ++n) all.append(QString("Macro. %1").arg(n, 3, 10, QChar('0')));
    QTest::newRow("empty folder") << QStringList{} << "Macro. 001";
    QTest::newRow("first gap") << QStringList{"Macro. 001", "Macro. 003"} << "Macro. 002";
    QTest::newRow("unpadded are other names")
        << QStringList{"Macro. 1", "Macro. 01"} << "Macro. 001";
    QTest::newRow("past 999") << all << "Macro. 1000";
}

void MacroLibraryTest::createMacroIni() {
    QFETCH(QStringList, existing);
    QFETCH(QString, created);
    for (const QString& name : existing) writeBytes(path(name), "[config]\n");
    MacroLibrary library(nullptr, folder);
    QCOMPARE(library.createMacroIni().toString(), created);
    QCOMPARE(fileBytes(path(created)), "[config]\ndid=-1\nindex=-1\nrepeat=1\ntotal=0\n");
    const QVariantList record = library.loadMacroIniConfig(created);
    QCOMPARE(record.size(), 2);
    QCOMPARE(record.at(0).toInt(), -1);
    QCOMPARE(record.at(1).toInt(), 1);
}

void MacroLibraryTest::listsMacroFilesOnly() {
    for (const char* file : {"b.bin", "A.bin", "C.bin", "notes.txt", "back\\slash.bin", ".bin"})
        writeBytes(QDir(folder).filePath(file), "[config]\n");
    QDir(folder).mkdir("folder.bin");
    QCOMPARE(MacroLibrary(nullptr, folder).getMacroIniNames(),
             (QStringList{"A.bin", "b.bin", "C.bin"}));
}

// 3 lines over 5 leave exactly 3; labels with INI syntax characters survive
// the file (read back from a copy the settings cache has never seen); a missing
// macro is not created.
void MacroLibraryTest::savingLines() {
    writeMacro(path("Five"), keyLines(5));
    MacroLibrary library(nullptr, folder);
    const QStringList lines{D(", <"), D("; :"), U("\\ |"), U("' \""), D("KP 7 ")};
    QCOMPARE(library.saveMacroIni("Five", lines.mid(0, 3)), QVariant(true));
    const QByteArray text = fileBytes(path("Five"));
    QVERIFY(text.contains("total=3") && text.contains("\n2=") && !text.contains("\n3="));

    QCOMPARE(library.saveMacroIni("Five", lines), QVariant(true));
    QVERIFY(QFile::copy(path("Five"), path("Copy")));
    QCOMPARE(library.loadMacroIni("Copy"), lines);

    QCOMPARE(library.saveMacroIni("Nobody", lines), QVariant(false));
    QVERIFY(!QFile::exists(path("Nobody")));
}

void MacroLibraryTest::loadIsBoundedByStoredLines_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("huge total") << QByteArray("[config]\ntotal=2000000000\n[macro]\n0=a\n1=b\n")
                                << QStringList{"a", "b"};
    QTest::newRow("gap stays empty")
        << QByteArray("[config]\ntotal=3\n[macro]\n0=a\n2=c\n") << QStringList{"a", "", "c"};
    QTest::newRow("beyond total") << QByteArray("[config]\ntotal=1\n[macro]\n0=a\n1=b\n")
                                  << QStringList{"a"};
    QTest::newRow("negative total")
        << QByteArray("[config]\ntotal=-4\n[macro]\n0=a\n") << QStringList{};
}

void MacroLibraryTest::loadIsBoundedByStoredLines() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    writeBytes(path("Stored"), text);
    QCOMPARE(MacroLibrary(nullptr, folder).loadMacroIni("Stored"), lines);
}

void MacroLibraryTest::assignmentRecord_data() {
    QTest::addColumn<int>("did");
    QTest::addColumn<bool>("isKeyboardCurrent");
    QTest::addColumn<int>("readIndex");
    QTest::newRow("never assigned") << -1 << false << -1;
    QTest::newRow("mouse assignment, mouse") << 1 << false << 4;
    QTest::newRow("keyboard assignment, mouse") << 0 << false << -1;
    QTest::newRow("keyboard assignment, keyboard") << 0 << true << 4;
    QTest::newRow("mouse assignment, keyboard") << 1 << true << -1;
}

void MacroLibraryTest::assignmentRecord() {
    QFETCH(int, did);
    QFETCH(bool, isKeyboardCurrent);
    QFETCH(int, readIndex);
    Link device;
    if (isKeyboardCurrent) device.useKeyboard();
    writeMacro(path("Record"), keyLines(2), did == -1 ? -1 : 4, 3, did);
    const QVariantList record = MacroLibrary(&device.link, folder).loadMacroIniConfig("Record");
    QCOMPARE(record.size(), 2);
    QCOMPARE(record.at(0).toInt(), readIndex);
    QCOMPARE(record.at(1).toInt(), 3);
}

void MacroLibraryTest::renameDeleteAndConfig() {
    Link device;
    writeMacro(path("One"), keyLines(1));
    writeMacro(path("Two"), keyLines(2));
    const QByteArray two = fileBytes(path("Two"));
    MacroLibrary library(&device.link, folder);

    QVERIFY(!library.renameMacroIniFile("One", "Two"));  // never over another macro
    QVERIFY(!library.renameMacroIniFile("Missing", "Three"));
    QVERIFY(library.renameMacroIniFile("One", "First one"));
    QVERIFY(!QFile::exists(path("One")) && QFile::exists(path("First one")));
    QCOMPARE(fileBytes(path("Two")), two);

    QVERIFY(library.setMacroIniConfig("Two", {5, 4}));
    const QByteArray text = fileBytes(path("Two"));
    QVERIFY(text.contains("index=5") && text.contains("repeat=4") && text.contains("did=1"));
    QVERIFY(!library.setMacroIniConfig("Two", {7}));
    QVERIFY(!library.setMacroIniConfig("Two", {"x", 2}));
    QVERIFY(!library.setMacroIniConfig("Missing", {1, 1}));
    QCOMPARE(fileBytes(path("Two")), text);

    QCOMPARE(library.deleteMacroIni("Two"), QVariant(true));
    QCOMPARE(library.deleteMacroIni("Two"), QVariant(false));
    QVERIFY(!QFile::exists(path("Missing")) && !QFile::exists(path("Two")));
}

void MacroLibraryTest::importAndExport() {
    writeMacro(path("Mine"), keyLines(2));
    const QByteArray mine = fileBytes(path("Mine"));
    const QString picked = root->filePath("picked.mc");
    writeBytes(picked, "[config]\ntotal=0\n");
    MacroLibrary library(nullptr, folder);

    prompt->fileAnswer = root->filePath("gone.mc");  // unreadable: the macro keeps its file
    QVERIFY(!library.loadMacroIniFromFile("Mine"));
    QCOMPARE(fileBytes(path("Mine")), mine);
    prompt->fileAnswer = picked;
    QVERIFY(!library.loadMacroIniFromFile("Missing"));
    QVERIFY(!QFile::exists(path("Missing")));
    QVERIFY(library.loadMacroIniFromFile("Mine"));
    QCOMPARE(fileBytes(path("Mine")), fileBytes(picked));

    const QString exported = root->filePath("exported.mc");
    writeBytes(exported, "an older export, longer than the macro file itself .......");
    prompt->fileAnswer = exported;
    QVERIFY(!library.saveMacroIniToFile("Missing"));
    QVERIFY(library.saveMacroIniToFile("Mine"));
    QCOMPARE(fileBytes(exported), fileBytes(picked));
    QCOMPARE(prompt->dialogCaptions,
             (QStringList{"Open File", "Open File", "Open File", "Save File"}));
}

void MacroLibraryTest::mouseAssignment_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("repeat");
    QTest::addColumn<QString>("header");
    QTest::newRow("repeat 3") << QStringList{D("A"), "100   [Delay]", U("A")} << 3 << "00 03";
    QTest::newRow("128 bytes fit") << keyLines(62) << 1 << "00 01";
    QTest::newRow("130 bytes are cut") << keyLines(63) << 258 << "01 02";
    QTest::newRow("missing file") << QStringList{} << 0 << "00 01";
}

// On the emulated mouse: the request, four 32-byte reports, the slot holding
// the first 128 bytes with the repeat count as header, one box when cut.
void MacroLibraryTest::mouseAssignment() {
    QFETCH(QStringList, lines);
    QFETCH(int, repeat);
    QFETCH(QString, header);
    EmulatedMouse mouse;
    Link device(&mouse);
    if (repeat > 0) writeMacro(path("Mine"), lines, 0, repeat, 1);
    QVERIFY(MacroLibrary(&device.link, folder).ui_13H_SetMacroKey(1, "Mine"));

    QCOMPARE(device.requests(), QStringList{"00 13 01 80 00 00 00 00 6B"});
    int dataReports = 0;
    for (const auto& report : mouse.transcript())
        if (report.direction == EmulatedMouse::Report::Direction::Write) {
            QCOMPARE(int(report.bytes.size()), 33);
            if (dataReports++ == 0) QCOMPARE(hexBytes(report.bytes.data() + 1, 2), header);
        }
    QCOMPARE(dataReports, 4);
    const QString encoded = slotHex(macroIncode(lines, kMouseMacro), 128);
    QCOMPARE(device.slot(1), header + encoded.mid(5));
    const bool isCut = macroIncode(lines, kMouseMacro).size() > 128;
    QCOMPARE(prompt->boxes.size(), isCut ? 1 : 0);
    if (isCut)
        QCOMPARE(prompt->boxes.first().text,
                 QString("Out of memory,\nsome command line has been cut."));
    QVERIFY(repeat > 0 || !QFile::exists(path("Mine")));
}

void MacroLibraryTest::keyboardAssignment_data() {
    QTest::addColumn<int>("records");
    QTest::newRow("192 bytes fit") << 94;
    QTest::newRow("194 bytes are cut") << 95;
}

// Three 64-byte reports; the header stays 00 01 whatever the repeat count.
void MacroLibraryTest::keyboardAssignment() {
    QFETCH(int, records);
    Link keyboard;
    keyboard.useKeyboard();
    writeMacro(path("Typed"), keyLines(records), 5, 3, 0);
    QVERIFY(MacroLibrary(&keyboard.link, folder).ui_11H_SetMacroKey(5, "Typed", {"Title", "Long"}));

    QCOMPARE(keyboard.requests(), QStringList{"00 11 00 05 03 00 00 00 E6"});
    std::vector<uint8_t> payload;
    QCOMPARE(int(keyboard.device.reports.size()), 3);
    for (const auto& report : keyboard.device.reports) {
        QCOMPARE(int(report.size()), 65);
        payload.insert(payload.end(), report.begin() + 1, report.end());
    }
    const QList<uchar> encoded = macroIncode(keyLines(records), kKeyboardMacro);
    QCOMPARE(hexBytes(payload), slotHex(encoded, 192));
    QCOMPARE(prompt->boxes.size(), encoded.size() > 192 ? 1 : 0);
    if (encoded.size() > 192)
        QCOMPARE(prompt->boxes.first().caption + prompt->boxes.first().text, "TitleLong");
}

void MacroLibraryTest::savingResends_data() {
    QTest::addColumn<bool>("isKeyboardCurrent");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("did");
    QTest::addColumn<QStringList>("requests");
    QTest::newRow("mouse index 0") << false << 0 << 1 << QStringList{"00 13 01 80 00 00 00 00 6B"};
    QTest::newRow("mouse index 11")
        << false << 11 << 1 << QStringList{"00 13 0C 80 00 00 00 00 60"};
    QTest::newRow("mouse index 12") << false << 12 << 1 << QStringList{};
    QTest::newRow("not assigned") << false << -1 << 1 << QStringList{};
    // A slot index of the other device must not overwrite this one's slot.
    QTest::newRow("keyboard's, mouse current") << false << 3 << 0 << QStringList{};
    QTest::newRow("keyboard index 0")
        << true << 0 << 0 << QStringList{"00 11 00 00 03 00 00 00 EB"};
    QTest::newRow("keyboard index 34")
        << true << 34 << 0 << QStringList{"00 11 00 22 03 00 00 00 C9"};
    QTest::newRow("keyboard index 35") << true << 35 << 0 << QStringList{};
    QTest::newRow("mouse's, keyboard current") << true << 2 << 1 << QStringList{};
}

void MacroLibraryTest::savingResends() {
    QFETCH(bool, isKeyboardCurrent);
    QFETCH(int, index);
    QFETCH(int, did);
    QFETCH(QStringList, requests);
    Link device;
    if (isKeyboardCurrent) device.useKeyboard();
    writeMacro(path("Saved"), {}, index, 1, did);
    QCOMPARE(MacroLibrary(&device.link, folder).saveMacroIni("Saved", keyLines(2)), QVariant(true));
    QCOMPARE(device.requests(), requests);
}

void MacroLibraryTest::hostileNames_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("name");
    const char* operations[] = {"delete", "rename from",  "rename to",      "load",
                                "save",   "load config",  "set config",     "import",
                                "export", "assign mouse", "assign keyboard"};
    // @ROOT@: the test's temporary folder.
    // clang-format off
    const QList<QPair<const char*, QString>> names{
        {"empty", ""}, {"dot", "."}, {"dot dot", ".."}, {"parent", "../victim"},
        {"grandparent", "../../victim"}, {"subfolder", "sub/inner"}, {"backslash", "..\\victim"},
        {"absolute", "@ROOT@/victim"}, {"NUL", QString("ok") + QChar(0) + "name"}};
    // clang-format on
    for (const char* operation : operations)
        for (const auto& [tag, name] : names)
            QTest::addRow("%s, %s", operation, tag) << operation << name;
    // 0x13 is the keyboard's factory reset, 0x11 the mouse's DPI table.
    for (const char* operation : {"assign mouse on keyboard", "assign keyboard on mouse"})
        QTest::newRow(operation) << QString(operation) << QString("Good");
}

// Where a name would lead, an assigned macro waits (for a rename, the place
// is free): an operation that let the name through would change a file, send
// bytes or open a dialog. The last two rows: an assignment never reaches the
// other device.
void MacroLibraryTest::hostileNames() {
    QFETCH(QString, operation);
    QFETCH(QString, name);
    name.replace("@ROOT@", root->path());
    const QByteArray assigned = "[config]\nindex=0\ntotal=1\ndid=1\n[macro]\n0=A    [Down]\n";
    if (!name.contains(QChar(0)) && operation != "rename to")
        writeBytes(QDir(folder).filePath(name + ".bin"), assigned);
    QDir(folder).mkdir("sub");
    writeBytes(path("Good"), assigned);
    writeBytes(root->filePath("picked.mc"), "[config]\n");

    Link device;
    if (operation == "assign keyboard" || operation == "assign mouse on keyboard")
        device.useKeyboard();
    MacroLibrary library(&device.link, folder);
    prompt->fileAnswer = root->filePath(operation == "export" ? "exported.mc" : "picked.mc");
    const QMap<QString, QByteArray> before = snapshot(root->path());

    const QVariantList config{3, 9};
    const QMap<QString, std::function<bool()>> refused{
        {"delete", [&] { return !library.deleteMacroIni(name).toBool(); }},
        {"rename from", [&] { return !library.renameMacroIniFile(name, "Renamed"); }},
        {"rename to", [&] { return !library.renameMacroIniFile("Good", name); }},
        {"load", [&] { return library.loadMacroIni(name).isEmpty(); }},
        {"save", [&] { return !library.saveMacroIni(name, keyLines(3)).toBool(); }},
        {"load config", [&] { return library.loadMacroIniConfig(name).isEmpty(); }},
        {"set config", [&] { return !library.setMacroIniConfig(name, config); }},
        {"import", [&] { return !library.loadMacroIniFromFile(name); }},
        {"export", [&] { return !library.saveMacroIniToFile(name); }},
        {"assign mouse", [&] { return !library.ui_13H_SetMacroKey(1, name); }},
        {"assign keyboard", [&] { return !library.ui_11H_SetMacroKey(1, name, {}); }},
        {"assign mouse on keyboard", [&] { return !library.ui_13H_SetMacroKey(1, name); }},
        {"assign keyboard on mouse", [&] { return !library.ui_11H_SetMacroKey(1, name, {}); }}};
    QVERIFY(refused.value(operation)());
    QVERIFY(device.requests().isEmpty());
    QCOMPARE(snapshot(root->path()), before);
    QVERIFY(prompt->dialogCaptions.isEmpty() && prompt->boxes.isEmpty());
}

// The example macros laid beside the program: lines the pages write, labels
// of the key table, a fit for a mouse slot, not assigned.
void MacroLibraryTest::shippedMacros() {
    MacroLibrary library(nullptr, QFINDTESTDATA("../../data/modules/macro"));
    QVERIFY(library.getMacroIniNames().size() >= 2);
    for (const QString& file : library.getMacroIniNames()) {
        const QStringList lines = library.loadMacroIni(file.chopped(4));
        QVERIFY2(!lines.isEmpty(), qPrintable(file));
        for (const QString& line : lines) {
            const QString value = line.chopped(macro_text::kCommandWidth);
            const bool isPause = line.endsWith(macro_text::kDelayCommand);
            const bool isKey =
                line.endsWith(macro_text::kDownCommand) || line.endsWith(macro_text::kUpCommand);
            QVERIFY2(isPause ? value.toInt() >= 10 : isKey && keyNameTable().keyCode(value),
                     qPrintable(line));
        }
        QVERIFY(macroIncode(lines, kMouseMacro).size() <= kMouseMacroSlotBytes);
        QCOMPARE(library.loadMacroIniConfig(file.chopped(4)), (QVariantList{"-1", "1"}));
    }
}

QTEST_MAIN(MacroLibraryTest)
#include "tst_macro_library.moc"
