import QtQuick

// A dial with stepCount stops over a 270 degree sweep, the first at the
// lower left and the last at the lower right. Dragging around the centre
// picks the nearest stop, the wheel steps by one; each change is reported
// once. currentIndex -1 shows no stop.
Item {
    id: root
    width: 96
    height: 96

    property int stepCount: 8
    property int currentIndex: -1
    property color lineColor: "#FF3C4654"
    property color accentColor: "#FF00FFFF"
    property color textColor: "#FFFFFFFF"
    property string fontFamily: "Arial"
    property int fontSize: 12
    property string text: currentIndex >= 0 ? String(currentIndex + 1) : ""

    readonly property real sweep: 270

    signal indexChosen(int index)

    function setCurIndex(index) {
        var number = Math.floor(Number(index))
        currentIndex = (isNaN(number) || number < 0) ? -1 : Math.min(number, stepCount - 1)
    }

    function getCurIndex() {
        return currentIndex
    }

    // Angle of a stop in degrees, clockwise from straight up.
    function angleOf(index, count) {
        if (count <= 1)
            return 0
        return -sweep / 2 + index * sweep / (count - 1)
    }

    // The stop nearest to an angle (degrees clockwise from straight up);
    // angles in the gap at the bottom go to the nearer end.
    function indexForAngle(angle, count) {
        if (count <= 1)
            return 0
        var a = ((Number(angle) % 360) + 540) % 360 - 180
        a = Math.max(-sweep / 2, Math.min(sweep / 2, a))
        return Math.round((a + sweep / 2) * (count - 1) / sweep)
    }

    function angleAt(x, y) {
        return Math.atan2(x - width / 2, height / 2 - y) * 180 / Math.PI
    }

    function choose(index) {
        if (index === currentIndex)
            return
        currentIndex = index
        indexChosen(index)
    }

    Rectangle {
        anchors.centerIn: parent
        width: Math.min(root.width, root.height) - 16
        height: width
        radius: width / 2
        color: "#E00B0E13"
        border.color: mouseArea.containsMouse ? root.accentColor : root.lineColor
        border.width: 2
    }

    Repeater {
        model: root.stepCount
        Item {
            anchors.fill: parent
            rotation: root.angleOf(index, root.stepCount)
            Rectangle {
                x: root.width / 2 - width / 2
                y: 1
                width: 3
                height: 6
                radius: 1
                color: index <= root.currentIndex ? root.accentColor : root.lineColor
            }
        }
    }

    Item {
        anchors.fill: parent
        visible: root.currentIndex >= 0
        rotation: root.angleOf(Math.max(0, root.currentIndex), root.stepCount)
        Behavior on rotation { NumberAnimation { duration: 120 } }
        Rectangle {
            x: root.width / 2 - width / 2
            y: 14
            width: 4
            height: Math.min(root.width, root.height) / 2 - 22
            radius: 2
            color: root.accentColor
        }
    }

    Text {
        anchors.centerIn: parent
        text: root.text
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onPressed: function(mouse) { root.choose(root.indexForAngle(root.angleAt(mouse.x, mouse.y), root.stepCount)) }
        onPositionChanged: function(mouse) {
            if (pressed)
                root.choose(root.indexForAngle(root.angleAt(mouse.x, mouse.y), root.stepCount))
        }
        onWheel: function(wheel) {
            var step = wheel.angleDelta.y > 0 ? 1 : (wheel.angleDelta.y < 0 ? -1 : 0)
            if (step !== 0)
                root.choose(Math.max(0, Math.min(root.stepCount - 1, root.currentIndex + step)))
        }
    }
}
