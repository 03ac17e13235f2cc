// The device link as a whole on the emulated mouse: the transport lock,
// the handshake, discovery, the event listener, and the faults a real
// device can throw at it.

#include <QtTest>

#include "debug_capture.h"
#include "device/device_table.h"
#include "guarded_test_case.h"
#include "link_fixture.h"
#include "settings_folder.h"

namespace {

int countOf(const std::vector<EmulatedMouse::Report>& reports,
            EmulatedMouse::Report::Direction direction) {
    return int(std::count_if(reports.begin(), reports.end(),
                             [&](const auto& report) { return report.direction == direction; }));
}

// Enumerates a second matching pair of interfaces after the mouse's own.
class TwinInterfaceMouse final : public EmulatedMouse {
public:
    std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) override {
        auto found = EmulatedMouse::enumerate(vendorId, productId);
        found.push_back({"twin/commands", kVendorId, kProductId, 0xFF00, 0xFF00, 3});
        found.push_back({"twin/events", kVendorId, kProductId, 0xFF01, 0xFF01, 4});
        return found;
    }
};

using Direction = EmulatedMouse::Report::Direction;

}  // namespace

class DeviceLink : public GuardedTestCase {
    Q_OBJECT

private slots:
    void handshake_data() {
        QTest::addColumn<bool>("isScrambling");
        QTest::addColumn<QString>("deviceCode");
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<bool>("isUnplugged");
        QTest::addColumn<bool>("isEchoWrong");
        QTest::addColumn<bool>("isAccepted");
        QTest::addColumn<bool>("isDemo");
        QTest::newRow("plain") << false << "731406" << QByteArray() << false << false << true
                               << false;
        QTest::newRow("scrambled, default code")
            << true << "731406" << QByteArray() << false << false << true << false;
        QTest::newRow("scrambled, configured code")
            << true << "Q4MOUS" << QByteArray("[common]\nsCode1=Q4MOUS\n") << false << false << true
            << false;
        QTest::newRow("scrambled, codes differ")
            << true << "Q4MOUS" << QByteArray() << false << false << false << false;
        QTest::newRow("absent") << false << "731406" << QByteArray() << true << false << false
                                << false;
        QTest::newRow("wrong echo")
            << false << "731406" << QByteArray() << false << true << false << false;
        QTest::newRow("absent, demo code")
            << false << "731406" << QByteArray("[common]\nsCode1=q-harbor\n") << true << false
            << true << true;
        QTest::newRow("absent, almost the demo code")
            << false << "731406" << QByteArray("[common]\nsCode1=q-harbo\n") << true << false
            << false << false;
    }

    // Accepted: "Device Connect", no box. Refused: one "Can not detect %1 !"
    // box with the window's title as caption, then one close request.
    void handshake() {
        QFETCH(bool, isScrambling);
        QFETCH(QString, deviceCode);
        QFETCH(QByteArray, config);
        QFETCH(bool, isUnplugged);
        QFETCH(bool, isEchoWrong);
        QFETCH(bool, isAccepted);
        QFETCH(bool, isDemo);
        LinkFixture fixture;
        fixture.writeApplicationConfig("[common]\nproduct_name=Q4 Keyboard, Q4 Gaming Mouse\n" +
                                       config);
        fixture.link->updateDeviceList(
            loadDeviceTable(":/DevInfo.ini", fixture.folder.filePath("apConfig.bin")).rows);
        fixture.mouse.setScrambling(isScrambling, deviceCode.toStdString());
        fixture.mouse.setUnplugged(isUnplugged);
        fixture.mouse.setWrongEcho(isEchoWrong);
        isEncode = isScrambling;

        fixture.link->swichCurDevice(1);

        QCOMPARE(bool(isDeviceOk), isAccepted);
        QCOMPARE(bool(isDemoMode), isDemo);
        const bool isRefused = !isAccepted;
        QCOMPARE(fixture.prompt.boxes.size(), isRefused ? 1 : 0);
        QCOMPARE(fixture.owner.closeRequests, isRefused ? 1 : 0);
        if (isRefused) {
            QCOMPARE(fixture.prompt.boxes.front().caption, fixture.owner.title);
            QCOMPARE(fixture.prompt.boxes.front().text,
                     QString("Can not detect Q4 Gaming Mouse !"));
        }
        if (isDemo) QVERIFY(!isEncode);
    }

