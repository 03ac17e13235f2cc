// The view's keyboard slots end to end: a device link on the emulated mouse
// and keyboard, the keyboard selected, a profile folder in a temporary
// directory. What the keyboard received is checked on its model and its
// transcript, what the profile kept in the file's own text.

#include <QSettings>
#include <QtTest>
#include <functional>

#include "device/device_table.h"
#include "emulator/emulated_devices.h"
#include "settings/profile_store.h"
#include "test_doubles.h"
#include "ui/keyboard_wrappers.h"

namespace {

using Direction = EmulatedHidDevice::Report::Direction;

// Ints 0 to count - 1, as a page builds its lists.
QVariantList counting(int count) {
    QVariantList list;
    for (int i = 0; i < count; ++i) list.append(i);
    return list;
}

QVariantList textList(const QStringList& texts) {
    QVariantList list;
    for (const QString& text : texts) list.append(text);
    return list;
}

QVariantList ints(std::initializer_list<int> values) {
    QVariantList list;
    for (int value : values) list.append(value);
    return list;
}

template <size_t N>
QVariantList ints(const std::array<uint8_t, N>& bytes) {
    QVariantList list;
    for (uint8_t byte : bytes) list.append(int(byte));
    return list;
}

struct Bench {
    Bench()
        : profiles(&link, folder.path()), wrappers(&link, [this] { return profiles.current(); }) {
        resetLinkState();
        link.setBackend(&devices);
        link.setOwner(&owner);
        link.setApplicationConfigPath(folder.filePath("apConfig.bin"));
        link.setDataReadTimeout(200);
        link.updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
        link.setDevicePaths(0, QString::fromStdString(EmulatedKeyboard::kCommandPath),
                            QString::fromStdString(EmulatedKeyboard::kEventPath));
        link.swichCurDevice(0);
        devices.keyboard.clearTranscript();
    }
    ~Bench() { resetLinkState(); }

    // The reports the keyboard's command interface received or sent since
    // the last call, once the set in flight has ended.
    std::vector<EmulatedHidDevice::Report> keyboardReports() {
        link.waitForPendingTransfer();
        std::vector<EmulatedHidDevice::Report> reports;
        for (auto& report : devices.keyboard.transcript())
            if (!report.isEventInterface) reports.push_back(report);
        devices.keyboard.clearTranscript();
        return reports;
    }
    // The profile as a fresh reader of its file sees it.
    std::unique_ptr<QSettings> profileFile() {
        profiles.current()->sync();
        return std::make_unique<QSettings>(profiles.profilePath(0), QSettings::IniFormat);
    }
    EmulatedKeyboard::State keyboard() {
        link.waitForPendingTransfer();
        return devices.keyboard.state();
    }

    QTemporaryDir folder;
    EmulatedDevices devices;
    RecordingPrompt prompt;
    RecordingOwner owner;
    Hid_Thread link;
    ProfileStore profiles;
    KeyboardWrappers wrappers;
};

using Action = std::function<void(Bench&)>;
using Getter = std::function<QVariantList(KeyboardWrappers&)>;
// What the keyboard itself holds or received.
using Probe = std::function<QVariantList(Bench&)>;

uchar macroBytes[192];  // byte i = 255 - i

}  // namespace

class KeyboardWrappersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        for (int i = 0; i < 192; ++i) macroBytes[i] = uchar(255 - i);
    }

    // What a slot sends the keyboard keeps, and what the matching query or
    // the keyboard's model then shows; only the key matrix is also stored.
    void deviceRoundTrip_data() {
        QTest::addColumn<Action>("set");
        QTest::addColumn<Probe>("get");
        QTest::addColumn<QVariantList>("expected");
        QTest::addColumn<int>("storedKeys");
        QVariantList onOff;
        for (int i = 0; i < 21; ++i) onOff.append(i * 12);
        QVariantList matrix;
        for (int i = 0; i < 512; ++i) matrix.append(i % 256);
        QVariantList macro;
        for (uchar byte : macroBytes) macro.append(int(byte));
        auto row = [](const char* name, Action set, Probe get, const QVariantList& expected,
                      int storedKeys = 0) {
            QTest::newRow(name) << set << get << expected << storedKeys;
        };

        row("03 options", [](Bench& b) { b.wrappers.ui_03H_SetKeyboardoption(1, 2, 3, 250); },
            [](Bench& b) { return b.wrappers.ui_83H_GetKeyboardoption(); }, ints({1, 2, 3, 250}));
        row("04 sensitivity", [](Bench& b) { b.wrappers.ui_04H_SetButtonSensitivity(5, 6, 7, 8); },
            [](Bench& b) { return b.wrappers.ui_84H_GetButtonSensitivity(); }, ints({5, 6, 7, 8}));
        row("07 indicator", [](Bench& b) { b.wrappers.ui_07H_SetControlIndicatorLight(2, 9); },
            [](Bench& b) {
                const auto s = b.keyboard();
                return ints({s.indicatorEffect, s.indicatorFrequency});
            },
            ints({2, 9}));
        row("09 mode", [](Bench& b) { b.wrappers.ui_09H_SetKeyboardMode(3); },
            [](Bench& b) { return QVariantList{b.wrappers.ui_89H_GetKeyboardMode()}; }, ints({3}));
        row("0E key on/off", [onOff](Bench& b) { b.wrappers.ui_0EH_SetKeyOnOff(onOff); },
            [](Bench& b) { return b.wrappers.ui_8EH_GetKeyOnOff(); }, onOff);
        row("0D key matrix", [](Bench& b) { b.wrappers.ui_0DH_SetKeyMatrix(counting(512)); },
            [](Bench& b) { return b.wrappers.ui_8DH_GetKeyMatrix(); }, matrix, 126);
        row("11 macro, last slot", [](Bench& b) { b.link.hid_11H_SetMacroKey(34, macroBytes); },
            [](Bench& b) { return b.wrappers.ui_91H_GetMacroKey(34); }, macro);
        row("13 recovery",
            [](Bench& b) {
                b.wrappers.ui_03H_SetKeyboardoption(1, 1, 1, 1);
                b.wrappers.ui_13H_SetRecoveryData();
            },
            [](Bench& b) {
                return QVariantList{b.devices.keyboard.recoveryCount()}
                       << b.wrappers.ui_83H_GetKeyboardoption();
            },
            ints({1, 0, 0, 0, 0}));
        row("02 profile, shared", [](Bench& b) { b.link.hid_02H_SetCurrentProfile(7); },
            [](Bench& b) { return QVariantList{b.wrappers.ui_82H_GetCurrentProfile()}; }, ints({7}));
        row("80 version, shared", [](Bench&) {},
            [](Bench& b) { return QVariantList{b.wrappers.ui_80H_GetFWVersion()}; },
            QVariantList{QString("2.10")});
    }

    void deviceRoundTrip() {
        QFETCH(Action, set);
        QFETCH(Probe, get);
        QFETCH(QVariantList, expected);
        QFETCH(int, storedKeys);
        Bench bench;
        set(bench);
        QCOMPARE(get(bench), expected);
        QCOMPARE(bench.profileFile()->allKeys().size(), storedKeys);
    }

    // The matrix's 128 entries go to the keyboard; the profile keeps keys 0
    // to 125 only, each entry as the page gave it.
    void keyMatrixKeepsKeysUpTo125() {
        Bench bench;
        bench.wrappers.ui_0DH_SetKeyMatrix(counting(512));
        const auto file = bench.profileFile();
        QCOMPARE(file->value("keydefine/0").toStringList(), QStringList({"0", "1", "2", "3"}));
        QCOMPARE(file->value("keydefine/125").toStringList(),
                 QStringList({"500", "501", "502", "503"}));
        QVERIFY(!file->contains("keydefine/126"));
    }

    // The keyboard's data phases: one request, then the data in 64-byte
    // reports behind a report id, the last one padded with zeros.
    void dataPhasesIn64ByteReports_data() {
        QTest::addColumn<Action>("send");
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("reportCount");
        QTest::addColumn<int>("dataLength");
        static uchar pattern[192];
        for (int i = 0; i < 192; ++i) pattern[i] = uchar(i);
        QTest::newRow("0D key matrix")
            << Action([](Bench& b) { b.wrappers.ui_0DH_SetKeyMatrix(counting(512)); })
            << "00 0D 00 00 08 00 00 00 EA" << 8 << 512;
        QTest::newRow("0E key on/off")
            << Action([](Bench& b) { b.wrappers.ui_0EH_SetKeyOnOff(counting(21)); })
            << "00 0E 00 00 15 00 00 00 DC" << 1 << 21;
        QTest::newRow("11 macro")
            << Action([](Bench& b) { b.link.hid_11H_SetMacroKey(2, pattern); })
            << "00 11 00 02 03 00 00 00 E9" << 3 << 192;
        QTest::newRow("12 picture")
            << Action([](Bench& b) {
                   b.wrappers.ui_12H_SetUserPicture(3, 1, counting(512));
               })
            << "00 12 00 03 08 01 00 00 E1" << 8 << 512;
    }

    void dataPhasesIn64ByteReports() {
        QFETCH(Action, send);
        QFETCH(QString, request);
        QFETCH(int, reportCount);
        QFETCH(int, dataLength);
        Bench bench;
        send(bench);
        const auto reports = bench.keyboardReports();
        QCOMPARE(int(reports.size()), 1 + reportCount);
        QCOMPARE(int(reports[0].direction), int(Direction::SetFeature));
        QCOMPARE(hexBytes(reports[0].bytes), request);
        for (int index = 0; index < reportCount; ++index) {
            std::vector<uint8_t> expected(65, 0);
            for (int byte = 0; byte < 64; ++byte) {
                const int offset = index * 64 + byte;
                if (offset < dataLength) expected[size_t(byte + 1)] = uint8_t(offset % 256);
            }
            const auto& written = reports[size_t(index + 1)];
            QCOMPARE(int(written.direction), int(Direction::Write));
            QVERIFY2(written.bytes == expected,
                     qPrintable(QString("report %1\n   expected %2\n   received %3")
                                    .arg(index)
                                    .arg(hexBytes(expected), hexBytes(written.bytes))));
        }
    }

    // The slots the profile answers for: what they store, in the file's
    // text, what the getter returns before and after the file is re-read,
    // and what reached the keyboard.
    void profileBackedSlots_data() {
        QTest::addColumn<Action>("set");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<Getter>("get");
        QTest::addColumn<Probe>("device");
        QTest::addColumn<QVariantList>("deviceExpected");
        QStringList picture;
        QVariantList pictureEntries;
        for (int i = 0; i < 512; ++i) {
            picture << QString::number(i % 7);
            pictureEntries << i % 7;
        }
        const Probe pictureTwo = [](Bench& b) {
            const auto state = b.keyboard();
            return ints(state.pictures[2]) << int(state.pictureOptions[2]);
        };

        QTest::newRow("08 LED type, option not kept")
            << Action([](Bench& b) { b.wrappers.ui_08H_SetLEDType(9, 1, 2, 3, 4, 5); })
            << "color/ledType" << QStringList({"1", "2", "3", "4", "5"})
            << Getter([](KeyboardWrappers& w) { return w.ui_88H_GetLEDType(); })
            << Probe([](Bench& b) {
                   const auto s = b.keyboard();
                   return ints({s.ledOption, s.ledEffect, s.ledSpeed, s.ledLight, s.ledColor,
                                s.ledDirection});
               })
            << ints({9, 1, 2, 3, 4, 5});
        QTest::newRow("14 colour")
            << Action([](Bench& b) { b.wrappers.ui_14H_SetColor(3, 255, 128, 0); })
            << "color/3" << QStringList({"255", "128", "0"})
            << Getter([](KeyboardWrappers& w) { return w.ui_94H_GetColor(3); })
            << Probe([](Bench& b) { return ints(b.keyboard().colours[3]); })
            << ints({255, 128, 0});
        QTest::newRow("12 picture, option 1")
            << Action([pictureEntries](Bench& b) {
                   b.wrappers.ui_12H_SetUserPicture(2, 1, pictureEntries);
               })
            << "userPicture/2" << picture
            << Getter([](KeyboardWrappers& w) { return w.ui_92H_GetUserPicture(2); })
            << pictureTwo << (QVariantList(pictureEntries) << 1);
        QTest::newRow("12 picture, option 255 stores only")
            << Action([pictureEntries](Bench& b) {
                   b.wrappers.ui_12H_SetUserPicture(2, 255, pictureEntries);
               })
            << "userPicture/2" << picture
            << Getter([](KeyboardWrappers& w) { return w.ui_92H_GetUserPicture(2); })
            << Probe([](Bench& b) { return QVariantList{int(b.keyboardReports().size())}; })
            << ints({0});
    }

    void profileBackedSlots() {
        QFETCH(Action, set);
        QFETCH(QString, key);
        QFETCH(QStringList, stored);
        QFETCH(Getter, get);
        QFETCH(Probe, device);
        QFETCH(QVariantList, deviceExpected);
        Bench bench;
        set(bench);
        QCOMPARE(device(bench), deviceExpected);
        QCOMPARE(get(bench.wrappers), textList(stored));
        const auto file = bench.profileFile();
        QCOMPARE(file->allKeys(), QStringList({key}));
        QCOMPARE(file->value(key).toStringList(), stored);
        // A later run reads the same text back.
        KeyboardWrappers reader(nullptr, [&file] { return file.get(); });
        QCOMPARE(get(reader), textList(stored));
    }

    // Lists of the wrong length: the missing entries count as 0 on the
    // keyboard and in the profile, extra ones are dropped; each entry keeps
    // the low 8 bits of its number.
    void listsAreFittedToTheCommand() {
        Bench bench;
        bench.wrappers.ui_0DH_SetKeyMatrix({7, 0x1FF, -1, "12", 3.0});
        bench.wrappers.ui_0EH_SetKeyOnOff({1, 2});
        bench.wrappers.ui_12H_SetUserPicture(4, 0, counting(600));

        const auto state = bench.keyboard();
        QCOMPARE(ints(state.keyMatrix).mid(0, 7), ints({7, 0xFF, 0xFF, 12, 3, 0, 0}));
        QCOMPARE(int(state.keyMatrix[511]), 0);
        QCOMPARE(ints(state.keyOnOff).mid(0, 3), ints({1, 2, 0}));
        QCOMPARE(int(state.keyOnOff[20]), 0);  // the factory map was all ones
        QCOMPARE(int(state.pictures[4][511]), 511 % 256);

        const auto file = bench.profileFile();
        QCOMPARE(file->value("keydefine/0").toStringList(), QStringList({"7", "511", "-1", "12"}));
        QCOMPARE(file->value("keydefine/1").toStringList(), QStringList({"3", "0", "0", "0"}));
        QCOMPARE(file->value("keydefine/125").toStringList(), QStringList({"0", "0", "0", "0"}));
        QCOMPARE(file->value("userPicture/4").toStringList().size(), 512);
    }

    // A keyboard that does not answer, or no link at all: the queries give
    // zeros, the setters still keep their values, the profile getters give
    // what the profile has and nothing for absent keys.
    void fallbacksWithoutTheKeyboard_data() {
        QTest::addColumn<bool>("hasLink");
        QTest::addColumn<QString>("version");
        QTest::newRow("keyboard unplugged") << true << "unknown";
        QTest::newRow("no device link") << false << "";
    }

    void fallbacksWithoutTheKeyboard() {
        QFETCH(bool, hasLink);
        QFETCH(QString, version);
        Bench bench;
        bench.devices.keyboard.setUnplugged(true);
        if (!hasLink) bench.wrappers.setDeviceLink(nullptr);
        KeyboardWrappers& keyboard = bench.wrappers;

        QCOMPARE(keyboard.ui_80H_GetFWVersion(), version);
        QCOMPARE(keyboard.ui_82H_GetCurrentProfile(), QVariant(0));
        QCOMPARE(keyboard.ui_89H_GetKeyboardMode(), QVariant(0));
        QCOMPARE(keyboard.ui_83H_GetKeyboardoption(), ints({0, 0, 0, 0}));
        QCOMPARE(keyboard.ui_84H_GetButtonSensitivity(), ints({0, 0, 0, 0}));
        const std::pair<QVariantList, int> buffers[] = {{keyboard.ui_8DH_GetKeyMatrix(), 512},
                                                        {keyboard.ui_8EH_GetKeyOnOff(), 21},
                                                        {keyboard.ui_91H_GetMacroKey(1), 192}};
        for (const auto& [list, length] : buffers) {
            QCOMPARE(list.size(), length);
            QCOMPARE(list.count(QVariant(0)), length);
        }

        keyboard.ui_14H_SetColor(1, 10, 20, 30);
        keyboard.ui_12H_SetUserPicture(0, 1, {5});
        QCOMPARE(keyboard.ui_94H_GetColor(1), textList({"10", "20", "30"}));
        QCOMPARE(keyboard.ui_92H_GetUserPicture(0).size(), 512);
        QVERIFY(keyboard.ui_94H_GetColor(4).isEmpty());
        QVERIFY(keyboard.ui_92H_GetUserPicture(1).isEmpty());
        QVERIFY(keyboard.ui_88H_GetLEDType().isEmpty());
    }

    // Without a current profile the commands still go out.
    void noProfileStillSends() {
        Bench bench;
        KeyboardWrappers keyboard(&bench.link, [] { return nullptr; });
        keyboard.ui_14H_SetColor(5, 1, 2, 3);
        QCOMPARE(ints(bench.keyboard().colours[5]), ints({1, 2, 3}));
        QVERIFY(keyboard.ui_94H_GetColor(5).isEmpty());
    }
};

QTEST_GUILESS_MAIN(KeyboardWrappersTest)
#include "tst_keyboard_wrappers.moc"
