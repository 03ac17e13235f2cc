import QtQuick
import "../common"

// Function page 0: which function each of the mouse's 16 buttons has. The
// page's own content (button list, function menus, apply and reset) is
// still to come; the calls the mouse main item makes are in place:
//   initUI()                  read the current profile's key entries
//   translateStrings(names)   the 16 button names of the language
//   setSkin(), keyEvent(isDown, usbCode)
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
    // Key labels: KeyCodeString.
    property var keyNames: null
    property var buttonNames: []

    signal valuesRead()

    function stringAt(index) {
        return index < stringList.length ? String(stringList[index]) : ""
    }

    function initUI() {
        valuesRead()
    }

    function translateStrings(names) {
        buttonNames = names
    }

    function setSkin() {
    }

    function keyEvent(isDown, usbCode) {
    }

    function totalReset() {
    }

    function totalApply() {
    }

    Image {
        anchors.fill: parent
        source: root.skinPath !== "" ? root.skinPath + "/list_center/fnKeydefineBackground.png" : ""
    }

    Text {
        x: 28
        y: 14
        text: root.stringAt(74)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize + 5
        font.bold: true
        font.letterSpacing: 3
    }

    Image {
        x: 40
        y: 30
        source: root.skinPath !== "" ? root.skinPath + "/model_ms/model_Q4_KeyDefine.png" : ""
    }

    Model_KeyDefine_Q4 {
        id: model
    }
}
