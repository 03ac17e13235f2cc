// Journeys through the macro page on the real program and the emulated
// mouse: keys recorded through the application's key capture, lines added
// with the page's buttons, the macro assigned to a slot, and what the macro
// file and the mouse's macro slot hold afterwards.

#include <QtTest/qtestspontaneevent.h>

#include <QQuickItem>
#include <QSettings>
#include <QWindow>
#include <QtTest>

#include "app/startup.h"
#include "emulator/emulated_mouse.h"
#include "guarded_test_case.h"
#include "input/key_capture.h"
#include "program_run.h"
#include "settings_folder.h"
#include "ui/my_qquick_view.h"

namespace {

const QString kDown = QStringLiteral("    [Down]");
const QString kUp = QStringLiteral("      [Up]");
const QString kDelay = QStringLiteral("   [Delay]");

// Keys as X11 and Wayland report them: the evdev code.
constexpr quint32 kEvdevA = 30;
constexpr quint32 kEvdevB = 48;

// The program with animation off, its key capture installed as the entry
// point installs it, showing the macro page.
struct MacroProgram : ProgramRun {
    bool start() {
        setConfiguration({{3, "1"}});
        if (!show()) return false;
        initInputHooks(nullptr, false);
        setKeyboardCallback(onHookKey, window.get());
        return driver->waitForOpening() && click("functionButton1");
    }

    ~MacroProgram() {
        removeHooks();
        setKeyboardCallback(nullptr, nullptr);
    }

    // A key as the window system hands it to the window (with the X11
    // native code, evdev + 8): the capture sees it, the page gets it
    // through the root's detectKeyboard. sendEvent would clear the
    // spontaneous mark, so the event goes to notify as the window system's
    // delivery does.
    void key(quint32 evdev, bool isDown) {
        QKeyEvent event(isDown ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_unknown,
                        Qt::NoModifier, evdev + 8, 0, 0);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QCoreApplication::instance()->notify(window->windowHandle(), &event);
    }

    QQuickItem* page() const { return item("page_Macro"); }
    QString selectedName() const { return page()->property("selectedName").toString(); }
    QStringList listedNames() const {
        return item("macroLibraryList")->property("names").toStringList();
    }
    // Renames the row in place by typing into its editor; true when the
    // list reported exactly that new name to the page.
    bool rename(const QString& row, const QString& typed) {
        if (!menuEntry(row, "macroMenuRename") || editingRow() < 0) return false;
        QSignalSpy renamed(item("macroLibraryList"), SIGNAL(renamed(int, QString, QString)));
        QQuickWidget* scene = window->view();
        QTest::keySequence(scene, QKeySequence::SelectAll);
        QTest::keyClick(scene, Qt::Key_Delete);
        QTest::keyClicks(scene, typed);
        QTest::keyClick(scene, Qt::Key_Return);
        return editingRow() < 0 && renamed.size() == 1 && renamed.at(0).at(2).toString() == typed;
    }

    int editingRow() const { return item("macroLibraryList")->property("editingIndex").toInt(); }
    qsizetype shownLineCount() const { return page()->property("actions").toList().size(); }
    QString macroFile(const QString& name) const {
        return folder.path("modules/macro/" + name + ".bin");
    }

    // The lines the macro file holds, macro/0 to macro/<total-1>.
    QStringList storedLines(const QString& name) const {
        const QSettings file(macroFile(name), QSettings::IniFormat);
        QStringList lines;
        const int total = file.value("config/total").toInt();
        for (int index = 0; index < total; ++index)
            lines.append(file.value("macro/" + QString::number(index)).toString());
        return lines;
    }

    std::vector<uint8_t> macroSlot(int slotId) const {
        const EmulatedMouse::State state = mouse.state();
        const auto& slot = state.macros.at(size_t(slotId - 1));
        return std::vector<uint8_t>(slot.begin(), slot.end());
    }

    // Right click on the row, then the menu entry once the menu is drawn.
    bool menuEntry(const QString& row, const QString& entry) {
        return click(row, Qt::RightButton) &&
               SceneDriver::waitUntil([this] { return item("macroMenu")->opacity() >= 1.0; },
                                      5000) &&
               click(entry);
    }
};

// A 128-byte mouse macro slot: the bytes given, zeros after them.
std::vector<uint8_t> slotHolding(std::vector<uint8_t> bytes) {
    bytes.resize(EmulatedMouse::kMacroLength, 0);
    return bytes;
}

}  // namespace

class MacroPageJourneys : public GuardedTestCase {
    Q_OBJECT

private slots:
    void init() {
        GuardedTestCase::init();
        QTest::failOnWarning(anyWarningButTheMachines());
    }

