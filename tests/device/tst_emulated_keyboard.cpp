// The emulated keyboard and the back end that puts it beside the emulated
// mouse: one device link reaching both, the keyboard's slot bounds, and the
// firmware rules the link relies on (the ready notifications, the recovery's
// guard byte).

#include <QFile>
#include <QtTest>

#include "device/device_table.h"
#include "device/report_codec.h"
#include "emulator/emulated_devices.h"
#include "test_doubles.h"

namespace {

using Direction = EmulatedHidDevice::Report::Direction;

// One link on both emulated devices, the mouse found by enumeration, the
// keyboard's entry given its paths; the mouse stays the current device.
struct BothDevices {
    BothDevices() {
        resetLinkState();
        link.setBackend(&devices);
        link.setOwner(&owner);
        link.setApplicationConfigPath(folder.filePath("apConfig.bin"));
        link.setDataReadTimeout(200);
        link.updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
        link.setDevicePaths(0, QString::fromStdString(EmulatedKeyboard::kCommandPath),
                            QString::fromStdString(EmulatedKeyboard::kEventPath));
    }
    ~BothDevices() { resetLinkState(); }

    QTemporaryDir folder;
    EmulatedDevices devices;
    RecordingPrompt prompt;
    RecordingOwner owner;
    Hid_Thread link;
};

QStringList commandsSeen(const EmulatedHidDevice& device) {
    QStringList commands;
    for (const auto& report : device.transcript())
        if (report.direction == Direction::SetFeature) commands << hexBytes(report.bytes);
    return commands;
}

// A command block as the link frames it, checksum included.
std::vector<uint8_t> request(std::initializer_list<uint8_t> codeAndParameters) {
    std::vector<uint8_t> frame(9, 0);
    std::copy(codeAndParameters.begin(), codeAndParameters.end(), frame.begin() + 1);
    frame[8] = report_codec::checksum(frame.data() + 1);
    return frame;
}

}  // namespace

class EmulatedKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void oneLinkReachesBothDevices() {
        BothDevices both;
        const QString tracePath = both.folder.filePath("trace.txt");
        both.devices.setTraceFile(tracePath.toStdString());
        // Only the mouse shows up in enumeration.
        QVERIFY(both.devices.enumerate(EmulatedKeyboard::kVendorId, EmulatedKeyboard::kProductId)
                    .empty());
        QCOMPARE(both.link.deviceList()[1].cmdPath.toStdString(), EmulatedMouse::kCommandPath);

        both.link.hid_0BH_SetCurrentDPIStage(5);
        both.link.waitForPendingTransfer();
        both.link.swichCurDevice(0);  // handshake with the keyboard, listener on its events
        QVERIFY(isDeviceOk);
        both.link.hid_09H_SetKeyboardMode(4);
        both.link.waitForPendingTransfer();

        QCOMPARE(int(both.devices.mouse.state().dpiStage), 5);
        QCOMPARE(int(both.devices.keyboard.state().mode), 4);
        QCOMPARE(commandsSeen(both.devices.mouse), QStringList({"00 0B 05 00 00 00 00 00 EF"}));
        QCOMPARE(commandsSeen(both.devices.keyboard).size(), 2);  // handshake, mode
        both.link.stopListen();

        QFile trace(tracePath);
        QVERIFY(trace.open(QIODevice::ReadOnly));
        const QString lines = QString::fromLatin1(trace.readAll());
        QVERIFY(lines.contains("SET_FEATURE cmd 00 0B 05 00 00 00 00 00 EF\n"));
        QVERIFY(lines.contains("SET_FEATURE kb-cmd 00 09 04 00 00 00 00 00 F2\n"));
        QVERIFY(lines.contains("READ kb-event 04 04 00 00\n"));
    }

    // Slots the keyboard does not have: the set is dropped, the query reads
    // zeros.
    void slotsBeyondTheKeyboard() {
        BothDevices both;
        both.link.swichCurDevice(0);
        const auto before = both.devices.keyboard.state();
        uchar bytes[512];
        std::fill(std::begin(bytes), std::end(bytes), uchar(0x5A));
        both.link.hid_11H_SetMacroKey(EmulatedKeyboard::kMacroSlots, bytes);
        both.link.hid_12H_SetUserPicture(EmulatedKeyboard::kPictureCount, 2, bytes);
        both.link.waitForPendingTransfer();
        const auto after = both.devices.keyboard.state();
        QVERIFY(after.macros == before.macros);
        QVERIFY(after.pictures == before.pictures && after.pictureOptions == before.pictureOptions);
        both.link.hid_91H_GetMacroKey(EmulatedKeyboard::kMacroSlots, bytes);
        QCOMPARE(int(bytes[191]), 0);
        std::fill(std::begin(bytes), std::end(bytes), uchar(0x5A));
        both.link.hid_92H_GetUserPicture(EmulatedKeyboard::kPictureCount, bytes);
        QCOMPARE(int(bytes[511]), 0);
    }

    // On its own, as the link sees it: a ready notification after every
    // command block and another after its data phase; the recovery needs its
    // guard byte.
    void firmwareRules() {
        EmulatedKeyboard keyboard;
        HidHandle* commands = keyboard.openPath(EmulatedKeyboard::kCommandPath);
        HidHandle* events = keyboard.openPath(EmulatedKeyboard::kEventPath);
        QVERIFY(commands && events);
        auto send = [&](const std::vector<uint8_t>& frame) {
            return keyboard.sendFeatureReport(commands, frame.data(), frame.size());
        };
        auto readyCount = [&] {
            int count = 0;
            uint8_t event[4];
            while (keyboard.readTimeout(events, event, sizeof event, 40) == 4) ++count;
            return count;
        };

        QCOMPARE(send(request({0x0E, 0x00, 0x00, 0x15})), 9);
        std::vector<uint8_t> data(65, 0);
        data[1] = 0x42;
        QCOMPARE(keyboard.write(commands, data.data(), data.size()), 65);
        QCOMPARE(readyCount(), 2);
        QCOMPARE(int(keyboard.state().keyOnOff[0]), 0x42);

        send(request({0x09, 0x07}));
        send(request({0x13, 0x00}));
        QCOMPARE(keyboard.recoveryCount(), 0);
        QCOMPARE(int(keyboard.state().mode), 7);
        send(request({0x13, 0xFF}));
        QCOMPARE(keyboard.recoveryCount(), 1);
        QCOMPARE(int(keyboard.state().mode), 0);
        QCOMPARE(int(keyboard.state().keyOnOff[0]), 0xFF);
        QCOMPARE(readyCount(), 3);
        keyboard.close(commands);
        keyboard.close(events);
    }
};

QTEST_GUILESS_MAIN(EmulatedKeyboardTest)
#include "tst_emulated_keyboard.moc"
