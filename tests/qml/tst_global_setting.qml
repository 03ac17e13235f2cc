import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

// The global-settings panel against the recording view: its pure
// conversions, and which back-end calls its start-up, apply, reset and
// controls make, in which order.
TestCase {
    id: testCase
    name: "GlobalSetting"
    width: 400
    height: 460
    visible: true
    when: windowShown

    // The shipped configuration as the file gives it back: text.
    readonly property var shippedList: ["1", "1", "1", "0", "1", "false", "", "0",
        "0", "255", "255", "255", "200", "150", "255", "180", "0", "200", "200", "100",
        "200", "170", "255", "255", "180", "180", "160", "190", "160", "0", "7", "file:modules/help/index.html"]
    readonly property var languages: { "CHINESE (Simp)": "025044", "ENGLISH": "031000", "RUSSIAN": "096000" }

    function builtIn() {
        var strings = ["Arial"]
        for (var index = 1; index <= 116; ++index)
            strings.push("en" + index)
        return strings
    }

    function withEntry(list, index, value) {
        var copy = list.slice()
        copy[index] = value
        return copy
    }

    Component {
        id: panelComponent
        Page_Globalsetting {
            builtInStrings: testCase.builtIn()
            stringList: testCase.builtIn()
        }
    }
    Component { id: spyComponent; SignalSpy {} }

    function init() {
        failOnWarning(/.?/)
        ui_View.clear()
    }

    function makePanel() {
        return createTemporaryObject(panelComponent, testCase)
    }

    function spyOn(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
    }

    function answerShippedConfiguration(list) {
        ui_View.setAnswer("loadApConfig", list)
        ui_View.setAnswer("chkLanguages", languages)
        ui_View.setAnswer("getGlobalStrings", function(code) { return ["DejaVu Sans", "ru1", "", "ru3"] })
        ui_View.setAnswer("getIsSkinShow", true)
    }

    function test_brightnessAlpha_data() {
        return [
            { tag: "darkest", step: 0, alpha: 45 },
            { tag: "brightest", step: 7, alpha: 255 },
            { tag: "as text", step: "3", alpha: 135 },
            { tag: "above the range", step: 9, alpha: 255 },
            { tag: "below the range", step: -2, alpha: 45 }
        ]
    }

    function test_brightnessAlpha(data) {
        compare(makePanel().brightnessAlpha(data.step), data.alpha)
    }

    // Only a list of exactly the length the page writes is used.
    function test_usableConfiguration_data() {
        return [
            { tag: "none", list: [], isUsable: false },
            { tag: "one short", list: shippedList.slice(0, 31), isUsable: false },
            { tag: "complete", list: shippedList, isUsable: true },
            { tag: "one too many", list: shippedList.concat(["x"]), isUsable: false },
            { tag: "missing", list: undefined, isUsable: false }
        ]
    }

    function test_usableConfiguration(data) {
        compare(makePanel().isUsableConfiguration(data.list), data.isUsable)
    }

    function test_stateFromList_data() {
        return [
            { tag: "skin 2", index: 1, value: "2", key: "skinNo", expected: 2 },
            { tag: "skin beyond the installed ones", index: 1, value: "9", key: "skinNo", expected: 2 },
            { tag: "skin unreadable", index: 1, value: "blue", key: "skinNo", expected: 1 },
            { tag: "sound off", index: 2, value: "1", key: "isSoundOn", expected: false },
            { tag: "animation off", index: 3, value: "1", key: "isAnimationOn", expected: false },
            { tag: "text false is false", index: 5, value: "false", key: "isCustomBackground", expected: false },
            { tag: "brightness beyond 7", index: 30, value: "12", key: "brightnessStep", expected: 7 },
            { tag: "preset beyond 6", index: 29, value: "8", key: "presetIndex", expected: 6 }
        ]
    }

    function test_stateFromList(data) {
        var state = makePanel().stateFromList(withEntry(shippedList, data.index, data.value))
        compare(state[data.key], data.expected)
    }

    function test_colourChannelsAreClamped() {
        var state = makePanel().stateFromList(withEntry(withEntry(shippedList, 8, "300"), 9, "-4"))
        compare(state.presets[0], [255, 0, 255])
        compare(state.presets[6], [160, 190, 160])
    }

    function test_pictureUrl_data() {
        return [
            { tag: "plain path", stored: "file:/home/me/bg.png", url: "file:///home/me/bg.png" },
            { tag: "blank and hash", stored: "file:/home/me/a b#1.png", url: "file:///home/me/a%20b%231.png" },
            { tag: "none", stored: "", url: "" },
            { tag: "prefix only", stored: "file:", url: "" },
            { tag: "not a file", stored: "https://example.com/x.png", url: "" }
        ]
    }

    function test_pictureUrl(data) {
        compare(makePanel().pictureUrl(data.stored), data.url)
    }

    function test_missingStringsComeFromTheBuiltInList() {
        compare(makePanel().mergedStrings(["Font", "a", "", null], ["Arial", "A", "B", "C", "D"]),
                ["Font", "a", "B", "C", "D"])
    }

    // Skin, sound switch, animation, languages with the strings, then the
    // skin selector: the order the mouse pages rely on.
    function test_startUpReads() {
        var panel = makePanel()
        var skin = spyOn(panel, "skinChosen")
        var language = spyOn(panel, "languageChosen")
        answerShippedConfiguration(withEntry(shippedList, 1, "2"))
        verify(panel.initUI())
        compare(ui_View.callNames(), ["loadApConfig", "setEnableAudio", "chkLanguages", "getGlobalStrings", "getIsSkinShow"])
        compare(ui_View.argumentsOf("setEnableAudio"), [[false]])
        compare(ui_View.argumentsOf("getGlobalStrings"), [["031000"]])
        compare(skin.signalArguments[0][0], 2)
        compare(panel.languageNames, ["CHINESE (Simp)", "ENGLISH", "RUSSIAN"])
        compare(panel.languageIndex, 1)
        compare(language.signalArguments[0][1], "031000")
        compare(language.signalArguments[0][0][1], "ru1")
        compare(language.signalArguments[0][0][2], "en2")
        verify(panel.isSkinSelectorShown)
    }

    // A list of another length leaves the built-in values and no language
    // (which lengths count is test_usableConfiguration's).
    function test_startUpWithoutAUsableConfiguration() {
        var panel = makePanel()
        var language = spyOn(panel, "languageChosen")
        answerShippedConfiguration(shippedList.slice(0, 30))
        verify(!panel.initUI())
        compare(ui_View.callNames(), ["loadApConfig", "getIsSkinShow"])
        compare(panel.skinNo, 1)
        compare(panel.isAnimationOn, true)
        compare(panel.languageNames, [])
        compare(language.signalArguments[0][1], "")
        compare(language.signalArguments[0][0][1], "en1")
    }

    function test_languageOutsideTheListKeepsTheBuiltInStrings() {
        var panel = makePanel()
        answerShippedConfiguration(withEntry(shippedList, 4, "7"))
        panel.initUI()
        compare(ui_View.callNames().indexOf("getGlobalStrings"), -1)
        compare(panel.languageIndex, -1)
    }

    // Reset silences the sounds before the factory file replaces the
    // configuration, then reads it again.
    function test_reset() {
        var panel = makePanel()
        answerShippedConfiguration(shippedList)
        mouseClick(findChild(panel, "resetButton"))
        compare(ui_View.callNames(), ["playMedia_Index", "setEnableAudio", "clearAllMedia", "resetApconfig",
                                      "loadApConfig", "setEnableAudio", "chkLanguages", "getGlobalStrings",
                                      "getIsSkinShow", "playMedia_Index"])
        compare(ui_View.argumentsOf("setEnableAudio"), [[false], [false]])
        compare(ui_View.argumentsOf("playMedia_Index"), [[4], [0]])
    }

    // No factory configuration: the panel shows its built-in values, sound
    // on among them, so the switch goes back on with them.
    function test_resetWithoutAFactoryConfiguration() {
        var panel = makePanel()
        answerShippedConfiguration(shippedList)
        panel.initUI()
        compare(panel.isSoundOn, false)
        ui_View.clear()
        answerShippedConfiguration([])
        panel.reset()
        compare(ui_View.callNames(), ["setEnableAudio", "clearAllMedia", "resetApconfig", "loadApConfig",
                                      "getIsSkinShow", "setEnableAudio", "playMedia_Index"])
        compare(ui_View.argumentsOf("setEnableAudio"), [[false], [true]])
        compare(panel.isSoundOn, true)
    }

    function test_soundSwitch_data() {
        return [
            { tag: "on", wasOn: false, button: "soundOnButton",
              calls: ["playMedia_Index", "setEnableAudio", "playMedia_Index"], arguments: [[4], [true], [0]] },
            { tag: "off", wasOn: true, button: "soundOffButton",
              calls: ["playMedia_Index", "setEnableAudio", "clearAllMedia"], arguments: [[4], [false], []] },
            { tag: "on again", wasOn: true, button: "soundOnButton", calls: ["playMedia_Index"], arguments: [[4]] }
        ]
    }

    function test_soundSwitch(data) {
        var panel = makePanel()
        panel.isSoundOn = data.wasOn
        mouseClick(findChild(panel, data.button))
        compare(ui_View.callNames(), data.calls)
        var calls = ui_View.calls
        for (var index = 0; index < calls.length; ++index)
            compare(calls[index].args, data.arguments[index])
    }

    function test_customBackground_data() {
        return [
            { tag: "chosen", path: "/home/me/a b.png", isCustom: true, source: "file:///home/me/a%20b.png" },
            { tag: "cancelled or unreadable", path: "", isCustom: false, source: "" }
        ]
    }

    function test_customBackground(data) {
        var panel = makePanel()
        var background = spyOn(panel, "backgroundChosen")
        ui_View.setAnswer("getCustomFilePath", data.path)
        mouseClick(findChild(panel, "browseButton"))
        compare(panel.isCustomBackground, data.isCustom)
        compare(background.signalArguments[0][0], data.isCustom)
        compare(background.signalArguments[0][1], data.source)
        compare(panel.configurationList()[6], data.path === "" ? "" : "file:" + data.path)
    }
}
