import QtQuick

// A list of file names (the macro library). Clicking a row selects it,
// clicking the selected row again clears the selection; a right click asks
// for the row's menu. startRename(index) edits a name in place: Return or
// Enter ends the edit, shows the new name and reports it (an empty or
// unchanged name reports nothing), Escape or leaving the row drops it. The
// page plays the click sound and does the file work.
Item {
    id: root
    width: 220
    height: 300

    property var names: []
    property int currentIndex: -1
    property int editingIndex: -1
    property int rowHeight: 24
    property int maximumLength: 64
    property string sourceBase: ""
    property color textColor: "#FFAAAAAA"
    property color textLitColor: "#FFFFFFFF"
    property color accentColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11

    signal indexChosen(int index)
    signal menuRequested(int index, real x, real y)
    signal renamed(int index, string oldName, string newName)

    function setCurIndex(index) {
        var number = Math.floor(Number(index))
        currentIndex = (isNaN(number) || number < 0 || number >= names.length) ? -1 : number
    }

    function getCurIndex() {
        return currentIndex
    }

    // Clicking the selected row clears the selection.
    function toggledIndex(current, clicked) {
        return clicked === current ? -1 : clicked
    }

    // What an edit ends in: the trimmed new name, or "" when nothing changes.
    function editedName(oldName, typed) {
        var name = String(typed).trim()
        return name === "" || name === oldName ? "" : name
    }

    // Scrolls the list so that the row is shown.
    function showRow(index) {
        if (index >= 0 && index < names.length)
            list.positionViewAtIndex(index, ListView.Contain)
    }

    function startRename(index) {
        if (index < 0 || index >= names.length)
            return
        editingIndex = index
        list.positionViewAtIndex(index, ListView.Contain)
    }

    function finishRename(index, typed) {
        if (editingIndex !== index)
            return
        editingIndex = -1
        var oldName = String(names[index])
        var name = editedName(oldName, typed)
        if (name === "")
            return
        var copy = names.slice()
        copy[index] = name
        names = copy
        renamed(index, oldName, name)
    }

    function cancelRename() {
        editingIndex = -1
    }

    BorderImage {
        anchors.fill: parent
        border { left: 12; right: 12; top: 12; bottom: 12 }
        source: root.sourceBase
    }

    ListView {
        id: list
        anchors.fill: parent
        anchors.margins: 6
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: root.names
        delegate: Item {
            id: row
            objectName: root.objectName + "_row" + index
            width: list.width
            height: root.rowHeight
            readonly property bool isSelected: index === root.currentIndex
            readonly property bool isEditing: index === root.editingIndex

            Rectangle {
                anchors.fill: parent
                color: row.isSelected ? Qt.rgba(root.accentColor.r, root.accentColor.g, root.accentColor.b, 0.28)
                                      : (rowMouse.containsMouse ? Qt.rgba(1, 1, 1, 0.06) : "transparent")
                border.width: row.isEditing ? 1 : 0
                border.color: root.accentColor
            }
            Text {
                anchors.fill: parent
                anchors.leftMargin: 8
                anchors.rightMargin: 8
                visible: !row.isEditing
                verticalAlignment: Text.AlignVCenter
                text: String(modelData)
                color: row.isSelected || rowMouse.containsMouse ? root.textLitColor : root.textColor
                font.family: root.fontFamily
                font.pixelSize: root.fontSize
                font.bold: row.isSelected
                elide: Text.ElideRight
            }
            MouseArea {
                id: rowMouse
                anchors.fill: parent
                enabled: !row.isEditing
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: function(mouse) {
                    if (mouse.button === Qt.RightButton) {
                        var point = mapToItem(root, mouse.x, mouse.y)
                        root.menuRequested(index, point.x, point.y)
                        return
                    }
                    root.currentIndex = root.toggledIndex(root.currentIndex, index)
                    root.indexChosen(root.currentIndex)
                }
            }
            TextInput {
                id: editor
                anchors.fill: parent
                anchors.leftMargin: 8
                anchors.rightMargin: 8
                visible: row.isEditing
                verticalAlignment: TextInput.AlignVCenter
                color: root.textLitColor
                selectionColor: root.accentColor
                font.family: root.fontFamily
                font.pixelSize: root.fontSize
                maximumLength: root.maximumLength
                clip: true
                Keys.onReturnPressed: root.finishRename(index, text)
                Keys.onEnterPressed: root.finishRename(index, text)
                Keys.onEscapePressed: root.cancelRename()
                onVisibleChanged: {
                    if (visible) {
                        text = String(modelData)
                        forceActiveFocus()
                        selectAll()
                    }
                }
                onActiveFocusChanged: {
                    if (!activeFocus && row.isEditing)
                        root.cancelRename()
                }
            }
        }
    }
}
