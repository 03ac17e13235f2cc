import QtQuick

// A closed field showing the chosen entry; a click opens the list of
// entries under it, a click on an entry chooses it and closes the list.
// currentIndex -1 shows placeholderText. The page plays the click sound and
// closes an open list when the window background is pressed.
Item {
    id: root
    width: 200
    height: 30

    property var model: []
    property string placeholderText: ""
    property int currentIndex: -1
    property bool isOpen: false
    property int rowHeight: 24
    property int maxRows: 8
    property string sourceFrame: ""
    property string sourceList: ""
    // Laid under the list's picture where it must hide what lies below it.
    property color listFillColor: "transparent"
    property color textColor: "#FFAAAAAA"
    property color textLitColor: "#FFFFFFFF"
    property color accentColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    readonly property string currentText: entryText(currentIndex)

    signal indexChosen(int index)

    function setCurIndex(index) {
        var number = Math.floor(Number(index))
        currentIndex = (isNaN(number) || number < 0 || number >= model.length) ? -1 : number
    }

    function getCurIndex() {
        return currentIndex
    }

    function entryText(index) {
        return index >= 0 && index < model.length ? String(model[index]) : ""
    }

    function open() {
        isOpen = model.length > 0
    }

    function close() {
        isOpen = false
    }

    function choose(index) {
        close()
        if (index < 0 || index >= model.length)
            return
        currentIndex = index
        indexChosen(index)
    }

    BorderImage {
        anchors.fill: parent
        border { left: 8; right: 34; top: 8; bottom: 8 }
        source: root.sourceFrame
    }

    Text {
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 36
        verticalAlignment: Text.AlignVCenter
        text: root.currentIndex >= 0 ? root.currentText : root.placeholderText
        color: fieldMouse.containsMouse || root.isOpen ? root.textLitColor : root.textColor
        opacity: root.currentIndex >= 0 ? 1.0 : 0.6
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
        elide: Text.ElideRight
    }

    MouseArea {
        id: fieldMouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.isOpen ? root.close() : root.open()
    }

    Item {
        id: popup
        visible: root.isOpen
        z: 100
        y: root.height + 2
        width: root.width
        height: Math.min(root.model.length, root.maxRows) * root.rowHeight + 8

        Rectangle {
            anchors.fill: parent
            anchors.margins: 2
            radius: 6
            color: root.listFillColor
        }

        BorderImage {
            anchors.fill: parent
            border { left: 12; right: 12; top: 12; bottom: 12 }
            source: root.sourceList
        }

        ListView {
            id: list
            anchors.fill: parent
            anchors.margins: 4
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: root.model
            delegate: Rectangle {
                objectName: root.objectName + "_row" + index
                width: list.width
                height: root.rowHeight
                color: rowMouse.containsMouse ? Qt.rgba(root.accentColor.r, root.accentColor.g, root.accentColor.b, 0.30)
                                              : "transparent"
                Text {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 8
                    verticalAlignment: Text.AlignVCenter
                    text: String(modelData)
                    color: index === root.currentIndex || rowMouse.containsMouse ? root.textLitColor : root.textColor
                    font.family: root.fontFamily
                    font.pixelSize: root.fontSize
                    font.bold: index === root.currentIndex
                    elide: Text.ElideRight
                }
                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: root.choose(index)
                }
            }
        }
    }
}