    // A new macro, two keys recorded, a pause and the right button added;
    // assigned to slot 1 as the key-definition page assigns it. The next
    // edit on the page reaches the slot again at once.
    void recordEditAndAssign() {
        MacroProgram program;
        QVERIFY(program.folder.isValid());
        QVERIFY(program.start());
        QVERIFY(program.click("macroAddButton"));
        const QString name = program.selectedName();
        QCOMPARE(name, QString("Macro. 001"));
        QVERIFY(QFileInfo::exists(program.macroFile(name)));

        QVERIFY(program.click("macroRecordButton"));
        program.key(kEvdevA, true);
        program.key(kEvdevA, false);
        program.key(kEvdevB, true);
        program.key(kEvdevB, false);
        QTRY_COMPARE_WITH_TIMEOUT(program.shownLineCount(), qsizetype(4), 5000);
        QVERIFY(program.storedLines(name).isEmpty());
        QVERIFY(program.click("macroStopButton"));
        const QStringList recorded{"A" + kDown, "A" + kUp, "B" + kDown, "B" + kUp};
        QCOMPARE(program.storedLines(name), recorded);

        QVERIFY(program.click("macroDelayAddButton"));
        QVERIFY(program.click("macroMouseList"));
        QVERIFY(program.click("macroMouseList_row1"));
        QVERIFY(program.click("macroMouseAddButton"));
        const QStringList added{"1000" + kDelay, "MS-R" + kDown, "MS-R" + kUp};
        QCOMPARE(program.storedLines(name), recorded + added);

        // The key-definition page's assignment of a macro to a button.
        myQQuickView* view = program.window->view();
        const QVariantList unassigned{-1, 1};
        QCOMPARE(view->loadMacroIniConfig(name), unassigned);
        view->setMacroIniConfig(name, {0, 1});
        view->ui_13H_SetMacroKey(1, name);
        // The pause merges into the release before it: 100 units of 10 ms.
        QTRY_COMPARE_WITH_TIMEOUT(program.macroSlot(1),
                                  slotHolding({0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x01, 0x05, 0xE4,
                                               0x05, 0x01, 0xF1, 0x81, 0xF1, 0x00, 0x00}),
                                  5000);

        QVERIFY(program.click("macroActionList_row4"));
        QVERIFY(program.click("macroLineDeleteButton"));
        QTRY_COMPARE_WITH_TIMEOUT(program.macroSlot(1),
                                  slotHolding({0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x01, 0x05, 0x81,
                                               0x05, 0x01, 0xF1, 0x81, 0xF1, 0x00, 0x00}),
                                  5000);
        QVERIFY(program.prompt.boxes.isEmpty());
    }

    // Renaming in place: names that are not file names, or that belong to
    // another macro, are refused, and the list keeps showing the file's
    // real name, with the edits going to it; an accepted name renames the
    // file and the shown macro follows it.
    void rename() {
        MacroProgram program;
        QVERIFY(program.start());
        const QString profilePath = program.folder.path("modules/setting/p1.bin");
        const QByteArray profile = readFile(profilePath);
        const QByteArray other = readFile(program.macroFile("Double Click"));
        const QStringList shipped{"Copy and Paste", "Double Click", "Switch Window"};
        QStringList lines = program.storedLines("Switch Window");
        QVERIFY(program.click("macroLibraryList_row2"));

        const QStringList refused{"../setting/p1", "..", "/tmp/p1", "Double Click"};
        for (const QString& hostile : refused) {
            QVERIFY2(program.rename("macroLibraryList_row2", hostile), qPrintable(hostile));
            QCOMPARE(program.listedNames(), shipped);
            QCOMPARE(program.selectedName(), QString("Switch Window"));
        }
        QCOMPARE(readFile(profilePath), profile);
        QCOMPARE(readFile(program.macroFile("Double Click")), other);
        QVERIFY(program.click("macroDelayAddButton"));
        lines.append("1000" + kDelay);
        QCOMPARE(program.storedLines("Switch Window"), lines);

        QVERIFY(program.rename("macroLibraryList_row2", "Alt Tab"));
        QCOMPARE(program.listedNames(), (QStringList{"Alt Tab", "Copy and Paste", "Double Click"}));
        QCOMPARE(program.selectedName(), QString("Alt Tab"));
        QVERIFY(!QFileInfo::exists(program.macroFile("Switch Window")));
        QVERIFY(program.click("macroDelayAddButton"));
        lines.append("1000" + kDelay);
        QCOMPARE(program.storedLines("Alt Tab"), lines);
    }
};

QTEST_MAIN(MacroPageJourneys)
#include "tst_journey_macro_page.moc"
