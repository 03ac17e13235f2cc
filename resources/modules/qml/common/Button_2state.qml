import QtQuick

// A two-picture button: the idle picture (_0) and the hovered or selected
// one (_1). Without pictures it draws itself. A click plays the click sound.
Item {
    id: root
    width: 96
    height: 30

    property string source0: ""
    property string source1: ""
    property string text: ""
    property bool isSelected: false
    property bool isSoundOn: true
    property color textColor: "#FF00FFFF"
    property string fontFamily: "Arial"

    signal clicked()

    readonly property bool isLit: isSelected || mouseArea.containsMouse

    Image {
        id: picture
        anchors.fill: parent
        source: root.isLit ? root.source1 : root.source0
    }

    Rectangle {
        anchors.fill: parent
        visible: picture.status !== Image.Ready
        radius: 4
        color: root.isLit ? "#4000C8FF" : "#20FFFFFF"
        border.color: root.isLit ? root.textColor : "#60FFFFFF"
        border.width: 1
    }

    Text {
        anchors.centerIn: parent
        text: root.text
        color: root.isLit ? "#FFFFFFFF" : root.textColor
        font.family: root.fontFamily
        font.pixelSize: 12
        font.bold: true
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            if (root.isSoundOn)
                ui_View.playMedia_Index(4)
            root.clicked()
        }
    }
}
