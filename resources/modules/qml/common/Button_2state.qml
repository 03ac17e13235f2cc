import QtQuick

// A two-picture button: the idle picture (source0) and the hovered or
// selected one (source1), with an optional icon pair and a text. With
// borderSize above 0 the pictures stretch as border images. The page that
// uses it plays the click sound.
Item {
    id: root
    width: 96
    height: 30

    property string source0: ""
    property string source1: ""
    property string iconSource0: ""
    property string iconSource1: ""
    property int borderSize: 0
    property int iconSize: 32
    property int iconMargin: 4
    property string text: ""
    property bool isSelected: false
    property color textColor: "#FF00FFFF"
    property color textLitColor: "#FFFFFFFF"
    property string fontFamily: "Arial"
    property int fontSize: 12
    property int horizontalAlignment: Text.AlignHCenter

    readonly property bool isLit: enabled && (isSelected || mouseArea.containsMouse)
    readonly property alias isHovered: mouseArea.containsMouse

    signal clicked()
    signal rightClicked(real x, real y)

    Image {
        anchors.fill: parent
        visible: root.borderSize === 0
        source: root.borderSize === 0 ? (root.isLit ? root.source1 : root.source0) : ""
    }

    BorderImage {
        anchors.fill: parent
        visible: root.borderSize > 0
        border { left: root.borderSize; right: root.borderSize; top: root.borderSize; bottom: root.borderSize }
        source: root.borderSize > 0 ? (root.isLit ? root.source1 : root.source0) : ""
    }

    Image {
        id: icon
        x: root.iconMargin
        anchors.verticalCenter: parent.verticalCenter
        height: Math.min(root.iconSize, root.height)
        width: height
        fillMode: Image.PreserveAspectFit
        source: root.isLit ? root.iconSource1 : root.iconSource0
        visible: source != ""
    }

    Text {
        id: label
        anchors.fill: parent
        anchors.leftMargin: icon.visible ? icon.x + icon.width + 4 : 6
        anchors.rightMargin: 6
        horizontalAlignment: root.horizontalAlignment
        verticalAlignment: Text.AlignVCenter
        text: root.text
        color: root.isLit ? root.textLitColor : root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
        // A long translation shrinks a little before it is cut.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Math.max(7, root.fontSize - 3)
        elide: Text.ElideRight
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onClicked: function(mouse) {
            if (mouse.button === Qt.RightButton)
                root.rightClicked(mouse.x, mouse.y)
            else
                root.clicked()
        }
    }
}
