// The mouse pages' settings on the emulated mouse: what the profile keeps,
// what reaches the mouse byte by byte, and what the read-backs answer when
// the mouse cannot. Failures print the bytes in hex.

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "link_fixture.h"
#include "mouse/mouse_settings.h"

namespace {

using Frame = EmulatedMouse::Report::Direction;

QVariantList numbers(int first, int count) {
    QVariantList list;
    for (int i = 0; i < count; ++i) list.append(first + i);
    return list;
}

QString sequenceHex(int first, int count) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < count; ++i) bytes.push_back(uint8_t(first + i));
    return hexBytes(bytes);
}

// A link on the emulated mouse and a profile in a fresh folder (the settings
// library caches files by name).
struct Bench {
    Bench()
        : settings(
              link.link.get(), [this] { return profile.get(); }, [this] { return msg; }) {}

    // Request frames without their checksum, and the data phase without the
    // report ids, of what the mouse received since the last call.
    std::pair<QStringList, std::vector<uint8_t>> received() {
        QStringList frames;
        std::vector<uint8_t> data;
        for (const auto& report : link.takeReports()) {
            if (report.direction == Frame::SetFeature)
                frames.append(hexBytes(report.bytes.data(), 8));
            else if (report.direction == Frame::Write)
                data.insert(data.end(), report.bytes.begin() + 1, report.bytes.end());
        }
        return {frames, data};
    }

    LinkFixture link;
    QTemporaryDir folder;
    std::unique_ptr<QSettings> profile =
        std::make_unique<QSettings>(folder.filePath("p1.bin"), QSettings::IniFormat);
    QStringList msg{"m0", "m1", "m2", "m3", "Warning", "Keep one primary button"};
    MouseSettings settings;
};

}  // namespace

class TestMouseSettings : public QObject {
    Q_OBJECT

private slots:
    void keptInProfile() {
        Bench bench;
        MouseSettings& s = bench.settings;
        const QVariantList values{500, 1000, 1500, 2000, 0, 0, 0, 0};
        s.ui_11H_SetDPISet(4, {0x02, 0x04, 0x06, 0x08, 0x80, 0x80, 0x80, 0x80}, values);
        QCOMPARE(s.ui_91H_GetDPISet(), values);  // the values, not the codes
        s.ui_12H_SetKeyMatrix(numbers(0, 64));
        QCOMPARE(bench.profile->value("keydefine_Q4/15").toList(), QVariantList({60, 61, 62, 63}));
        QCOMPARE(s.getKeydefine(15), QVariantList({60, 61, 62, 63}));
        QCOMPARE(s.ui_92H_GetKeyMatrix(), numbers(0, 64));  // the mouse's own copy
        QCOMPARE(s.ui_93H_GetMacroKey(3), QVariantList(128, 0));
        s.ui_10H_SetLED8StageColor(2, numbers(1, 8));
        QCOMPARE(bench.profile->value("color_Q4/type2").toList(), numbers(1, 8));  // unpacked
        s.ui_0DH_SetRGBLedEffect(3, 80, 4, {2, 7, 4});
        QCOMPARE(s.ui_8DH_GetRGBLedEffect(), QVariantList({2u, 7u, 4u}));
        s.ui_01H_SetReportRate(4);
        QCOMPARE(s.ui_81H_GetReportRate(), QVariant(4));
        bench.link.takeReports();
    }

