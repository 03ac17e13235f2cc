import QtQuick
import "../common"

// A function page's RESET and APPLY buttons side by side. A click is
// reported; the page plays the click sound and does the rest.
Row {
    id: root
    spacing: 10

    property string skinPath: ""
    property string resetText: ""
    property string applyText: ""
    property color textColor: "#FFAAAAAA"
    property string fontFamily: "Arial"
    property int fontSize: 11

    signal resetClicked()
    signal applyClicked()

    function commonPicture(name) {
        return skinPath !== "" ? skinPath + "/common/" + name + ".png" : ""
    }

    Repeater {
        model: [{ name: "reset", text: root.resetText }, { name: "apply", text: root.applyText }]
        Button_2state {
            objectName: root.objectName + "_" + modelData.name
            width: 140
            height: 32
            borderSize: 8
            iconSize: 28
            iconMargin: 2
            text: modelData.text
            textColor: root.textColor
            textLitColor: "#FFFFFFFF"
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            source0: root.commonPicture("btnGroup_FILLER_0")
            source1: root.commonPicture("btnGroup_FILLER_1")
            iconSource0: root.commonPicture(modelData.name + "_0")
            iconSource1: root.commonPicture(modelData.name + "_1")
            onClicked: modelData.name === "reset" ? root.resetClicked() : root.applyClicked()
        }
    }
}
