import QtQuick
import "./basic"
import "./common"
import "./Q4"

// The root of the scene: 1000 x 600, invisible until run(). The back end
// calls initUI(), run(), setProtectUI(interval), detectKeyboard(isDown,
// usbCode) and detectMouse(isDown, buttonCode, x, y) by name.
Item {
    id: root
    width: 1000
    height: 600
    visible: false
    clip: true

    // Shared look, following the global settings once they are loaded.
    property int globalSetting_size: 11
    property color globalSetting_color: "#FF00FFFF"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property int animation_speed: 800
    property var globalSetting_stringList: defaultStrings
    property string globalSetting_fontFamily: "Arial"
    property string globalSetting_url: "https://example.com/q4"
    property int skin_No: 1
    property bool isCustomBackground: false
    property url sourceCustomBackground: ""
    readonly property string skinPath: "file:modules/img/skin" + skin_No

    // Until a language is loaded the pages speak English.
    readonly property var defaultStrings: ["Arial", "【 OPTIONS 】"]

    // 0 built, 1 initialised (initUI ran), 2 running (run ran).
    property int phase: 0

    signal msg_KB(bool isDown, int usbCode)
    signal emptyAreaPressed()

    function initUI() {
        main_Q4.initUI()
        phase = 1
    }

    function run() {
        phase = 2
        ui_View.playMedia_Index(1)
        root.visible = true
        openingAnimation.start()
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
        main_Q4.translateStrings(code)
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
        opacity: 0
        skinPath: root.skinPath
        isCustomBackground: root.isCustomBackground
        sourceCustomBackground: root.sourceCustomBackground
    }

    Main_Q4 {
        id: main_Q4
        skinPath: root.skinPath
        textColor: root.globalSetting_color
        fontFamily: root.globalSetting_fontFamily
        animationSpeed: root.animation_speed
    }

    Environment_Decoration {
        id: decoration
        opacity: 0
        skinPath: root.skinPath
    }

    Menu_Down {
        id: menu_Down
        y: 600
        skinPath: root.skinPath
        textColor: root.globalSetting_color
        fontFamily: root.globalSetting_fontFamily
        resetText: root.globalSetting_stringList[113] || "ALL RESET"
        applyText: root.globalSetting_stringList[114] || "ALL SAVE"
    }

    Menu_Up {
        id: menu_Up
        y: -600
        skinPath: root.skinPath
        onBtnClicked: function(index) {
            if (index === 1)
                closingAnimation.start()
        }
    }

    // The logo opens the maker's page.
    Item {
        id: logo
        width: 160
        height: 44
        x: (root.width - width) / 2
        y: 270
        opacity: 0
        Image {
            id: logoImage
            anchors.fill: parent
            source: root.skinPath + (logoMouse.containsMouse ? "/frame/web_1.png" : "/frame/web_0.png")
            fillMode: Image.PreserveAspectFit
        }
        Text {
            anchors.centerIn: parent
            visible: logoImage.status !== Image.Ready
            text: "Q4"
            color: logoMouse.containsMouse ? "#FFFFFFFF" : root.globalSetting_color
            font.family: root.globalSetting_fontFamily
            font.pixelSize: 30
            font.bold: true
            font.letterSpacing: 6
        }
        MouseArea {
            id: logoMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                ui_View.playMedia_Index(3)
                Qt.openUrlExternally(root.globalSetting_url)
            }
        }
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
