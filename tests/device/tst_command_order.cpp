// The device link under real use: commands reach the mouse in the order
// they were issued however they nest or whichever thread issues them, a
// query sees every set issued before it, the listener follows the device,
// and every wait is bounded.

#include <QtTest>
#include <thread>

#include "debug_capture.h"
#include "device/device_table.h"
#include "device/hid_transport.h"
#include "guarded_test_case.h"
#include "link_fixture.h"
#include "mouse/mouse_settings.h"
#include "settings/settings_file.h"

namespace {

using Direction = EmulatedMouse::Report::Direction;

// The command frames (code and parameters) the mouse received, in order, and
// the answers it gave to the queries among them.
struct Exchange {
    std::vector<uint8_t> request;  // bytes 1 to 7
    std::vector<uint8_t> answer;   // bytes 1 to 8 of the answer, queries only
};

std::vector<Exchange> exchanges(const std::vector<EmulatedMouse::Report>& reports) {
    std::vector<Exchange> result;
    for (const auto& report : reports) {
        if (report.direction == Direction::SetFeature)
            result.push_back({{report.bytes.begin() + 1, report.bytes.begin() + 8}, {}});
        else if (report.direction == Direction::GetFeature && !result.empty())
            result.back().answer.assign(report.bytes.begin() + 1, report.bytes.end());
    }
    return result;
}

QString describe(const std::vector<Exchange>& list) {
    QStringList lines;
    for (const Exchange& exchange : list)
        lines << hexBytes(exchange.request) +
                     (exchange.answer.empty() ? QString() : " -> " + hexBytes(exchange.answer));
    return lines.join('\n');
}

// Issues a command from another thread and waits for that thread.
void onAnotherThread(const std::function<void()>& work) {
    std::thread thread(work);
    thread.join();
}

// Raises the ready flag the moment the request goes out, before the
// transport's send returns: the fastest device there can be.
class InstantReadyBackend final : public HidBackend {
public:
    explicit InstantReadyBackend(HidTransport& link) : transport(link) {}
    std::vector<HidDeviceInfo> enumerate(uint16_t, uint16_t) override { return {}; }
    HidHandle* openPath(const std::string&) override { return reinterpret_cast<HidHandle*>(this); }
    void close(HidHandle*) override {}
    int setNonblocking(HidHandle*, int) override { return 0; }
    int sendFeatureReport(HidHandle*, const uint8_t*, size_t length) override {
        if (isAnnouncing) transport.markReady();
        return int(length);
    }
    int getFeatureReport(HidHandle*, uint8_t*, size_t length) override { return int(length); }
    int write(HidHandle*, const uint8_t*, size_t length) override { return int(length); }
    int read(HidHandle*, uint8_t*, size_t) override { return 0; }
    int readTimeout(HidHandle*, uint8_t*, size_t, int) override { return 0; }

    HidTransport& transport;
    bool isAnnouncing = true;
};

}  // namespace

class CommandOrder : public GuardedTestCase {
    Q_OBJECT

private slots:
    // A set hangs in the mouse; a query waits behind it, and while it waits
    // two more stage changes come in, nested in the query's wait (a page
    // handler on a GUI timer) or from another thread. The mouse must see
    // them in the order they were issued, the query must answer the stage
    // set before it, and profile and mouse must agree at the end.
    void nestedAndThreadedSetsKeepTheirOrder_data() {
        QTest::addColumn<bool>("isFromAnotherThread");
        QTest::newRow("nested in the query's wait") << false;
        QTest::newRow("from another thread") << true;
    }

