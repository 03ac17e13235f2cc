import QtQuick
import "../common"

// Function page 2: the lighting effect, its brightness, speed and colour
// palette. The page's own content is still to come; the calls the mouse
// main item makes are in place:
//   initUI(colorSlotCount)    read the effect and the palette; the mouse
//                             offers colorSlotCount palette slots (1 to 8)
//   refreshUI()               read them again after a profile switch
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
    property int colorSlotCount: 8

    signal valuesRead()

    function stringAt(index) {
        return index < stringList.length ? String(stringList[index]) : ""
    }

    function initUI(slotCount) {
        colorSlotCount = slotCount
        refreshUI()
    }

    function refreshUI() {
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
        source: root.skinPath !== "" ? root.skinPath + "/list_center/fnColorBackground.png" : ""
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

    Image {
        x: 40
        y: 30
        source: root.skinPath !== "" ? root.skinPath + "/model_ms/model_Q4_Color.png" : ""
    }

    Model_Color_Q4 {
        id: model
        colorMaxStage: root.colorSlotCount
    }
}
