// Journeys through the sensor page and the colour page on the real program
// and the emulated mouse: what the clicks leave in the mouse and in the
// profile file, over a profile switch and a restart.

#include <QQuickItem>
#include <QSettings>
#include <QtTest>

#include "emulator/emulated_mouse.h"
#include "guarded_test_case.h"
#include "program_run.h"

namespace {

QList<int> numbers(const QVariant& list) {
    QList<int> values;
    for (const QVariant& each : list.toList()) values.append(each.toInt());
    return values;
}

// One run of the program with animation off.
struct Program : ProgramRun {
    Program() { setConfiguration({{3, "1"}}); }

    // A click whose lock on the view the journey does not wait out.
    bool clickAndGoOn(const QString& name) { return driver->click(name); }

    // Opens a stage's value menu and chooses the row.
    bool chooseDpi(int stage, int row) {
        const QString rowName = "stageGroup_menu_" + QString::number(row);
        return click("stageGroup_" + QString::number(stage), Qt::RightButton) &&
               SceneDriver::waitUntil([this, rowName] { return driver->isClickable(rowName); },
                                      5000) &&
               click(rowName);
    }

    bool waitForMouse(const std::function<bool(const EmulatedMouse::State&)>& condition) {
        return SceneDriver::waitUntil([this, condition] { return condition(mouse.state()); },
                                      10000);
    }

    QVariant profileValue(const QString& key, int profile = 1) const {
        const QSettings file(folder.path("modules/setting/p" + QString::number(profile) + ".bin"),
                             QSettings::IniFormat);
        return file.value(key);
    }

    QVariant pageValue(const char* page, const char* name) const {
        return item(page)->property(name);
    }
};

}  // namespace

class SensorColourJourneys : public GuardedTestCase {
    Q_OBJECT

private slots:
    void init() {
        GuardedTestCase::init();
        QTest::failOnWarning(anyWarningButTheMachines());
    }

    // What the sensor page applied reaches the mouse in the sensor's own
    // codes and stays with its profile: another profile shows its own
    // values, and both survive a restart.
    void sensorPageOverProfilesAndRestart() {
        Program program;
        program.mouse.setSensorType(1);
        QVERIFY(program.start());
        QVERIFY(program.click("functionButton3"));
        QVERIFY(program.chooseDpi(0, 11));
        QVERIFY(program.click("rateGroup_0"));
        QVERIFY(program.click("scrollLinesSlider", Qt::LeftButton, QPointF(0.99, 0.5)));
        QVERIFY(program.click("sensorButtons_apply"));
        QVERIFY(program.waitForMouse([](const EmulatedMouse::State& state) {
            return state.dpiCodes[0] == 0x4E && state.reportRate == 0x08;
        }));
        const QList<int> applied = {7000, 2500, 3500, 7000, 0, 0, 0, 0};
        QCOMPARE(numbers(program.pageValue("page_Sensor", "dpiValues")), applied);

        QVERIFY(program.click("profileButton1"));
        QCOMPARE(numbers(program.pageValue("page_Sensor", "dpiValues")),
                 QList<int>({1000, 2500, 3500, 7000, 0, 0, 0, 0}));
        QCOMPARE(program.pageValue("page_Sensor", "selectedRate").toInt(), 2);
        QVERIFY(program.click("profileButton0"));
        QCOMPARE(numbers(program.pageValue("page_Sensor", "dpiValues")), applied);
        QCOMPARE(program.pageValue("page_Sensor", "selectedRate").toInt(), 0);
        program.stop();

        QVERIFY(program.start());
        QCOMPARE(numbers(program.pageValue("page_Sensor", "dpiValues")), applied);
        QCOMPARE(program.pageValue("page_Sensor", "selectedRate").toInt(), 0);
        QCOMPARE(program.pageValue("page_Sensor", "scrollLines").toInt(), 10);
    }

    // The colour page: effect, brightness, speed and a palette colour
    // applied reach the mouse, stay with the profile and survive a restart.
    void colourPageOverProfilesAndRestart() {
        Program program;
        QVERIFY(program.start());
        QVERIFY(program.click("functionButton2"));
        QVERIFY(program.click("effectList"));
        QVERIFY(program.click("effectList_row9"));
        QVERIFY(program.click("ledBrightnessSlider", Qt::LeftButton, QPointF(0.2, 0.5)));
        QVERIFY(program.click("ledSpeedSlider", Qt::LeftButton, QPointF(0.99, 0.5)));
        QVERIFY(program.click("paletteGroup_2"));
        QVERIFY(program.click("paletteStrip", Qt::LeftButton, QPointF(0.5, 0.5)));
        QVERIFY(program.click("colorButtons_apply"));
        QVERIFY(program.waitForMouse([](const EmulatedMouse::State& state) {
            return state.ledEffect == 10 && state.ledBrightness == 45 && state.ledSpeed == 20 &&
                   state.stageColours[6] == 0 && state.stageColours[7] == 255 &&
                   state.stageColours[8] == 255;
        }));

        QVERIFY(program.click("profileButton1"));
        QCOMPARE(program.pageValue("page_Color", "effectIndex").toInt(), 2);
        QVERIFY(program.click("profileButton0"));
        QCOMPARE(program.pageValue("page_Color", "effectIndex").toInt(), 9);
        program.stop();
        QCOMPARE(program.profileValue("color_Q4/ledEffect").toStringList(),
                 QStringList({"9", "1", "7"}));

        QVERIFY(program.start());
        QVERIFY(program.click("functionButton2"));
        QCOMPARE(program.pageValue("page_Color", "effectIndex").toInt(), 9);
        QCOMPARE(program.pageValue("page_Color", "brightnessIndex").toInt(), 1);
        QCOMPARE(program.pageValue("page_Color", "speedIndex").toInt(), 7);
        QCOMPARE(program.item("paletteGroup")->property("colors").toList().mid(6, 3),
                 QVariantList({0, 255, 255}));
    }

    // APPLY returns while the mouse has not taken a single byte: the sets
    // wait in the device link's queue, not on the GUI thread.
    void applyDoesNotWaitForTheMouse() {
        Program program;
        QVERIFY(program.start());
        QVERIFY(program.click("functionButton3"));
        QVERIFY(program.click("rateGroup_0"));
        program.mouse.setStalledWrites(true);
        QVERIFY(program.clickAndGoOn("sensorButtons_apply"));
        bool isEventLoopRunning = false;
        QTimer::singleShot(0, [&isEventLoopRunning] { isEventLoopRunning = true; });
        QTRY_VERIFY_WITH_TIMEOUT(isEventLoopRunning, 5000);
        QCOMPARE(program.mouse.state().reportRate, uint8_t(0x02));
        program.mouse.setStalledWrites(false);
        QVERIFY(program.waitForMouse([](const EmulatedMouse::State& state) {
            return state.reportRate == 0x08 && state.dpiStage == 2;
        }));
    }
};

QTEST_MAIN(SensorColourJourneys)
#include "tst_journey_sensor_colour.moc"
