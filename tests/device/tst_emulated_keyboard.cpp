// The emulated keyboard beside the emulated mouse: one device link reaching
// both, each device's commands and trace lines kept apart, and the
// keyboard's slot bounds.

#include <QtTest>

#include "device/device_table.h"
#include "emulator/emulated_devices.h"
#include "guarded_test_case.h"
#include "link_fixture.h"
#include "settings_folder.h"
#include "test_doubles.h"

class EmulatedKeyboardTest : public GuardedTestCase {
    Q_OBJECT

private slots:
    // Only the mouse shows up in enumeration; switching to the keyboard's
    // entry shakes hands with it and listens to its events. Each device gets
    // its own commands, the trace names the interface of every report, and a
    // slot the keyboard does not have drops its set and reads as zeros.
    void oneLinkReachesBothDevices() {
        RecordingPrompt prompt;
        DevicesFixture fixture;
        Hid_Thread& link = fixture.link;
        EmulatedDevices& devices = fixture.devices;
        const QString trace = fixture.folder.filePath("trace.txt");
        devices.setTraceFile(trace.toStdString());
        QVERIFY(
            devices.enumerate(EmulatedKeyboard::kVendorId, EmulatedKeyboard::kProductId).empty());
        QCOMPARE(link.deviceList()[1].cmdPath.toStdString(), EmulatedMouse::kCommandPath);
        link.hid_0BH_SetCurrentDPIStage(5);
        link.waitForPendingTransfer();
        link.swichCurDevice(0);
        link.hid_09H_SetKeyboardMode(4);
        const auto before = devices.keyboard.state();
        std::vector<uchar> macro(192, 0x5A), picture(512, 0x5A);
        link.hid_11H_SetMacroKey(EmulatedKeyboard::kMacroSlots, macro.data());
        link.hid_12H_SetUserPicture(EmulatedKeyboard::kPictureCount, 2, picture.data());
        link.hid_91H_GetMacroKey(EmulatedKeyboard::kMacroSlots, macro.data());
        link.hid_92H_GetUserPicture(EmulatedKeyboard::kPictureCount, picture.data());
        link.stopListen();
        const auto after = devices.keyboard.state();
        QVERIFY(after.macros == before.macros && after.pictures == before.pictures);
        QVERIFY(macro == std::vector<uchar>(192, 0) && picture == std::vector<uchar>(512, 0));

        const QString lines = QString::fromLatin1(readFile(trace));
        QCOMPARE(lines.count("SET_FEATURE cmd "), 1);
        QVERIFY(lines.contains("SET_FEATURE cmd 00 0B 05 00 00 00 00 00 EF\n"));
        QVERIFY(lines.contains("SET_FEATURE kb-cmd 00 09 04 00 00 00 00 00 F2\n"));
        QVERIFY(lines.contains("READ kb-event 04 04 00 00\n"));  // the ready notification
    }
};

QTEST_GUILESS_MAIN(EmulatedKeyboardTest)
#include "tst_emulated_keyboard.moc"