    // A mouse that is plugged in but whose node the user may not open gets a
    // box of its own: which node, the rule that grants access, how to reload
    // it; the line goes to the log too. Access given, the next check passes.
    void aNodeThatCannotBeOpenedIsNamed() {
        LinkFixture fixture;
        fixture.writeApplicationConfig("[common]\nproduct_name=Q4 Keyboard, Q4 Gaming Mouse\n");
        const QString table = fixture.folder.filePath("apConfig.bin");
        fixture.mouse.setOpenRefused(true);
        DebugCapture capture;
        fixture.link->updateDeviceList(loadDeviceTable(":/DevInfo.ini", table).rows);
        fixture.link->swichCurDevice(1);

        QVERIFY(!isDeviceOk);
        QCOMPARE(fixture.owner.closeRequests, 1);
        QCOMPARE(fixture.prompt.boxes.size(), 1);
        const QString text = fixture.prompt.boxes.front().text;
        // Either of the mouse's nodes: the listener of the earlier check may
        // be the first to meet the refusal.
        const QString commandNode = QString::fromStdString(EmulatedMouse::kCommandPath);
        const QString node = text.contains(commandNode)
                                 ? commandNode
                                 : QString::fromStdString(EmulatedMouse::kEventPath);
        const QStringList parts = {"Q4 Gaming Mouse is connected",
                                   node,
                                   "70-q4-mouse.rules",
                                   "udevadm control --reload-rules",
                                   "udevadm trigger",
                                   "plug it in again"};
        for (const QString& part : parts) QVERIFY2(text.contains(part), qPrintable(part));
        QCOMPARE(capture.lines().filter("cannot open " + node).size(), 1);

        fixture.mouse.setOpenRefused(false);
        fixture.link->updateDeviceList(loadDeviceTable(":/DevInfo.ini", table).rows);
        fixture.link->swichCurDevice(1);
        QVERIFY(isDeviceOk);
        QCOMPARE(fixture.prompt.boxes.size(), 1);
    }

