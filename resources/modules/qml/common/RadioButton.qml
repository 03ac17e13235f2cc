import QtQuick

// One choice of a group: the indicator picture (source0 unselected,
// source1 selected) and a text. A click reports itself; the page selects it
// and deselects the others, and plays the click sound.
Item {
    id: root
    implicitWidth: box.width + (label.text !== "" ? label.implicitWidth + 6 : 0)
    implicitHeight: Math.max(box.height, label.implicitHeight)
    width: implicitWidth
    height: implicitHeight

    property bool isSelected: false
    property string text: ""
    property string source0: ""
    property string source1: ""
    property color textColor: "#FFAAAAAA"
    property color textLitColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    signal clicked()

    Image {
        id: box
        width: 20
        height: 20
        anchors.verticalCenter: parent.verticalCenter
        source: root.isSelected || mouseArea.containsMouse ? root.source1 : root.source0
        opacity: root.isSelected ? 1.0 : (mouseArea.containsMouse ? 0.6 : 1.0)
    }

    Text {
        id: label
        x: box.width + 6
        anchors.verticalCenter: parent.verticalCenter
        text: root.text
        color: root.isSelected || mouseArea.containsMouse ? root.textLitColor : root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.clicked()
    }
}
