import QtQuick

// A check box: the box picture (source0 empty, source1 checked) and a text.
// A click flips isChecked and reports the new state; the page plays the
// click sound.
Item {
    id: root
    implicitWidth: box.width + (label.text !== "" ? label.implicitWidth + 6 : 0)
    implicitHeight: Math.max(box.height, label.implicitHeight)
    width: implicitWidth
    height: implicitHeight

    property bool isChecked: false
    property string text: ""
    property string source0: ""
    property string source1: ""
    property color textColor: "#FFAAAAAA"
    property color textLitColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    signal toggled(bool isChecked)

    Image {
        id: box
        width: 20
        height: 20
        anchors.verticalCenter: parent.verticalCenter
        source: root.isChecked ? root.source1 : root.source0
    }

    Text {
        id: label
        x: box.width + 6
        anchors.verticalCenter: parent.verticalCenter
        text: root.text
        color: root.isChecked || mouseArea.containsMouse ? root.textLitColor : root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            root.isChecked = !root.isChecked
            root.toggled(root.isChecked)
        }
    }
}
