import QtQuick

// A stepped slider: stepCount equal steps across its width (8 here, 11 for
// Slider_11). The track picture lies under the lit filler, which shows up
// to the selected step; currentIndex -1 means no step is selected. A press
// or a drag picks the step under the pointer and reports it once per
// change; the wheel steps by one.
Item {
    id: root
    width: 224
    height: 14

    property int stepCount: 8
    property int currentIndex: -1
    property string sourceBase: ""
    property string sourceFiller0: ""
    property string sourceFiller1: ""

    readonly property bool isLit: enabled && (mouseArea.containsMouse || mouseArea.pressed)

    signal indexChosen(int index)

    function setCurIndex(index) {
        currentIndex = clampedIndex(index)
    }

    function getCurIndex() {
        return currentIndex
    }

    // The step under x, for a track width wide: 0 to count - 1.
    function indexAt(x, wide, count) {
        if (wide <= 0 || count <= 0)
            return -1
        return Math.max(0, Math.min(count - 1, Math.floor(x * count / wide)))
    }

    function clampedIndex(index) {
        var number = Math.floor(Number(index))
        if (isNaN(number) || number < 0)
            return -1
        return Math.min(number, stepCount - 1)
    }

    function choose(x) {
        var index = indexAt(x, width, stepCount)
        if (index === currentIndex)
            return
        currentIndex = index
        indexChosen(index)
    }

    Image {
        anchors.fill: parent
        source: root.sourceBase
    }

    Item {
        width: root.currentIndex < 0 ? 0 : root.width * (root.currentIndex + 1) / root.stepCount
        height: parent.height
        clip: true
        Image {
            width: root.width
            height: root.height
            source: root.isLit ? root.sourceFiller1 : root.sourceFiller0
        }
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        anchors.topMargin: -6
        anchors.bottomMargin: -6
        hoverEnabled: true
        onPressed: function(mouse) { root.choose(mouse.x) }
        onPositionChanged: function(mouse) {
            if (pressed)
                root.choose(mouse.x)
        }
        onWheel: function(wheel) {
            var step = wheel.angleDelta.y > 0 ? 1 : (wheel.angleDelta.y < 0 ? -1 : 0)
            var index = Math.max(0, Math.min(root.stepCount - 1, root.currentIndex + step))
            if (step !== 0 && index !== root.currentIndex) {
                root.currentIndex = index
                root.indexChosen(index)
            }
        }
    }
}
