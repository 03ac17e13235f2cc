import QtQuick

// A bare rectangle with a click, for trying a layout out; no page uses it.
Rectangle {
    id: root
    width: 60
    height: 24
    color: mouseArea.pressed ? "#6000C8FF" : "#30FFFFFF"
    border.color: "#80FFFFFF"

    property string text: "TEST"

    signal clicked()

    Text {
        anchors.centerIn: parent
        text: root.text
        color: "#FFFFFFFF"
        font.pixelSize: 11
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        onClicked: root.clicked()
    }
}
