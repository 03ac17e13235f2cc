import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/Q4"

// The macro page against the recording view standing in for a macro
// library: what each edit leaves in the macro's file, in which order, and
// what the page shows afterwards.
TestCase {
    id: testCase
    name: "MacroPage"
    width: 1000
    height: 600
    visible: true
    when: windowShown

    readonly property string down: "    [Down]"
    readonly property string up: "      [Up]"
    readonly property string delay: "   [Delay]"
    // The library the view answers from: macro name -> lines.
    property var library: ({})

    KeyCodeString { id: keyTable }

    Component {
        id: pageComponent
        Page_Macro {
            animationSpeed: 10
            keyNames: keyTable
            skinPath: "file:modules/img/skin1"
        }
    }
    Component { id: modelComponent; Model_Macro_Q4 {} }

    function init() {
        failOnWarning(/.?/)
        ui_View.clear()
    }

    // A library in memory behind the view's macro slots.
    function useLibrary(macros) {
        library = macros
        ui_View.setAnswer("getMacroIniNames", function() {
            return Object.keys(testCase.library).sort().map(function(name) { return name + ".bin" })
        })
        ui_View.setAnswer("loadMacroIni", function(name) {
            return testCase.library.hasOwnProperty(name) ? testCase.library[name] : []
        })
        ui_View.setAnswer("saveMacroIni", function(name, lines) {
            if (!testCase.library.hasOwnProperty(name))
                return false
            testCase.library[name] = lines
            return true
        })
        ui_View.setAnswer("createMacroIni", function() {
            var name = "Macro. 00" + (Object.keys(testCase.library).length + 1)
            testCase.library[name] = []
            return name
        })
        ui_View.setAnswer("deleteMacroIni", function(name) {
            if (!testCase.library.hasOwnProperty(name))
                return false
            delete testCase.library[name]
            return true
        })
    }

    // The page after start-up on that library, with macro `selected` chosen
    // (by a click) when given.
    function startedPage(macros, selected) {
        useLibrary(macros)
        var page = createTemporaryObject(pageComponent, testCase)
        page.initUI()
        if (selected !== undefined)
            mouseClick(row(page, "macroLibraryList", page.macroNames.indexOf(selected)))
        return page
    }

    function row(page, list, index) {
        var found = findChild(page, list + "_row" + index)
        verify(found, list + " row " + index)
        return found
    }

    function click(page, name) {
        var button = findChild(page, name)
        verify(button, name)
        verify(button.enabled, name + " is enabled")
        mouseClick(button)
    }

    function shownLines(page) {
        return page.actions.map(function(action) { return action.value + action.command })
    }

    // The lines of every save, in order.
    function savedLines() {
        return ui_View.argumentsOf("saveMacroIni").map(function(args) { return args[1] })
    }

    function captureKey(page, code) {
        mouseClick(findChild(page, "macroKeyInput"))
        page.keyEvent(true, code)
    }

    // ---- The rules alone

    // Lines as the file stores them and as the list splits them; joining
    // gives back exactly the line.
    function test_splitLine_data() {
        return [
            { tag: "press", line: "A    [Down]", value: "A", command: "    [Down]" },
            { tag: "release of a label with blanks", line: "L Ctrl      [Up]", value: "L Ctrl", command: "      [Up]" },
            { tag: "label with a trailing blank", line: "KP 7     [Down]", value: "KP 7 ", command: "    [Down]" },
            { tag: "pause", line: "65535   [Delay]", value: "65535", command: "   [Delay]" },
            { tag: "command only", line: "    [Down]", value: "", command: "    [Down]" },
            { tag: "shorter than a command", line: "[Up]", value: "", command: "[Up]" },
            { tag: "empty", line: "", value: "", command: "" }
        ]
    }

    function test_splitLine(data) {
        var model = createTemporaryObject(modelComponent, testCase)
        var action = model.splitLine(data.line)
        compare(action.value, data.value)
        compare(action.command, data.command)
        compare(model.joinLine(action), data.line)
    }

    // What the delay field accepts: 0 to 65535 in at most five digits,
    // raised to 10; -1 keeps the field's value.
    function test_acceptedDelay_data() {
        return [
            { tag: "below the shortest", text: "3", delay: 10 },
            { tag: "longest", text: "65535", delay: 65535 },
            { tag: "too long a pause", text: "65536", delay: -1 },
            { tag: "empty", text: "", delay: -1 },
            { tag: "negative", text: "-5", delay: -1 },
            { tag: "not a number", text: "12a", delay: -1 },
            { tag: "fraction", text: "1.5", delay: -1 }
        ]
    }

    function test_acceptedDelay(data) {
        var model = createTemporaryObject(modelComponent, testCase)
        compare(model.acceptedDelay(data.text), data.delay)
    }

    // New lines go before the selected line, or at the end; the selection
    // stays on the line it was on.
    function test_insertLines_data() {
        return [
            { tag: "empty macro", lines: [], selected: -1, lines2: ["n1", "n2"], selected2: -1 },
            { tag: "at the end", lines: ["a", "b"], selected: -1, lines2: ["a", "b", "n1", "n2"], selected2: -1 },
            { tag: "before the first", lines: ["a", "b"], selected: 0, lines2: ["n1", "n2", "a", "b"], selected2: 2 },
            { tag: "stale selection", lines: ["a"], selected: 5, lines2: ["a", "n1", "n2"], selected2: -1 }
        ]
    }

    function test_insertLines(data) {
        var model = createTemporaryObject(modelComponent, testCase)
        var result = model.insertLines(data.lines, data.selected, ["n1", "n2"])
        compare(result.lines, data.lines2)
        compare(result.selected, data.selected2)
    }

    // Which name the shown macro has after a rename was tried.
    function test_nameAfterRename_data() {
        return [
            { tag: "renamed", names: ["A", "Burst"], from: "B", to: "Burst", name: "Burst" },
            { tag: "refused", names: ["A", "B"], from: "B", to: "../p1", name: "B" },
            { tag: "refused over another", names: ["A", "B"], from: "B", to: "A", name: "B" },
            { tag: "another macro renamed", names: ["B", "C"], from: "A", to: "C", name: "B" }
        ]
    }

    function test_nameAfterRename(data) {
        var model = createTemporaryObject(modelComponent, testCase)
        compare(model.nameAfterRename(data.names, "B", data.from, data.to), data.name)
    }

    // ---- The library

    function test_deleteMacro_data() {
        return [
            { tag: "a middle one", selected: "B", next: "C", lines: ["c"] },
            { tag: "the last one", selected: "C", next: "B", lines: ["b"] }
        ]
    }

    // The row goes, the row that follows is selected and its lines shown.
    function test_deleteMacro(data) {
        var page = startedPage({ "A": ["a"], "B": ["b"], "C": ["c"] }, data.selected)
        click(page, "macroDeleteButton")
        compare(ui_View.argumentsOf("deleteMacroIni"), [[data.selected]])
        verify(!library.hasOwnProperty(data.selected))
        compare(page.macroNames.indexOf(data.selected), -1)
        compare(page.selectedName, data.next)
        compare(shownLines(page), data.lines)
    }

    // A macro whose file went behind the page's back cannot be deleted:
    // the list shows what the folder holds instead.
    function test_deleteMacroWhoseFileIsGone() {
        var page = startedPage({ "A": ["a"], "B": ["b"] }, "B")
        delete library["B"]
        click(page, "macroDeleteButton")
        compare(page.macroNames, ["A"])
        compare(page.macroIndex, -1)
        compare(page.actions.length, 0)
    }

    // The menu at a row: LOAD reloads the row's lines only when it is the
    // shown macro; SAVE exports; CANCEL does nothing.
    function test_contextMenu_data() {
        return [
            { tag: "load the shown macro", row: 1, entry: "Load", call: "loadMacroIniFromFile", reloads: true },
            { tag: "save", row: 1, entry: "Save", call: "saveMacroIniToFile", reloads: false },
            { tag: "cancel", row: 0, entry: "Cancel", call: "", reloads: false }
        ]
    }

    function test_contextMenu(data) {
        var page = startedPage({ "A": ["a"], "B": ["b"] }, "B")
        var menu = findChild(page, "macroMenu")
        mouseClick(row(page, "macroLibraryList", data.row), 10, 10, Qt.RightButton)
        tryCompare(menu, "opacity", 1, 5000)
        library["B"] = ["b", "imported"]
        ui_View.clear()
        useLibrary(library)
        click(page, "macroMenu" + data.entry)
        verify(!page.isMenuOpen)
        verify(!findChild(page, "macroMenu" + data.entry).enabled)
        var names = ui_View.callNames().filter(function(name) { return name !== "playMedia_Index" })
        var expected = data.call === "" ? [] : [data.call]
        if (data.reloads)
            expected.push("loadMacroIni")
        compare(names, expected)
        if (data.call !== "")
            compare(ui_View.argumentsOf(data.call), [[page.macroNames[data.row]]])
        compare(shownLines(page), data.reloads ? ["b", "imported"] : ["b"])
        tryCompare(menu, "opacity", 0, 5000)
        verify(!menu.visible)
    }

    // ---- Adding lines

    // The pair of a key, Down first, before the selected line or at the
    // end (where lines go is test_insertLines'); every edit writes all lines.
    function test_addKey_data() {
        return [
            { tag: "at the end", lines: ["1" + delay], select: -1, result: ["1" + delay, "A" + down, "A" + up] },
            { tag: "before the selected line", lines: ["B" + down, "B" + up], select: 1,
              result: ["B" + down, "A" + down, "A" + up, "B" + up] }
        ]
    }

    function test_addKey(data) {
        var page = startedPage({ "M": data.lines }, "M")
        if (data.select >= 0)
            mouseClick(row(page, "macroActionList", data.select))
        verify(!findChild(page, "macroKeyAddButton").enabled)
        captureKey(page, 0x04)
        compare(findChild(page, "macroKeyInput").shownText, "КНОПКИ 【 A 】")
        click(page, "macroKeyAddButton")
        compare(savedLines(), [data.result])
        compare(shownLines(page), data.result)
    }

    function test_addMouseButton_data() {
        return [
            { tag: "left", entry: 0, label: "MS-L" },
            { tag: "forward", entry: 4, label: "MS-B5" }
        ]
    }

    function test_addMouseButton(data) {
        var page = startedPage({ "M": [] }, "M")
        var list = findChild(page, "macroMouseList")
        mouseClick(list)
        mouseClick(row(page, "macroMouseList", data.entry))
        click(page, "macroMouseAddButton")
        compare(library["M"], [data.label + down, data.label + up])
    }

    // What the pause field holds when the add button is pressed (or Return
    // accepted it) is the pause added; an entry out of range is not.
    function test_addPause_data() {
        return [
            { tag: "as it starts", typed: "", accept: "", delay: 1000, shown: "1000" },
            { tag: "raised to 10", typed: "3", accept: "button", delay: 10, shown: "10" },
            { tag: "accepted with Return", typed: "250", accept: "return", delay: 250, shown: "250" },
            { tag: "accepted on leaving", typed: "5", accept: "leave", delay: 10, shown: "10" },
            { tag: "out of range", typed: "70000", accept: "button", delay: 1000, shown: "1000" }
        ]
    }

    function test_addPause(data) {
        var page = startedPage({ "M": [] }, "M")
        var field = findChild(page, "macroDelayInput")
        if (data.accept !== "") {
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Delete)
            for (var index = 0; index < data.typed.length; ++index)
                keyClick(data.typed.charAt(index))
            if (data.accept === "return")
                keyClick(Qt.Key_Return)
            else if (data.accept === "leave")
                findChild(page, "macroKeyInput").forceActiveFocus()
        }
        click(page, "macroDelayAddButton")
        compare(library["M"], [data.delay + delay])
        compare(page.delayValue, data.delay)
        compare(field.text, data.shown)
    }

    // ---- Line operations

    // A cut line pastes once, a copied one any number of times; copying
    // writes nothing.
    function test_clipboard_data() {
        return [
            { tag: "cut", take: "macroLineCutButton", afterTake: ["A" + down, "1000" + delay],
              afterPastes: ["A" + down, "1000" + delay, "B" + up], pastes: 1 },
            { tag: "copy", take: "macroLineCopyButton", afterTake: null,
              afterPastes: ["A" + down, "B" + up, "B" + up, "B" + up, "1000" + delay], pastes: 2 }
        ]
    }

    function test_clipboard(data) {
        var page = startedPage({ "M": ["A" + down, "B" + up, "1000" + delay] }, "M")
        var paste = findChild(page, "macroLinePasteButton")
        verify(!paste.enabled)
        mouseClick(row(page, "macroActionList", 1))
        click(page, data.take)
        compare(page.scrapbook, "B" + up)
        compare(savedLines().length, data.afterTake === null ? 0 : 1)
        if (data.afterTake !== null)
            compare(library["M"], data.afterTake)
        verify(paste.enabled)
        for (var index = 0; index < data.pastes; ++index)
            click(page, "macroLinePasteButton")
        compare(library["M"], data.afterPastes)
        compare(paste.enabled, data.take === "macroLineCopyButton")
        if (data.take === "macroLineCutButton")
            compare(page.scrapbook, "")
    }

    // Each macro's edits reach its own file, whatever was selected between.
    function test_editsFollowTheShownMacro() {
        var page = startedPage({ "A": ["a"], "B": ["b"] }, "A")
        click(page, "macroDelayAddButton")
        mouseClick(row(page, "macroLibraryList", 1))
        captureKey(page, 0x06)
        click(page, "macroKeyAddButton")
        mouseClick(row(page, "macroLibraryList", 0))
        compare(shownLines(page), ["a", "1000" + delay])
        compare(library["A"], ["a", "1000" + delay])
        compare(library["B"], ["b", "C" + down, "C" + up])
    }

    // The macro file went away behind the page: the next edit finds out
    // and empties the list.
    function test_failedSaveClearsTheList_data() {
        return [
            { tag: "add a pause", button: "macroDelayAddButton", select: -1 },
            { tag: "delete a line", button: "macroLineDeleteButton", select: 0 },
            { tag: "cut a line", button: "macroLineCutButton", select: 1 }
        ]
    }

    function test_failedSaveClearsTheList(data) {
        var page = startedPage({ "M": ["a", "b"] }, "M")
        if (data.select >= 0)
            mouseClick(row(page, "macroActionList", data.select))
        delete library["M"]
        click(page, data.button)
        compare(ui_View.argumentsOf("saveMacroIni").length, 1)
        compare(page.actions.length, 0)
        compare(page.actionIndex, -1)
    }

    // ---- Recording

    function test_recording() {
        var page = startedPage({ "M": ["old" + down, "old" + up] }, "M")
        click(page, "macroRecordButton")
        compare(page.actions.length, 0)
        verify(page.isRecordStart)
        var locked = ["macroLibraryList", "macroAddButton", "macroDeleteButton", "macroRecordButton"]
        locked.forEach(function(name) { verify(!findChild(page, name).enabled, name) })
        verify(findChild(page, "macroStopButton").enabled)
        page.keyEvent(true, 0xE0)
        page.keyEvent(true, 0x04)
        page.keyEvent(true, 0x31)   // no label: not recorded
        page.keyEvent(false, 0x04)
        page.keyEvent(false, 0xE0)
        compare(savedLines().length, 0)
        click(page, "macroStopButton")
        var recorded = ["L Ctrl" + down, "A" + down, "A" + up, "L Ctrl" + up]
        compare(savedLines(), [recorded])
        compare(library["M"], recorded)
        verify(!page.isRecordStart)
        verify(findChild(page, "macroLibraryList").enabled)
    }

    // Leaving the page while recording ends the recording and keeps what it
    // took; keys pressed elsewhere are not recorded.
    function test_leavingThePageStopsRecording() {
        var page = startedPage({ "M": [] }, "M")
        click(page, "macroRecordButton")
        page.keyEvent(true, 0x29)
        page.visible = false
        verify(!page.isRecordStart)
        page.keyEvent(false, 0x29)
        compare(library["M"], ["Esc" + down])
    }
}
