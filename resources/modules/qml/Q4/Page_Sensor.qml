import QtQuick
import "../basic"
import "../common"

// Function page 3: the DPI stages and their values, the current stage, the
// report rate, the three pointer settings and the DPI-stage indicator
// colours. A DPI value reaches the mouse as soon as it is chosen; the rest
// waits for APPLY. RESET brings the factory DPI stages and indicator colours
// back and sends them at once.
// The calls the mouse main item makes:
//   initUI()                  read the sensor and the current profile's values
//   translateStrings(), setSkin(), closePopups()
//   totalReset(), totalApply()   ALL RESET and ALL SAVE of the bottom bar
// valuesRead() is reported once the page shows the profile's values.
//
// The mouse names its DPI per stage by a code of its sensor: 0x80 is an
// unused stage, otherwise bits 0 to 5 are a multiplier and bit 6 doubles
// the value. The functions from dpiCode to stageIndex need nothing but their
// arguments.
Item {
    id: root
    width: 759
    height: 442

    property string skinPath: ""
    property var stringList: []
    property color textColor: "#FF00FFFF"
    property color colorEnable: "#FFAAAAAA"
    property color colorDisable: "#80FFFFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11
    property int animationSpeed: 800

    // What the mouse reported: its sensor (0 to 3; anything else has no
    // DPI table), whether the logo LED shows the stage, and how many stages
    // it offers.
    property int sensorType: -1
    property bool isLogoLedWork: false
    property int stageCount: 8

    // What the page shows.
    property var dpiValues: [0, 0, 0, 0, 0, 0, 0, 0]
    property int selectedStage: 0
    property int selectedRate: 3
    property int cursorSpeed: 0
    property int scrollLines: 0
    property int doubleClickSpeed: 0
    // Indicator colours as R, G, B per stage (without the logo LED), or
    // one colour id per stage (with it).
    property var indicatorColors: idColors.slice()
    property var indicatorIds: [0, 1, 2, 3, 4, 5, 6, 7]
    property int indicatorSlot: 0

    readonly property bool isSensorKnown: offeredValues(sensorType).length > 0
    readonly property int applyLock: 1600
    readonly property int resetLock: 800
    readonly property var rateNames: ["125 Hz", "250 Hz", "500 Hz", "1000 Hz"]
    // The colours the logo LED's ids 0 to 7 stand for: red, green, blue,
    // magenta, cyan, yellow, white, orange. Also the indicator colours
    // before anything is read.
    readonly property var idColors: [255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 0, 255,
                                     0, 255, 255, 255, 255, 0, 255, 255, 255, 255, 128, 0]

    // Per sensor type: the values it offers and their codes.
    readonly property var dpiTables: [
        [[250, 0x01], [500, 0x02], [750, 0x03], [1000, 0x04], [1250, 0x05], [1500, 0x06], [1750, 0x07],
         [2000, 0x08], [2500, 0x45], [3000, 0x46], [3500, 0x47], [4000, 0x48]],
        [[500, 0x02], [1000, 0x04], [1750, 0x07], [2000, 0x08], [2500, 0x0A], [3000, 0x0C], [3500, 0x0E],
         [4000, 0x48], [5000, 0x4A], [6000, 0x4C], [7000, 0x4E]],
        [[250, 0x02], [500, 0x04], [750, 0x06], [1000, 0x08], [1250, 0x0A], [1500, 0x46], [1750, 0x47],
         [2000, 0x48], [2500, 0x4A], [2750, 0x4B]],
        [[600, 0x05], [800, 0x07], [1000, 0x09], [1200, 0x0B], [1600, 0x0F], [2000, 0x13], [2400, 0x17],
         [2800, 0x1B], [3200, 0x1F], [3600, 0x23], [4000, 0x27], [4500, 0x2C], [5000, 0x31], [6000, 0x5D],
         [7000, 0x62], [8000, 0x67], [10000, 0x71]]
    ]
    readonly property var startingTables: [[500, 1000, 1500, 2000, 0, 0, 0, 0], [1000, 2500, 3500, 7000, 0, 0, 0, 0],
                                           [500, 1000, 1500, 2500, 0, 0, 0, 0], [1000, 2000, 4000, 8000, 0, 0, 0, 0]]
    readonly property int unusedCode: 0x80
    // The stage a profile starts on.
    readonly property int factoryStage: 2

    // Under an open list, so the controls below do not show through.
    readonly property color popupFill: "#F2141A22"

    signal valuesRead()

    // ---- Conversions.

    function tableOf(sensorType) {
        return sensorType === 0 || sensorType === 1 || sensorType === 2 || sensorType === 3 ? dpiTables[sensorType] : []
    }

    // A value the sensor does not offer, 0, and any unknown sensor give the
    // unused-stage code.
    function dpiCode(sensorType, value) {
        var table = tableOf(sensorType)
        for (var index = 0; index < table.length; ++index)
            if (table[index][0] === Number(value))
                return table[index][1]
        return unusedCode
    }

    // The DPI a code stands for; 0 for an unused stage or an unknown sensor.
    function dpiValue(sensorType, code) {
        var wireValue = Number(code)
        if (tableOf(sensorType).length === 0 || isNaN(wireValue) || (wireValue & 0x80))
            return 0
        var multiplier = wireValue & 0x3F
        var value = sensorType === 3 ? (multiplier + 1) * 100 : multiplier * (sensorType === 2 ? 125 : 250)
        return wireValue & 0x40 ? 2 * value : value
    }

    // The menu of a stage: 0 (unused) first.
    function offeredValues(sensorType) {
        var table = tableOf(sensorType)
        if (table.length === 0)
            return []
        return [0].concat(table.map(function(pair) { return pair[0] }))
    }

    // The stages' values when the profile holds none.
    function startingValues(sensorType) {
        return tableOf(sensorType).length > 0 ? startingTables[sensorType].slice() : [0, 0, 0, 0, 0, 0, 0, 0]
    }

    function clampedNumber(value, low, high, fallback) {
        var number = Math.floor(Number(value))
        return isNaN(number) ? fallback : Math.max(low, Math.min(high, number))
    }

    // Rate index 0 to 3 (125 to 1000 Hz) and the mouse's byte 8, 4, 2, 1.
    function rateByte(index) {
        return 1 << (3 - clampedNumber(index, 0, 3, 0))
    }

    function rateIndex(wireValue) {
        return clampedNumber(4 - keyCodes.logByte(Number(wireValue)), 0, 3, 3)
    }

    // The current stage travels as 1 to 8.
    function stageByte(pageIndex) {
        return clampedNumber(pageIndex, 0, 7, 0) + 1
    }

    function stageIndex(wireValue) {
        return clampedNumber(wireValue, 1, 8, 1) - 1
    }

    // The sensor's codes of eight values.
    function dpiCodes(sensorType, values) {
        var codes = []
        for (var stage = 0; stage < 8; ++stage)
            codes.push(dpiCode(sensorType, values[stage]))
        return codes
    }

    // Eight stored values as numbers, or null when the list is not eight
    // values this sensor offers (nothing stored, or stored for another one).
    function stageValuesOf(sensorType, list) {
        if (!list || list.length !== 8)
            return null
        var offered = offeredValues(sensorType)
        var values = []
        for (var stage = 0; stage < 8; ++stage) {
            var value = Number(list[stage])
            if (offered.indexOf(value) < 0)
                return null
            values.push(value)
        }
        return values
    }

    // length whole numbers from 0 to highest, or null.
    function numbersOf(list, length, highest) {
        if (!list || list.length !== length)
            return null
        var numbers = []
        for (var index = 0; index < length; ++index) {
            var number = Number(list[index])
            if (isNaN(number) || number < 0 || number > highest)
                return null
            numbers.push(Math.floor(number))
        }
        return numbers
    }

    // The factory list of this page: rate byte, the three sliders, 8 DPI
    // values, the stage, 24 indicator colour values and 8 colour ids. A key
    // missing from the factory file leaves its part out and shifts what
    // follows, so the lists and the stage are taken only from a whole list
    // (or the stage from a list of the five numbers alone); a part not
    // taken is null.
    function sensorDefaultsOf(list) {
        var length = list ? list.length : 0
        var isWhole = length === 45
        return {
            rate: length >= 4 ? list[0] : null,
            sliders: length >= 4 ? [list[1], list[2], list[3]] : null,
            dpi: isWhole ? list.slice(4, 12) : null,
            stage: isWhole ? list[12] : (length === 5 ? list[4] : null),
            colors: isWhole ? numbersOf(list.slice(13, 37), 24, 255) : null,
            ids: isWhole ? numbersOf(list.slice(37, 45), 8, 7) : null
        }
    }

    // The indicator ids as the colours they light.
    function colorsOfIds(ids) {
        var colors = []
        for (var stage = 0; stage < 8; ++stage) {
            var id = clampedNumber(ids[stage], 0, 7, 0)
            colors.push(idColors[3 * id], idColors[3 * id + 1], idColors[3 * id + 2])
        }
        return colors
    }

    // ---- Reading, applying, resetting.

    function stringAt(index) {
        return index < stringList.length ? String(stringList[index]) : ""
    }

    function commonPicture(name) {
        return skinPath !== "" ? skinPath + "/common/" + name + ".png" : ""
    }

    function sliderIndexOf(value) {
        return clampedNumber(value, 0, 10, 0)
    }

    function showStage(wireValue) {
        selectedStage = Math.min(stageIndex(wireValue), stageCount - 1)
    }

    function showIndicators(colors, ids) {
        if (colors)
            indicatorColors = colors
        if (ids)
            indicatorIds = ids
    }

    // The sensor first: the DPI values are read in its terms.
    function initUI() {
        closePopups()
        sensorType = clampedNumber(ui_View.getSensorType(), -1, 255, -1)
        isLogoLedWork = ui_View.chkIsLogoLedWork()
        stageCount = clampedNumber(ui_View.ui_91H_SyncDPI(), 1, 8, 8)
        indicatorSlot = Math.min(indicatorSlot, stageCount - 1)
        selectedRate = rateIndex(ui_View.ui_81H_GetReportRate())
        cursorSpeed = sliderIndexOf(ui_View.getCursorSpeed())
        scrollLines = sliderIndexOf(ui_View.getVerticalScrollLines())
        doubleClickSpeed = sliderIndexOf(ui_View.getDoubleClickSpeed())
        showStage(ui_View.ui_8BH_GetCurrentDPIStage())
        var values = stageValuesOf(sensorType, ui_View.ui_91H_GetDPISet())
        dpiValues = values ? values : startingValues(sensorType)
        showIndicators(numbersOf(ui_View.ui_90H_GetLED8StageColor(1), 24, 255),
                       numbersOf(ui_View.ui_90H_GetLED8StageColor(2), 8, 7))
        valuesRead()
    }

    function translateStrings() {
    }

    function setSkin() {
    }

    function closePopups() {
        stageGroup.closeMenu()
        idList.close()
    }

    // Only the table the mouse shows its stage with.
    function sendIndicators() {
        if (isLogoLedWork)
            ui_View.ui_10H_SetLED8StageColor(2, indicatorIds)
        else
            ui_View.ui_10H_SetLED8StageColor(1, indicatorColors)
    }

    // An unknown sensor has no codes: sending would switch every stage off.
    function sendDpi() {
        if (isSensorKnown)
            ui_View.ui_11H_SetDPISet(stageCount, dpiCodes(sensorType, dpiValues), dpiValues)
    }

    function apply() {
        closePopups()
        ui_View.ui_01H_SetReportRate(rateByte(selectedRate))
        ui_View.setCursorSpeed(cursorSpeed)
        ui_View.setVerticalScrollLines(scrollLines)
        ui_View.setDoubleClickSpeed(doubleClickSpeed)
        ui_View.ui_0BH_SetCurrentDPIStage(stageByte(selectedStage))
        sendIndicators()
        ui_Ctl.setBusy(applyLock)
    }

    // The factory values shown; the DPI stages and the indicator colours
    // sent. What the factory file lacks comes from the sensor's starting
    // values and the page's own colours.
    function reset() {
        closePopups()
        var defaults = sensorDefaultsOf(ui_View.loadDefaultProfile(3))
        if (defaults.rate !== null)
            selectedRate = rateIndex(defaults.rate)
        if (defaults.sliders !== null) {
            cursorSpeed = sliderIndexOf(defaults.sliders[0])
            scrollLines = sliderIndexOf(defaults.sliders[1])
            doubleClickSpeed = sliderIndexOf(defaults.sliders[2])
        }
        var values = stageValuesOf(sensorType, defaults.dpi)
        dpiValues = values ? values : startingValues(sensorType)
        showStage(defaults.stage !== null ? defaults.stage : factoryStage)
        indicatorColors = defaults.colors ? defaults.colors : idColors.slice()
        indicatorIds = defaults.ids ? defaults.ids : [0, 1, 2, 3, 4, 5, 6, 7]
        sendDpi()
        sendIndicators()
        ui_Ctl.setBusy(resetLock)
    }

    function totalReset() {
        reset()
    }

    function totalApply() {
        apply()
    }

    function chooseStage(index) {
        ui_View.playMedia_Index(4)
        selectedStage = index
    }

    function chooseDpi(index, value) {
        ui_View.playMedia_Index(4)
        var values = dpiValues.slice()
        values[index] = value
        dpiValues = values
        sendDpi()
    }

    function chooseIndicatorSlot(index) {
        ui_View.playMedia_Index(4)
        indicatorSlot = index
        idList.close()
    }

    function pickIndicatorColor(rgb) {
        var colors = indicatorColors.slice()
        colors[3 * indicatorSlot] = rgb[0]
        colors[3 * indicatorSlot + 1] = rgb[1]
        colors[3 * indicatorSlot + 2] = rgb[2]
        indicatorColors = colors
    }

    function chooseIndicatorId(id) {
        ui_View.playMedia_Index(4)
        var ids = indicatorIds.slice()
        ids[indicatorSlot] = id
        indicatorIds = ids
    }

    KeyCodeString {
        id: keyCodes
    }

    // Decoded off the GUI thread while the rest of the scene is built.
    Image {
        anchors.fill: parent
        asynchronous: true
        source: root.skinPath !== "" ? root.skinPath + "/list_center/fnCommonBackground.png" : ""
    }

    Text {
        x: 28
        y: 14
        text: root.stringAt(86)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize + 5
        font.bold: true
        font.letterSpacing: 3
    }

    PageLabels {
        textColor: root.textColor
        colorDisable: root.colorDisable
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        rows: [
            { x: 28, y: 52, text: root.stringAt(104), isEnabled: root.isSensorKnown },
            { x: 28, y: 128, text: root.stringAt(100) },
            { x: 28, y: 204, text: root.stringAt(101) },
            { x: 28, y: 256, text: root.stringAt(102) },
            { x: 28, y: 308, text: root.stringAt(103) },
            { x: 346, y: 224, text: String(root.cursorSpeed), name: "cursorSpeedValue" },
            { x: 346, y: 276, text: String(root.scrollLines + 1), name: "scrollLinesValue" },
            { x: 346, y: 328, text: String(900 - 70 * root.doubleClickSpeed) + " ms", name: "doubleClickValue" },
            { x: 420, y: 128, text: root.stringAt(105), width: 320 }
        ]
    }

    // The controls change their own state on a click, which would end a
    // plain binding; Binding keeps them following the page when a read or
    // a reset changes what it shows.
    ButtonGroup_4 {
        objectName: "rateGroup"
        x: 28
        y: 150
        labels: root.rateNames
        Binding on currentIndex { value: root.selectedRate }
        sourceBase: root.commonPicture("btnGroup_4_BASE")
        sourceFiller0: root.commonPicture("btnGroup_FILLER_0")
        sourceFiller1: root.commonPicture("btnGroup_FILLER_1")
        textColor: root.colorEnable
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onIndexClicked: function(index) {
            ui_View.playMedia_Index(4)
            root.selectedRate = index
        }
    }

    Repeater {
        model: [{ name: "cursorSpeedSlider", y: 228, key: "cursorSpeed" },
                { name: "scrollLinesSlider", y: 280, key: "scrollLines" },
                { name: "doubleClickSlider", y: 332, key: "doubleClickSpeed" }]
        Slider_11 {
            objectName: modelData.name
            x: 28
            y: modelData.y
            Binding on currentIndex { value: root[modelData.key] }
            sourceBase: root.commonPicture("slider_11_BASE")
            sourceFiller0: root.commonPicture("slider_11_FILLER_0")
            sourceFiller1: root.commonPicture("slider_11_FILLER_1")
            onIndexChosen: function(index) { root[modelData.key] = index }
        }
    }

    ColorGroup_8 {
        objectName: "indicatorGroup"
        x: 420
        y: 150
        colors: root.isLogoLedWork ? root.colorsOfIds(root.indicatorIds) : root.indicatorColors
        slotCount: root.stageCount
        Binding on currentIndex { value: root.indicatorSlot }
        accentColor: root.textColor
        onIndexClicked: function(index) { root.chooseIndicatorSlot(index) }
    }

    ColorStrip {
        objectName: "indicatorStrip"
        visible: !root.isLogoLedWork
        x: 712
        y: 128
        width: 20
        height: 160
        rgb: [root.indicatorColors[3 * root.indicatorSlot], root.indicatorColors[3 * root.indicatorSlot + 1],
              root.indicatorColors[3 * root.indicatorSlot + 2]]
        sourceStrip: root.commonPicture("draw_palette")
        sourceMarker: root.commonPicture("draw_paletteIndex")
        onColorPicked: function(rgb) { root.pickIndicatorColor(rgb) }
    }

    ApplyResetButtons {
        objectName: "sensorButtons"
        x: 420
        y: 372
        skinPath: root.skinPath
        resetText: root.stringAt(106)
        applyText: root.stringAt(107)
        textColor: root.colorEnable
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onResetClicked: {
            ui_View.playMedia_Index(4)
            root.reset()
        }
        onApplyClicked: {
            ui_View.playMedia_Index(4)
            root.apply()
        }
    }

    // With the logo LED the stage colours are chosen by name (global
    // strings 15 to 22). Late, so its list opens over what lies below.
    DropdownList {
        id: idList
        objectName: "indicatorIdList"
        visible: root.isLogoLedWork
        x: 420
        y: 192
        width: 266
        height: 30
        model: [root.stringAt(15), root.stringAt(16), root.stringAt(17), root.stringAt(18),
                root.stringAt(19), root.stringAt(20), root.stringAt(21), root.stringAt(22)]
        Binding on currentIndex { value: root.indicatorIds[root.indicatorSlot] }
        sourceFrame: root.commonPicture("btnFileListFrame")
        sourceList: root.commonPicture("filelist_BASE")
        listFillColor: root.popupFill
        textColor: root.colorEnable
        textLitColor: "#FFFFFFFF"
        accentColor: root.textColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onIndexChosen: function(index) { root.chooseIndicatorId(index) }
    }

    // Last, so the value menu opens over everything below it.
    ButtonGroupPro_8 {
        id: stageGroup
        objectName: "stageGroup"
        x: 28
        y: 74
        Binding on values { value: root.dpiValues }
        offeredValues: root.offeredValues(root.sensorType)
        stageCount: root.stageCount
        Binding on currentIndex { value: root.selectedStage }
        sourceBase: root.commonPicture("btnGroup_8_BASE")
        sourceFiller0: root.commonPicture("btnGroup2_FILLER_0")
        sourceFiller1: root.commonPicture("btnGroup2_FILLER_1")
        sourceMenu: root.commonPicture("filelist_BASE")
        menuFillColor: root.popupFill
        textColor: root.colorEnable
        accentColor: root.textColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onStageClicked: function(index) { root.chooseStage(index) }
        onValueChosen: function(index, value) { root.chooseDpi(index, value) }
    }
}
