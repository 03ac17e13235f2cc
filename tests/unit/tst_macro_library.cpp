// The macro library on real files in a temporary folder: naming, storing
// lines and assignments, import and export, the assignment commands end to
// end on the emulated mouse and keyboard, and macro names that try to leave
// the folder.

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "device/device_table.h"
#include "emulator/emulated_devices.h"
#include "guarded_test_case.h"
#include "keys/macro_encoder.h"
#include "link_fixture.h"
#include "settings/macro_library.h"
#include "settings_folder.h"
#include "test_doubles.h"
#include "ui/macro_sender.h"

namespace {

const auto D = [](const QString& label) { return label + macro_text::kDownCommand; };
const auto U = [](const QString& label) { return label + macro_text::kUpCommand; };

// n key records: A pressed and released in turn.
QStringList keyLines(int records) {
    QStringList lines;
    for (int i = 0; i < records; ++i) lines.append(i % 2 ? U("A") : D("A"));
    return lines;
}

void writeMacro(const QString& path, const QStringList& lines, int index = -1, int repeat = 1,
                int did = -1) {
    QString text = QString::asprintf("[config]\nindex=%d\ntotal=%d\nrepeat=%d\ndid=%d\n[macro]\n",
                                     index, int(lines.size()), repeat, did);
    for (int i = 0; i < lines.size(); ++i) text += QString("%1=%2\n").arg(i).arg(lines[i]);
    writeFile(path, text.toUtf8());
}

// [index, repeat] as "index repeat".
QString configOf(const MacroLibrary& library, const QString& name) {
    QStringList parts;
    for (const QVariant& value : library.loadMacroIniConfig(name)) parts.append(value.toString());
    return parts.join(' ');
}

using Direction = EmulatedHidDevice::Report::Direction;

// A device link on the emulated mouse and keyboard; the mouse is current
// unless the keyboard is asked for.
struct Link : DevicesFixture {
    using DevicesFixture::DevicesFixture;
    // What the current device's command interface received, in hex.
    QStringList received(Direction direction = Direction::SetFeature) {
        link.waitForPendingTransfer();
        QStringList hex;
        const bool isKeyboard = link.currentDeviceType() == kKeyboardMacro;
        for (const auto& report :
             isKeyboard ? devices.keyboard.transcript() : devices.mouse.transcript())
            if (!report.isEventInterface && report.direction == direction)
                hex.append(hexBytes(report.bytes));
        return hex;
    }
};

// The library and the sender that puts its macros into device slots, wired
// to a link as the program wires them.
struct Macros {
    Macros(Hid_Thread* link, const QString& folder, const QStringList& messages = {})
        : library(folder), sender(link, library, [messages] { return messages; }) {
        library.setDevice(
            [this] { return sender.currentDeviceType(); },
            [this](int type, int slot, const QString& name) { sender.resend(type, slot, name); });
    }
    MacroLibrary library;
    MacroSender sender;
};

struct Assignment {
    bool isKeyboardCurrent;
    int index, did, readIndex;  // index and device type stored, index read back
    QString sent;               // the request saving the lines sends, empty: none
};

struct Sending {
    bool isKeyboard;
    QStringList lines;
    int repeat;
    QString header, box;  // box: "caption: text", empty: none
};

}  // namespace

class MacroLibraryTest : public GuardedTestCase {
    Q_OBJECT

    std::optional<QTemporaryDir> root;
    std::optional<RecordingPrompt> prompt;
    QString folder;

    QString path(const QString& name) const { return QDir(folder).filePath(name + ".bin"); }

private slots:
    void init() {
        GuardedTestCase::init();
        prompt.emplace();  // the old one goes first: the prompt in use is the last made
        root.emplace();
        folder = root->filePath("lib/macro");
        QVERIFY(QDir().mkpath(folder));
    }

    // Creation takes the first free three-digit number, by name ("Macro. 02"
    // is not 002). 3 lines over 5 leave exactly 3, labels with INI syntax
    // characters intact (read back from a copy the settings cache has never
    // seen); a missing macro is not created; the line count in a file never
    // makes more lines than the file holds.
    void createSaveAndLoad() {
        for (const char* name : {"Macro. 001", "Macro. 003", "Macro. 02", "macro. 01"})
            writeFile(path(name), "[config]\n");
        MacroLibrary library(folder);
        QCOMPARE(library.createMacroIni().toString(), QString("Macro. 002"));
        QCOMPARE(configOf(library, "Macro. 002"), QString("-1 1"));

        writeMacro(path("Five"), keyLines(5));
        const QStringList lines{D(", <"), U("\\ |"), D("KP 7 ")};
        QCOMPARE(library.saveMacroIni("Five", lines), QVariant(true));
        const QByteArray text = readFile(path("Five"));
        QVERIFY(text.contains("total=3") && text.contains("\n2=") && !text.contains("\n3="));
        QVERIFY(QFile::copy(path("Five"), path("Copy")));
        QCOMPARE(library.loadMacroIni("Copy"), lines);

        QCOMPARE(library.saveMacroIni("Nobody", lines), QVariant(false));
        QVERIFY(!QFile::exists(path("Nobody")));

        writeFile(path("Huge"), "[config]\ntotal=2000000000\n[macro]\n0=a\n2=c\n");
        QCOMPARE(library.loadMacroIni("Huge"), (QStringList{"a", "", "c"}));
    }

