// The mouse pages' settings on the emulated mouse: what the profile keeps,
// what reaches the mouse byte by byte, and what the read-backs answer when
// the mouse cannot. Failures print the bytes in hex.

#include <QtTest>

#include "guarded_test_case.h"
#include "link_fixture.h"
#include "mouse/mouse_settings.h"
#include "settings/settings_file.h"
#include "settings_folder.h"

namespace {

QVariantList numbers(int first, int count) {
    QVariantList list;
    for (int i = 0; i < count; ++i) list.append(first + i);
    return list;
}

// A link on the emulated mouse and a profile in a fresh folder (the settings
// library caches files by name).
struct Bench {
    // The request frames the mouse received since the last call, without
    // their checksums.
    QStringList frames() {
        QStringList frames;
        for (const auto& report : link.takeReports())
            if (report.direction == EmulatedMouse::Report::Direction::SetFeature)
                frames.append(hexBytes(report.bytes.data(), 8));
        return frames;
    }
    EmulatedMouse::State mouse() {
        link.link->waitForPendingTransfer();
        return link.mouse.state();
    }

    LinkFixture link;
    QTemporaryDir folder;
    std::unique_ptr<SettingsFile> profile =
        std::make_unique<SettingsFile>(folder.filePath("p1.bin"));
    QStringList msg{"m0", "m1", "m2", "m3", "Warning", "Keep one primary button"};
    MouseSettings settings{link.link.get(), [this] { return profile.get(); },
                           [this] { return msg; }};
};

}  // namespace

class TestMouseSettings : public GuardedTestCase {
    Q_OBJECT

private slots:
    // A key matrix short of 64 entries sends nothing; stage colours go at
    // most 24 (the request, then the data).
    void shortMatrixAndLongColourList() {
        Bench bench;
        bench.settings.ui_12H_SetKeyMatrix(numbers(0, 63));
        bench.settings.ui_10H_SetLED8StageColor(0, numbers(1, 30));
        const auto reports = bench.link.takeReports();
        QCOMPARE(hexBytes(reports.at(0).bytes.data(), 4) + " | " +
                     hexBytes(reports.at(1).bytes.data() + 22, 4),
                 QString("00 10 00 18 | 16 17 18 00"));
    }

