// What the device receives for every command: the request frame, the data
// phase cut into reports, and what a query hands back, on the emulated mouse
// and keyboard (the keyboard's 64-byte reports). Failures print the expected
// and received bytes in hex.

#include <QtTest>
#include <functional>
#include <vector>

#include "device/device_table.h"
#include "device/report_codec.h"
#include "guarded_test_case.h"
#include "link_fixture.h"

namespace {

using Command = std::function<void(Hid_Thread&)>;

uchar pattern[512];  // byte i = i mod 256, the caller's buffer for data sets
// Out-parameters of the queries; only the request frames matter here.
QString text;
uchar a, b, c, buffer[512];

struct CommandCase {
    const char* name;
    const char* request;  // the frame expected on the wire; empty: not checked
    Command run;
};

// Every set once and the queries that carry a parameter (a plain query is
// its code alone): mouse and shared commands first, then the keyboard's
// ("kb"), whose index sits in byte 3 and count in byte 4.
const std::vector<CommandCase>& commands() {
    static const std::vector<CommandCase> table = {
        {"01 report rate", "00 01 01 00 00 00 00 00 FD",
         [](Hid_Thread& l) { l.hid_01H_SetReportRate(1); }},
        {"02 profile", "00 02 03 00 00 00 00 00 FA",
         [](Hid_Thread& l) { l.hid_02H_SetCurrentProfile(3); }},
        {"03 function option", "00 03 02 01 45 07 00 00 AD",
         [](Hid_Thread& l) { l.hid_03H_SetFunctionOption(2, 1, 0x45, 7); }},
        {"07 LED instruction", "00 07 00 01 02 03 00 00 F2",
         [](Hid_Thread& l) { l.hid_07H_SetLEDInstructFunction(0, 1, 2, 3); }},
        {"0B DPI stage", "00 0B 02 00 00 00 00 00 F2",
         [](Hid_Thread& l) { l.hid_0BH_SetCurrentDPIStage(2); }},
        {"0D lighting", "00 0D 03 80 0A 00 00 00 65",
         [](Hid_Thread& l) { l.hid_0DH_SetRGBLedEffect(3, 128, 10); }},
        {"10 colours type 2", "00 10 02 04 00 00 00 00 E9",
         [](Hid_Thread& l) { l.hid_10H_SetLED8StageColor(2, pattern); }},
        {"10 colours type 0", "00 10 00 18 00 00 00 00 D7",
         [](Hid_Thread& l) { l.hid_10H_SetLED8StageColor(0, pattern); }},
        {"11 DPI set", "00 11 04 08 00 00 00 00 E2",
         [](Hid_Thread& l) { l.hid_11H_SetDPISet(4, pattern); }},
        {"12 key matrix", "00 12 01 40 08 00 00 00 A4",
         [](Hid_Thread& l) { l.hid_12H_SetKeyMatrix(pattern); }},
        {"13 macro", "00 13 01 80 00 00 00 00 6B",
         [](Hid_Thread& l) { l.hid_13H_SetMacroKey(1, pattern); }},
        {"80 version", "00 80 00 00 00 00 00 00 7F",
         [](Hid_Thread& l) { l.hid_80H_GetFWVersion(text); }},
        {"90 colours", "00 90 01 00 00 00 00 00 6E",
         [](Hid_Thread& l) { l.hid_90H_GetLED8StageColor(1, buffer); }},
        {"92 key matrix", "00 92 01 00 00 00 00 00 6C",
         [](Hid_Thread& l) { l.hid_92H_GetKeyMatrix(buffer); }},
        {"93 macro", "00 93 05 00 00 00 00 00 67",
         [](Hid_Thread& l) { l.hid_93H_GetMacroKey(5, buffer); }},
        {"kb 03 options", "00 03 01 02 03 04 00 00 F2",
         [](Hid_Thread& l) { l.hid_03H_SetKeyboardoption(1, 2, 3, 4); }},
        {"kb 04 sensitivity", "00 04 05 06 07 08 00 00 E1",
         [](Hid_Thread& l) { l.hid_04H_SetButtonSensitivity(5, 6, 7, 8); }},
        {"kb 07 indicator", "00 07 02 09 00 00 00 00 ED",
         [](Hid_Thread& l) { l.hid_07H_SetControlIndicatorLight(2, 9); }},
        {"kb 08 LED type", "00 08 01 02 03 04 05 06 E2",
         [](Hid_Thread& l) { l.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6); }},
        {"kb 09 mode", "00 09 02 00 00 00 00 00 F4",
         [](Hid_Thread& l) { l.hid_09H_SetKeyboardMode(2); }},
        {"kb 0D key matrix", "00 0D 00 00 08 00 00 00 EA",
         [](Hid_Thread& l) { l.hid_0DH_SetKeyMatrix(pattern); }},
        {"kb 0E key on/off", "00 0E 00 00 15 00 00 00 DC",
         [](Hid_Thread& l) { l.hid_0EH_SetKeyOnOff(pattern); }},
        {"kb 11 macro", "00 11 00 02 03 00 00 00 E9",
         [](Hid_Thread& l) { l.hid_11H_SetMacroKey(2, pattern); }},
        {"kb 12 picture", "00 12 00 03 08 01 00 00 E1",
         [](Hid_Thread& l) { l.hid_12H_SetUserPicture(3, 1, pattern); }},
        {"kb 13 recovery", "00 13 FF 00 00 00 00 00 ED",
         [](Hid_Thread& l) { l.hid_13H_SetRecoveryData(); }},
        {"kb 14 colour", "00 14 00 01 FF 00 00 00 EB",
         [](Hid_Thread& l) { l.hid_14H_SetColor(1, 255, 0, 0); }},
        {"kb 91 macro", "00 91 00 02 00 00 00 00 6C",
         [](Hid_Thread& l) { l.hid_91H_GetMacroKey(2, buffer); }},
        {"kb 92 picture", "00 92 00 03 00 00 00 00 6A",
         [](Hid_Thread& l) { l.hid_92H_GetUserPicture(3, buffer); }},
        {"kb 94 colour", "00 94 00 03 00 00 00 00 68",
         [](Hid_Thread& l) { l.hid_94H_GetColor(3, a, b, c); }},
    };
    return table;
}