    // A code that is not six characters long leaves the previous one in use.
    void secrecyCodeOfWrongLengthKeepsThePrevious() {
        LinkFixture fixture;
        fixture.writeApplicationConfig("[common]\nsCode1=ABCDEF\n");
        fixture.link->chkDeviceIsEnCode();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(currentSecrecyCode().data() + 1), 6),
                 QByteArray("ABCDEF"));
        fixture.writeApplicationConfig("[common]\nsCode1=TOOLONGCODE\n");
        fixture.link->chkDeviceIsEnCode();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(currentSecrecyCode().data() + 1), 6),
                 QByteArray("ABCDEF"));
    }

    void discovery() {
        LinkFixture fixture;
        QList<DeviceEntry> devices = fixture.link->deviceList();
        QCOMPARE(devices.size(), 2);
        QVERIFY(devices[0].cmdPath.isEmpty());  // the keyboard is never looked for
        QCOMPARE(devices[1].cmdPath.toStdString(), EmulatedMouse::kCommandPath);
        QCOMPARE(devices[1].eventPath.toStdString(), EmulatedMouse::kEventPath);
        QCOMPARE(devices[1].reportLength, 32u);

        // Without its event interface the mouse is not found at all.
        fixture.mouse.setEventInterfacePresent(false);
        fixture.link->updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
        QVERIFY(fixture.link->deviceList()[1].cmdPath.isEmpty());

        // With two matching pairs the last one wins.
        TwinInterfaceMouse twin;
        Hid_Thread link;
        link.setBackend(&twin);
        link.updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
        QCOMPARE(link.deviceList()[1].cmdPath, QString("twin/commands"));
        QCOMPARE(link.deviceList()[1].eventPath, QString("twin/events"));
    }

    // Device ids beyond the list are devices that are not found: no crash,
    // a failed handshake with an empty name, commands that fail quietly.
    void deviceIdBeyondTheList_data() {
        QTest::addColumn<uint>("did");
        QTest::newRow("2") << 2u;
        QTest::newRow("UINT_MAX") << std::numeric_limits<uint>::max();
    }

    void deviceIdBeyondTheList() {
        QFETCH(uint, did);
        LinkFixture fixture;
        fixture.link->swichCurDevice(did);
        QVERIFY(!isDeviceOk);
        QCOMPARE(fixture.prompt.boxes.size(), 1);
        QCOMPARE(fixture.prompt.boxes.front().text, QString("Can not detect  !"));
        QCOMPARE(fixture.link->currentDeviceType(), -1);
        uchar stage = 7;
        fixture.link->hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(int(stage), 0);
        fixture.link->hid_0BH_SetCurrentDPIStage(3);
        QVERIFY(fixture.takeReports().empty());
    }

    // The second set waits for the first transfer, ready waits included:
    // nothing of it reaches the mouse before the first one's data phase.
    void setsRunOneAfterTheOther() {
        LinkFixture fixture;
        uchar macro[128] = {};
        fixture.link->hid_13H_SetMacroKey(2, macro);
        fixture.link->hid_0BH_SetCurrentDPIStage(4);
        const auto reports = fixture.takeReports();
        QCOMPARE(int(reports.size()), 6);
        QCOMPARE(int(reports[0].bytes[1]), 0x13);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(int(reports[size_t(i)].direction), int(Direction::Write));
        QCOMPARE(int(reports[5].bytes[1]), 0x0B);
        QCOMPARE(int(fixture.mouse.state().dpiStage), 4);
    }

    // A set queues and returns at once, even behind a device that hangs. A
    // query behind it keeps the GUI thread's events flowing and gives up
    // after about 2 s; so does every command queued behind the hanging one.
    void busyTransportDropsTheCommand() {
        LinkFixture fixture;
        DebugCapture capture;
        fixture.mouse.setStalledWrites(true);
        fixture.link->hid_0BH_SetCurrentDPIStage(6);  // hangs in the mouse
        fixture.link->hid_0DH_SetRGBLedEffect(1, 2, 3);
        bool hasTimerFired = false;
        QTimer::singleShot(50, [&] { hasTimerFired = true; });
        uchar stage = 9;
        fixture.link->hid_8BH_GetCurrentDPIStage(stage);
        QVERIFY(hasTimerFired);
        QVERIFY(capture.contains("cmd Failed"));
        QCOMPARE(int(stage), 9);

        fixture.mouse.setStalledWrites(false);
        const auto reports = fixture.takeReports();
        QCOMPARE(int(reports.size()), 1);
        QCOMPARE(int(reports[0].bytes[1]), 0x0B);
        QVERIFY(capture.contains("cmd Failed 0D"));
        QCOMPARE(int(fixture.mouse.state().ledEffect), 1);  // unchanged
    }

    // A query that has to wait for a set gets the lock as soon as the set
    // ends, and every query gives the lock back, failed or not.
    void queryWaitsForTheSetAndReleasesTheLock() {
        LinkFixture fixture;
        fixture.mouse.setStalledWrites(true);
        fixture.link->hid_0BH_SetCurrentDPIStage(7);
        QTimer::singleShot(100, [&] { fixture.mouse.setStalledWrites(false); });
        uchar stage = 0;
        fixture.link->hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(int(stage), 7);

        fixture.mouse.setUnplugged(true);
        fixture.link->hid_8BH_GetCurrentDPIStage(stage);
        fixture.mouse.setUnplugged(false);
        fixture.link->updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
        DebugCapture capture;
        fixture.link->hid_8BH_GetCurrentDPIStage(stage);
        QVERIFY(capture.lines().isEmpty());
        QCOMPARE(int(stage), 7);
    }

    // A removal is reported only when the device went, not when the
    // listener is stopped (the hidraw test sees the removal itself).
    void listenerStopsWhenAsked() {
        LinkFixture fixture;
        DebugCapture capture;
        fixture.link->stopListen();
        QVERIFY(!fixture.link->isListenerRunning());
        QVERIFY(!capture.contains("Device removed"));
    }

    // Faults that must end in a failed transfer and a free transport, never
    // in a hang or a read past the payload.
    void faults_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("table row without reportLength") << "no report length";
        QTest::newRow("unplugged in the data phase") << "unplug";
        QTest::newRow("writes fail in the data phase") << "write failure";
        QTest::newRow("device never answers a read") << "stalled reads";
    }

    void faults() {
        QFETCH(QString, fault);
        LinkFixture fixture;
        if (fault == "no report length") {
            const QString table = fixture.folder.filePath("table.ini");
            QVERIFY(writeFile(table,
                              "[common]\ntotal=2\n[1]\ntype=1\nvid=04d9\npid=6c2e\nusagePage=ff00\n"
                              "usage=ff00\nusagePage2=ff01\nusage2=ff01\n"));
            const DeviceTable rows = loadDeviceTable(table, "/nonexistent");
            QCOMPARE(rows.rows[1].reportLength, 0u);
            fixture.link->updateDeviceList(rows.rows);
        } else if (fault == "unplug") {
            fixture.mouse.unplugAfter(2);  // the request and one data report
        } else if (fault == "write failure") {
            fixture.mouse.failWritesAfter(2);
        } else {
            fixture.mouse.setStalledReads(true);
        }

        uchar macro[128];
        std::fill(std::begin(macro), std::end(macro), uchar(0x5A));
        fixture.link->hid_13H_SetMacroKey(1, macro);
        const auto sent = fixture.takeReports();
        QVERIFY(countOf(sent, Direction::Write) <= (fault == "stalled reads" ? 4 : 1));

        uchar readBack[128];
        std::fill(std::begin(readBack), std::end(readBack), uchar(0xC3));
        fixture.link->hid_93H_GetMacroKey(1, readBack);
        QCOMPARE(int(readBack[0]), 0xC3);

        // The transport is free again: a later command goes out at once.
        DebugCapture capture;
        fixture.link->hid_0BH_SetCurrentDPIStage(3);
        fixture.takeReports();
        QVERIFY(!capture.contains("cmd Failed 0B"));
        if (fault == "unplug") QVERIFY(fixture.link->deviceList()[1].cmdPath.isEmpty());
    }
};

QTEST_MAIN(DeviceLink)
#include "tst_device_link.moc"
