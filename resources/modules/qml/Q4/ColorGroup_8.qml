import QtQuick

// Eight colour slots in a row, the first slotCount usable, one selected. A
// click selects a usable slot and reports it; the page edits its colour.
Item {
    id: root
    width: 8 * 34 - 6
    height: 28

    // R, G, B of slot 1 first.
    property var colors: []
    property int slotCount: 8
    property int currentIndex: -1
    property color accentColor: "#FF00FFFF"

    signal indexClicked(int index)

    function setCurIndex(index) {
        var number = Math.floor(Number(index))
        currentIndex = (isNaN(number) || number < 0 || number >= slotCount) ? -1 : number
    }

    function getCurIndex() {
        return currentIndex
    }

    // Slot i's colour, black when the list is too short.
    function slotColor(list, index) {
        if (!list || list.length < 3 * index + 3)
            return Qt.rgba(0, 0, 0, 1)
        return Qt.rgba(Number(list[3 * index]) / 255, Number(list[3 * index + 1]) / 255,
                       Number(list[3 * index + 2]) / 255, 1)
    }

    Row {
        spacing: 6
        Repeater {
            model: 8
            Rectangle {
                objectName: root.objectName + "_" + index
                width: 28
                height: 28
                enabled: index < root.slotCount
                opacity: enabled ? 1.0 : 0.25
                color: root.slotColor(root.colors, index)
                border.width: index === root.currentIndex ? 2 : 1
                border.color: index === root.currentIndex ? root.accentColor : "#60FFFFFF"
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        root.currentIndex = index
                        root.indexClicked(index)
                    }
                }
            }
        }
    }
}