    // The configuration is stored as the current device's assignment; no
    // rename over another macro; an import replaces the macro's file only
    // with a complete copy (whose lines beyond its count are not read); an
    // export leaves no tail of an older, longer file.
    void configRenameImportExport() {
        Link device;
        writeMacro(path("One"), keyLines(1));
        writeMacro(path("Two"), keyLines(2));
        Macros macros(&device.link, folder);
        MacroLibrary& library = macros.library;
        QVERIFY(library.setMacroIniConfig("Two", {5, 4}));
        QCOMPARE(configOf(library, "Two"), QString("5 4"));
        const QByteArray two = readFile(path("Two"));

        QVERIFY(!library.renameMacroIniFile("One", "Two"));

        prompt->fileAnswer = root->filePath("gone.mc");  // unreadable
        QVERIFY(!library.loadMacroIniFromFile("Two"));
        QCOMPARE(readFile(path("Two")), two);
        const QByteArray picked = "[config]\ntotal=1\n[macro]\n0=a\n1=b\n";  // 1 beyond the count
        prompt->fileAnswer = root->filePath("picked.mc");
        writeFile(prompt->fileAnswer, picked);
        QVERIFY(!library.loadMacroIniFromFile("Missing") && !QFile::exists(path("Missing")));
        QVERIFY(library.loadMacroIniFromFile("Two"));
        QCOMPARE(library.loadMacroIni("Two"), QStringList{"a"});

        prompt->fileAnswer = root->filePath("exported.mc");
        writeFile(prompt->fileAnswer, "an older export, longer than the macro file ........");
        QVERIFY(library.saveMacroIniToFile("Two"));
        QCOMPARE(readFile(prompt->fileAnswer), picked);
    }

    // An assignment counts only on the device type it was made on: elsewhere
    // it reads as unassigned, and only there does saving the lines send it
    // again (mouse index i to slot id i + 1, keyboard index i to slot id i).
    // A line the old file cannot parse does not make the save a failure.
    void assignmentOfTheCurrentDevice_data() {
        QTest::addColumn<Assignment>("row");
        QTest::newRow("mouse 0") << Assignment{false, 0, 1, 0, "00 13 01 80 00 00 00 00 6B"};
        QTest::newRow("mouse 11") << Assignment{false, 11, 1, 11, "00 13 0C 80 00 00 00 00 60"};
        QTest::newRow("mouse 12") << Assignment{false, 12, 1, 12, ""};
        QTest::newRow("not assigned") << Assignment{false, -1, 1, -1, ""};
        QTest::newRow("keyboard's, mouse current") << Assignment{false, 3, 0, -1, ""};
        QTest::newRow("keyboard 34") << Assignment{true, 34, 0, 34, "00 11 00 22 03 00 00 00 C9"};
        QTest::newRow("keyboard 35") << Assignment{true, 35, 0, 35, ""};
        QTest::newRow("mouse's, keyboard current") << Assignment{true, 2, 1, -1, ""};
    }
    void assignmentOfTheCurrentDevice() {
        QFETCH(Assignment, row);
        Link device(row.isKeyboardCurrent);
        writeMacro(path("Saved"), {}, row.index, 3, row.did);
        writeFile(path("Saved"), readFile(path("Saved")) + "a line without a value\n");
        QSettings parsed(path("Saved"), QSettings::IniFormat);
        parsed.allKeys();
        QCOMPARE(parsed.status(), QSettings::FormatError);
        Macros macros(&device.link, folder);
        MacroLibrary& library = macros.library;
        QCOMPARE(configOf(library, "Saved"), QString("%1 3").arg(row.readIndex));
        QCOMPARE(library.saveMacroIni("Saved", keyLines(2)), QVariant(true));
        QCOMPARE(device.received().join(""), row.sent);
    }

