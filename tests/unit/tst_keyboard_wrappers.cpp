// The view's keyboard slots end to end: a device link on the emulated mouse
// and keyboard, the keyboard selected, a profile folder in a temporary
// directory. What the keyboard received is checked on its model and its
// transcript, what the profile kept in the file's own text.

#include <QtTest>

#include "device/device_table.h"
#include "emulator/emulated_devices.h"
#include "guarded_test_case.h"
#include "link_fixture.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"
#include "test_doubles.h"
#include "ui/keyboard_wrappers.h"

namespace {

// Ints 0 to count - 1, as a page builds its lists.
QVariantList counting(int count) {
    QVariantList list;
    for (int i = 0; i < count; ++i) list.append(i);
    return list;
}

// Numbers (a brace list or a byte array) as the ints the page sees.
template <typename Numbers = std::initializer_list<int>>
QVariantList ints(const Numbers& values) {
    QVariantList list;
    for (auto value : values) list.append(int(value));
    return list;
}

// The keyboard current, with a profile store and the wrappers on it.
struct Bench : DevicesFixture {
    explicit Bench(bool isKeyboardCurrent = true)
        : DevicesFixture(isKeyboardCurrent),
          profiles(folder.path()),
          wrappers(&link, [this] { return profiles.current(); }) {}

    // The keyboard's reports since the last call, once the set in flight
    // has ended.
    std::vector<EmulatedHidDevice::Report> keyboardReports() {
        link.waitForPendingTransfer();
        auto reports = devices.keyboard.transcript();
        devices.keyboard.clearTranscript();
        return reports;
    }
    // The profile as a fresh reader of its file sees it.
    std::unique_ptr<SettingsFile> profileFile() {
        profiles.current()->sync();
        return std::make_unique<SettingsFile>(profiles.profilePath(0));
    }
    EmulatedKeyboard::State keyboard() {
        link.waitForPendingTransfer();
        return devices.keyboard.state();
    }

    RecordingPrompt prompt;
    ProfileStore profiles;
    KeyboardWrappers wrappers;
};

}  // namespace

class KeyboardWrappersTest : public GuardedTestCase {
    Q_OBJECT

private slots:
    // The slots only the keyboard keeps: each query, or the keyboard's
    // model, answers what its set slot sent.
    void deviceSlots_data() {
        QTest::addColumn<QString>("command");
        for (const char* command : {"03/83", "09/89", "0D/8D", "0E/8E", "11/91", "13"})
            QTest::newRow(command) << QString(command);
    }
    void deviceSlots() {
        QFETCH(QString, command);
        Bench bench;
        KeyboardWrappers& w = bench.wrappers;
        if (command == "03/83") {
            w.ui_03H_SetKeyboardoption(1, 2, 3, 250);
            QCOMPARE(w.ui_83H_GetKeyboardoption(), ints({1, 2, 3, 250}));
        } else if (command == "09/89") {
            w.ui_09H_SetKeyboardMode(3);
            QCOMPARE(w.ui_89H_GetKeyboardMode(), QVariant(3));
        } else if (command == "0D/8D") {
            w.ui_0DH_SetKeyMatrix(counting(512));
            QCOMPARE(w.ui_8DH_GetKeyMatrix(), counting(256) + counting(256));
        } else if (command == "0E/8E") {
            w.ui_0EH_SetKeyOnOff(counting(21));
            QCOMPARE(w.ui_8EH_GetKeyOnOff(), counting(21));
        } else if (command == "11/91") {
            std::vector<uchar> macro(192, 0x5A);
            bench.link.hid_11H_SetMacroKey(34, macro.data());  // the last slot
            QCOMPARE(w.ui_91H_GetMacroKey(34), QVariantList(192, 0x5A));
        } else {
            w.ui_13H_SetRecoveryData();
            QCOMPARE(bench.devices.keyboard.recoveryCount(), 1);
        }
    }

    // A profile switch reaches the keyboard (command 02 with the new
    // profile); the mouse keeps no selection of its own and is not told.
    void profileSwitchTellsTheKeyboardOnly_data() {
        QTest::addColumn<bool>("isKeyboardCurrent");
        QTest::addColumn<QString>("sent");
        QTest::newRow("keyboard") << true << "00 02 04 00 00 00 00 00 F9";
        QTest::newRow("mouse") << false << "";
    }
    void profileSwitchTellsTheKeyboardOnly() {
        QFETCH(bool, isKeyboardCurrent);
        QFETCH(QString, sent);
        Bench bench(isKeyboardCurrent);
        bench.devices.mouse.clearTranscript();
        bench.wrappers.profileSwitched(4);
        bench.link.waitForPendingTransfer();
        QStringList received;
        for (const auto& device :
             {bench.devices.keyboard.transcript(), bench.devices.mouse.transcript()})
            for (const auto& report : device)
                if (report.direction == EmulatedHidDevice::Report::Direction::SetFeature)
                    received << hexBytes(report.bytes);
        QCOMPARE(received.join(""), sent);
    }

