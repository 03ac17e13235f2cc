import QtQuick
import "../common"

// The bottom bar: ALL RESET and ALL SAVE for the key, colour and sensor
// pages together. The root locks the view (800 and 2000 ms), plays the
// click sound and hands the clicks to the pages.
Item {
    id: root
    width: 1000
    height: 56

    property string skinPath: ""
    property color textColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11
    property string resetText: "ALL RESET"
    property string applyText: "ALL SAVE"

    signal btnTotalResetClicked()
    signal btnTotalApplyClicked()

    function setSkin() {
    }

    Image {
        anchors.fill: parent
        source: root.skinPath !== "" ? root.skinPath + "/list_dn/listDnContainer.png" : ""
    }

    Row {
        x: 606
        y: 16
        spacing: 12
        Button_2state {
            objectName: "allResetButton"
            width: 176
            height: 30
            borderSize: 8
            text: root.resetText
            textColor: root.textColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            source0: root.skinPath !== "" ? root.skinPath + "/common/btnGroup_FILLER_0.png" : ""
            source1: root.skinPath !== "" ? root.skinPath + "/common/btnGroup_FILLER_1.png" : ""
            iconSource0: root.skinPath !== "" ? root.skinPath + "/common/reset_0.png" : ""
            iconSource1: root.skinPath !== "" ? root.skinPath + "/common/reset_1.png" : ""
            onClicked: root.btnTotalResetClicked()
        }
        Button_2state {
            objectName: "allSaveButton"
            width: 176
            height: 30
            borderSize: 8
            text: root.applyText
            textColor: root.textColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            source0: root.skinPath !== "" ? root.skinPath + "/common/btnGroup_FILLER_0.png" : ""
            source1: root.skinPath !== "" ? root.skinPath + "/common/btnGroup_FILLER_1.png" : ""
            iconSource0: root.skinPath !== "" ? root.skinPath + "/common/apply_0.png" : ""
            iconSource1: root.skinPath !== "" ? root.skinPath + "/common/apply_1.png" : ""
            onClicked: root.btnTotalApplyClicked()
        }
    }
}
