// The real USB path without hardware: the program's hidapi back end on the
// emulated mouse and keyboard served as hidraw nodes (hidraw_bridge.h).
// Discovery by usage page, the handshake, a set and a query byte for byte,
// data phases with the ready wait, and what a real device does to the link:
// stalls, leaving the bus, a missing interface, a node the user may not
// open.

#include <QtTest>
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "debug_capture.h"
#include "device/device_table.h"
#include "device/hid_thread.h"
#include "emulator/emulated_devices.h"
#include "guarded_test_case.h"
#include "hidraw_bridge.h"
#include "hidraw_process.h"
#include "test_doubles.h"

namespace {

using Direction = EmulatedHidDevice::Report::Direction;

// The ready notification's size: what the event interface's input report
// carries.
constexpr size_t kEventReportLength = 4;

DeviceTable deviceTable() {
    return loadDeviceTable(":/DevInfo.ini", "/nonexistent");
}

// A device of the table as the bridge lays it out: the command interface
// with data reports of the row's length, the event interface with the ready
// notification.
HidrawBridge::Device bridged(const DevInfo& row, const std::string& name,
                             const std::string& commandPath, const std::string& eventPath,
                             bool hasEventInterface = true) {
    HidrawBridge::Device device{row.vid, row.pid, name, {}};
    device.interfaces.push_back(
        {commandPath, row.usagePage, row.usage, row.reportLength, row.reportLength});
    if (hasEventInterface)
        device.interfaces.push_back({eventPath, row.usagePage2, row.usage2, kEventReportLength, 0});
    return device;
}

// A device link as the program sets it up, on the emulated devices through
// hidapi and the bridge: the device table, the mouse found by enumeration,
// the keyboard's entry given its paths (the keyboard is never enumerated),
// then the device check.
struct Bench {
    explicit Bench(bool hasMouseEventInterface = true) {
        resetLinkState();
        const DeviceTable table = deviceTable();
        bridge = std::make_unique<HidrawBridge>(devices);
        mouseNodes =
            bridge->addDevice(bridged(table.rows[1], "Q4 mouse", EmulatedMouse::kCommandPath,
                                      EmulatedMouse::kEventPath, hasMouseEventInterface));
        keyboardPaths =
            bridge->addDevice(bridged(table.rows[0], "Q4 keyboard", EmulatedKeyboard::kCommandPath,
                                      EmulatedKeyboard::kEventPath));
        hidapi = createHidapiBackend();
    }

    ~Bench() {
        // A device left hanging would keep the link's worker in a call.
        for (EmulatedHidDevice* device : {static_cast<EmulatedHidDevice*>(&devices.mouse),
                                          static_cast<EmulatedHidDevice*>(&devices.keyboard)}) {
            device->setStalledWrites(false);
            device->setStalledReads(false);
        }
        link.reset();
        hidapi.reset();
        bridge.reset();
        resetLinkState();
    }

    // The link and the device check; the handshake starts the listener.
    void start() {
        link = std::make_unique<Hid_Thread>();
        link->setBackend(hidapi.get());
        link->setOwner(&owner);
        link->setApplicationConfigPath(folder.filePath("apConfig.bin"));
        link->setQueryDeadline(300);
        link->updateDeviceList(deviceTable().rows);
        link->setDevicePaths(0, QString::fromStdString(keyboardPaths.at(0)),
                             QString::fromStdString(keyboardPaths.at(1)));
        link->swichCurDevice(1);
    }

    // The reports the device received and sent since the last call, as
    // lines, the listener's reads of the event interface left out.
    void takeReports(EmulatedHidDevice& device, QStringList* sent, QStringList* received) {
        link->waitForPendingTransfer();
        for (const auto& report : device.transcript()) {
            if (report.isEventInterface) continue;
            const bool isOut =
                report.direction == Direction::SetFeature || report.direction == Direction::Write;
            const char* names[] = {"SET_FEATURE", "GET_FEATURE", "WRITE", "READ"};
            QStringList* lines = isOut ? sent : received;
            if (lines) lines->append(names[int(report.direction)] + (" " + hexBytes(report.bytes)));
        }
        device.clearTranscript();
        // The kernel takes input reports from the device as soon as they are
        // due, before the answer is asked for: compare the answers and the
        // data reports each in their own order.
        if (received)
            std::stable_partition(received->begin(), received->end(), [](const QString& line) {
                return line.startsWith("GET_FEATURE");
            });
    }

