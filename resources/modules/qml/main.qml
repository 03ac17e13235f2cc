import QtQuick
import "./basic"
import "./common"
import "./Q4"

// The root of the scene: 1000 x 600, invisible until run(). The back end
// calls initUI(), run(), setProtectUI(interval), detectKeyboard(isDown,
// usbCode) and detectMouse(isDown, buttonCode, x, y) by name. The pages read
// the shared look from the properties below, which follow the
// global-settings panel.
Item {
    id: root
    width: 1000
    height: 600
    visible: false
    clip: true

    property int globalSetting_size: 11
    property color globalSetting_color: "#FF00FFFF"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property int animation_speed: 800
    // The animation switch sets the unit to 800 ms, or to 10 ms when it is
    // off; off, the scene opens at once instead of in a few 10 ms frames.
    readonly property bool isAnimationOn: animation_speed > 10
    property var globalSetting_stringList: builtInStrings
    property string globalSetting_fontFamily: "Arial"
    property string globalSetting_url: "file:modules/help/index.html"
    property int skin_No: 1
    property bool isCustomBackground: false
    property url sourceCustomBackground: ""
    // The skin folder; every picture is this plus its sub-path, relative
    // to the working directory (the program's folder).
    readonly property string sourceSkin: "file:modules/img/skin" + skin_No

    // The global strings until a language is loaded: entry 0 the font
    // family, entry k the text of string k.
    readonly property var builtInStrings: [
        "Arial", "【 OPTIONS 】", "LIGHTING EFFECT", "SPEED", "BRIGHTNESS", "STATIC",
        "TWINKLING", "BREATHING", "NEON", "WAVE", "GLIDING", "FINGER MOVING",
        "VERTICAL FLIPPING", "YO-YO", "SPOTLIGHT", "RED", "GREEN", "BLUE",
        "MAGENTA", "CYAN", "YELLOW", "WHITE", "ORANGE", "COLOR PALETTE",
        "PROFILE", "DPI", "SKIN", "SOUND", "ANIMATED", "LANGUAGE",
        "BACKGROUND", "【 ON 】", "【 OFF 】", "TEXT", "SIZE", "COLOR",
        "BRIGHTNESS", "NORMAL", "LARGER", "BROWSE", "APPLY", "RESET",
        "PRESET", "VISIT WEBSITE", "MACRO", "ACTION", "KEYBOARD", "MOUSE",
        "MEDIA", "COMBO KEY", "MACRO", "LEFT", "RIGHT", "MIDDLE",
        "BACKWARD", "FORWARD", "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE",
        "MUTE", "VOLUME UP", "VOLUME DOWN", "MEDIA SELECT", "MAIL", "CALCULATOR",
        "MY COMPUTER", "WWW SEARCH", "WWW HOME", "WWW BACK", "WWW FORWARD", "WWW STOP",
        "WWW REFRESH", "WWW FAVORITES", "KEY", "MACRO", "COLOR", "RESET",
        "CANCEL", "NEW MACRO", "DELETE", "CUT", "PASTE", "COPY",
        "LOAD", "SAVE", "SENSOR", "LED POWER ON", "RECORD", "STOP",
        "DELETE MACRO", "INSERT", "DELAY", "FIRE KEY", "TRIPLE CLICK", "DPI SWITCH",
        "NORMAL PLAY", "TIMES", "ALWAYS REPEAT", "REPEAT ON PRESSED", "POLLING RATE", "CURSOR SPEED",
        "VERTICAL SCROLL SPEED", "DOUBLE CLICK SPEED", "DPI LEVEL", "DPI INDICATOR LED", "RESET", "APPLY",
        "SCROLL SWAP", "SCROLL UP", "SCROLL DOWN", "LED CONTROL", "RENAME", "ALL RESET",
        "ALL SAVE", "DPI +", "DPI -"
    ]

    // 0 built, 1 initialised (initUI ran), 2 running (run ran).
    property int phase: 0
    // The opening animation has ended.
    property bool isOpened: false
    property bool isClosing: false
    readonly property bool isGlobalSettingShown: menu_Up.isGlobalSettingSelect || panelSlide.running
    readonly property bool isPanelSliding: panelSlide.running

    signal msg_KB(bool isDown, int usbCode)
    signal emptyAreaPressed()

    onMsg_KB: function(isDown, usbCode) { main_Q4.msg_KB(isDown, usbCode) }
    onEmptyAreaPressed: {
        globalSetting.closePopups()
        main_Q4.closePopups()
    }

    // The panel first: it loads the language the mouse pages label
    // themselves with.
    function initUI() {
        globalSetting.initUI()
        main_Q4.initUI()
        phase = Math.max(phase, 1)
    }

    // Plays the start-up sound and opens the scene, once. The configuration
    // decides whether there is sound at all, so it is read first if that
    // has not happened yet.
    function run() {
        if (phase >= 2)
            return
        if (phase < 1)
            initUI()
        phase = 2
        ui_View.playMedia_Index(1)
        root.visible = true
        openingAnimation.start()
        if (!isAnimationOn)
            openingAnimation.complete()
    }

    // Locks the whole view for interval ms (0: until the next pass of the
    // event loop) and shows the busy text meanwhile.
    function setProtectUI(interval) {
        busyIndicator.setBusy(true)
        ui_View.setEnabled(false)
        lockTimer.interval = interval
        lockTimer.restart()
    }

    function detectKeyboard(isDown, usbCode) {
        root.msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, buttonCode, x, y) {
    }

    function setSkin() {
        menu_Down.setSkin()
        main_Q4.setSkin()
    }

    function translateStrings(code) {
        globalSetting.translateStrings(code)
        main_Q4.translateStrings(code)
    }

    // Only web pages and the shipped help page are opened from the logo: the
    // address comes from a file the user can edit, and any other file or
    // program link must not start anything.
    function isWebLink(url) {
        return /^https?:\/\/[^\s]+$/i.test(String(url))
    }

    // The help page lies under the working directory, which only the back
    // end knows.
    function isHelpLink(url) {
        return /^file:modules\/help\/[A-Za-z0-9_-]+\.html$/.test(String(url))
    }

    function openWebLink() {
        ui_View.playMedia_Index(3)
        if (isWebLink(globalSetting_url))
            Qt.openUrlExternally(globalSetting_url)
        else if (isHelpLink(globalSetting_url))
            ui_Ctl.openHelpPage(globalSetting_url)
    }

    // A toggle while the panel still slides finishes that slide first.
    function slidePanel(isOpen) {
        if (!isOpen)
            globalSetting.closePopups()
        if (panelSlide.running)
            panelSlide.complete()
        panelSlide.from = isOpen ? globalSetting.width : 0
        panelSlide.to = isOpen ? 0 : globalSetting.width
        panelSlide.start()
    }

    function close() {
        if (isClosing)
            return
        isClosing = true
        closingAnimation.start()
    }

    // Dragging the window by any empty spot: the pressed point stays under
    // the pointer.
    MouseArea {
        id: dragArea
        anchors.fill: parent
        property int pressX: 0
        property int pressY: 0
        onPressed: function(mouse) {
            pressX = mouse.x
            pressY = mouse.y
            root.emptyAreaPressed()
        }
        onPositionChanged: function(mouse) {
            if (!pressed)
                return
            ui_Ctl.onXChanged(mouse.x - pressX)
            ui_Ctl.onYChanged(mouse.y - pressY)
        }
    }

    BusyIndicator {
        id: busyIndicator
        anchors.centerIn: parent
        z: 99
    }

    Timer {
        id: lockTimer
        interval: 1000
        repeat: false
        onRunningChanged: {
            if (!running) {
                ui_View.setEnabled(true)
                busyIndicator.setBusy(false)
            }
        }
    }

    Environment {
        id: environment
        objectName: "environment"
        opacity: 0
        skinPath: root.sourceSkin
        isCustomBackground: root.isCustomBackground
        sourceCustomBackground: root.sourceCustomBackground
    }

    Main_Q4 {
        id: main_Q4
        objectName: "main_Q4"
        skinPath: root.sourceSkin
        stringList: root.globalSetting_stringList
        textColor: root.globalSetting_color
        colorEnable: root.globalSetting_color_enable
        colorDisable: root.globalSetting_color_disable
        fontFamily: root.globalSetting_fontFamily
        fontSize: root.globalSetting_size
        animationSpeed: root.animation_speed
        isAnimationOn: root.isAnimationOn
        keyNames: keyCodeString
        isPanelOpen: root.isGlobalSettingShown
        onEntered: root.isOpened = true
    }

    Environment_Decoration {
        id: decoration
        objectName: "decoration"
        opacity: 0
        skinPath: root.sourceSkin
    }

    Menu_Down {
        id: menu_Down
        objectName: "menu_Down"
        y: 600
        enabled: !root.isGlobalSettingShown
        opacity: root.isGlobalSettingShown ? 0.2 : 1.0
        skinPath: root.sourceSkin
        textColor: root.globalSetting_color_enable
        fontFamily: root.globalSetting_fontFamily
        fontSize: root.globalSetting_size
        resetText: root.globalSetting_stringList[113] || "ALL RESET"
        applyText: root.globalSetting_stringList[114] || "ALL SAVE"
        // The pages lock the view for their own applies; the bar's lock
        // comes last, so it holds for its whole time.
        onBtnTotalResetClicked: {
            ui_View.playMedia_Index(4)
            main_Q4.totalReset()
            root.setProtectUI(800)
        }
        onBtnTotalApplyClicked: {
            ui_View.playMedia_Index(4)
            main_Q4.totalApply()
            root.setProtectUI(2000)
        }
    }

    Menu_Up {
        id: menu_Up
        objectName: "menu_Up"
        y: -600
        skinPath: root.sourceSkin
        onBtnClicked: function(index) {
            if (index === 0)
                ui_View.playMedia_Index(2)
            else if (index === 1)
                root.close()
        }
        onIsGlobalSettingSelectChanged: root.slidePanel(isGlobalSettingSelect)
    }

    // The logo: the maker's web page, with sound 3.
    Item {
        id: logo
        objectName: "logo"
        width: 180
        height: 48
        x: (root.width - width) / 2
        y: 270
        opacity: 0
        Image {
            anchors.fill: parent
            source: root.sourceSkin + (logoMouse.containsMouse ? "/frame/web_1.png" : "/frame/web_0.png")
        }
        MouseArea {
            id: logoMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: root.openWebLink()
        }
    }

    Item {
        id: globalSettingClip
        x: 5
        y: 27
        width: 340
        height: 420
        clip: true
        visible: root.isGlobalSettingShown

        Page_Globalsetting {
            id: globalSetting
            objectName: "globalSetting"
            x: width
            skinPath: root.sourceSkin
            stringList: root.globalSetting_stringList
            builtInStrings: root.builtInStrings
            textColor: root.globalSetting_color
            colorEnable: root.globalSetting_color_enable
            colorDisable: root.globalSetting_color_disable
            fontFamily: root.globalSetting_fontFamily
            fontSize: root.globalSetting_size
            onSkinChosen: function(skinNo) {
                root.skin_No = skinNo
                root.setSkin()
            }
            onAnimationChosen: function(isOn) { root.animation_speed = isOn ? 800 : 10 }
            onLanguageChosen: function(strings, code) {
                root.globalSetting_stringList = strings
                root.globalSetting_fontFamily = strings.length > 0 && String(strings[0]) !== "" ? String(strings[0]) : "Arial"
                root.translateStrings(code)
            }
            onBackgroundChosen: function(isCustom, source) {
                root.isCustomBackground = isCustom
                root.sourceCustomBackground = source
            }
            onTextStyleChosen: function(pixelSize, textColor) {
                root.globalSetting_size = pixelSize
                root.globalSetting_color = textColor
            }
            onWebLinkChosen: function(url) { root.globalSetting_url = url }
        }
    }

    NumberAnimation {
        id: panelSlide
        target: globalSetting
        property: "x"
        duration: root.animation_speed * 0.8
        easing.type: Easing.OutCubic
    }

    KeyCodeString {
        id: keyCodeString
        objectName: "keyCodeString"
    }

    SequentialAnimation {
        id: openingAnimation
        NumberAnimation { target: logo; property: "opacity"; from: 0; to: 1; duration: root.animation_speed; easing.type: Easing.InCirc }
        NumberAnimation { target: logo; property: "y"; from: 270; to: 4; duration: root.animation_speed * 1.5; easing.type: Easing.OutExpo }
        ParallelAnimation {
            NumberAnimation { target: environment; property: "opacity"; from: 0; to: 1; duration: root.animation_speed; easing.type: Easing.OutCirc }
            NumberAnimation { target: decoration; property: "opacity"; from: 0; to: 1; duration: root.animation_speed; easing.type: Easing.OutCirc }
        }
        ParallelAnimation {
            NumberAnimation { target: menu_Up; property: "y"; from: -600; to: 0; duration: root.animation_speed; easing.type: Easing.OutElastic; easing.amplitude: 1.0; easing.period: 0.6 }
            NumberAnimation { target: menu_Down; property: "y"; from: 600; to: 600 - menu_Down.height; duration: root.animation_speed; easing.type: Easing.OutElastic; easing.amplitude: 1.0; easing.period: 0.6 }
            ScriptAction { script: main_Q4.enter() }
        }
    }

    NumberAnimation {
        id: closingAnimation
        target: root
        property: "height"
        from: 600
        to: 0
        duration: root.animation_speed
        easing.type: Easing.InOutCubic
        onFinished: ui_Ctl.onMinimize()
    }
}
