import QtQuick
import "../common"

// The mouse's main item: the function menu on the left, the profile menu
// on the right, and the four function pages between them (only the
// selected one visible).
Item {
    id: root
    width: 1000
    height: 600

    property string skinPath: ""
    property color textColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property int animationSpeed: 800
    property int currentPage: 0
    property int currentProfile: 0
    property int lastKeyCode: 0
    property var pageNames: ["KEY", "MACRO", "COLOR", "SENSOR"]

    signal msg_KB(bool isDown, int usbCode)

    function initUI() {
    }

    function setSkin() {
    }

    function translateStrings(code) {
    }

    // The entrance after the opening animation.
    function enter() {
        entrance.start()
    }

    Column {
        id: menu_Func
        x: -150
        y: 110
        spacing: 12
        Repeater {
            model: root.pageNames
            Button_2state {
                width: 140
                height: 34
                text: modelData
                isSoundOn: false
                isSelected: index === root.currentPage
                textColor: root.textColor
                fontFamily: root.fontFamily
                source0: root.skinPath + "/list_fn/listFnBtn_0.png"
                source1: root.skinPath + "/list_fn/listFnBtn_1.png"
                onClicked: {
                    ui_View.playMedia_Index(2)
                    root.currentPage = index
                }
            }
        }
    }

    Column {
        id: menu_Prof
        x: 1000
        y: 96
        spacing: 6
        Repeater {
            model: 10
            Button_2state {
                width: 42
                height: 38
                text: String(index + 1)
                isSelected: index === root.currentProfile
                textColor: root.textColor
                fontFamily: root.fontFamily
                source0: root.skinPath + "/list_pf/profileFW_0.png"
                source1: root.skinPath + "/list_pf/profileFW_1.png"
                onClicked: root.currentProfile = index
            }
        }
    }

    Item {
        id: pageArea
        x: 171
        y: 96
        width: 759
        height: 442
        clip: true
        Item {
            id: pageContent
            x: -2 * width
            width: parent.width
            height: parent.height
            Text {
                anchors.centerIn: parent
                text: root.pageNames[root.currentPage]
                color: root.textColor
                opacity: 0.35
                font.family: root.fontFamily
                font.pixelSize: 48
                font.bold: true
                font.letterSpacing: 12
            }
        }
    }

    SequentialAnimation {
        id: entrance
        ParallelAnimation {
            NumberAnimation { target: menu_Prof; property: "x"; from: 1000; to: 1000 - menu_Prof.width - 8; duration: root.animationSpeed; easing.type: Easing.OutElastic; easing.amplitude: 1.0; easing.period: 0.6 }
            NumberAnimation { target: menu_Func; property: "x"; from: -150; to: 8; duration: root.animationSpeed; easing.type: Easing.OutElastic; easing.amplitude: 1.0; easing.period: 0.6 }
        }
        NumberAnimation { target: pageContent; property: "x"; from: -2 * pageContent.width; to: 0; duration: root.animationSpeed * 0.5; easing.type: Easing.OutCubic }
    }
}
