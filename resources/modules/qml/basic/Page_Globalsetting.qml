import QtQuick
import "../common"

// The global-settings panel: skin, sound, animation, language, custom
// background, text size, colour and brightness, and the web link behind the
// logo. Its state is the application configuration list (32 entries):
//   0 layout version 1, 1 skin number, 2 sound (0 on, 1 off), 3 animation
//   (0 on, 1 off), 4 language index, 5 custom background on, 6 its picture
//   ("file:" + path), 7 text size (0 normal, 1 larger), 8 to 28 seven text
//   colour presets as R, G, B, 29 the selected preset, 30 the brightness
//   step 0 to 7, 31 the web link.
// Every change takes effect at once and is reported to the root through the
// signals; apply stores the list, reset restores the factory file.
Item {
    id: root
    width: 340
    height: 420

    // Looks, from the root.
    property string skinPath: ""
    property var stringList: []
    property var builtInStrings: []
    property color textColor: "#FF00FFFF"
    property color colorEnable: "#FFAAAAAA"
    property color colorDisable: "#80FFFFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    // The configuration, built-in values until one is loaded.
    readonly property int layoutVersion: 1
    readonly property int skinCount: 2
    readonly property string builtInWebLink: "https://example.com/q4"
    readonly property var builtInPresets: [[0, 255, 255], [255, 200, 150], [255, 180, 0], [200, 200, 100],
                                           [200, 170, 255], [255, 180, 180], [160, 190, 160]]
    property int skinNo: 1
    property bool isSoundOn: true
    property bool isAnimationOn: true
    property var languageNames: []
    property var languageCodes: []
    property int languageIndex: -1
    property bool isCustomBackground: false
    property string customBackground: ""
    property int textSizeIndex: 0
    property var presets: builtInPresets
    property int presetIndex: 0
    property int brightnessStep: 7
    property string webLink: builtInWebLink
    property bool isSkinSelectorShown: false
    // Whether the last read found a usable configuration.
    property bool hasConfiguration: false

    readonly property color chosenTextColor: textColorOf(presets[presetIndex], brightnessStep)
    readonly property int chosenPixelSize: textSizeIndex === 1 ? 12 : 11

    signal skinChosen(int skinNo)
    signal animationChosen(bool isOn)
    // code "" gives the built-in English strings.
    signal languageChosen(var strings, string code)
    signal backgroundChosen(bool isCustom, string source)
    signal textStyleChosen(int pixelSize, color textColor)
    signal webLinkChosen(string url)

    // ---- Pure functions: no back end involved.

    // Only a list of the length this page writes is applied; anything else
    // (empty, cut short, from another layout) leaves the built-in values.
    function isUsableConfiguration(list) {
        return list !== undefined && list !== null && list.length === 32
    }

    function clampedInt(value, low, high, fallback) {
        var number = parseInt(value, 10)
        if (isNaN(number))
            return fallback
        return Math.max(low, Math.min(high, number))
    }

    // The panel's state from a configuration list (entries as the file gives
    // them back: text).
    function stateFromList(list) {
        var state = {
            skinNo: clampedInt(list[1], 1, skinCount, 1),
            isSoundOn: clampedInt(list[2], 0, 1, 0) === 0,
            isAnimationOn: clampedInt(list[3], 0, 1, 0) === 0,
            languageIndex: clampedInt(list[4], -1, 9999, -1),
            // Text "false" is not false to JavaScript.
            isCustomBackground: String(list[5]) === "true",
            customBackground: list[6] === undefined || list[6] === null ? "" : String(list[6]),
            textSizeIndex: clampedInt(list[7], 0, 1, 0),
            presets: [],
            presetIndex: clampedInt(list[29], 0, 6, 0),
            brightnessStep: clampedInt(list[30], 0, 7, 7),
            webLink: list[31] === undefined || list[31] === null ? "" : String(list[31])
        }
        for (var preset = 0; preset < 7; ++preset) {
            var colour = []
            for (var channel = 0; channel < 3; ++channel)
                colour.push(clampedInt(list[8 + 3 * preset + channel], 0, 255, 0))
            state.presets.push(colour)
        }
        return state
    }

    // The 32-entry list of the panel's state.
    function configurationList() {
        var list = [layoutVersion, skinNo, isSoundOn ? 0 : 1, isAnimationOn ? 0 : 1, languageIndex,
                    isCustomBackground, customBackground, textSizeIndex]
        for (var preset = 0; preset < 7; ++preset)
            for (var channel = 0; channel < 3; ++channel)
                list.push(presets[preset][channel])
        list.push(presetIndex, brightnessStep, webLink)
        return list
    }

    // Text alpha of a brightness step: 45 to 255.
    function brightnessAlpha(step) {
        var clamped = Math.max(0, Math.min(7, Math.floor(Number(step))))
        return 45 + clamped * 210 / 7
    }

    function textColorOf(rgb, step) {
        return Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, brightnessAlpha(step) / 255)
    }

    // The language list in the map's order: display names and codes.
    function languageEntries(map) {
        var entries = { names: [], codes: [] }
        if (map === undefined || map === null)
            return entries
        for (var name in map) {
            entries.names.push(name)
            entries.codes.push(String(map[name]))
        }
        return entries
    }

    // A language's strings with every missing or empty entry taken from the
    // built-in list, so a short language file leaves no blank label.
    function mergedStrings(loaded, builtIn) {
        var merged = []
        var count = Math.max(loaded ? loaded.length : 0, builtIn.length)
        for (var index = 0; index < count; ++index) {
            var text = loaded && index < loaded.length ? loaded[index] : undefined
            merged.push(text !== undefined && text !== null && String(text) !== "" ? String(text)
                                                                                    : builtIn[index])
        }
        return merged
    }

    // The stored picture ("file:" + path) as a URL the picture loader
    // reads: every path part encoded, so "#", "?" or "%" in a name stay in
    // the name.
    function pictureUrl(stored) {
        var text = String(stored)
        if (text.indexOf("file:") !== 0)
            return ""
        var path = text.substring(5)
        if (path === "")
            return ""
        var encoded = path.split("/").map(encodeURIComponent).join("/")
        return path.charAt(0) === "/" ? "file://" + encoded : "file:" + encoded
    }

    function commonPicture(name) {
        return skinPath !== "" ? skinPath + "/common/" + name + ".png" : ""
    }

    function stringAt(index) {
        return index < stringList.length ? String(stringList[index]) : ""
    }

    // ---- Start-up, apply and reset.

    // Reads the configuration and applies it in the order the mouse pages
    // rely on; returns whether a configuration was found.
    function initUI() {
        var list = ui_View.loadApConfig()
        hasConfiguration = isUsableConfiguration(list)
        if (hasConfiguration)
            applyConfiguration(stateFromList(list))
        else
            applyBuiltIns()
        isSkinSelectorShown = ui_View.getIsSkinShow()
        return hasConfiguration
    }

    function applyConfiguration(state) {
        skinNo = state.skinNo
        skinChosen(skinNo)
        isSoundOn = state.isSoundOn
        ui_View.setEnableAudio(isSoundOn)
        isAnimationOn = state.isAnimationOn
        animationChosen(isAnimationOn)
        var entries = languageEntries(ui_View.chkLanguages())
        languageNames = entries.names
        languageCodes = entries.codes
        if (state.languageIndex >= 0 && state.languageIndex < languageCodes.length) {
            selectLanguage(state.languageIndex)
        } else {
            languageIndex = -1
            languageChosen(builtInStrings, "")
        }
        isCustomBackground = state.isCustomBackground
        customBackground = state.customBackground
        backgroundChosen(isCustomBackground, pictureUrl(customBackground))
        textSizeIndex = state.textSizeIndex
        presets = state.presets
        presetIndex = state.presetIndex
        brightnessStep = state.brightnessStep
        textStyleChosen(chosenPixelSize, chosenTextColor)
        webLink = state.webLink
        webLinkChosen(webLink)
    }

    // No usable configuration: the built-in values, no language list. The
    // back end's sound switch is left as it is.
    function applyBuiltIns() {
        skinNo = 1
        skinChosen(skinNo)
        isSoundOn = true
        isAnimationOn = true
        animationChosen(true)
        languageNames = []
        languageCodes = []
        languageIndex = -1
        languageChosen(builtInStrings, "")
        isCustomBackground = false
        customBackground = ""
        backgroundChosen(false, "")
        textSizeIndex = 0
        presets = builtInPresets
        presetIndex = 0
        brightnessStep = 7
        textStyleChosen(chosenPixelSize, chosenTextColor)
        webLink = builtInWebLink
        webLinkChosen(webLink)
    }

    function selectLanguage(index) {
        languageIndex = index
        var code = languageCodes[index]
        languageChosen(mergedStrings(ui_View.getGlobalStrings(code), builtInStrings), code)
    }

    // The texts follow stringList by binding; nothing to fetch here.
    function translateStrings(code) {
    }

    function setSkin() {
    }

    function closePopups() {
        languageList.close()
    }

    function apply() {
        ui_View.saveApConfig(configurationList())
    }

    // Sound off while the file is replaced, everything read again, then
    // the background music when the restored configuration wants sound.
    // Without a factory configuration the panel shows its built-in values,
    // sound on among them, so the switch follows what the panel shows.
    function reset() {
        ui_View.setEnableAudio(false)
        ui_View.clearAllMedia()
        ui_View.resetApconfig()
        if (!initUI())
            ui_View.setEnableAudio(true)
        ui_View.playMedia_Index(0)
    }

    // ---- User actions.

    function chooseSkin(number) {
        ui_View.playMedia_Index(4)
        if (number === skinNo)
            return
        skinNo = number
        skinChosen(number)
    }

    function chooseSound(isOn) {
        ui_View.playMedia_Index(4)
        if (isOn === isSoundOn)
            return
        isSoundOn = isOn
        ui_View.setEnableAudio(isOn)
        if (isOn)
            ui_View.playMedia_Index(0)
        else
            ui_View.clearAllMedia()
    }

    function chooseAnimation(isOn) {
        ui_View.playMedia_Index(4)
        if (isOn === isAnimationOn)
            return
        isAnimationOn = isOn
        animationChosen(isOn)
    }

    function chooseCustomBackground(isOn) {
        ui_View.playMedia_Index(4)
        isCustomBackground = isOn
        backgroundChosen(isCustomBackground, pictureUrl(customBackground))
    }

    // A picture that was not chosen or cannot be read switches the custom
    // background off.
    function browseBackground() {
        ui_View.playMedia_Index(4)
        var path = ui_View.getCustomFilePath()
        if (path === "") {
            isCustomBackground = false
        } else {
            customBackground = "file:" + path
            isCustomBackground = true
        }
        backgroundChosen(isCustomBackground, pictureUrl(customBackground))
    }

    function chooseTextSize(index) {
        ui_View.playMedia_Index(4)
        textSizeIndex = index
        textStyleChosen(chosenPixelSize, chosenTextColor)
    }

    function choosePreset(index) {
        ui_View.playMedia_Index(4)
        presetIndex = index
        textStyleChosen(chosenPixelSize, chosenTextColor)
    }

    function pickColor(rgb) {
        var copy = presets.slice()
        copy[presetIndex] = rgb
        presets = copy
        textStyleChosen(chosenPixelSize, chosenTextColor)
    }

    function chooseBrightness(step) {
        brightnessStep = step
        textStyleChosen(chosenPixelSize, chosenTextColor)
    }

    // ---- The panel.

    // Decoded only while the panel is shown: most starts never open it.
    Image {
        anchors.fill: parent
        source: root.visible && root.skinPath !== "" ? root.skinPath + "/list_center/globalsettingBackground.png" : ""
    }

    Text {
        x: 20
        y: 8
        width: 300
        height: 26
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: root.stringAt(1)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize + 3
        font.bold: true
        elide: Text.ElideRight
    }

    // The row labels on the left; the controls start at x 118.
    Repeater {
        model: [{ y: 46, string: 26, isSkinRow: true }, { y: 78, string: 27 }, { y: 110, string: 28 },
                { y: 142, string: 29 }, { y: 178, string: 30 }, { y: 240, string: 34 },
                { y: 272, string: 35 }, { y: 304, string: 36 }]
        Text {
            x: 16
            y: modelData.y
            width: 98
            height: 28
            visible: !modelData.isSkinRow || root.isSkinSelectorShown
            verticalAlignment: Text.AlignVCenter
            text: root.stringAt(modelData.string)
            color: root.textColor
            font.family: root.fontFamily
            font.pixelSize: root.fontSize
            font.bold: true
            elide: Text.ElideRight
        }
    }

    Row {
        x: 118
        y: 50
        spacing: 18
        visible: root.isSkinSelectorShown
        Repeater {
            model: root.skinCount
            RadioButton {
                objectName: "skinButton" + (index + 1)
                source0: root.commonPicture("checkbox_0")
                source1: root.commonPicture("checkbox_1")
                textColor: root.colorEnable
                textLitColor: root.textColor
                fontFamily: root.fontFamily
                fontSize: root.fontSize
                text: String(index + 1)
                isSelected: root.skinNo === index + 1
                onClicked: root.chooseSkin(index + 1)
            }
        }
    }

    Row {
        x: 118
        y: 82
        spacing: 18
        RadioButton {
            source0: root.commonPicture("checkbox_0")
            source1: root.commonPicture("checkbox_1")
            textColor: root.colorEnable
            textLitColor: root.textColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            objectName: "soundOnButton"
            text: root.stringAt(31)
            isSelected: root.isSoundOn
            onClicked: root.chooseSound(true)
        }
        RadioButton {
            source0: root.commonPicture("checkbox_0")
            source1: root.commonPicture("checkbox_1")
            textColor: root.colorEnable
            textLitColor: root.textColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            objectName: "soundOffButton"
            text: root.stringAt(32)
            isSelected: !root.isSoundOn
            onClicked: root.chooseSound(false)
        }
    }

    Row {
        x: 118
        y: 114
        spacing: 18
        RadioButton {
            source0: root.commonPicture("checkbox_0")
            source1: root.commonPicture("checkbox_1")
            textColor: root.colorEnable
            textLitColor: root.textColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            objectName: "animationOnButton"
            text: root.stringAt(31)
            isSelected: root.isAnimationOn
            onClicked: root.chooseAnimation(true)
        }
        RadioButton {
            source0: root.commonPicture("checkbox_0")
            source1: root.commonPicture("checkbox_1")
            textColor: root.colorEnable
            textLitColor: root.textColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            objectName: "animationOffButton"
            text: root.stringAt(32)
            isSelected: !root.isAnimationOn
            onClicked: root.chooseAnimation(false)
        }
    }

    Checkbox {
        objectName: "backgroundCheckbox"
        x: 118
        y: 182
        Binding on isChecked { value: root.isCustomBackground }
        source0: root.commonPicture("checkbox_0")
        source1: root.commonPicture("checkbox_1")
        onToggled: function(isChecked) { root.chooseCustomBackground(isChecked) }
    }
    Button_2state {
        objectName: "browseButton"
        x: 150
        y: 179
        width: 150
        height: 26
        borderSize: 8
        text: root.stringAt(39)
        textColor: root.colorEnable
        textLitColor: root.textColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        source0: root.commonPicture("btnFrame")
        source1: root.commonPicture("btnFrame")
        onClicked: root.browseBackground()
    }

    Image {
        x: 10
        y: 214
        width: 320
        source: root.commonPicture("draw_line")
    }
    Text {
        x: 16
        y: 220
        text: root.stringAt(33)
        color: root.textColor
        opacity: 0.8
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
        font.letterSpacing: 2
    }

    Row {
        x: 118
        y: 244
        spacing: 14
        RadioButton {
            source0: root.commonPicture("checkbox_0")
            source1: root.commonPicture("checkbox_1")
            textColor: root.colorEnable
            textLitColor: root.textColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            objectName: "textSizeNormalButton"
            text: root.stringAt(37)
            isSelected: root.textSizeIndex === 0
            onClicked: root.chooseTextSize(0)
        }
        RadioButton {
            source0: root.commonPicture("checkbox_0")
            source1: root.commonPicture("checkbox_1")
            textColor: root.colorEnable
            textLitColor: root.textColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            objectName: "textSizeLargerButton"
            text: root.stringAt(38)
            isSelected: root.textSizeIndex === 1
            onClicked: root.chooseTextSize(1)
        }
    }

    Row {
        x: 118
        y: 277
        spacing: 5
        Repeater {
            model: 7
            Rectangle {
                objectName: "presetSwatch" + index
                width: 18
                height: 18
                color: Qt.rgba(root.presets[index][0] / 255, root.presets[index][1] / 255, root.presets[index][2] / 255, 1)
                border.width: index === root.presetIndex ? 2 : 1
                border.color: index === root.presetIndex ? "#FFFFFFFF" : "#60FFFFFF"
                MouseArea {
                    anchors.fill: parent
                    onClicked: root.choosePreset(index)
                }
            }
        }
    }

    Slider {
        objectName: "brightnessSlider"
        x: 118
        y: 311
        width: 168
        // A Binding, not a plain one: the slider sets its own index when the
        // user moves it, which would end a plain binding for good.
        Binding on currentIndex { value: root.brightnessStep }
        sourceBase: root.commonPicture("slider_BASE")
        sourceFiller0: root.commonPicture("slider_FILLER_0")
        sourceFiller1: root.commonPicture("slider_FILLER_1")
        onIndexChosen: function(index) { root.chooseBrightness(index) }
    }

    // The colour picker: a press or a drag on the strip sets the selected
    // preset's colour.
    ColorStrip {
        objectName: "colorPalette"
        x: 306
        y: 278
        width: 20
        height: 112
        rgb: root.presets[root.presetIndex]
        sourceStrip: root.commonPicture("draw_palette")
        sourceMarker: root.commonPicture("draw_paletteIndex")
        onColorPicked: function(rgb) { root.pickColor(rgb) }
    }

    Button_2state {
        objectName: "applyButton"
        x: 16
        y: 372
        width: 140
        height: 32
        borderSize: 8
        iconSize: 28
        iconMargin: 2
        text: root.stringAt(40)
        textColor: root.colorEnable
        textLitColor: "#FFFFFFFF"
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        source0: root.commonPicture("btnGroup_FILLER_0")
        source1: root.commonPicture("btnGroup_FILLER_1")
        iconSource0: root.commonPicture("apply_0")
        iconSource1: root.commonPicture("apply_1")
        onClicked: {
            ui_View.playMedia_Index(4)
            root.apply()
        }
    }
    Button_2state {
        objectName: "resetButton"
        x: 166
        y: 372
        width: 140
        height: 32
        borderSize: 8
        iconSize: 28
        iconMargin: 2
        text: root.stringAt(41)
        textColor: root.colorEnable
        textLitColor: "#FFFFFFFF"
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        source0: root.commonPicture("btnGroup_FILLER_0")
        source1: root.commonPicture("btnGroup_FILLER_1")
        iconSource0: root.commonPicture("reset_0")
        iconSource1: root.commonPicture("reset_1")
        onClicked: {
            ui_View.playMedia_Index(4)
            root.reset()
        }
    }

    // Last, so its list opens over the rows below it.
    DropdownList {
        id: languageList
        objectName: "languageList"
        x: 118
        y: 141
        width: 200
        height: 30
        model: root.languageNames
        Binding on currentIndex { value: root.languageIndex }
        sourceFrame: root.commonPicture("btnFileListFrame")
        sourceList: root.commonPicture("filelist_BASE")
        textColor: root.colorEnable
        textLitColor: "#FFFFFFFF"
        accentColor: root.textColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onIndexChosen: function(index) {
            ui_View.playMedia_Index(4)
            root.selectLanguage(index)
        }
    }
}