const CommandCase& command(const QString& name) {
    for (const CommandCase& entry : commands())
        if (name == entry.name) return entry;
    qFatal("no command %s", qPrintable(name));
}

std::vector<uint8_t> bytesFromHex(const QString& hex) {
    std::vector<uint8_t> bytes;
    for (const QString& part : hex.split(' ', Qt::SkipEmptyParts))
        bytes.push_back(static_cast<uint8_t>(part.toUInt(nullptr, 16)));
    return bytes;
}

using Report = EmulatedHidDevice::Report;

// The reports a command put on the command interface of its device (the
// keyboard for "kb" commands, else the mouse), on a link to both.
std::vector<Report> reportsOf(const QString& name) {
    const bool isKeyboard = name.startsWith("kb ");
    RecordingPrompt prompt;
    DevicesFixture fixture(isKeyboard);
    EmulatedHidDevice& device = isKeyboard
                                    ? static_cast<EmulatedHidDevice&>(fixture.devices.keyboard)
                                    : static_cast<EmulatedHidDevice&>(fixture.devices.mouse);
    device.clearTranscript();
    command(name).run(fixture.link);
    fixture.link.waitForPendingTransfer();
    std::vector<Report> reports;
    for (const Report& report : device.transcript())
        if (!report.isEventInterface) reports.push_back(report);
    return reports;
}

}  // namespace

class CommandFrames : public GuardedTestCase {
    Q_OBJECT

private slots:
    void initTestCase() {
        for (int i = 0; i < 512; ++i) pattern[i] = static_cast<uchar>(i % 256);
    }

    void requestFrame_data() {
        QTest::addColumn<QString>("expected");
        for (const CommandCase& entry : commands())
            if (*entry.request) QTest::newRow(entry.name) << QString(entry.request);
    }

    void requestFrame() {
        QFETCH(QString, expected);
        const QString name = QTest::currentDataTag();
        const std::vector<Report> reports = reportsOf(name);
        QVERIFY(!reports.empty());
        QCOMPARE(int(reports.front().direction), int(Report::Direction::SetFeature));
        const std::vector<uint8_t>& received = reports.front().bytes;
        QVERIFY2(received == bytesFromHex(expected),
                 qPrintable("expected " + expected + "\n   received " + hexBytes(received)));
    }

    // Data phases: cut into reports of the device's length behind a report id
    // 0x00, the last one padded with zeros.
    void dataPhaseReports_data() {
        QTest::addColumn<int>("reportCount");
        QTest::addColumn<int>("dataLength");
        QTest::newRow("10 colours type 2") << 1 << 4;
        QTest::newRow("10 colours type 0") << 1 << 24;
        QTest::newRow("11 DPI set") << 1 << 8;
        QTest::newRow("12 key matrix") << 2 << 64;
        QTest::newRow("13 macro") << 4 << 128;
        QTest::newRow("kb 0D key matrix") << 8 << 512;
        QTest::newRow("kb 0E key on/off") << 1 << 21;
        QTest::newRow("kb 11 macro") << 3 << 192;
    }

    void dataPhaseReports() {
        QFETCH(int, reportCount);
        QFETCH(int, dataLength);
        const QString name = QTest::currentDataTag();
        const int reportLength = name.startsWith("kb ") ? 64 : 32;
        std::vector<std::vector<uint8_t>> written;
        for (const Report& report : reportsOf(name))
            if (report.direction == Report::Direction::Write) written.push_back(report.bytes);
        QCOMPARE(int(written.size()), reportCount);
        for (int index = 0; index < reportCount; ++index) {
            std::vector<uint8_t> expected(size_t(reportLength + 1), 0);
            for (int byte = 0; byte < reportLength; ++byte) {
                const int offset = index * reportLength + byte;
                if (offset < dataLength) expected[size_t(byte + 1)] = uint8_t(offset % 256);
            }
            QVERIFY2(written[size_t(index)] == expected,
                     qPrintable(QString("report %1\n   expected %2\n   received %3")
                                    .arg(index)
                                    .arg(hexBytes(expected), hexBytes(written[size_t(index)]))));
        }
    }

