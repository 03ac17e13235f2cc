import QtQuick

// Four buttons of which one is selected (the report rate): cells of 80 x 28
// on a 340 x 36 trough, 4 pixels apart. A click selects its cell and
// reports it; the page plays the click sound.
Item {
    id: root
    width: 340
    height: 36

    property var labels: ["", "", "", ""]
    property int currentIndex: -1
    property string sourceBase: ""
    property string sourceFiller0: ""
    property string sourceFiller1: ""
    property color textColor: "#FFAAAAAA"
    property color textLitColor: "#FFFFFFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    signal indexClicked(int index)

    function setCurIndex(index) {
        var number = Math.floor(Number(index))
        currentIndex = (isNaN(number) || number < 0 || number > 3) ? -1 : number
    }

    function getCurIndex() {
        return currentIndex
    }

    // Left edge of cell index.
    function cellX(index) {
        return 4 + index * 84
    }

    Image {
        anchors.fill: parent
        source: root.sourceBase
    }

    Repeater {
        model: 4
        Button_2state {
            objectName: root.objectName + "_" + index
            x: root.cellX(index)
            y: 4
            width: 80
            height: 28
            text: root.labels[index] !== undefined ? String(root.labels[index]) : ""
            isSelected: index === root.currentIndex
            source0: root.sourceFiller0
            source1: root.sourceFiller1
            textColor: root.textColor
            textLitColor: root.textLitColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            onClicked: {
                root.currentIndex = index
                root.indexClicked(index)
            }
        }
    }
}
