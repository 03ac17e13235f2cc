import QtQuick
import "../common"

// Function page 3: DPI stages, report rate, the pointer settings and the
// DPI indicator colours. The page's own content is still to come; the
// calls the mouse main item makes are in place:
//   initUI()                  read the current profile's sensor values
//   translateStrings(), setSkin()
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

    function totalReset() {
    }

    function totalApply() {
    }

    Image {
        anchors.fill: parent
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
}