    EmulatedDevices devices;
    std::unique_ptr<HidrawBridge> bridge;
    std::unique_ptr<HidBackend> hidapi;
    std::vector<std::string> mouseNodes;
    std::vector<std::string> keyboardPaths;
    QTemporaryDir folder;
    RecordingOwner owner;
    std::unique_ptr<Hid_Thread> link;
};

// The caller's buffer for data sets: byte i = 3 + 7 i.
uchar pattern[512];

}  // namespace

class HidrawPath : public GuardedTestCase {
    Q_OBJECT

public:
    explicit HidrawPath(std::string reason) : skipReason(std::move(reason)) {
        for (int i = 0; i < 512; ++i) pattern[i] = uchar(3 + 7 * i);
    }

private slots:
    void initTestCase() {
        if (!skipReason.empty()) QSKIP(skipReason.c_str());
    }

    // hidapi finds both interfaces of each device with the usage pages of
    // the table, read from the report descriptors; the link takes the
    // mouse's pair.
    void discoveryByUsagePage_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("mouse") << 1;
        QTest::newRow("keyboard") << 0;
    }

    void discoveryByUsagePage() {
        QFETCH(int, row);
        Bench bench;
        const DevInfo device = deviceTable().rows.at(row);
        const std::vector<std::string> nodes = row == 1 ? bench.mouseNodes : bench.keyboardPaths;
        const std::vector<HidDeviceInfo> found = bench.hidapi->enumerate(device.vid, device.pid);
        QCOMPARE(found.size(), size_t(2));
        QCOMPARE(found[0].path, nodes[0]);
        QCOMPARE(found[1].path, nodes[1]);
        QCOMPARE(found[0].usagePage, device.usagePage);
        QCOMPARE(found[1].usagePage, device.usagePage2);

        bench.start();
        const QList<DeviceEntry> entries = bench.link->deviceList();
        QCOMPARE(entries[1].cmdPath.toStdString(), bench.mouseNodes[0]);
        QCOMPARE(entries[1].eventPath.toStdString(), bench.mouseNodes[1]);
    }

    // A set and a query through hidapi and the kernel's interface: the
    // request frames the direct path sends (tst_command_frames), and the
    // answer handed back.
    void setAndQuery() {
        RecordingPrompt prompt;
        Bench bench;
        bench.start();
        EmulatedMouse& mouse = bench.devices.mouse;
        bench.takeReports(mouse, nullptr, nullptr);
        bench.link->hid_0BH_SetCurrentDPIStage(5);
        uchar stage = 0;
        bench.link->hid_8BH_GetCurrentDPIStage(stage);
        QStringList sent, received;
        bench.takeReports(mouse, &sent, &received);
        QCOMPARE(sent, QStringList({"SET_FEATURE 00 0B 05 00 00 00 00 00 EF",
                                    "SET_FEATURE 00 8B 00 00 00 00 00 00 74"}));
        QCOMPARE(received.size(), 1);
        QVERIFY(received[0].startsWith("GET_FEATURE 00 8B"));
        QCOMPARE(int(stage), 5);
    }

    // A data phase in each report length, written and read back whole: one
    // exchange keeps its file open for all of its reports.
    void dataPhaseRoundTrip_data() {
        QTest::addColumn<bool>("isKeyboard");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("reportLength");
        QTest::newRow("mouse macro") << false << 128 << 32;
        QTest::newRow("keyboard key matrix") << true << 512 << 64;
    }

    void dataPhaseRoundTrip() {
        QFETCH(bool, isKeyboard);
        QFETCH(int, length);
        QFETCH(int, reportLength);
        RecordingPrompt prompt;
        Bench bench;
        bench.start();
        if (isKeyboard) bench.link->swichCurDevice(0);
        EmulatedHidDevice& device = isKeyboard
                                        ? static_cast<EmulatedHidDevice&>(bench.devices.keyboard)
                                        : static_cast<EmulatedHidDevice&>(bench.devices.mouse);
        const std::string node = isKeyboard ? bench.keyboardPaths[0] : bench.mouseNodes[0];
        uchar readBack[512] = {};
        const int opensBefore = bench.bridge->openCount(node);
        QStringList sent, received;
        bench.takeReports(device, nullptr, nullptr);
        if (!isKeyboard) {
            bench.link->hid_13H_SetMacroKey(7, pattern);
            bench.link->hid_93H_GetMacroKey(7, readBack);
        } else if (length == 512) {
            bench.link->hid_0DH_SetKeyMatrix(pattern);
            bench.link->hid_8DH_GetKeyMatrix(readBack);
        } else {
            bench.link->hid_11H_SetMacroKey(9, pattern);
            bench.link->hid_91H_GetMacroKey(9, readBack);
        }
        bench.takeReports(device, &sent, &received);
        QCOMPARE(hexBytes(readBack, length), hexBytes(pattern, length));
        const int reports = length / reportLength;
        QCOMPARE(int(sent.filter(QRegularExpression("^WRITE")).size()), reports);
        QCOMPARE(int(received.filter(QRegularExpression("^READ")).size()), reports);
        // The written reports carry the report id before the payload.
        QCOMPARE(int(sent.filter(QRegularExpression("^WRITE")).last().split(' ').size()),
                 1 + 1 + reportLength);
        QCOMPARE(bench.bridge->openCount(node) - opensBefore, 2);  // one file per exchange
    }

    // A device that stops answering: every wait through the real path ends
    // within its bound, and the link works again once the device does.
    void stalledDevice_data() {
        QTest::addColumn<bool>("isWriteStall");
        QTest::newRow("answers and input reports stall") << false;
        QTest::newRow("reports to the device stall") << true;
    }

    void stalledDevice() {
        QFETCH(bool, isWriteStall);
        RecordingPrompt prompt;
        Bench bench;
        bench.bridge->setTransferLimit(std::chrono::milliseconds(200));
        bench.start();
        EmulatedMouse& mouse = bench.devices.mouse;
        uchar macro[128];
        std::fill(std::begin(macro), std::end(macro), uchar(0xC3));
        if (isWriteStall) {
            mouse.setStalledWrites(true);
            bench.link->hid_0BH_SetCurrentDPIStage(6);
            // The kernel gives up on the transfer; the link is free again
            // while the device still hangs.
            QVERIFY(bench.link->waitForPendingTransfer(5000));
        } else {
            mouse.setStalledReads(true);
        }
        bench.link->hid_93H_GetMacroKey(2, macro);
        QCOMPARE(int(macro[0]), 0xC3);  // the caller keeps its bytes
        QVERIFY(bench.link->waitForPendingTransfer(5000));

        mouse.setStalledWrites(false);
        mouse.setStalledReads(false);
        // The set the kernel gave up on still reaches the device once it
        // takes reports again; the next set must come after it.
        if (isWriteStall) QTRY_COMPARE_WITH_TIMEOUT(int(mouse.state().dpiStage), 6, 5000);
        bench.link->hid_0BH_SetCurrentDPIStage(4);
        uchar stage = 0;
        bench.link->hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(int(stage), 4);
    }

    // A device that leaves the bus during an exchange: the exchange fails,
    // the listener sees the hang-up and reports the removal, and the next
    // device check no longer finds the mouse.
    void vanishesMidTransfer_data() {
        QTest::addColumn<bool>("isQuery");
        QTest::newRow("in a set's data phase") << false;
        QTest::newRow("in a query's data phase") << true;
    }

    void vanishesMidTransfer() {
        QFETCH(bool, isQuery);
        RecordingPrompt prompt;
        Bench bench;
        bench.start();
        DebugCapture capture;
        EmulatedMouse& mouse = bench.devices.mouse;
        if (isQuery) {
            // The mouse is pulled out once its first input report has been
            // read; the query waits in poll() for the second.
            mouse.setInputReportDelay(std::chrono::milliseconds(40));
            mouse.unplugAfterReads(1);
            uchar macro[128];
            std::fill(std::begin(macro), std::end(macro), uchar(0xC3));
            bench.link->hid_93H_GetMacroKey(1, macro);
            QCOMPARE(int(macro[32]), 0xC3);  // what did not come stays the caller's
        } else {
            mouse.unplugAfter(2);  // the request and one data report
            bench.link->hid_13H_SetMacroKey(1, pattern);
        }
        QVERIFY(bench.link->waitForPendingTransfer());
        QTRY_VERIFY_WITH_TIMEOUT(!bench.link->isListenerRunning(), 5000);
        QVERIFY(capture.contains("Device removed"));
        QVERIFY(bench.link->deviceList()[1].eventPath.isEmpty());

        bench.link->updateDeviceList(deviceTable().rows);
        QVERIFY(bench.link->deviceList()[1].cmdPath.isEmpty());
        bench.link->swichCurDevice(1);
        QVERIFY(!isDeviceOk);
        QCOMPARE(prompt.boxes.size(), 1);
        QVERIFY(prompt.boxes[0].text.startsWith("Can not detect"));
        QCOMPARE(bench.owner.closeRequests, 1);
    }

    // A mouse whose event interface the kernel does not show is not found,
    // though its command interface is there.
    void missingEventInterface() {
        RecordingPrompt prompt;
        Bench bench(false);
        QCOMPARE(
            bench.hidapi->enumerate(EmulatedMouse::kVendorId, EmulatedMouse::kProductId).size(),
            size_t(1));
        bench.start();
        QVERIFY(bench.link->deviceList()[1].cmdPath.isEmpty());
        QVERIFY(!isDeviceOk);
        QCOMPARE(prompt.boxes.size(), 1);
        QCOMPARE(bench.owner.closeRequests, 1);
        QCOMPARE(bench.bridge->openCount(bench.mouseNodes[0]), 0);
    }

    // The mouse is there but its command node refuses the user (no udev
    // rule): the handshake fails, and the log names the node and the reason.
    void nodeThatCannotBeOpened() {
        RecordingPrompt prompt;
        DebugCapture capture;
        Bench bench;
        bench.bridge->setNodeMode(bench.mouseNodes[0], 0);
        {
            // The link's worker thread starts in here and inherits it.
            const FilePermissionsHonoured asAnOrdinaryUser;
            bench.start();
        }
        QVERIFY(!isDeviceOk);
        QCOMPARE(prompt.boxes.size(), 1);
        QVERIFY(bench.link->deviceList()[1].cmdPath.isEmpty());
        // The transport names the reason; the link names the rule.
        const QString expected = QString::fromStdString("cannot open " + bench.mouseNodes[0] + ":");
        const QStringList lines = capture.lines().filter(expected);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].contains("Permission denied"), qPrintable(lines[0]));
    }

    // The command worker, the event listener and the device check open and
    // enumerate on threads of their own. hidapi frees and replaces one
    // library-wide error text in those calls, so unguarded calls on two
    // threads free the same text twice (the process aborts within a few
    // thousand tries); the back end makes them one at a time.
    void opensFromSeveralThreads() {
        const std::unique_ptr<HidBackend> backend = createHidapiBackend();
        // Every failed open is logged as a warning; not 200 000 of them.
        QLoggingCategory::setFilterRules("q4.transport.warning=false");
        std::atomic<int> opened{0};
        auto openMissingNodes = [&] {
            for (int i = 0; i < 100000; ++i)
                if (HidHandle* handle = backend->openPath("/nonexistent/hidraw0")) {
                    backend->close(handle);
                    ++opened;
                }
        };
        std::thread worker(openMissingNodes);
        std::thread listener(openMissingNodes);
        worker.join();
        listener.join();
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(opened.load(), 0);
    }

private:
    std::string skipReason;
};

int main(int argc, char* argv[]) {
    // Before any thread: the process may start itself again.
    const std::string skipReason = runUnderUmockdev(argv);
    QCoreApplication application(argc, argv);
    HidrawPath test(skipReason);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidraw_path.moc"