    // The request, the data reports (32 or 64 bytes each), the slot
    // assembled from them holding the first bytes of the encoding behind its
    // header (the repeat count on the mouse, 00 01 on the keyboard), one box
    // when cut; never to the other device (0x13 is the keyboard's factory
    // reset, 0x11 the mouse's DPI table).
    void sendToSlot_data() {
        QTest::addColumn<Sending>("row");
        const QString cut = "MACRO: Out of memory,\nsome command line has been cut.";
        const QStringList pause{D("A"), "100   [Delay]", U("A")};
        QTest::newRow("mouse, repeat 3") << Sending{false, pause, 3, "00 03", ""};
        QTest::newRow("mouse, 128 bytes fit") << Sending{false, keyLines(62), 1, "00 01", ""};
        QTest::newRow("mouse, 130 bytes cut") << Sending{false, keyLines(63), 258, "01 02", cut};
        QTest::newRow("keyboard, 192 bytes fit") << Sending{true, keyLines(94), 3, "00 01", ""};
        QTest::newRow("keyboard, 194 bytes cut") << Sending{true, keyLines(95), 3, "00 01", "T: L"};
    }
    void sendToSlot() {
        QFETCH(Sending, row);
        Link device(row.isKeyboard);
        writeMacro(path("Mine"), row.lines, 0, row.repeat);
        Macros macros(&device.link, folder, {"T", "L"});
        MacroLibrary& library = macros.library;
        QVERIFY(row.isKeyboard ? !macros.sender.ui_13H_SetMacroKey(1, "Mine")
                               : !macros.sender.ui_11H_SetMacroKey(5, "Mine"));
        QVERIFY(row.isKeyboard ? macros.sender.ui_11H_SetMacroKey(5, "Mine")
                               : macros.sender.ui_13H_SetMacroKey(1, "Mine"));

        QCOMPARE(device.received(), QStringList{row.isKeyboard ? "00 11 00 05 03 00 00 00 E6"
                                                               : "00 13 01 80 00 00 00 00 6B"});
        QCOMPARE(device.received(Direction::Write).size(), row.isKeyboard ? 3 : 4);
        const int size = row.isKeyboard ? kKeyboardMacroSlotBytes : kMouseMacroSlotBytes;
        QList<uchar> encoded = macroIncode(row.lines, library.currentDeviceType());
        encoded.resize(size, 0);
        const QString slot = row.isKeyboard
                                 ? hexBytes(device.devices.keyboard.state().macros[5].data(), size)
                                 : hexBytes(device.devices.mouse.state().macros[0].data(), size);
        QCOMPARE(slot, row.header + hexBytes(encoded.constData(), size).mid(5));
        QStringList shown;
        for (const auto& box : prompt->boxes) shown.append(box.caption + ": " + box.text);
        QCOMPARE(shown.join(""), row.box);
    }

    // Names that would lead out of the folder; @ROOT@: the temporary folder.
    void hostileNames_data() {
        QTest::addColumn<QString>("name");
        // clang-format off
        for (const auto& [tag, name] : QList<QPair<const char*, QString>>{
                 {"empty", ""}, {"dot", "."}, {"dot dot", ".."}, {"parent", "../victim"},
                 {"subfolder", "sub/inner"}, {"backslash", "..\\victim"},
                 {"absolute", "@ROOT@/victim"}, {"NUL", QString("ok") + QChar(0) + "name"}})
            QTest::newRow(tag) << name;
        // clang-format on
    }
    // Every operation refuses the name. Where it would lead, a macro assigned
    // to the mouse waits (for a rename, the place is free first): an
    // operation that let the name through would change a file, send bytes
    // or open a dialog.
    void hostileNames() {
        QFETCH(QString, name);
        name.replace("@ROOT@", root->path());
        writeMacro(path("Good"), {D("A")}, 0, 1, 1);
        QDir(folder).mkdir("sub");
        prompt->fileAnswer = root->filePath("picked.mc");
        writeFile(prompt->fileAnswer, "[config]\n");
        Link device;
        Macros macros(&device.link, folder);
        MacroLibrary& library = macros.library;
        QVERIFY(!library.renameMacroIniFile("Good", name));
        writeMacro(QDir(folder).filePath(name + ".bin"), {D("A")}, 0, 1, 1);
        const QMap<QString, QByteArray> before = snapshotFolder(root->path());

        QVERIFY(!library.deleteMacroIni(name).toBool());
        QVERIFY(!library.renameMacroIniFile(name, "Renamed"));
        QVERIFY(library.loadMacroIni(name).isEmpty() && library.loadMacroIniConfig(name).isEmpty());
        QVERIFY(!library.saveMacroIni(name, keyLines(3)).toBool());
        QVERIFY(!library.setMacroIniConfig(name, QVariantList{3, 9}));
        QVERIFY(!library.loadMacroIniFromFile(name));
        QVERIFY(!library.saveMacroIniToFile(name));
        QVERIFY(!macros.sender.ui_13H_SetMacroKey(1, name));
        device.link.swichCurDevice(0);  // the keyboard's own command
        device.devices.keyboard.clearTranscript();
        QVERIFY(!macros.sender.ui_11H_SetMacroKey(1, name));
        QVERIFY(device.devices.mouse.transcript().empty() && device.received().isEmpty());
        QCOMPARE(snapshotFolder(root->path()), before);
        QVERIFY(prompt->dialogCaptions.isEmpty() && prompt->boxes.isEmpty());
    }
};

QTEST_MAIN(MacroLibraryTest)
#include "tst_macro_library.moc"