    // A profile read from its file holds text: the lighting and colour
    // getters turn it into numbers, the others hand it over as it is.
    void readFromFile() {
        Bench bench;
        QFile file(bench.folder.filePath("p2.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "[sensor]\ndpi_Q4=500, 1000, 0\nstage_Q4=300\n[color_Q4]\nledEffect=2, 7, 4\n"
            "type0=255\n[keydefine_Q4]\n3=1, 0, 240, 0\nscrollswap=true\n");
        file.close();
        bench.profile = std::make_unique<QSettings>(file.fileName(), QSettings::IniFormat);
        MouseSettings& s = bench.settings;
        QCOMPARE(s.ui_91H_GetDPISet(), QVariantList({"500", "1000", "0"}));
        QCOMPARE(s.getKeydefine(3), QVariantList({"1", "0", "240", "0"}));
        QCOMPARE(s.ui_8DH_GetRGBLedEffect(), QVariantList({2u, 7u, 4u}));
        QCOMPARE(s.ui_90H_GetLED8StageColor(0), QVariantList({255u}));  // one entry, no comma
        QCOMPARE(s.ui_8BH_GetCurrentDPIStage(), QVariant(300 & 0xFF));
        QVERIFY(s.getScrollPinSwap());
        QCOMPARE(s.ui_81H_GetReportRate(), QVariant(0));  // absent keys: the fallbacks
        QCOMPARE(s.ui_90H_GetLED8StageColor(1), QVariantList());
    }

    // What reaches the mouse: the request frame's first four bytes, then the
    // start of the data phase.
    void sentToMouse_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("parameter");
        QTest::addColumn<QVariantList>("list");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("data");
        QTest::newRow("DPI codes: low bytes, 8 taken")
            << 0x11 << 6 << QVariantList{0x102, 4, 69, 72, 0, 0, 0, 0, 9} << "00 11 06 08"
            << "02 04 45 48 00 00 00 00";
        QTest::newRow("DPI codes missing: unused")
            << 0x11 << 2 << QVariantList{2, 4} << "00 11 02 08"
            << "02 04 80 80 80 80 80 80";
        QTest::newRow("colour ids packed") << 0x10 << 2 << numbers(1, 8) << "00 10 02 04"
                                           << "21 43 65 87";
        QTest::newRow("colour ids: high nibble cut")
            << 0x10 << 2 << QVariantList{0x1F, 0x0E, 0, 0, 0, 0, 0, 0xF3} << "00 10 02 04"
            << "EF 00 00 30";
        QTest::newRow("30 colours: 24 sent") << 0x10 << 0 << numbers(1, 30) << "00 10 00 18"
                                             << sequenceHex(1, 24) + QString(" 00").repeated(8);
        QTest::newRow("key matrix")
            << 0x12 << 0 << numbers(0, 64) << "00 12 01 40" << sequenceHex(0, 64);
        QTest::newRow("key matrix of 63: refused") << 0x12 << 0 << numbers(0, 63) << ""
                                                   << "";
    }

    void sentToMouse() {
        QFETCH(int, code);
        QFETCH(int, parameter);
        QFETCH(QVariantList, list);
        QFETCH(QString, frame);
        QFETCH(QString, data);
        Bench bench;
        if (code == 0x11) bench.settings.ui_11H_SetDPISet(uchar(parameter), list, {});
        if (code == 0x10) bench.settings.ui_10H_SetLED8StageColor(uchar(parameter), list);
        if (code == 0x12) bench.settings.ui_12H_SetKeyMatrix(list);
        const auto [frames, sent] = bench.received();
        QCOMPARE(frames.size(), frame.isEmpty() ? 0 : 1);
        const int length = data.isEmpty() ? 0 : int(data.count(' ') + 1);
        QVERIFY2(frames.value(0, "").startsWith(frame) && int(sent.size()) >= length &&
                     hexBytes(sent.data(), length) == data,
                 qPrintable(frames.join('|') + "\n   expected " + data + "\n   received " +
                            hexBytes(sent)));
    }

    // Only bit 6 of option1 changes; type, rate and option2 go back as read.
    // Without answers nothing is written back: unread values would reset the
    // mouse's rate and options.
    void scrollSwap_data() {
        QTest::addColumn<int>("option1");
        QTest::addColumn<bool>("isSwap");
        QTest::addColumn<bool>("isStalled");
        QTest::addColumn<QString>("sent");
        QTest::newRow("on") << 0x05 << true << false << "00 03 02 04 45 07 00 00";
        QTest::newRow("off") << 0x45 << false << false << "00 03 02 04 05 07 00 00";
        QTest::newRow("already on") << 0x45 << true << false << "00 03 02 04 45 07 00 00";
        QTest::newRow("other bits kept") << 0xFF << false << false << "00 03 02 04 BF 07 00 00";
        QTest::newRow("no answers") << 0x05 << true << true << "";
    }

    void scrollSwap() {
        QFETCH(int, option1);
        QFETCH(bool, isSwap);
        QFETCH(bool, isStalled);
        QFETCH(QString, sent);
        Bench bench;
        EmulatedMouse::State state = bench.link.mouse.state();
        state.sensorType = 2;
        state.reportRate = 4;
        state.functionOption1 = uint8_t(option1);
        state.functionOption2 = 7;
        bench.link.mouse.setState(state);
        bench.link.mouse.setStalledReads(isStalled);
        bench.settings.setScrollPinSwap(isSwap);
        QStringList expected{"00 83 00 00 00 00 00 00", "00 81 00 00 00 00 00 00"};
        if (!sent.isEmpty()) expected.append(sent);
        QCOMPARE(bench.received().first, expected);
        QCOMPARE(bench.settings.getScrollPinSwap(), isSwap);
    }