    // A device check copies the keyboard's five pictures into the current
    // profile; with the mouse current nothing is read or written.
    void syncCopiesTheKeyboardPictures_data() {
        QTest::addColumn<bool>("isKeyboardCurrent");
        QTest::newRow("keyboard") << true;
        QTest::newRow("mouse") << false;
    }
    void syncCopiesTheKeyboardPictures() {
        QFETCH(bool, isKeyboardCurrent);
        Bench bench(isKeyboardCurrent);
        EmulatedKeyboard::State state = bench.devices.keyboard.state();
        for (size_t index = 0; index < EmulatedKeyboard::kPictureCount; ++index)
            state.pictures[index].fill(uint8_t(0x10 + index));
        bench.devices.keyboard.setState(state);
        bench.wrappers.syncFW();
        const auto profile = bench.profileFile();
        for (int index = 0; index < int(EmulatedKeyboard::kPictureCount); ++index) {
            const QString key = "userPicture/" + QString::number(index);
            if (!isKeyboardCurrent) {
                QVERIFY(!profile->contains(key));
                continue;
            }
            const QVariantList picture = profile->value(key).toList();
            QCOMPARE(picture.size(), int(EmulatedKeyboard::kPictureLength));
            QCOMPARE(picture.first().toInt(), 0x10 + index);
            QCOMPARE(picture.last().toInt(), 0x10 + index);
        }
    }
    // A list of the wrong length is fitted before it goes out: missing
    // entries count as 0 on the keyboard and in the profile, extra ones are
    // dropped; each entry keeps the low 8 bits of its number. (The reports
    // on the wire are the command frames test's.)
    void listsAreFittedToTheirLength() {
        Bench bench;
        KeyboardWrappers& w = bench.wrappers;
        w.ui_0EH_SetKeyOnOff({1, 2});  // the factory map is all ones
        w.ui_0DH_SetKeyMatrix({7, 0x1FF, -1, "12", 3.0});
        w.ui_12H_SetUserPicture(3, 1, counting(600));
        QCOMPARE(w.ui_8EH_GetKeyOnOff(), ints({1, 2}) + QVariantList(19, 0));
        QCOMPARE(w.ui_8DH_GetKeyMatrix(), ints({7, 0xFF, 0xFF, 12, 3}) + QVariantList(507, 0));
        QCOMPARE(ints(bench.keyboard().pictures[3]), counting(256) + counting(256));
        const auto file = bench.profileFile();
        QCOMPARE(file->value("keydefine/0").toStringList(), QStringList({"7", "511", "-1", "12"}));
        QCOMPARE(file->value("keydefine/1").toStringList(), QStringList({"3", "0", "0", "0"}));
        QCOMPARE(file->value("userPicture/3").toStringList().size(), 512);
    }

    // The slots the profile answers for: what reached the keyboard (the LED
    // option byte is sent, not kept; option 255 stores a picture without
    // sending it), and the getters' answers as numbers, both now and from a
    // later reader of the file (which holds text).
    void profileBackedSlots() {
        Bench bench;
        KeyboardWrappers& w = bench.wrappers;
        QVariantList picture;
        for (int i = 0; i < 512; ++i) picture << i % 7;
        w.ui_12H_SetUserPicture(1, 255, picture);  // sends nothing
        for (const auto& report : bench.keyboardReports()) QVERIFY(report.isEventInterface);
        w.ui_08H_SetLEDType(9, 1, 2, 3, 4, 5);
        w.ui_14H_SetColor(3, 255, 128, 0);
        w.ui_12H_SetUserPicture(2, 1, picture);
        const auto s = bench.keyboard();
        QCOMPARE(
            ints({s.ledOption, s.ledEffect, s.ledSpeed, s.ledLight, s.ledColor, s.ledDirection}),
            ints({9, 1, 2, 3, 4, 5}));
        QCOMPARE(ints(s.colours[3]), ints({255, 128, 0}));
        QCOMPARE(ints(s.pictures[2]) << s.pictureOptions[2], QVariantList(picture) << 1);
        const auto file = bench.profileFile();
        QCOMPARE(file->allKeys(),
                 QStringList({"color/3", "color/ledType", "userPicture/1", "userPicture/2"}));
        KeyboardWrappers reader(nullptr, [&file] { return file.get(); });
        for (KeyboardWrappers* kb : {&w, &reader}) {
            QCOMPARE(kb->ui_88H_GetLEDType(), ints({1, 2, 3, 4, 5}));
            QCOMPARE(kb->ui_94H_GetColor(3), ints({255, 128, 0}));
            QCOMPARE(kb->ui_92H_GetUserPicture(1), picture);
        }
        // Without a current profile the commands still go out.
        KeyboardWrappers unsaved(&bench.link, [] { return nullptr; });
        unsaved.ui_14H_SetColor(5, 1, 2, 3);
        QCOMPARE(ints(bench.keyboard().colours[5]), ints({1, 2, 3}));
        QVERIFY(unsaved.ui_94H_GetColor(5).isEmpty());
    }

    // A keyboard that does not answer, or no link at all: the queries give
    // zeros, the profile's slots still work.
    void fallbacksWithoutTheKeyboard() {
        for (const bool hasLink : {true, false}) {
            Bench bench;
            bench.devices.keyboard.setUnplugged(true);
            if (!hasLink) bench.wrappers.setDeviceLink(nullptr);
            KeyboardWrappers& w = bench.wrappers;
            QCOMPARE(w.ui_80H_GetFWVersion(), QString(hasLink ? "unknown" : ""));
            const QVariantList answers =
                QVariantList{w.ui_82H_GetCurrentProfile(), w.ui_89H_GetKeyboardMode()} +
                w.ui_83H_GetKeyboardoption() + w.ui_84H_GetButtonSensitivity() +
                w.ui_8DH_GetKeyMatrix() + w.ui_8EH_GetKeyOnOff() + w.ui_91H_GetMacroKey(1);
            QCOMPARE(answers, QVariantList(2 + 4 + 4 + 512 + 21 + 192, 0));
            w.ui_14H_SetColor(1, 10, 20, 30);
            QCOMPARE(w.ui_94H_GetColor(1), ints({10, 20, 30}));
        }
    }
};

QTEST_GUILESS_MAIN(KeyboardWrappersTest)
#include "tst_keyboard_wrappers.moc"
