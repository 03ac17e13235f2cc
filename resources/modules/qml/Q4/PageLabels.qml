import QtQuick

// The texts of a function page, one per row {x, y, text, isEnabled}: the
// page's own colour for a usable control's label, the disabled colour
// otherwise. A row may set width to have a long translation shrink and,
// past that, be cut.
Item {
    id: root

    property var rows: []
    property color textColor: "#FF00FFFF"
    property color colorDisable: "#80FFFFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    Repeater {
        model: root.rows
        Text {
            objectName: modelData.name !== undefined ? modelData.name : ""
            x: modelData.x
            y: modelData.y
            width: modelData.width !== undefined ? modelData.width : implicitWidth
            text: modelData.text
            color: modelData.isEnabled === false ? root.colorDisable : root.textColor
            font.family: root.fontFamily
            font.pixelSize: root.fontSize
            font.bold: true
            fontSizeMode: modelData.width !== undefined ? Text.HorizontalFit : Text.FixedSize
            minimumPixelSize: Math.max(7, root.fontSize - 3)
            elide: modelData.width !== undefined ? Text.ElideRight : Text.ElideNone
        }
    }
}
