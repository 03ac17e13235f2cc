import QtQuick
import "../common"

// The function menu: KEY, MACRO, COLOR and SENSOR, one button each, the
// shown page's lit. A click reports the page; the mouse main item switches
// and plays the sound.
Item {
    id: root
    width: 150
    height: 4 * 56 - 8

    property string skinPath: ""
    property var labels: ["KEY", "MACRO", "COLOR", "SENSOR"]
    property int currentIndex: 0
    property color textColor: "#FF00FFFF"
    property color colorEnable: "#FFAAAAAA"
    property string fontFamily: "Arial"
    property int fontSize: 11

    readonly property var iconNames: ["fnKeydefine", "fnMacro", "fnColor", "fnSensor"]

    signal pageClicked(int index)

    function picture(name) {
        return skinPath !== "" ? skinPath + "/list_fn/" + name + ".png" : ""
    }

    Column {
        spacing: 8
        Repeater {
            model: 4
            Button_2state {
                objectName: "functionButton" + index
                width: 150
                height: 48
                text: root.labels[index] !== undefined ? String(root.labels[index]) : ""
                isSelected: index === root.currentIndex
                horizontalAlignment: Text.AlignLeft
                iconMargin: 12
                iconSize: 32
                textColor: root.colorEnable
                textLitColor: "#FFFFFFFF"
                fontFamily: root.fontFamily
                fontSize: root.fontSize
                source0: root.picture("listFnBtn_0")
                source1: root.picture("listFnBtn_1")
                iconSource0: root.picture(root.iconNames[index] + "_0")
                iconSource1: root.picture(root.iconNames[index] + "_1")
                onClicked: root.pageClicked(index)
            }
        }
    }
}