    // A query that cannot reach the device hands back its documented
    // fallback: the prefill, zeros, or the caller's previous values.
    void queryFailureResults() {
        LinkFixture fixture;
        fixture.mouse.setUnplugged(true);
        Hid_Thread& link = *fixture.link;

        QString version = "old";
        link.hid_80H_GetFWVersion(version);
        QCOMPARE(version, QString("unknown"));
        uchar rate = 4, profile = 6;
        link.hid_81H_GetReportRate(rate);
        link.hid_82H_GetCurrentProfile(profile);
        QCOMPARE(int(rate), 4);
        QCOMPARE(int(profile), 6);
        uchar type = 9, option1 = 9, option2 = 9, stage = 9, effect = 9, brightness = 9, speed = 9;
        link.hid_83H_GetFunctionOption(type, option1, option2);
        link.hid_8BH_GetCurrentDPIStage(stage);
        link.hid_8DH_GetRGBLedEffect(effect, brightness, speed);
        for (uchar value : {type, option1, option2, stage, effect, brightness, speed})
            QCOMPARE(int(value), 0);
        uchar led1 = 7, led2 = 7, led3 = 7, stages = 7, codes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        QVERIFY(!link.hid_87H_GetLEDInstructFunction(0, led1, led2, led3));
        QVERIFY(!link.hid_91H_GetDPISet(stages, codes));
        QCOMPARE(int(led1), 7);
        QCOMPARE(int(stages), 7);
        QCOMPARE(int(codes[7]), 8);
        uchar colours[24];
        std::fill(std::begin(colours), std::end(colours), uchar(0xAA));
        link.hid_90H_GetLED8StageColor(0, colours);
        QCOMPARE(int(colours[23]), 0xAA);
    }

    // Two of four macro reports arrive, then the device goes quiet: the
    // query gives those bytes and the caller's own for the rest.
    void partialDataPhaseKeepsCallerBytes() {
        resetLinkState();
        RecordingBackend device;
        RecordingPrompt prompt;
        Hid_Thread link;
        link.setBackend(&device);
        link.setQueryDeadline(50);
        link.updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
        link.setDevicePaths(1, "recorded/commands", QString());
        device.inputReports.assign(2, std::vector<uint8_t>(32, 0x11));
        uchar macro[128];
        std::fill(std::begin(macro), std::end(macro), uchar(0xEE));
        link.hid_93H_GetMacroKey(5, macro);
        QCOMPARE(int(macro[63]), 0x11);
        QCOMPARE(int(macro[64]), 0xEE);
        QCOMPARE(int(macro[127]), 0xEE);
        resetLinkState();
    }

    // Answers come from fixed offsets of the reply.
    void queryAnswers() {
        LinkFixture fixture;
        EmulatedMouse::State state = fixture.mouse.state();
        state.sensorType = 2;
        state.reportRate = 1;
        state.functionOption1 = 0x45;
        state.functionOption2 = 0x07;
        state.firmwareMajor = 0x1A;
        state.firmwareMinor = 0x0B;
        fixture.mouse.setState(state);
        Hid_Thread& link = *fixture.link;

        uchar type = 0, option1 = 0, option2 = 0;
        link.hid_83H_GetFunctionOption(type, option1, option2);
        QCOMPARE(int(type), 2);
        QCOMPARE(int(option1), 0x45);
        QCOMPARE(int(option2), 0x07);
        QString version;
        link.hid_80H_GetFWVersion(version);
        QCOMPARE(version, QString("1a.0B"));
        uchar stages = 0, codes[8] = {};
        QVERIFY(link.hid_91H_GetDPISet(stages, codes));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(codes), 8),
                 QByteArray::fromHex("050A0F1480808080"));
    }

    // With scrambling on, the command block travels scrambled; a query
    // without a data phase comes back unscrambled, one with a data phase as
    // received.
    void scrambledExchange() {
        LinkFixture fixture;
        fixture.mouse.setScrambling(true, "731406");
        isEncode = true;
        fixture.link->chkDeviceIsEnCode();  // loads the default code 731406
        QVERIFY(isDeviceOk);
        fixture.takeReports();

        fixture.link->hid_0BH_SetCurrentDPIStage(5);
        const auto reports = fixture.takeReports();
        uint8_t expected[8] = {0x0B, 0x05, 0, 0, 0, 0, 0, 0xEF};
        report_codec::scramble(expected, currentSecrecyCode().data());
        QVERIFY(std::equal(expected, expected + 8, reports.front().bytes.begin() + 1));
        QCOMPARE(int(fixture.mouse.state().dpiStage), 5);

        uchar stage = 0;
        fixture.link->hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(int(stage), 5);

        uchar stages = 0, codes[8] = {};
        QVERIFY(fixture.link->hid_91H_GetDPISet(stages, codes));
        const auto query = fixture.takeReports();
        QCOMPARE(int(stages), int(query.at(1).bytes.at(2)));  // the raw reply byte
    }
};

QTEST_MAIN(CommandFrames)
#include "tst_command_frames.moc"