    void nestedAndThreadedSetsKeepTheirOrder() {
        QFETCH(bool, isFromAnotherThread);
        LinkFixture fixture;
        QTemporaryDir folder;
        SettingsFile profile(folder.filePath("p1.bin"));
        MouseSettings settings(fixture.link.get(), [&] { return &profile; }, {});
        fixture.takeReports();

        fixture.mouse.setStalledWrites(true);
        settings.ui_0BH_SetCurrentDPIStage(3);  // hangs in the mouse
        auto issue = [&](uchar stage) {
            if (isFromAnotherThread)
                onAnotherThread([&] { fixture.link->hid_0BH_SetCurrentDPIStage(stage); });
            else
                settings.ui_0BH_SetCurrentDPIStage(stage);
        };
        QTimer::singleShot(20, [&] { issue(4); });
        QTimer::singleShot(40, [&] { issue(5); });
        QTimer::singleShot(150, [&] { fixture.mouse.setStalledWrites(false); });
        uchar stageAnswered = 0;
        fixture.link->hid_8BH_GetCurrentDPIStage(stageAnswered);
        // The timers run inside the query's wait; the stages come after it.
        QTRY_COMPARE_WITH_TIMEOUT(fixture.mouse.state().dpiStage, uint8_t(5), 10000);

        const auto order = exchanges(fixture.takeReports());
        const std::vector<std::vector<uint8_t>> expected{{0x0B, 3, 0, 0, 0, 0, 0},
                                                         {0x8B, 0, 0, 0, 0, 0, 0},
                                                         {0x0B, 4, 0, 0, 0, 0, 0},
                                                         {0x0B, 5, 0, 0, 0, 0, 0}};
        QVERIFY2(order.size() == expected.size(), qPrintable(describe(order)));
        for (size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(order[i].request == expected[i], qPrintable(describe(order)));
        QCOMPARE(int(stageAnswered), 3);
        if (!isFromAnotherThread) QCOMPARE(settings.ui_8BH_GetCurrentDPIStage().toInt(), 5);
    }

    // A query inside another query's wait: both answer, each after the sets
    // issued before it.
    void queryNestedInAQuery() {
        LinkFixture fixture;
        fixture.link->hid_0BH_SetCurrentDPIStage(6);
        uchar inner = 0;
        QTimer::singleShot(0, [&] {
            fixture.link->hid_0BH_SetCurrentDPIStage(7);
            fixture.link->hid_8BH_GetCurrentDPIStage(inner);
        });
        uchar outer = 0;
        fixture.link->hid_8BH_GetCurrentDPIStage(outer);
        QTRY_COMPARE(int(inner), 7);
        QCOMPARE(int(outer), 6);
    }

    // Four threads issue LED-instruction sets (no ready wait, so many fit in
    // a test) while the GUI thread asks the mouse back. Each thread's sets
    // arrive in its own order, none is lost, and every answer equals the
    // last set the mouse received before the query.
    void manyThreadsAndQueries() {
        LinkFixture fixture;
        fixture.takeReports();
        constexpr int kThreads = 4;
        constexpr int kSetsPerThread = 25;
        std::vector<std::thread> threads;
        for (int thread = 0; thread < kThreads; ++thread)
            threads.emplace_back([&, thread] {
                for (int sequence = 0; sequence < kSetsPerThread; ++sequence)
                    fixture.link->hid_07H_SetLEDInstructFunction(1, uchar(thread), uchar(sequence),
                                                                 0x5A);
            });
        for (int query = 0; query < 20; ++query) {
            uchar option1 = 0;
            uchar option2 = 0;
            uchar option3 = 0;
            fixture.link->hid_87H_GetLEDInstructFunction(1, option1, option2, option3);
        }
        for (std::thread& thread : threads) thread.join();

        const auto order = exchanges(fixture.takeReports());
        std::vector<int> nextSequence(kThreads, 0);
        std::vector<uint8_t> lastSet{0, 0, 0};
        int sets = 0;
        for (const Exchange& exchange : order) {
            if (exchange.request[0] == 0x07) {
                const int thread = exchange.request[2];
                QCOMPARE(int(exchange.request[3]), nextSequence[size_t(thread)]++);
                lastSet = {exchange.request[2], exchange.request[3], exchange.request[4]};
                ++sets;
            } else {
                QCOMPARE(int(exchange.request[0]), 0x87);
                const std::vector<uint8_t> answered(exchange.answer.begin() + 2,
                                                    exchange.answer.begin() + 5);
                QVERIFY2(answered == lastSet, qPrintable(describe(order)));
            }
        }
        QCOMPARE(sets, kThreads * kSetsPerThread);
    }

    // Handshakes on the GUI thread while another thread keeps sending
    // scrambled sets: every set reaches the mouse intact (the mouse drops a
    // block it cannot unscramble) and every handshake passes.
    void handshakesDuringTransfers() {
        LinkFixture fixture;
        DebugCapture capture;
        fixture.mouse.setScrambling(true);
        isEncode = true;
        fixture.link->chkDeviceIsEnCode();
        std::thread sender([&] {
            for (int sequence = 0; sequence < 30; ++sequence)
                fixture.link->hid_07H_SetLEDInstructFunction(2, uchar(sequence), 0, 0);
        });
        for (int handshake = 0; handshake < 10; ++handshake) fixture.link->chkDeviceIsEnCode();
        sender.join();
        fixture.link->waitForPendingTransfer();
        QCOMPARE(int(fixture.mouse.state().ledInstruction[2][0]), 29);
        QCOMPARE(capture.count("Device Connect"), 11);
        QVERIFY(!capture.contains("Device Error"));
    }

    // The listener runs whenever a device has passed its check, stops when
    // the device goes, and runs again after a passing re-check.
    void listenerFollowsTheDevice() {
        EmulatedMouse mouse;
        RecordingOwner owner;
        RecordingPrompt prompt;
        Hid_Thread link;
        link.setBackend(&mouse);
        link.setOwner(&owner);
        link.setApplicationConfigPath("/nonexistent");
        auto check = [&] {
            link.updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
            link.swichCurDevice(link.currentDevice());
        };
        QVERIFY(!link.isListenerRunning());
        check();
        QVERIFY(isDeviceOk);
        QVERIFY(link.isListenerRunning());

        mouse.setUnplugged(true);
        QTRY_VERIFY_WITH_TIMEOUT(!link.isListenerRunning(), 5000);
        mouse.setUnplugged(false);
        check();
        QVERIFY(link.isListenerRunning());

        mouse.setUnplugged(true);
        check();
        QVERIFY(!isDeviceOk);
        QVERIFY(!link.isListenerRunning());
        resetLinkState();
    }

    // The ready flag is lowered before the request goes out, so an
    // announcement that comes before the send even returns still counts.
    void readyAnnouncedAtOnce_data() {
        QTest::addColumn<bool>("isAnnouncing");
        QTest::addColumn<int>("extendedWaits");
        QTest::newRow("announced at once") << true << 0;
        QTest::newRow("never announced") << false << 1;
    }

    void readyAnnouncedAtOnce() {
        QFETCH(bool, isAnnouncing);
        QFETCH(int, extendedWaits);
        HidTransport transport;
        InstantReadyBackend backend(transport);
        backend.isAnnouncing = isAnnouncing;
        transport.setBackend(&backend);
        transport.setDevices({{"instant/commands", "", 32}});
        DeviceCommand command;
        command.cmdReport[1] = 0x0B;
        command.waitReady = true;
        QVERIFY(transport.hidSend(command));
        QCOMPARE(transport.extendedReadyWaits(), extendedWaits);
    }

    // A keyboard whose data phase trickles in slower than the query's
    // deadline fails the query as a whole; the caller keeps its own bytes
    // for what did not arrive.
    void slowDataPhaseFailsAsAWhole() {
        DevicesFixture fixture(true);
        fixture.link.setQueryDeadline(300);
        fixture.devices.keyboard.setInputReportDelay(std::chrono::milliseconds(60));
        uchar matrix[512];
        std::fill(std::begin(matrix), std::end(matrix), uchar(0xC3));
        fixture.link.hid_8DH_GetKeyMatrix(matrix);
        QCOMPARE(int(matrix[511]), 0xC3);
    }
};

QTEST_MAIN(CommandOrder)
#include "tst_command_order.moc"
