import QtQuick
import "../common"

// Function page 1: the macro library and the editor of a macro's lines.
// The page's own content is still to come; the calls the mouse main item
// makes are in place:
//   initUI()                  read the macro names
//   translateStrings(), setSkin(), keyEvent(isDown, usbCode)
// valuesRead() is reported once the page shows the library.
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

    signal valuesRead()

    function stringAt(index) {
        return index < stringList.length ? String(stringList[index]) : ""
    }

    function initUI() {
        valuesRead()
    }

    function translateStrings() {
    }

    function setSkin() {
    }

    function keyEvent(isDown, usbCode) {
    }

    Image {
        anchors.fill: parent
        source: root.skinPath !== "" ? root.skinPath + "/list_center/fnMacroBackground.png" : ""
    }

    Text {
        x: 28
        y: 14
        text: root.stringAt(75)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize + 5
        font.bold: true
        font.letterSpacing: 3
    }
}
