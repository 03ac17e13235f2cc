import QtQuick

// A key capture field. A click arms it and clears the captured key; the
// next key event the page hands to keyEvent(), press or release, captures
// that usage when labelFor gives it a label (else clears it) and disarms
// the field. keyCode 0 means no key.
Item {
    id: root
    width: 120
    height: 24

    property int keyCode: 0
    property bool isArmed: false
    // Usage to label; "" for a key without one. The page passes the key
    // table's lookup.
    property var labelFor: function(code) { return "" }
    property string emptyText: ""
    property string armedText: "..."
    property string sourceFrame: ""
    property color textColor: "#FFAAAAAA"
    property color textLitColor: "#FFFFFFFF"
    property color accentColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    readonly property string keyLabel: keyCode > 0 ? String(labelFor(keyCode)) : ""
    readonly property string shownText: isArmed ? armedText : (keyLabel !== "" ? displayText(keyLabel) : emptyText)

    signal armed()
    signal keyCaptured(int keyCode)

    // The code a key event leaves in the field: the usage when it has a
    // label, else 0.
    function capturedCode(usbCode, label) {
        return label !== undefined && label !== null && String(label) !== "" ? Number(usbCode) : 0
    }

    // The field's text for a label.
    function displayText(label) {
        return label
    }

    function arm() {
        keyCode = 0
        isArmed = true
        armed()
    }

    function disarm() {
        isArmed = false
    }

    function clear() {
        keyCode = 0
        isArmed = false
    }

    // Returns whether the event was taken.
    function keyEvent(isDown, usbCode) {
        if (!isArmed)
            return false
        isArmed = false
        keyCode = capturedCode(usbCode, labelFor(usbCode))
        keyCaptured(keyCode)
        return true
    }

    BorderImage {
        anchors.fill: parent
        border { left: 8; right: 8; top: 8; bottom: 8 }
        source: root.sourceFrame
    }

    Rectangle {
        anchors.fill: parent
        visible: root.isArmed
        color: "transparent"
        border.color: root.accentColor
        border.width: 1
        SequentialAnimation on opacity {
            running: root.isArmed
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.3; duration: 400 }
            NumberAnimation { from: 0.3; to: 1.0; duration: 400 }
        }
    }

    Text {
        anchors.fill: parent
        anchors.leftMargin: 6
        anchors.rightMargin: 6
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: root.shownText
        color: root.isArmed || mouseArea.containsMouse ? root.textLitColor : root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
        elide: Text.ElideRight
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.arm()
    }
}