    // What the mouse itself says, and the fallbacks when it cannot.
    void deviceQueries_data() {
        QTest::addColumn<int>("stageCount");
        QTest::addColumn<bool>("hasLogoLed");
        QTest::addColumn<bool>("isUnplugged");
        QTest::addColumn<int>("stages");
        QTest::newRow("5 stages") << 5 << true << false << 5;
        QTest::newRow("no logo LED") << 8 << false << false << 8;
        QTest::newRow("0 stages") << 0 << true << false << 8;
        QTest::newRow("12 stages") << 12 << true << false << 8;
        QTest::newRow("unplugged") << 5 << true << true << 8;
    }

    void deviceQueries() {
        QFETCH(int, stageCount);
        QFETCH(bool, hasLogoLed);
        QFETCH(bool, isUnplugged);
        QFETCH(int, stages);
        Bench bench;
        bench.link.mouse.setDpiStageCount(uint8_t(stageCount));
        bench.link.mouse.setLogoLedPresent(hasLogoLed);
        bench.link.mouse.setSensorType(3);
        bench.link.mouse.setUnplugged(isUnplugged);
        QCOMPARE(int(bench.settings.ui_91H_SyncDPI()), stages);
        QCOMPARE(bench.settings.chkIsLogoLedWork(), hasLogoLed && !isUnplugged);
        if (!isUnplugged) QCOMPARE(bench.settings.getSensorType(), QVariant(3));
        // No device link yet.
        MouseSettings unlinked(nullptr, [&] { return bench.profile.get(); }, {});
        QCOMPARE(int(unlinked.ui_91H_SyncDPI()), 8);
        QVERIFY(!unlinked.chkIsLogoLedWork());
        QCOMPARE(unlinked.getSensorType(), QVariant(MouseSettings::kUnknownSensorType));
    }

    // With the keyboard current the rate is the keyboard's own (not stored,
    // asked from the device) and key definitions come from its keys.
    void keyboardCurrent() {
        Bench bench;
        Hid_Thread& link = *bench.link.link;
        link.setDevicePaths(0, QString::fromStdString(EmulatedMouse::kCommandPath),
                            QString::fromStdString(EmulatedMouse::kEventPath));
        bench.profile->setValue("keydefine/3", QVariantList{4, 5, 6, 7});
        bench.profile->setValue("keydefine_Q4/3", QVariantList{1, 0, 240, 0});
        link.swichCurDevice(0);
        bench.received();  // the switch's own traffic
        bench.settings.ui_01H_SetReportRate(8);
        QCOMPARE(bench.received().first, QStringList{"00 01 08 00 00 00 00 00"});
        QVERIFY(!bench.profile->contains("sensor/reportRate_Q4"));
        QCOMPARE(bench.settings.ui_81H_GetReportRate(), QVariant(8));
        QCOMPARE(bench.settings.getKeydefine(3), QVariantList({4, 5, 6, 7}));
        link.swichCurDevice(1);
        QCOMPARE(bench.settings.getKeydefine(3), QVariantList({1, 0, 240, 0}));
        link.swichCurDevice(7);  // no such device
        QCOMPARE(bench.settings.getKeydefine(3), QVariantList());
    }

    void foolProofing() {
        Bench bench;
        RecordingPrompt& boxes = bench.link.prompt;
        QVERIFY(!bench.settings.getMsgAns_FoolProofing());  // Cancel, the default
        boxes.confirmAnswer = Prompt::Answer::Ok;
        QVERIFY(bench.settings.getMsgAns_FoolProofing());
        QCOMPARE(boxes.boxes.at(1).caption, QString("Warning"));
        QCOMPARE(boxes.boxes.at(1).text, QString("Keep one primary button"));
        bench.msg.clear();  // strings not loaded yet: an empty box, no crash
        bench.settings.getMsgAns_FoolProofing();
        QCOMPARE(boxes.boxes.at(2).caption, QString());
    }
};

QTEST_MAIN(TestMouseSettings)
#include "tst_mouse_settings.moc"
