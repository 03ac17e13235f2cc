import QtQuick
import QtTest
import "qrc:/modules/qml/Q4"

// The colour page and its model against the recording view: what the
// lighting command carries for each choice, which controls apply to which
// effect, the reads, apply and reset.
TestCase {
    id: testCase
    name: "ColorPage"
    width: 800
    height: 500
    visible: true
    when: windowShown

    Component { id: pageComponent; Page_Color {} }
    Component { id: modelComponent; Model_Color_Q4 {} }
    Component { id: spyComponent; SignalSpy {} }

    readonly property var palette: [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,
                                     13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24]

    function init() {
        failOnWarning(/.?/)
        ui_View.clear()
        ui_Ctl.clear()
    }

    function makeModel() {
        return createTemporaryObject(modelComponent, testCase)
    }

    // A page that read this effect triple and palette.
    function readPage(configs, colors) {
        ui_View.setAnswer("ui_8DH_GetRGBLedEffect", configs)
        ui_View.setAnswer("ui_90H_GetLED8StageColor", colors)
        var page = createTemporaryObject(pageComponent, testCase)
        page.initUI(8)
        ui_View.clear()
        return page
    }

    // The ends of the brightness and speed steps where an effect uses them
    // (0 where it does not), and the steps between.
    function test_ledEffectValues_data() {
        return [
            { tag: "static, brightest", effect: 0, brightness: 7, speed: 7, isOn: true, values: [1, 255, 0] },
            { tag: "breathing, slowest", effect: 2, brightness: 7, speed: 0, isOn: true, values: [3, 0, 10] },
            { tag: "breathing, fastest", effect: 2, brightness: 0, speed: 7, isOn: true, values: [3, 0, 1] },
            { tag: "effect 5, both ends", effect: 4, brightness: 7, speed: 7, isOn: true, values: [5, 255, 1] },
            { tag: "effect 6 uses neither", effect: 5, brightness: 7, speed: 0, isOn: true, values: [6, 0, 0] },
            { tag: "spotlight, slowest", effect: 9, brightness: 7, speed: 0, isOn: true, values: [10, 255, 30] },
            { tag: "spotlight, fastest", effect: 9, brightness: 0, speed: 7, isOn: true, values: [10, 0, 20] },
            { tag: "dimmest lit step", effect: 0, brightness: 1, speed: 0, isOn: true, values: [1, 45, 0] },
            { tag: "middle brightness", effect: 8, brightness: 4, speed: 7, isOn: true, values: [9, 150, 5] },
            { tag: "breathing, rounded", effect: 2, brightness: 7, speed: 3, isOn: true, values: [3, 0, 6] },
            { tag: "flipping, rounded", effect: 7, brightness: 0, speed: 4, isOn: true, values: [8, 0, 14] },
            { tag: "spotlight, rounded up", effect: 9, brightness: 0, speed: 1, isOn: true, values: [10, 0, 29] },
            { tag: "power off", effect: 4, brightness: 7, speed: 3, isOn: false, values: [0, 0, 0] },
            { tag: "indices beyond the ends", effect: 12, brightness: 9, speed: -2, isOn: true, values: [10, 255, 30] }
        ]
    }

    function test_ledEffectValues(data) {
        compare(makeModel().ledEffectValues(data.effect, data.brightness, data.speed, data.isOn), data.values)
    }

    // What the profile keeps and what the page makes of it.
    function test_storedTriple_data() {
        return [
            { tag: "on", stored: ["2", "7", "4"], state: { isPowerOn: true, effect: 2, brightness: 7, speed: 4 } },
            { tag: "all zero is off", stored: ["0", "0", "0"], state: { isPowerOn: false, effect: 0, brightness: 0, speed: 0 } },
            { tag: "static, dark but on", stored: [0, 0, 3], state: { isPowerOn: true, effect: 0, brightness: 0, speed: 3 } },
            { tag: "beyond the ends", stored: [15, 8, -1], state: { isPowerOn: true, effect: 9, brightness: 7, speed: 0 } },
            { tag: "two entries", stored: [1, 2], state: null },
            { tag: "four entries", stored: [1, 2, 3, 4], state: null }
        ]
    }

    function test_storedTriple(data) {
        var model = makeModel()
        compare(model.stateOf(data.stored), data.state)
        if (data.state)
            compare(model.stateOf(model.configsOf(data.state.effect, data.state.brightness, data.state.speed,
                                                  data.state.isPowerOn)), data.state)
    }

    // The factory list: palette then triple; a part the file lacks is null.
    function test_factoryList_data() {
        return [
            { tag: "whole", list: palette.concat(["3", "5", "6"]), palette: palette, effect: 3 },
            { tag: "no triple", list: palette, palette: palette, effect: null },
            { tag: "no palette", list: ["3", "5", "6"], palette: null, effect: 3 },
            { tag: "nothing", list: [], palette: null, effect: null },
            { tag: "a colour missing", list: palette.slice(1).concat([3, 5, 6]), palette: null, effect: null }
        ]
    }

    function test_factoryList(data) {
        var defaults = makeModel().defaultsOf(data.list)
        compare(defaults.palette, data.palette)
        compare(defaults.configs ? defaults.configs.effect : null, data.effect)
    }

    function test_startUpReads() {
        var page = createTemporaryObject(pageComponent, testCase)
        var read = createTemporaryObject(spyComponent, testCase, { target: page, signalName: "valuesRead" })
        ui_View.setAnswer("ui_8DH_GetRGBLedEffect", [8, 3, 2])
        ui_View.setAnswer("ui_90H_GetLED8StageColor", palette.map(String))
        page.initUI(5)
        compare(ui_View.callNames(), ["ui_90H_GetLED8StageColor", "ui_8DH_GetRGBLedEffect"])
        compare(ui_View.argumentsOf("ui_90H_GetLED8StageColor"), [[0]])
        compare(read.count, 1)
        compare([page.effectIndex, page.brightnessIndex, page.speedIndex, page.isPowerOn], [8, 3, 2, true])
        compare(findChild(page, "paletteGroup").colors, palette)
        compare(findChild(page, "paletteGroup").slotCount, 5)
        compare(findChild(page, "effectList").currentIndex, 8)
    }

    // Lists of another length leave the page as it was.
    function test_listsOfTheWrongLength() {
        var page = readPage([4, 2, 1], palette)
        ui_View.setAnswer("ui_8DH_GetRGBLedEffect", [0, 0])
        ui_View.setAnswer("ui_90H_GetLED8StageColor", palette.slice(0, 23))
        page.refreshUI()
        compare([page.effectIndex, page.brightnessIndex, page.speedIndex], [4, 2, 1])
        compare(findChild(page, "paletteGroup").colors, palette)
    }

    // Each slider and the palette only for the effects they apply to;
    // nothing with the power off.
    function test_controlsPerEffect_data() {
        return [
            { tag: "static", configs: [0, 3, 3], isEffectShown: true, isBrightness: true, isSpeed: false, isPalette: true },
            { tag: "effect 6", configs: [5, 3, 3], isEffectShown: true, isBrightness: false, isSpeed: false, isPalette: false },
            { tag: "spotlight", configs: [9, 3, 3], isEffectShown: true, isBrightness: true, isSpeed: true, isPalette: true },
            { tag: "power off", configs: [0, 0, 0], isEffectShown: false, isBrightness: false, isSpeed: false, isPalette: false }
        ]
    }

    function test_controlsPerEffect(data) {
        var page = readPage(data.configs, palette)
        compare(findChild(page, "effectList").enabled, data.isEffectShown)
        compare(findChild(page, "ledBrightnessSlider").enabled, data.isBrightness)
        compare(findChild(page, "ledSpeedSlider").enabled, data.isSpeed)
        compare(findChild(page, "paletteGroup").enabled, data.isPalette)
        compare(findChild(page, "paletteStrip").enabled, data.isPalette)
    }

    // Choices made with the controls, then APPLY: the effect first, the
    // palette second, the view locked.
    function test_apply() {
        var page = readPage([0, 7, 0], palette)
        mouseClick(findChild(page, "effectList"))
        mouseClick(findChild(page, "effectList_row8"))
        var slider = findChild(page, "ledSpeedSlider")
        mouseClick(slider, slider.width * 0.99, 7)
        slider = findChild(page, "ledBrightnessSlider")
        mouseClick(slider, 2, 7)
        mouseClick(findChild(page, "paletteGroup_1"))
        var strip = findChild(page, "paletteStrip")
        mouseClick(strip, 10, strip.height * 0.5)
        ui_View.clear()
        mouseClick(findChild(page, "colorButtons_apply"))
        compare(ui_View.callNames(), ["playMedia_Index", "ui_0DH_SetRGBLedEffect", "ui_10H_SetLED8StageColor"])
        compare(ui_View.argumentsOf("ui_0DH_SetRGBLedEffect"), [[9, 0, 5, [8, 0, 7]]])
        var colours = palette.slice()
        colours.splice(3, 3, 0, 255, 255)
        compare(ui_View.argumentsOf("ui_10H_SetLED8StageColor"), [[0, colours]])
        compare(ui_Ctl.calls, ["setBusy(800)"])
    }

    // The power box off: the mouse gets all zeros and so does the profile.
    function test_applyWithThePowerOff() {
        var page = readPage([2, 7, 4], palette)
        mouseClick(findChild(page, "ledPowerBox"))
        verify(!page.isPowerOn)
        ui_View.clear()
        page.totalApply()
        compare(ui_View.argumentsOf("ui_0DH_SetRGBLedEffect"), [[0, 0, 0, [0, 0, 0]]])
    }

    // RESET shows and sends the factory lighting; what the factory file
    // lacks comes from the page's own.
    function test_reset_data() {
        return [
            { tag: "whole", list: palette.concat(["9", "7", "0"]), sent: [10, 255, 30, [9, 7, 0]], colors: palette },
            { tag: "no factory file", list: [], sent: [3, 0, 5, [2, 7, 4]], colors: null }
        ]
    }

    function test_reset(data) {
        var page = readPage([0, 0, 0], palette)
        ui_View.setAnswer("loadDefaultProfile", data.list)
        page.totalReset()
        compare(ui_View.callNames(), ["loadDefaultProfile", "ui_0DH_SetRGBLedEffect", "ui_10H_SetLED8StageColor"])
        compare(ui_View.argumentsOf("loadDefaultProfile"), [[2]])
        compare(ui_View.argumentsOf("ui_0DH_SetRGBLedEffect"), [data.sent])
        compare(ui_View.argumentsOf("ui_10H_SetLED8StageColor"),
                [[0, data.colors || findChild(page, "colorModel").colors_Default]])
        verify(page.isPowerOn)
        compare(ui_Ctl.calls, ["setBusy(800)"])
    }

    // After a profile switch the page shows the new profile, and the
    // controls follow even after the user moved them.
    function test_refreshAfterTheUserMovedTheControls() {
        var page = readPage([4, 2, 1], palette)
        var slider = findChild(page, "ledBrightnessSlider")
        mouseClick(slider, slider.width * 0.99, 7)
        compare(page.brightnessIndex, 7)
        ui_View.setAnswer("ui_8DH_GetRGBLedEffect", [4, 3, 1])
        page.refreshUI()
        compare(slider.currentIndex, 3)
    }
}