    // The mouse gets each DPI code's low byte, at most eight, missing stages
    // unused (0x80); the profile keeps the DPI values.
    void dpiCodes_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QVariantList>("codes");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("sent");
        QTest::newRow("nine codes, six stages")
            << 6 << QVariantList{0x102, 4, 69, 72, 0, 0, 0, 0, 9}
            << QVariantList{500, 1000, 1500, 2000, 0, 0} << "02 04 45 48 00 00 00 00";
        QTest::newRow("two codes")
            << 2 << QVariantList{2, 4} << QVariantList{} << "02 04 80 80 80 80 80 80";
    }
    void dpiCodes() {
        QFETCH(int, count);
        QFETCH(QVariantList, codes);
        QFETCH(QVariantList, values);
        QFETCH(QString, sent);
        Bench bench;
        bench.settings.ui_11H_SetDPISet(uchar(count), codes, values);
        QCOMPARE(bench.settings.ui_91H_GetDPISet(), values);
        QCOMPARE(hexBytes(bench.mouse().dpiCodes.data(), 8), sent);
    }

    // Colour table 2 goes as two 4-bit ids to a byte, the lower stage low;
    // the profile keeps the ids as given.
    void logoColourIds_data() {
        QTest::addColumn<QVariantList>("ids");
        QTest::addColumn<QString>("sent");
        QTest::newRow("1 to 8") << numbers(1, 8) << "21 43 65 87";
        QTest::newRow("high bits dropped")
            << QVariantList{0x1F, 0x0E, 0, 0, 0, 0, 0, 0xF3} << "EF 00 00 30";
    }
    void logoColourIds() {
        QFETCH(QVariantList, ids);
        QFETCH(QString, sent);
        Bench bench;
        bench.settings.ui_10H_SetLED8StageColor(2, ids);
        QCOMPARE(bench.settings.ui_90H_GetLED8StageColor(2), ids);
        QCOMPARE(hexBytes(bench.mouse().logoColourIds.data(), 4), sent);
    }

    // A profile read from its file holds text, which the lighting and
    // colour getters turn into numbers; a single entry has no comma.
    void listsReadFromAFileAreNumbers() {
        Bench bench;
        const QString path = bench.folder.filePath("p2.bin");
        QVERIFY(writeFile(path, "[color_Q4]\nledEffect=2, 7, 4\ntype0=255\n"));
        bench.profile = std::make_unique<SettingsFile>(path);
        QCOMPARE(bench.settings.ui_8DH_GetRGBLedEffect(), QVariantList({2u, 7u, 4u}));
        QCOMPARE(bench.settings.ui_90H_GetLED8StageColor(0), QVariantList({255u}));
    }

    // Only bit 6 of option1 changes; type, rate and option2 go back as read.
    // Without answers nothing is written back: unread values would reset the
    // mouse's rate and options.
    void scrollSwap() {
        Bench bench;
        EmulatedMouse::State state = bench.link.mouse.state();
        state.sensorType = 2;
        state.reportRate = 4;
        state.functionOption2 = 7;
        const QStringList reads{"00 83 00 00 00 00 00 00", "00 81 00 00 00 00 00 00"};
        const std::tuple<int, bool, QString> steps[] = {
            {0x05, true, "45"}, {0x45, false, "05"}, {0xFF, true, "FF"}};
        for (const auto& [option1, isSwap, after] : steps) {
            state.functionOption1 = uint8_t(option1);
            bench.link.mouse.setState(state);
            bench.settings.setScrollPinSwap(isSwap);
            QCOMPARE(bench.frames(), reads + QStringList{"00 03 02 04 " + after + " 07 00 00"});
            QCOMPARE(bench.settings.getScrollPinSwap(), isSwap);
        }
        bench.link.mouse.setStalledReads(true);
        bench.settings.setScrollPinSwap(false);
        QCOMPARE(bench.frames(), reads.mid(0, 1));
    }

    // What the mouse itself says, and the fallbacks when it cannot: eight
    // stages for a count outside 1 to 8, an unplugged mouse or no link yet.
    void deviceQueries() {
        Bench bench;
        MouseSettings& s = bench.settings;
        QVERIFY(s.chkIsLogoLedWork());
        bench.link.mouse.setLogoLedPresent(false);
        QVERIFY(!s.chkIsLogoLedWork());
        const int counts[][2] = {{5, 5}, {0, 8}, {12, 8}};
        for (const auto& [count, stages] : counts) {
            bench.link.mouse.setDpiStageCount(uint8_t(count));
            QCOMPARE(int(s.ui_91H_SyncDPI()), stages);
        }
        bench.link.mouse.setUnplugged(true);
        MouseSettings unlinked(nullptr, [&] { return bench.profile.get(); }, {});
        for (MouseSettings* absent : {&s, &unlinked}) {
            QCOMPARE(absent->getSensorType(), QVariant(MouseSettings::kUnknownSensorType));
            QCOMPARE(int(absent->ui_91H_SyncDPI()), 8);
        }
    }

    // With the keyboard current the rate is the keyboard's own (not stored,
    // asked from the device) and key definitions come from its keys.
    void keyboardCurrent() {
        Bench bench;
        bench.link.link->setDevicePaths(0, QString::fromStdString(EmulatedMouse::kCommandPath),
                                        QString::fromStdString(EmulatedMouse::kEventPath));
        bench.profile->setValue("keydefine/3", QVariantList{4, 5, 6, 7});
        bench.profile->setValue("keydefine_Q4/3", QVariantList{1, 0, 240, 0});
        bench.link.link->swichCurDevice(0);
        bench.frames();  // the switch's own traffic
        bench.settings.ui_01H_SetReportRate(8);
        QCOMPARE(bench.frames(), QStringList{"00 01 08 00 00 00 00 00"});
        QVERIFY(!bench.profile->contains("sensor/reportRate_Q4"));
        QCOMPARE(bench.settings.ui_81H_GetReportRate(), QVariant(8));
        QCOMPARE(bench.settings.getKeydefine(3), QVariantList({4, 5, 6, 7}));
        bench.link.link->swichCurDevice(1);
        QCOMPARE(bench.settings.getKeydefine(3), QVariantList({1, 0, 240, 0}));
    }
};

QTEST_MAIN(TestMouseSettings)
#include "tst_mouse_settings.moc"
