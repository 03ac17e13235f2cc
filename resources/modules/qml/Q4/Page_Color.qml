import QtQuick
import "../common"

// Function page 2: the mouse's lighting. The LED power, one of ten effects,
// its brightness and speed (each only for the effects it applies to) and
// the palette of up to eight colours, edited with the colour strip. Nothing
// reaches the mouse before APPLY; RESET brings the factory lighting back and
// sends it at once.
// The calls the mouse main item makes:
//   initUI(colorSlotCount)    read the effect and the palette; the mouse
//                             offers colorSlotCount palette slots (1 to 8)
//   refreshUI()               read them again after a profile switch
//   translateStrings(), setSkin(), closePopups()
//   totalReset(), totalApply()   ALL RESET and ALL SAVE of the bottom bar
// valuesRead() is reported once the page shows the profile's values.
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
    property int colorSlotCount: 8

    // What the page shows; the mouse gets it on APPLY.
    property bool isPowerOn: true
    property int effectIndex: colorModel.configs_Default[0]
    property int brightnessIndex: colorModel.configs_Default[1]
    property int speedIndex: colorModel.configs_Default[2]
    property int slotIndex: 0

    readonly property bool isBrightnessEnabled: isPowerOn && colorModel.isBrightnessUsed(effectIndex)
    readonly property bool isSpeedEnabled: isPowerOn && colorModel.isSpeedUsed(effectIndex)
    readonly property bool isPaletteEnabled: isPowerOn && colorModel.isPaletteUsed(effectIndex)
    readonly property int applyLock: 800

    // The effect names are global strings 5 to 14.
    readonly property var effectNames: {
        var names = []
        for (var index = 0; index < colorModel.effectCount; ++index)
            names.push(stringAt(5 + index))
        return names
    }

    // Under an open list, so the controls below do not show through.
    readonly property color popupFill: "#F2141A22"

    signal valuesRead()

    function stringAt(index) {
        return index < stringList.length ? String(stringList[index]) : ""
    }

    function commonPicture(name) {
        return skinPath !== "" ? skinPath + "/common/" + name + ".png" : ""
    }

    function initUI(slotCount) {
        colorSlotCount = slotCount
        refreshUI()
    }

    // The current profile's palette and effect; a list of another length
    // leaves what the page shows.
    function refreshUI() {
        var palette = colorModel.paletteOf(ui_View.ui_90H_GetLED8StageColor(0))
        if (palette)
            colorModel.colors = palette
        showState(colorModel.stateOf(ui_View.ui_8DH_GetRGBLedEffect()))
        valuesRead()
    }

    function showState(state) {
        if (!state)
            return
        isPowerOn = state.isPowerOn
        effectIndex = state.effect
        brightnessIndex = state.brightness
        speedIndex = state.speed
    }

    function translateStrings() {
    }

    function setSkin() {
    }

    function closePopups() {
        effectList.close()
    }

    // The effect first, then the palette; the view is locked meanwhile.
    function apply() {
        closePopups()
        var values = colorModel.ledEffectValues(effectIndex, brightnessIndex, speedIndex, isPowerOn)
        ui_View.ui_0DH_SetRGBLedEffect(values[0], values[1], values[2],
                                       colorModel.configsOf(effectIndex, brightnessIndex, speedIndex, isPowerOn))
        ui_View.ui_10H_SetLED8StageColor(0, colorModel.colors)
        ui_Ctl.setBusy(applyLock)
    }

    // The factory lighting, shown and sent. A part the factory file lacks
    // comes from the page's own defaults.
    function reset() {
        var defaults = colorModel.defaultsOf(ui_View.loadDefaultProfile(2))
        colorModel.colors = defaults.palette ? defaults.palette : colorModel.colors_Default.slice()
        showState(defaults.configs ? defaults.configs : colorModel.stateOf(colorModel.configs_Default))
        apply()
    }

    function totalReset() {
        reset()
    }

    function totalApply() {
        apply()
    }

    function setPower(isOn) {
        ui_View.playMedia_Index(4)
        isPowerOn = isOn
        if (!isOn)
            closePopups()
    }

    function chooseEffect(index) {
        ui_View.playMedia_Index(4)
        effectIndex = index
    }

    function chooseSlot(index) {
        ui_View.playMedia_Index(4)
        slotIndex = index
    }

    function pickColor(rgb) {
        if (slotIndex < 0 || slotIndex >= colorSlotCount)
            return
        var copy = colorModel.colors.slice()
        copy[3 * slotIndex] = rgb[0]
        copy[3 * slotIndex + 1] = rgb[1]
        copy[3 * slotIndex + 2] = rgb[2]
        colorModel.colors = copy
    }

    Model_Color_Q4 {
        id: colorModel
        objectName: "colorModel"
        colorMaxStage: root.colorSlotCount
    }

    // Decoded off the GUI thread while the rest of the scene is built.
    Image {
        anchors.fill: parent
        asynchronous: true
        source: root.skinPath !== "" ? root.skinPath + "/list_center/fnColorBackground.png" : ""
    }

    // The mouse with its lighting zones in the palette's colours, brighter
    // for a brighter setting; dark with the power off.
    Item {
        id: mousePicture
        objectName: "colorMouse"
        x: 40
        y: 30
        width: 280
        height: 400
        Image {
            source: root.skinPath !== "" ? root.skinPath + "/model_ms/model_Q4_Color.png" : ""
        }
        Repeater {
            model: root.isPowerOn ? colorModel.zones : []
            Rectangle {
                x: modelData.x
                y: modelData.y
                width: modelData.width
                height: modelData.height
                radius: Math.min(width, height) / 2
                readonly property var rgb: colorModel.colorAt(index % Math.max(1, root.colorSlotCount))
                color: Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
                opacity: colorModel.isBrightnessUsed(root.effectIndex) ? 0.25 + 0.6 * root.brightnessIndex / 7 : 0.7
            }
        }
    }

    PageLabels {
        textColor: root.textColor
        colorDisable: root.colorDisable
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        rows: [
            { x: 360, y: 94, text: root.stringAt(2), isEnabled: root.isPowerOn },
            { x: 360, y: 162, text: root.stringAt(4), isEnabled: root.isBrightnessEnabled },
            { x: 360, y: 214, text: root.stringAt(3), isEnabled: root.isSpeedEnabled },
            { x: 360, y: 266, text: root.stringAt(23), isEnabled: root.isPaletteEnabled }
        ]
    }

    Text {
        x: 28
        y: 14
        text: root.stringAt(76)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize + 5
        font.bold: true
        font.letterSpacing: 3
    }

    Checkbox {
        objectName: "ledPowerBox"
        x: 360
        y: 52
        Binding on isChecked { value: root.isPowerOn }
        text: root.stringAt(87)
        source0: root.commonPicture("checkbox_0")
        source1: root.commonPicture("checkbox_1")
        textColor: root.colorEnable
        textLitColor: root.textColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onToggled: function(isChecked) { root.setPower(isChecked) }
    }

    Slider {
        objectName: "ledBrightnessSlider"
        x: 360
        y: 188
        enabled: root.isBrightnessEnabled
        opacity: enabled ? 1.0 : 0.35
        Binding on currentIndex { value: root.brightnessIndex }
        sourceBase: root.commonPicture("slider_BASE")
        sourceFiller0: root.commonPicture("slider_FILLER_0")
        sourceFiller1: root.commonPicture("slider_FILLER_1")
        onIndexChosen: function(index) { root.brightnessIndex = index }
    }

    Slider {
        objectName: "ledSpeedSlider"
        x: 360
        y: 240
        enabled: root.isSpeedEnabled
        opacity: enabled ? 1.0 : 0.35
        Binding on currentIndex { value: root.speedIndex }
        sourceBase: root.commonPicture("slider_BASE")
        sourceFiller0: root.commonPicture("slider_FILLER_0")
        sourceFiller1: root.commonPicture("slider_FILLER_1")
        onIndexChosen: function(index) { root.speedIndex = index }
    }

    ColorGroup_8 {
        objectName: "paletteGroup"
        x: 360
        y: 292
        enabled: root.isPaletteEnabled
        opacity: enabled ? 1.0 : 0.35
        colors: colorModel.colors
        slotCount: root.colorSlotCount
        Binding on currentIndex { value: root.slotIndex }
        accentColor: root.textColor
        onIndexClicked: function(index) { root.chooseSlot(index) }
    }

    ColorStrip {
        objectName: "paletteStrip"
        x: 660
        y: 156
        width: 20
        height: 160
        enabled: root.isPaletteEnabled && root.slotIndex < root.colorSlotCount
        opacity: enabled ? 1.0 : 0.35
        rgb: colorModel.colorAt(root.slotIndex)
        sourceStrip: root.commonPicture("draw_palette")
        sourceMarker: root.commonPicture("draw_paletteIndex")
        onColorPicked: function(rgb) { root.pickColor(rgb) }
    }

    ApplyResetButtons {
        objectName: "colorButtons"
        x: 360
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

    // Last, so its list opens over the controls below it.
    DropdownList {
        id: effectList
        objectName: "effectList"
        x: 360
        y: 116
        width: 260
        height: 30
        enabled: root.isPowerOn
        opacity: enabled ? 1.0 : 0.35
        maxRows: 10
        model: root.effectNames
        Binding on currentIndex { value: root.effectIndex }
        sourceFrame: root.commonPicture("btnFileListFrame")
        sourceList: root.commonPicture("filelist_BASE")
        listFillColor: root.popupFill
        textColor: root.colorEnable
        textLitColor: "#FFFFFFFF"
        accentColor: root.textColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onIndexChosen: function(index) { root.chooseEffect(index) }
    }
}
