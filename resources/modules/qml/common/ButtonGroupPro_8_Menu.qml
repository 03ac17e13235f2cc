import QtQuick

// The value menu of a DPI stage: the offered values in a column, the
// current one lit. A value of 0 means the stage is unused and shows as "×".
// Choosing reports the value; a press beside the menu cancels it.
Item {
    id: root
    width: 72
    height: Math.min(values.length, maxRows) * rowHeight + 8

    property var values: []
    property int currentValue: -1
    property int rowHeight: 22
    property int maxRows: 12
    property string sourceBase: ""
    // Laid under the picture where the menu must hide what lies below it.
    property color fillColor: "transparent"
    property color textColor: "#FFAAAAAA"
    property color textLitColor: "#FFFFFFFF"
    property color accentColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    signal chosen(int value)

    function valueText(value) {
        return Number(value) === 0 ? "\u00D7" : String(value)
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: 2
        radius: 6
        color: root.fillColor
    }

    BorderImage {
        anchors.fill: parent
        border { left: 10; right: 10; top: 10; bottom: 10 }
        source: root.sourceBase
    }

    ListView {
        id: list
        anchors.fill: parent
        anchors.margins: 4
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: root.values
        delegate: Rectangle {
            objectName: root.objectName + "_" + index
            width: list.width
            height: root.rowHeight
            color: rowMouse.containsMouse ? Qt.rgba(root.accentColor.r, root.accentColor.g, root.accentColor.b, 0.35)
                                          : "transparent"
            Text {
                anchors.centerIn: parent
                text: root.valueText(modelData)
                color: Number(modelData) === root.currentValue || rowMouse.containsMouse
                       ? root.textLitColor : root.textColor
                font.family: root.fontFamily
                font.pixelSize: root.fontSize
                font.bold: Number(modelData) === root.currentValue
            }
            MouseArea {
                id: rowMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: root.chosen(Number(modelData))
            }
        }
    }
}
