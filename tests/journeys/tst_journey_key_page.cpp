// Journeys through the key-definition page on the real program and the
// emulated mouse: what the user assigns is what the mouse's key matrix and
// macro slots hold and the last left button is guarded.

#include <QQuickItem>
#include <QSettings>
#include <QtTest>

#include "guarded_test_case.h"
#include "program_run.h"
#include "ui/my_qquick_view.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The program with animation off, in a copy of the build's modules folder.
struct Program : ProgramRun {
    bool start() {
        setConfiguration({{3, "1"}});
        return ProgramRun::start();
    }

    myQQuickView* view() const { return window->view(); }
    QQuickItem* page() const { return driver->item("page_Keydefine"); }
    QObject* keyModel() const { return page()->property("keyModel").value<QObject*>(); }

    bool choose(const QString& list, int row) {
        return click(list) && click(list + "_row" + QString::number(row));
    }

    // The page's 64 key entry bytes.
    Bytes pageMatrix() const {
        QVariant values;
        QMetaObject::invokeMethod(keyModel(), "matrix", Q_RETURN_ARG(QVariant, values));
        Bytes bytes;
        for (const QVariant& value : values.toList()) bytes.push_back(uint8_t(value.toInt()));
        return bytes;
    }

    Bytes mouseMatrix() const {
        const auto matrix = mouse.state().keyMatrix;
        return Bytes(matrix.begin(), matrix.end());
    }

    Bytes mouseMacro(int slot) const {
        const auto macro = mouse.state().macros[size_t(slot - 1)];
        return Bytes(macro.begin(), macro.end());
    }

    // The command codes the mouse received since the transcript was
    // cleared.
    QList<int> commandsReceived() const {
        QList<int> codes;
        for (const auto& report : mouse.transcript())
            if (report.direction == EmulatedHidDevice::Report::Direction::SetFeature &&
                !report.isEventInterface && report.bytes.size() > 1)
                codes.append(report.bytes[1]);
        return codes;
    }

    void pressKey(int usage) {
        view()->detectKeyboard(true, usage);
        view()->detectKeyboard(false, usage);
    }
};

// A macro block as the mouse stores it: repeat count, events, terminator,
// zero fill.
Bytes macroBlock(std::initializer_list<uint8_t> events) {
    Bytes block(EmulatedMouse::kMacroLength, 0x00);
    block[1] = 0x01;
    std::copy(events.begin(), events.end(), block.begin() + 2);
    return block;
}

// Numbers as the settings files give them back (text) or as stored.
QList<int> numbers(const QVariantList& values) {
    QList<int> result;
    for (const QVariant& value : values) result.append(value.toInt());
    return result;
}

Bytes slice(const Bytes& bytes, size_t from, size_t count) {
    return Bytes(bytes.begin() + long(from), bytes.begin() + long(from + count));
}

}  // namespace

class KeyPageJourneys : public GuardedTestCase {
    Q_OBJECT

private slots:
    void init() {
        GuardedTestCase::init();
        QTest::failOnWarning(anyWarningButTheMachines());
    }

    // A keyboard key, a media key and a recorded macro on three buttons:
    // only the macro slot is sent at once, apply sends the matrix as the
    // page holds it. (An edited macro going back to its slot is the macro
    // page journey's.)
    void assignAndApply() {
        Program program;
        QVERIFY(program.start());
        myQQuickView* view = program.view();
        const QString macro = view->createMacroIni().toString();
        QVERIFY(view->saveMacroIni(macro, {"A    [Down]", "A      [Up]"}).toBool());
        const QStringList names = view->getMacroIniNames();
        const int macroRow = int(names.indexOf(macro + ".bin"));
        QVERIFY(macroRow >= 0);
        const Bytes before = program.mouseMatrix();
        program.mouse.clearTranscript();

        QVERIFY(program.click("buttonRow4"));
        QVERIFY(program.choose("categoryList", 0));
        QVERIFY(program.click("keyField"));
        program.pressKey(0x04);
        QTRY_COMPARE_WITH_TIMEOUT(slice(program.pageMatrix(), 16, 4),
                                  Bytes({0x00, 0x00, 0x04, 0x00}), 5000);

        QVERIFY(program.click("buttonRow5"));
        QVERIFY(program.choose("categoryList", 2));
        QVERIFY(program.choose("mediaList", 3));

        QVERIFY(program.click("buttonRow6"));
        QVERIFY(program.choose("categoryList", 4));
        QVERIFY(program.choose("macroList", macroRow));
        QTRY_COMPARE_WITH_TIMEOUT(program.mouseMacro(1),
                                  macroBlock({0x01, 0x04, 0x81, 0x04, 0x00, 0x00}), 10000);
        QCOMPARE(numbers(view->loadMacroIniConfig(macro)), QList<int>({0, 1}));
        QCOMPARE(program.commandsReceived(), QList<int>({0x13}));
        QCOMPARE(program.mouseMatrix(), before);

        const Bytes page = program.pageMatrix();
        QCOMPARE(slice(page, 20, 4), Bytes({0x03, 0x00, 0xCD, 0x00}));
        QCOMPARE(slice(page, 24, 4), Bytes({0x09, 0x00, 0x01, 0x00}));
        QVERIFY(program.click("keyApplyButton"));
        QTRY_COMPARE_WITH_TIMEOUT(program.mouseMatrix(), page, 10000);
        QCOMPARE(numbers(view->getKeydefine(6)), QList<int>({9, 0, 1, 0}));
        QVERIFY(program.prompt.boxes.isEmpty());
    }

    // The only left button asks before it changes; a declined box leaves
    // it as it was. ALL SAVE sends the matrix, ALL RESET takes the page
    // back to the factory entries without sending.
    void lastLeftButtonAndTheBottomBar() {
        Program program;
        QVERIFY(program.start());
        QVERIFY(program.click("buttonRow0"));
        program.prompt.confirmAnswer = Prompt::Answer::Cancel;
        QVERIFY(program.choose("mouseList", 1));
        QCOMPARE(program.prompt.boxes.size(), 1);
        QCOMPARE(slice(program.pageMatrix(), 0, 4), Bytes({0x01, 0x00, 0xF0, 0x00}));
        QCOMPARE(program.driver->item("mouseList")->property("currentIndex").toInt(), 0);

        program.prompt.confirmAnswer = Prompt::Answer::Ok;
        QVERIFY(program.choose("mouseList", 1));
        QCOMPARE(program.prompt.boxes.size(), 2);
        QCOMPARE(slice(program.pageMatrix(), 0, 4), Bytes({0x01, 0x00, 0xF1, 0x00}));

        QVERIFY(program.click("allSaveButton"));
        QTRY_COMPARE_WITH_TIMEOUT(program.mouseMatrix(), program.pageMatrix(), 10000);
        program.mouse.clearTranscript();
        QVERIFY(program.click("allResetButton"));
        QCOMPARE(slice(program.pageMatrix(), 0, 4), Bytes({0x01, 0x00, 0xF0, 0x00}));
        QCOMPARE(slice(program.mouseMatrix(), 0, 4), Bytes({0x01, 0x00, 0xF1, 0x00}));
        QVERIFY(!program.commandsReceived().contains(0x12));
    }
};

QTEST_MAIN(KeyPageJourneys)
#include "tst_journey_key_page.moc"
