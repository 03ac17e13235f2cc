import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/Q4"

// The key-definition page: the model's two translations in both directions
// for rows of every menu, its slot and guard bookkeeping, and the page against
// the recording view with a small macro library behind it.
TestCase {
    id: testCase
    name: "KeyPage"
    width: 800
    height: 500
    visible: true
    when: windowShown

    Component { id: modelComponent; Model_KeyDefine_Q4 {} }
    Component { id: pageComponent; Page_Keydefine {} }
    Component { id: spyComponent; SignalSpy {} }
    KeyCodeString { id: keyTable }

    // "string N" for global string N, so a label shows which one it is.
    readonly property var strings: {
        var list = []
        for (var index = 0; index < 117; ++index)
            list.push("string " + index)
        return list
    }

    // Each test starts from the factory buttons, no macros and a declined
    // question.
    function init() {
        failOnWarning(/.?/)
        ui_View.clear()
        ui_Ctl.clear()
        profile = factoryEntries()
        library = {}
        isConfirmed = false
    }

    function keyModel() {
        return createTemporaryObject(modelComponent, testCase)
    }

    // ---- Both translations, one table: rows of every menu.

    function test_translation_data() {
        var rows = [
            { tag: "keyboard A", category: 0, choice: { usage: 0x04 }, entry: [0x00, 0x00, 0x04, 0x00] },
            { tag: "keyboard R Win", category: 0, choice: { usage: 0xE7 }, entry: [0x00, 0x00, 0xE7, 0x00] },
            { tag: "combo L Shift A B", category: 3, choice: { modifierRow: 2, key1: 0x04, key2: 0x05 },
              entry: [0x00, 0x02, 0x04, 0x05] },
            { tag: "combo without modifier", category: 3, choice: { modifierRow: 0, key1: 0x04, key2: 0x05 },
              entry: [0x00, 0x00, 0x04, 0x05] },
            { tag: "combo nothing", category: 3, choice: { modifierRow: 0, key1: 0, key2: 0 },
              entry: [0x00, 0x00, 0x00, 0x00] },
            { tag: "combo R Win, one key", category: 3, choice: { modifierRow: 8, key1: 0x1E, key2: 0 },
              entry: [0x00, 0x80, 0x1E, 0x00] },
            { tag: "led control", category: 6, choice: {}, entry: [0x0B, 0x00, 0x00, 0x00] }
        ]
        // A few rows of each list: the first, one of each shape, the last.
        var mouse = { 0: [0x01, 0x00, 0xF0, 0x00], 5: [0x0A, 0xF0, 0x21, 0x03], 6: [0x07, 0x00, 0x01, 0x00],
                      10: [0x04, 0x00, 0x02, 0x00] }
        for (var row in mouse)
            rows.push({ tag: "mouse row " + row, category: 1, choice: { row: Number(row) }, entry: mouse[row] })
        var media = { 0: [0xB5, 0x00], 7: [0x83, 0x01], 17: [0x2A, 0x02] }
        for (row in media)
            rows.push({ tag: "media row " + row, category: 2, choice: { row: Number(row) },
                        entry: [0x03, 0x00, media[row][0], media[row][1]] })
        rows.push({ tag: "macro mode 0 slot 1", category: 4, choice: { mode: 0, slot: 1 }, entry: [0x09, 0, 1, 0] })
        rows.push({ tag: "macro mode 2 slot 12", category: 4, choice: { mode: 2, slot: 12 }, entry: [0x09, 2, 12, 0] })
        rows.push({ tag: "fire left, speed 0", category: 5, choice: { source: 0xF0, speedIndex: 0, count: 10 },
                    entry: [0x0A, 0xF0, 255, 10] })
        rows.push({ tag: "fire forward, 255 shots", category: 5, choice: { source: 0xF4, speedIndex: 3, count: 255 },
                    entry: [0x0A, 0xF4, 150, 255] })
        rows.push({ tag: "fire key Space", category: 5, choice: { source: 0x2C, speedIndex: 6, count: 0 },
                    entry: [0x0A, 0x2C, 45, 0] })
        return rows
    }

    function test_translation(data) {
        var model = keyModel()
        compare(model.entryForChoice(data.category, data.choice), data.entry, "choice -> entry")
        var shown = model.describeEntry(data.entry)
        compare(shown.category, data.category, "entry -> category")
        for (var field in data.choice)
            compare(shown[field], data.choice[field], "entry -> " + field)
    }

    // Entries no choice makes, as the page shows them.
    function test_decodingOnly_data() {
        return [
            { tag: "class 05", entry: [0x05, 0x00, 0x03, 0x00], shown: { category: -1 } },
            { tag: "empty", entry: [0, 0, 0, 0], shown: { category: 3, modifierRow: 0, key1: 0, key2: 0 } },
            { tag: "two modifiers: the lowest", entry: [0x00, 0x06, 0x04, 0x00],
              shown: { category: 3, modifierRow: 2, key1: 4, key2: 0 } },
            { tag: "unknown consumer usage", entry: [0x03, 0x00, 0x99, 0x00], shown: { category: 2, row: -1 } },
            { tag: "DPI 0", entry: [0x07, 0x00, 0x00, 0x00], shown: { category: 1, row: -1 } },
            { tag: "mouse code F5", entry: [0x01, 0x00, 0xF5, 0x00], shown: { category: -1 } },
            { tag: "led with a parameter", entry: [0x0B, 0x01, 0x00, 0x00], shown: { category: -1 } },
            { tag: "fire interval 0", entry: [0x0A, 0xF1, 0x00, 0x05], shown: { category: 5, source: 0xF1, speedIndex: 7, count: 5 } },
            { tag: "fire interval 100", entry: [0x0A, 0x04, 100, 1], shown: { category: 5, source: 0x04, speedIndex: 4, count: 1 } },
            { tag: "macro with byte 3 set", entry: [0x09, 0x02, 0x05, 0x07], shown: { category: 4, mode: 2, slot: 5 } },
            { tag: "as the profile's text", entry: ["9", "1", "3", "0"], shown: { category: 4, mode: 1, slot: 3 } },
            { tag: "too short", entry: [0x01, 0x00], shown: { category: -1 } },
            { tag: "nothing", entry: null, shown: { category: -1 } }
        ]
    }

    function test_decodingOnly(data) {
        var shown = keyModel().describeEntry(data.entry)
        for (var field in data.shown)
            compare(shown[field], data.shown[field], field)
    }

    function test_choicesThatNameNothing_data() {
        return [
            { tag: "mouse row 11", category: 1, choice: { row: 11 } },
            { tag: "media row -1", category: 2, choice: { row: -1 } },
            { tag: "macro slot 13", category: 4, choice: { mode: 0, slot: 13 } },
            { tag: "category 7", category: 7, choice: {} }
        ]
    }

    function test_choicesThatNameNothing(data) {
        compare(keyModel().entryForChoice(data.category, data.choice), null)
    }

    // A slider without a step must not give a byte above 255: it counts as
    // the starting step 7.
    function test_fireInterval_data() {
        return [
            { tag: "no step", speed: -1, interval: 10 },
            { tag: "0", speed: 0, interval: 255 }, { tag: "1", speed: 1, interval: 220 },
            { tag: "7", speed: 7, interval: 10 },
            { tag: "beyond the slider", speed: 8, interval: 10 },
            { tag: "not a number", speed: undefined, interval: 10 }
        ]
    }

    function test_fireInterval(data) {
        var model = keyModel()
        compare(model.fireInterval(data.speed), data.interval)
        compare(model.entryForChoice(5, { source: 0xF0, speedIndex: data.speed, count: 999 }),
                [0x0A, 0xF0, data.interval, 255])
    }

    // ---- Bookkeeping.

    function entriesWithMacros(slots) {
        var entries = []
        for (var button = 0; button < 16; ++button)
            entries.push(button < slots.length ? [0x09, 0x00, slots[button], 0x00] : [0x01, 0x00, 0xF1, 0x00])
        return entries
    }

    function test_lowestFreeSlot_data() {
        return [
            { tag: "none used", slots: [], free: 0 },
            { tag: "one slot on two buttons", slots: [1, 1, 2], free: 2 },
            { tag: "twelve used", slots: [12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1], free: -1 },
            { tag: "twelve used, one freed", slots: [1, 2, 3, 4, 5, 0, 7, 8, 9, 10, 11, 12], free: 5 }
        ]
    }

    function test_lowestFreeSlot(data) {
        compare(keyModel().lowestFreeMacroSlot(entriesWithMacros(data.slots)), data.free)
    }

    // ---- The page against the recording view and a small library.

    // The mouse's buttons as the page reads them, and the macro files:
    // name -> [index, repeat].
    property var profile: []
    property var library: ({})
    property bool isConfirmed: false

    function factoryEntries() {
        return keyModel().entriesOf(keyModel().keyCode_Default)
    }

    function answerFromLibrary() {
        ui_View.setAnswer("loadDefaultProfile", keyModel().keyCode_Default.map(String))
        ui_View.setAnswer("getKeydefine", function(button) {
            return testCase.profile[button] ? testCase.profile[button].map(String) : []
        })
        ui_View.setAnswer("getMacroIniNames", function() {
            return Object.keys(testCase.library).sort().map(function(name) { return name + ".bin" })
        })
        ui_View.setAnswer("loadMacroIniConfig", function(name) {
            return testCase.library[name] ? testCase.library[name].slice() : []
        })
        ui_View.setAnswer("setMacroIniConfig", function(name, config) {
            if (testCase.library[name])
                testCase.library[name] = [config[0], config[1]]
        })
        ui_View.setAnswer("getMsgAns_FoolProofing", function() { return testCase.isConfirmed })
        ui_View.setAnswer("getScrollPinSwap", true)
    }

    // A started page with button `button` selected (position), the calls
    // of its start forgotten.
    function startedPage(button) {
        answerFromLibrary()
        var page = createTemporaryObject(pageComponent, testCase, { keyNames: keyTable, stringList: strings })
        page.translateStrings(page.keyModel.builtInButtonNames)
        page.initUI()
        if (button !== undefined)
            page.selectRow(page.keyModel.mapping_for_keyId.indexOf(button))
        forgetCalls()
        return page
    }

    // The view forgets the calls and its answers with them.
    function forgetCalls() {
        ui_View.clear()
        answerFromLibrary()
    }

    function namesOfCalls(names) {
        return ui_View.callNames().filter(function(name) { return names.indexOf(name) >= 0 })
    }

    function test_startUpReads() {
        profile[5] = [0x00, 0x00, 0x04, 0x00]
        profile[9] = []
        profile[10] = ["3", "x", "35", "2"]
        answerFromLibrary()
        var page = createTemporaryObject(pageComponent, testCase, { keyNames: keyTable, stringList: strings })
        var read = createTemporaryObject(spyComponent, testCase, { target: page, signalName: "valuesRead" })
        page.initUI()
        compare(read.count, 1)
        compare(page.keyModel.entry(5), [0x00, 0x00, 0x04, 0x00])
        // A button the profile does not hold, or holds unreadable, keeps
        // its factory function.
        compare(page.keyModel.entry(9), [0x03, 0x00, 0x8A, 0x01])
        compare(page.keyModel.entry(10), [0x03, 0x00, 0x23, 0x02])
        compare(page.isScrollSwap, true)
    }

    function test_showEntry_data() {
        return [
            { tag: "keyboard", entry: [0x00, 0x00, 0x04, 0x00], category: 0, fields: { keyField: 0x04 } },
            { tag: "combo", entry: [0x00, 0x02, 0x04, 0x05], category: 3,
              lists: { modifierList: 2 }, fields: { comboKey1Field: 0x04, comboKey2Field: 0x05 } },
            { tag: "media", entry: [0x03, 0x00, 0x2A, 0x02], category: 2, lists: { mediaList: 17 } },
            { tag: "fire with a key", entry: [0x0A, 0x04, 0x2D, 0x07], category: 5,
              fields: { fireKeyField: 0x04 }, slider: 6, fireCount: 7, isMouseSource: false },
            { tag: "fire with a button", entry: [0x0A, 0xF2, 0xFF, 0x01], category: 5,
              lists: { fireButtonList: 2 }, slider: 0, fireCount: 1, isMouseSource: true },
            { tag: "class 05", entry: [0x05, 0x00, 0x03, 0x00], category: -1 }
        ]
    }

    function test_showEntry(data) {
        profile[4] = data.entry
        var page = startedPage(4)
        compare(page.shownCategory, data.category)
        compare(findChild(page, "categoryList").currentIndex, data.category)
        for (var list in data.lists || {})
            compare(findChild(page, list).currentIndex, data.lists[list], list)
        for (var field in data.fields || {})
            compare(findChild(page, field).keyCode, data.fields[field], field)
        if (data.slider !== undefined) {
            compare(findChild(page, "fireSpeedSlider").currentIndex, data.slider)
            compare(page.fireCount, data.fireCount)
            compare(page.isFireMouseSource, data.isMouseSource)
        }
    }

    // Choosing a category: controls to their start, a macro entry cleared
    // and its slot given back, LED CONTROL set at once.
    function test_chooseCategory() {
        profile[4] = [0x09, 0x01, 0x02, 0x00]
        library = { "Blink": [1, 9], "Idle": [-1, 4] }
        var page = startedPage(4)
        page.chooseCategory(5)
        compare(page.keyModel.entry(4), [0, 0, 0, 0])
        compare(library["Blink"], [-1, 1])
        compare(library["Idle"], [-1, 4], "an unassigned record is not rewritten")
        compare(findChild(page, "fireSpeedSlider").currentIndex, -1)
        compare(page.fireCount, 10)
        compare(page.macroMode, 0)
        compare(page.macroCount, 1)
        compare(findChild(page, "macroList").currentIndex, -1)
        page.chooseCategory(6)
        compare(page.keyModel.entry(4), [0x0B, 0, 0, 0])
        verify(namesOfCalls(["ui_12H_SetKeyMatrix", "ui_13H_SetMacroKey"]).length === 0)
    }

    function test_fireKey() {
        var page = startedPage(4)
        page.chooseCategory(5)
        var slider = findChild(page, "fireSpeedSlider")
        compare(slider.currentIndex, -1)
        mouseClick(findChild(page, "fireButtonList"))
        mouseClick(findChild(page, "fireButtonList_row0"))
        compare(page.keyModel.entry(4), [0x0A, 0xF0, 0x0A, 0x0A])
        compare(slider.currentIndex, 7, "the slider shows the interval sent")
        mouseClick(slider, 5, slider.height / 2)
        compare(page.keyModel.entry(4), [0x0A, 0xF0, 0xFF, 0x0A])
        var count = findChild(page, "fireCountField_input")
        count.text = "300"
        count.editingFinished()
        compare(count.text, "255")
        compare(page.keyModel.entry(4), [0x0A, 0xF0, 0xFF, 0xFF])
    }

    // ---- The guard of the last left button.

    function test_guard_data() {
        return [
            { tag: "the only left, declined", second: false, answer: false, asks: 1, entry: [0x01, 0x00, 0xF0, 0x00] },
            { tag: "the only left, confirmed", second: false, answer: true, asks: 1, entry: [0x01, 0x00, 0xF2, 0x00] },
            { tag: "two left buttons", second: true, answer: false, asks: 0, entry: [0x01, 0x00, 0xF2, 0x00] }
        ]
    }

    function test_guard(data) {
        if (data.second)
            profile[15] = [0x01, 0x00, 0xF0, 0x00]
        isConfirmed = data.answer
        var page = startedPage(0)
        findChild(page, "mouseList").choose(2)
        compare(namesOfCalls(["getMsgAns_FoolProofing"]).length, data.asks)
        compare(page.keyModel.entry(0), data.entry)
        compare(findChild(page, "mouseList").currentIndex, data.entry[2] - 0xF0)
    }

    function test_resetAsksForTheLastLeftButton() {
        profile[3] = [0x01, 0x00, 0xF0, 0x00]
        profile[0] = [0x01, 0x00, 0xF1, 0x00]
        var page = startedPage(3)
        page.resetSelectedButton()
        compare(namesOfCalls(["getMsgAns_FoolProofing"]).length, 1)
        compare(page.keyModel.entry(3), [0x01, 0x00, 0xF0, 0x00])
        isConfirmed = true
        page.resetSelectedButton()
        compare(page.keyModel.entry(3), [0x01, 0x00, 0xF4, 0x00])
        compare(findChild(page, "mouseList").currentIndex, 4)
    }

    // ---- Macro slots.

    function test_macroAssignment() {
        profile[1] = [0x09, 0x00, 0x01, 0x00]
        library = { "Alpha": [0, 1], "Beta": [-1, 1], "Gamma": [-1, 2] }
        var page = startedPage(4)
        page.chooseCategory(4)
        compare(page.macroNames, ["Alpha", "Beta", "Gamma"])
        forgetCalls()
        page.macroCount = 3
        findChild(page, "macroList").choose(1)
        compare(ui_View.argumentsOf("setMacroIniConfig"), [["Beta", [1, 3]]])
        compare(ui_View.argumentsOf("ui_13H_SetMacroKey"), [[2, "Beta"]])
        compare(page.keyModel.entry(4), [0x09, 0x00, 0x02, 0x00])

        // Another macro for the same button: Beta's slot is given back and
        // taken again by Gamma.
        forgetCalls()
        findChild(page, "macroList").choose(2)
        compare(library["Beta"], [-1, 1])
        compare(library["Gamma"], [1, 3])
        compare(ui_View.argumentsOf("ui_13H_SetMacroKey"), [[2, "Gamma"]])

        // A macro already in a slot keeps it: Alpha on a second button.
        page.selectRow(page.keyModel.mapping_for_keyId.indexOf(5))
        page.chooseCategory(4)
        forgetCalls()
        findChild(page, "macroList").choose(0)
        page.chooseMacroMode(2)
        compare(page.keyModel.entry(5), [0x09, 0x02, 0x01, 0x00])
        compare(library["Alpha"], [0, 1])
        compare(ui_View.argumentsOf("ui_13H_SetMacroKey"), [[1, "Alpha"], [1, "Alpha"]])
        verify(namesOfCalls(["ui_12H_SetKeyMatrix"]).length === 0, "nothing but macro slots before apply")
    }

    function test_macroCountAssignsInNormalPlay() {
        library = { "Alpha": [-1, 1] }
        var page = startedPage(4)
        page.chooseCategory(4)
        findChild(page, "macroList").choose(0)
        forgetCalls()
        var count = findChild(page, "macroCountField_input")
        count.text = "70000"
        count.editingFinished()
        compare(count.text, "65535")
        compare(library["Alpha"], [0, 65535])
        compare(page.keyModel.entry(4), [0x09, 0x00, 0x01, 0x00])
        page.chooseMacroMode(1)
        forgetCalls()
        count.text = "5"
        count.editingFinished()
        compare(ui_View.argumentsOf("ui_13H_SetMacroKey"), [], "only NORMAL PLAY sends on a count")
        compare(page.macroCount, 5)
    }

    function test_twelveSlotsInUse() {
        var slotsTaken = [0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12]
        for (var button = 0; button < 12; ++button) {
            profile[slotsTaken[button]] = [0x09, 0x00, button + 1, 0x00]
            library["Macro " + (button + 10)] = [button, 1]
        }
        library["Late"] = [-1, 1]
        var page = startedPage(14)
        page.chooseCategory(4)
        forgetCalls()
        findChild(page, "macroList").choose(page.macroNames.indexOf("Late"))
        compare(page.keyModel.entry(14), [0, 0, 0, 0])
        compare(ui_View.argumentsOf("setMacroIniConfig"), [])
        compare(ui_View.argumentsOf("ui_13H_SetMacroKey"), [])

        // One slot given back by a reset of its button: the next macro
        // takes it.
        page.selectRow(page.keyModel.mapping_for_keyId.indexOf(6))
        page.resetSelectedButton()
        compare(library["Macro 15"], [-1, 1])
        page.selectRow(page.keyModel.mapping_for_keyId.indexOf(14))
        page.chooseCategory(4)
        findChild(page, "macroList").choose(page.macroNames.indexOf("Late"))
        compare(page.keyModel.entry(14), [0x09, 0x00, 0x06, 0x00])
    }

    // A record left from another profile's buttons gives its slot up to
    // the macro that takes it now.
    function test_slotTakenFromAStaleRecord() {
        library = { "New": [-1, 1], "Old": [0, 4] }
        var page = startedPage(4)
        page.chooseCategory(4)
        findChild(page, "macroList").choose(0)
        compare(page.keyModel.entry(4), [0x09, 0x00, 0x01, 0x00])
        compare(library["Old"], [-1, 1])
        compare(library["New"], [0, 1])
    }

    // A macro whose file went away after the list was read sends nothing.
    function test_macroFileGone() {
        library = { "Alpha": [-1, 1], "Beta": [-1, 1] }
        var page = startedPage(4)
        page.chooseCategory(4)
        delete library["Alpha"]
        findChild(page, "macroList").choose(0)
        compare(ui_View.argumentsOf("ui_13H_SetMacroKey"), [])
        compare(page.macroNames, ["Beta"])
        compare(page.keyModel.entry(4), [0, 0, 0, 0])
    }

    // ---- ALL RESET, apply.

    function test_allResetFreesSlots() {
        profile[3] = [0x09, 0x00, 0x01, 0x00]
        profile[4] = [0x00, 0x00, 0x04, 0x00]
        library = { "Alpha": [0, 5], "Beta": [-1, 2] }
        var page = startedPage(3)
        page.totalReset()
        compare(page.keyModel.matrix(), keyModel().keyCode_Default)
        compare(library["Alpha"], [-1, 1])
        compare(ui_View.argumentsOf("setMacroIniConfig"), [["Alpha", [-1, 1]]])
        compare(page.shownCategory, 1)
        compare(findChild(page, "mouseList").currentIndex, 4)
        compare(namesOfCalls(["ui_12H_SetKeyMatrix", "setScrollPinSwap"]), [], "nothing is sent until apply")
    }

    function test_apply() {
        profile[2] = [0x03, 0x00, 0xCD, 0x00]
        var page = startedPage(4)
        page.chooseCategory(2)
        page.chooseMedia(4)
        mouseClick(findChild(page, "keyApplyButton"))
        compare(ui_Ctl.calls, ["setBusy(800)"])
        compare(namesOfCalls(["setScrollPinSwap", "ui_12H_SetKeyMatrix"]), ["setScrollPinSwap", "ui_12H_SetKeyMatrix"])
        compare(ui_View.argumentsOf("setScrollPinSwap"), [[true]])
        var sent = ui_View.argumentsOf("ui_12H_SetKeyMatrix")[0][0]
        compare(sent.length, 64)
        compare(sent, page.keyModel.matrix())
        compare(sent.slice(8, 12), [0x03, 0x00, 0xCD, 0x00])
        compare(sent.slice(16, 20), [0x03, 0x00, 0xE2, 0x00])
    }
}
