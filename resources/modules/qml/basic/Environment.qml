import QtQuick

// The 1000 x 600 background: the custom picture when chosen, else the
// skin's background, with the frame over it. Without skin pictures a drawn
// panel stands in.
Item {
    id: root
    width: 1000
    height: 600

    property string skinPath: ""
    property bool isCustomBackground: false
    property url sourceCustomBackground: ""

    Rectangle {
        anchors.fill: parent
        anchors.margins: 6
        radius: 18
        visible: background.status !== Image.Ready && custom.status !== Image.Ready
        border.color: "#6000C8FF"
        border.width: 2
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#F0161C24" }
            GradientStop { position: 0.55; color: "#F00C1016" }
            GradientStop { position: 1.0; color: "#F0182230" }
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 56
            width: parent.width - 80
            height: 1
            color: "#4000C8FF"
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 56
            width: parent.width - 80
            height: 1
            color: "#4000C8FF"
        }
    }

    Image {
        id: background
        anchors.fill: parent
        visible: !root.isCustomBackground
        source: root.skinPath + "/background.png"
    }

    Image {
        id: custom
        anchors.fill: parent
        visible: root.isCustomBackground
        source: root.isCustomBackground ? root.sourceCustomBackground : ""
        fillMode: Image.PreserveAspectCrop
    }

    Image {
        anchors.fill: parent
        source: root.skinPath + "/frame/frameBackground.png"
    }
}
