import QtQuick

// The eight DPI stages: cells of 64 x 28 on a 548 x 36 trough, 4 pixels
// apart. Each cell shows its stage's value (0: unused, shown as "×"); the
// first stageCount cells are usable, the others dimmed. A click selects a
// usable stage; a right click or a double click opens the value menu under
// it, which offers offeredValues. The group keeps what the user chose and
// reports it; the page sends it and plays the click sound.
Item {
    id: root
    width: 548
    height: 36

    property var values: [0, 0, 0, 0, 0, 0, 0, 0]
    property var offeredValues: []
    property int stageCount: 8
    property int currentIndex: -1
    property int menuIndex: -1
    property string sourceBase: ""
    property string sourceFiller0: ""
    property string sourceFiller1: ""
    property string sourceMenu: ""
    property color menuFillColor: "transparent"
    property color textColor: "#FFAAAAAA"
    property color textLitColor: "#FFFFFFFF"
    property color accentColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    readonly property bool isMenuOpen: menuIndex >= 0

    signal stageClicked(int index)
    signal valueChosen(int index, int value)

    function setCurIndex(index) {
        var number = Math.floor(Number(index))
        currentIndex = (isNaN(number) || number < 0 || number >= stageCount) ? -1 : number
    }

    function getCurIndex() {
        return currentIndex
    }

    function cellX(index) {
        return 4 + index * 68
    }

    function isUsable(index) {
        return index >= 0 && index < Math.min(8, stageCount)
    }

    // The values with one stage's value replaced; a new array, so bindings
    // on values see the change.
    function withValue(list, index, value) {
        var copy = []
        for (var stage = 0; stage < 8; ++stage)
            copy.push(stage < list.length ? Number(list[stage]) : 0)
        copy[index] = Number(value)
        return copy
    }

    function openMenu(index) {
        menuIndex = isUsable(index) && offeredValues.length > 0 ? index : -1
    }

    function closeMenu() {
        menuIndex = -1
    }

    function choose(value) {
        var index = menuIndex
        closeMenu()
        if (!isUsable(index))
            return
        values = withValue(values, index, value)
        valueChosen(index, Number(value))
    }

    Image {
        anchors.fill: parent
        source: root.sourceBase
    }

    Repeater {
        model: 8
        Item {
            id: cell
            objectName: root.objectName + "_" + index
            x: root.cellX(index)
            y: 4
            width: 64
            height: 28
            enabled: root.isUsable(index)
            opacity: enabled ? 1.0 : 0.35
            readonly property bool isLit: index === root.currentIndex || (enabled && cellMouse.containsMouse)

            Image {
                anchors.fill: parent
                source: cell.isLit ? root.sourceFiller1 : root.sourceFiller0
            }
            Text {
                x: 5
                y: 2
                text: String(index + 1)
                color: cell.isLit ? root.textLitColor : root.textColor
                opacity: 0.6
                font.family: root.fontFamily
                font.pixelSize: 8
                font.bold: true
            }
            Text {
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: 3
                text: Number(root.values[index]) > 0 ? String(root.values[index]) : "\u00D7"
                color: cell.isLit ? root.textLitColor : root.textColor
                font.family: root.fontFamily
                font.pixelSize: root.fontSize
                font.bold: true
            }
            MouseArea {
                id: cellMouse
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: function(mouse) {
                    if (mouse.button === Qt.RightButton) {
                        root.openMenu(index)
                        return
                    }
                    root.closeMenu()
                    root.currentIndex = index
                    root.stageClicked(index)
                }
                onDoubleClicked: root.openMenu(index)
            }
        }
    }

    ButtonGroupPro_8_Menu {
        id: menu
        objectName: root.objectName + "_menu"
        visible: root.isMenuOpen
        z: 10
        x: root.isMenuOpen ? root.cellX(root.menuIndex) - 4 : 0
        y: root.height + 2
        values: root.offeredValues
        currentValue: root.isMenuOpen ? Number(root.values[root.menuIndex]) : -1
        sourceBase: root.sourceMenu
        fillColor: root.menuFillColor
        textColor: root.textColor
        textLitColor: root.textLitColor
        accentColor: root.accentColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onChosen: function(value) { root.choose(value) }
    }
}
