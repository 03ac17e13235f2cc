import QtQuick
import QtTest
import "qrc:/modules/qml/Q4"

// The sensor page against the recording view: the conversions between what
// the page shows and what the mouse gets, the order of its reads and
// sends, and the lists it refuses.
TestCase {
    id: testCase
    name: "SensorPage"
    width: 800
    height: 500
    visible: true
    when: windowShown

    Component { id: pageComponent; Page_Sensor {} }
    Component { id: spyComponent; SignalSpy {} }

    readonly property var rgbTable: [10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120,
                                     130, 140, 150, 160, 170, 180, 190, 200, 210, 220, 230, 240]

    function init() {
        failOnWarning(/.?/)
        ui_View.clear()
        ui_Ctl.clear()
    }

    function makePage() {
        return createTemporaryObject(pageComponent, testCase)
    }

    // A page that read a mouse with this sensor; answers overrides the
    // rest of what the profile holds.
    function readPage(sensorType, isLogoLed, answers) {
        ui_View.setAnswer("getSensorType", sensorType)
        ui_View.setAnswer("chkIsLogoLedWork", isLogoLed)
        ui_View.setAnswer("ui_91H_SyncDPI", 8)
        for (var name in answers)
            ui_View.setAnswer(name, answers[name])
        var page = makePage()
        page.initUI()
        ui_View.clear()
        return page
    }

    // The first and last codes of each sensor and where their scales change.
    function test_dpiCode_data() {
        return [
            { tag: "type 0: 250", type: 0, value: 250, code: 0x01 },
            { tag: "type 0: 2500", type: 0, value: 2500, code: 0x45 },
            { tag: "type 1: 7000", type: 1, value: 7000, code: 0x4E },
            { tag: "type 2: 1500", type: 2, value: 1500, code: 0x46 },
            { tag: "type 3: 6000", type: 3, value: 6000, code: 0x5D },
            { tag: "unused stage", type: 0, value: 0, code: 0x80 },
            { tag: "a value of another sensor", type: 0, value: 600, code: 0x80 },
            { tag: "type 3 has no 500", type: 3, value: 500, code: 0x80 },
            { tag: "between two values", type: 2, value: 2600, code: 0x80 },
            { tag: "unknown sensor", type: 4, value: 1000, code: 0x80 },
            { tag: "sensor not asked", type: 255, value: 500, code: 0x80 },
            { tag: "value as stored text", type: 3, value: "10000", code: 0x71 }
        ]
    }

    function test_dpiCode(data) {
        compare(makePage().dpiCode(data.type, data.value), data.code)
    }

    // Every code the page sends reads back as the value it stands for.
    function test_codesDecodeToTheirValues() {
        var page = makePage()
        for (var type = 0; type < 4; ++type) {
            var offered = page.offeredValues(type)
            compare(offered[0], 0)
            compare(offered.length, [13, 12, 11, 18][type])
            offered.forEach(function(value) {
                compare(page.dpiValue(type, page.dpiCode(type, value)), value, "type " + type + ": " + value)
            })
        }
        compare(page.dpiValue(3, 0x00), 100)
        compare(page.dpiValue(255, 0x04), 0)
    }

    // The report rate is sent as 1 << (3 - index) and read back by the
    // lowest set bit; the stage as its number from 1. Both read back
    // clamped to the page's range.
    function test_wireBytes_data() {
        return [
            { tag: "125 Hz", kind: "rate", index: 0, wire: 8, readIndex: 0 },
            { tag: "1000 Hz", kind: "rate", index: 3, wire: 1, readIndex: 3 },
            { tag: "rate: nothing stored", kind: "rate", index: null, wire: 0, readIndex: 3 },
            { tag: "rate: all bits", kind: "rate", index: null, wire: 0xFF, readIndex: 3 },
            { tag: "rate: lowest bit decides", kind: "rate", index: null, wire: 0x0C, readIndex: 1 },
            { tag: "rate as stored text", kind: "rate", index: null, wire: "4", readIndex: 1 },
            { tag: "rate index below the range", kind: "rate", index: -1, wire: 8, readIndex: 0 },
            { tag: "rate index above the range", kind: "rate", index: 9, wire: 1, readIndex: 3 },
            { tag: "first stage", kind: "stage", index: 0, wire: 1, readIndex: 0 },
            { tag: "last stage", kind: "stage", index: 7, wire: 8, readIndex: 7 },
            { tag: "stage: nothing stored", kind: "stage", index: null, wire: 0, readIndex: 0 },
            { tag: "stage beyond eight", kind: "stage", index: null, wire: 9, readIndex: 7 },
            { tag: "stage as stored text", kind: "stage", index: null, wire: "5", readIndex: 4 },
            { tag: "no stage selected", kind: "stage", index: -1, wire: 1, readIndex: 0 },
            { tag: "stage index beyond", kind: "stage", index: 12, wire: 8, readIndex: 7 }
        ]
    }

    function test_wireBytes(data) {
        var page = makePage()
        compare(page[data.kind + "Index"](data.wire), data.readIndex)
        if (data.index !== null)
            compare(page[data.kind + "Byte"](data.index), data.wire)
    }

    // The reads in their order: the sensor before anything read in its
    // terms, and valuesRead at the end.
    function test_startUpReads() {
        var page = makePage()
        var read = createTemporaryObject(spyComponent, testCase, { target: page, signalName: "valuesRead" })
        var callsWhenRead = []
        page.valuesRead.connect(function() { callsWhenRead = ui_View.callNames() })
        ui_View.setAnswer("getSensorType", 3)
        ui_View.setAnswer("chkIsLogoLedWork", true)
        ui_View.setAnswer("ui_91H_SyncDPI", 6)
        ui_View.setAnswer("ui_81H_GetReportRate", 4)
        ui_View.setAnswer("getCursorSpeed", 7)
        ui_View.setAnswer("getVerticalScrollLines", 12)
        ui_View.setAnswer("getDoubleClickSpeed", 10)
        ui_View.setAnswer("ui_8BH_GetCurrentDPIStage", 5)
        ui_View.setAnswer("ui_91H_GetDPISet", ["600", "10000", "0", "4500", "0", "0", "0", "0"])
        ui_View.setAnswer("ui_90H_GetLED8StageColor", function(type) {
            return type === 1 ? rgbTable : ["7", "6", "5", "4", "3", "2", "1", "0"]
        })
        page.initUI()
        compare(callsWhenRead[0], "getSensorType")
        compare(ui_View.argumentsOf("ui_90H_GetLED8StageColor"), [[1], [2]])
        compare(read.count, 1)
        compare(page.stageCount, 6)
        compare(page.selectedRate, 1)
        compare([page.cursorSpeed, page.scrollLines, page.doubleClickSpeed], [7, 10, 10])
        compare(page.selectedStage, 4)
        compare(page.dpiValues, [600, 10000, 0, 4500, 0, 0, 0, 0])
        compare(findChild(page, "stageGroup").values, [600, 10000, 0, 4500, 0, 0, 0, 0])
        compare(page.indicatorColors, rgbTable)
        compare(page.indicatorIds, [7, 6, 5, 4, 3, 2, 1, 0])
    }

    // A stored list is used only whole and in this sensor's terms; the DPI
    // stages fall back to the sensor's starting values, the colours stay.
    function test_storedListsRefused_data() {
        return [
            { tag: "no DPI values", dpi: [], values: [1000, 2500, 3500, 7000, 0, 0, 0, 0] },
            { tag: "values of another sensor", dpi: ["250", "500", "750", "1000", "0", "0", "0", "0"],
              values: [1000, 2500, 3500, 7000, 0, 0, 0, 0] },
            { tag: "values of this sensor", dpi: ["500", "1000", "1750", "2000", "0", "0", "0", "7000"],
              values: [500, 1000, 1750, 2000, 0, 0, 0, 7000] },
            { tag: "23 colour values", colors: rgbTable.slice(1) },
            { tag: "a colour above 255", colors: [256].concat(rgbTable.slice(1)) },
            { tag: "an id beyond orange", ids: [0, 1, 2, 3, 4, 5, 6, 8] },
            { tag: "ids not numbers", ids: ["red", 1, 2, 3, 4, 5, 6, 7] }
        ]
    }

    function test_storedListsRefused(data) {
        var page = makePage()
        var colorsBefore = page.indicatorColors
        var idsBefore = page.indicatorIds
        ui_View.setAnswer("getSensorType", 1)
        ui_View.setAnswer("ui_91H_SyncDPI", 8)
        ui_View.setAnswer("ui_91H_GetDPISet", data.dpi !== undefined ? data.dpi : [])
        ui_View.setAnswer("ui_90H_GetLED8StageColor", function(type) {
            return type === 1 ? (data.colors || []) : (data.ids || [])
        })
        page.initUI()
        if (data.values !== undefined)
            compare(page.dpiValues, data.values)
        compare(page.indicatorColors, colorsBefore)
        compare(page.indicatorIds, idsBefore)
    }

    // The stage read back is clamped to 1 to 8 and then to the stages the
    // mouse offers.
    function test_stageBeyondTheUsableStages() {
        var page = readPage(0, false, { ui_91H_SyncDPI: 4, ui_8BH_GetCurrentDPIStage: 7 })
        compare(page.stageCount, 4)
        compare(page.selectedStage, 3)
        compare(findChild(page, "stageGroup").currentIndex, 3)
        page = readPage(0, false, { ui_91H_SyncDPI: 0 })
        compare(page.stageCount, 1)
    }

    // A value chosen in a stage's menu goes to the mouse at once, all eight
    // stages with it.
    function test_dpiEditSentAtOnce() {
        var page = readPage(2, false, { ui_91H_SyncDPI: 5 })
        mouseClick(findChild(page, "stageGroup_2"), 10, 10, Qt.RightButton)
        verify(findChild(page, "stageGroup").isMenuOpen)
        // The menu lays its rows out when it is shown.
        tryVerify(function() { return findChild(page, "stageGroup_menu_10") !== null }, 5000)
        mouseClick(findChild(page, "stageGroup_menu_10"))
        compare(ui_View.callNames(), ["playMedia_Index", "ui_11H_SetDPISet"])
        compare(ui_View.argumentsOf("ui_11H_SetDPISet"),
                [[5, [0x04, 0x08, 0x4B, 0x4A, 0x80, 0x80, 0x80, 0x80], [500, 1000, 2750, 2500, 0, 0, 0, 0]]])
        compare(page.dpiValues, [500, 1000, 2750, 2500, 0, 0, 0, 0])
    }

    // Without a DPI table the stages show no values and offer none; reset
    // sends no codes, which would switch every stage off.
    function test_unknownSensor() {
        var page = readPage(255, false, { ui_91H_GetDPISet: ["500", "1000", "0", "0", "0", "0", "0", "0"] })
        compare(page.dpiValues, [0, 0, 0, 0, 0, 0, 0, 0])
        mouseClick(findChild(page, "stageGroup_0"), 10, 10, Qt.RightButton)
        verify(!findChild(page, "stageGroup").isMenuOpen)
        page.reset()
        compare(ui_View.callNames(), ["loadDefaultProfile", "ui_10H_SetLED8StageColor"])
    }

    // The stage and rate chosen, the sliders moved; apply sends them in
    // this order, then the one indicator table the mouse shows its stage
    // with, and locks the view.
    function test_apply_data() {
        return [
            { tag: "logo LED usable", isLogoLed: true, table: [2, [0, 1, 2, 3, 4, 5, 6, 7]] },
            { tag: "no logo LED", isLogoLed: false, table: [1, rgbTable] }
        ]
    }

    function test_apply(data) {
        var page = readPage(0, data.isLogoLed, { ui_90H_GetLED8StageColor: function(type) { return type === 1 ? rgbTable : [] } })
        mouseClick(findChild(page, "stageGroup_5"))
        mouseClick(findChild(page, "rateGroup_1"))
        var slider = findChild(page, "cursorSpeedSlider")
        mouseClick(slider, slider.width * 0.99, 7)
        slider = findChild(page, "doubleClickSlider")
        mouseClick(slider, slider.width * 0.5, 7)
        ui_View.clear()
        mouseClick(findChild(page, "sensorButtons_apply"))
        compare(ui_View.callNames(), ["playMedia_Index", "ui_01H_SetReportRate", "setCursorSpeed",
                                      "setVerticalScrollLines", "setDoubleClickSpeed",
                                      "ui_0BH_SetCurrentDPIStage", "ui_10H_SetLED8StageColor"])
        compare(ui_View.argumentsOf("ui_01H_SetReportRate"), [[4]])
        compare(ui_View.argumentsOf("setCursorSpeed"), [[10]])
        compare(ui_View.argumentsOf("setVerticalScrollLines"), [[0]])
        compare(ui_View.argumentsOf("setDoubleClickSpeed"), [[5]])
        compare(ui_View.argumentsOf("ui_0BH_SetCurrentDPIStage"), [[6]])
        compare(ui_View.argumentsOf("ui_10H_SetLED8StageColor"), [data.table])
        compare(ui_Ctl.calls, ["setBusy(1600)"])
    }

    // The factory list: all 45 entries, or what is left when the factory
    // file lacks keys (the lists then come from the sensor and the page).
    function test_reset_data() {
        var whole = ["1", "3", "4", "6", "250", "500", "750", "1000", "1250", "0", "0", "0", "3"]
                    .concat(rgbTable.map(String)).concat(["7", "6", "5", "4", "3", "2", "1", "0"])
        return [
            { tag: "whole", list: whole, sensor: 0, rate: 3, sliders: [3, 4, 6], stage: 2,
              values: [250, 500, 750, 1000, 1250, 0, 0, 0], colors: rgbTable, ids: [7, 6, 5, 4, 3, 2, 1, 0] },
            { tag: "no factory file", list: [2, 5, 2, 5, 2], sensor: 1, rate: 2, sliders: [5, 2, 5], stage: 1,
              values: [1000, 2500, 3500, 7000, 0, 0, 0, 0], colors: null, ids: [0, 1, 2, 3, 4, 5, 6, 7] },
            { tag: "no DPI values", list: whole.slice(0, 4).concat(whole.slice(12)), sensor: 2, rate: 3,
              sliders: [3, 4, 6], stage: 1, values: [500, 1000, 1500, 2500, 0, 0, 0, 0], colors: null,
              ids: [0, 1, 2, 3, 4, 5, 6, 7] },
            { tag: "nothing", list: [], sensor: 0, rate: 3, sliders: [0, 0, 0], stage: 1,
              values: [500, 1000, 1500, 2000, 0, 0, 0, 0], colors: null, ids: [0, 1, 2, 3, 4, 5, 6, 7] }
        ]
    }

    function test_reset(data) {
        var page = readPage(data.sensor, false, { ui_91H_SyncDPI: 8 })
        ui_View.setAnswer("loadDefaultProfile", data.list)
        page.totalReset()
        compare(ui_View.callNames(), ["loadDefaultProfile", "ui_11H_SetDPISet", "ui_10H_SetLED8StageColor"])
        compare(ui_View.argumentsOf("loadDefaultProfile"), [[3]])
        compare(page.selectedRate, data.rate)
        compare([page.cursorSpeed, page.scrollLines, page.doubleClickSpeed], data.sliders)
        compare(page.selectedStage, data.stage)
        compare(page.dpiValues, data.values)
        compare(ui_View.argumentsOf("ui_11H_SetDPISet")[0][1], page.dpiCodes(data.sensor, data.values))
        compare(page.indicatorColors, data.colors || page.idColors)
        compare(page.indicatorIds, data.ids)
        compare(ui_Ctl.calls, ["setBusy(800)"])
    }
}
