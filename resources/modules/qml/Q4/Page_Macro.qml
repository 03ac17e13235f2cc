import QtQuick
import "../common"

// Function page 1: the macro library and the editor of a macro's lines.
// Left, the library's macros (add, delete, a right-click menu to import,
// export and rename); in the middle, the selected macro's lines with the
// line operations (delete, cut, copy, paste); right, what can be added: a
// captured key, a mouse button, a pause. Record takes the keys pressed until
// Stop.
//
// The macro file is the only store: every edit writes all lines at once
// (the back end re-sends a macro that sits in a device slot), and a write
// that fails because the file is gone empties the list. The rules are the
// pure functions of Model_Macro_Q4.
//
// Called by the mouse main item: initUI(), translateStrings(), setSkin(),
// keyEvent(isDown, usbCode), closePopups(). valuesRead() is reported once
// the page shows the library.
Item {
    id: root
    width: 759
    height: 442

    property string skinPath: ""
    property var stringList: []
    property color textColor: "#FF00FFFF"
    property color colorEnable: "#FFAAAAAA"
    property color colorDisable: "#80FFFFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11
    property int animationSpeed: 800
    // Key labels: KeyCodeString.
    property var keyNames: null

    property bool isRecordStart: false
    // One whole line (value and command field); survives switching macros.
    property string scrapbook: ""
    // A copied line pastes any number of times, a cut one once.
    property bool isUnlimitedCopy: false
    property int delayValue: macroModel.initialDelay
    property var macroNames: []
    property int macroIndex: -1
    // The shown macro's lines as { value, command }.
    property var actions: []
    property int actionIndex: -1
    // The row whose menu is open, -1 none.
    property int menuIndex: -1
    // The global string the hint line shows, -1 none.
    property int hintString: -1

    readonly property string selectedName: macroIndex >= 0 && macroIndex < macroNames.length
                                           ? String(macroNames[macroIndex]) : ""
    readonly property bool hasMacro: selectedName !== ""
    readonly property bool hasLine: actionIndex >= 0 && actionIndex < actions.length
    readonly property bool isMenuOpen: menuIndex >= 0

    signal valuesRead()

    function stringAt(index) {
        return index < stringList.length ? String(stringList[index]) : ""
    }

    function picture(name) {
        return skinPath !== "" ? skinPath + "/common/" + name + ".png" : ""
    }

    function playClick() {
        ui_View.playMedia_Index(4)
    }

    function initUI() {
        showNames(ui_View.getMacroIniNames(), selectedName)
        valuesRead()
    }

    // The texts follow stringList.
    function translateStrings() {
    }

    // The pictures follow skinPath.
    function setSkin() {
    }

    function closePopups() {
        closeMenu()
        mouseButtonList.close()
    }

    // Every key event of the key capture: recorded while recording, and
    // offered to the key field.
    function keyEvent(isDown, usbCode) {
        var label = keyNames ? String(keyNames.keycodeTostr(usbCode)) : ""
        if (isRecordStart) {
            var line = macroModel.recordedLine(isDown, label)
            if (line !== "") {
                actions = actions.concat([macroModel.splitLine(line)])
                actionList.positionViewAtEnd()
            }
        }
        keyInput.keyEvent(isDown, usbCode)
    }

    // ---- The macro list

    // The library's names; the selection stays on keepName when it is still
    // there, else none is selected and no lines are shown.
    function showNames(fileNames, keepName) {
        macroNames = macroModel.macroNamesOf(fileNames)
        macroList.names = macroNames
        var index = keepName !== "" ? macroNames.indexOf(keepName) : -1
        var isSameMacro = index >= 0
        setMacroIndex(index)
        if (!isSameMacro)
            showLines([])
    }

    function setMacroIndex(index) {
        macroIndex = index
        macroList.currentIndex = index
    }

    function chooseMacro(index) {
        closeMenu()
        setMacroIndex(index)
        loadLines()
    }

    function loadLines() {
        showLines(hasMacro ? ui_View.loadMacroIni(selectedName) : [])
    }

    function showLines(lines) {
        actions = macroModel.actionsOf(lines)
        actionIndex = -1
    }

    function addMacro() {
        playClick()
        var created = ui_View.createMacroIni()
        var name = created === undefined || created === null ? "" : String(created)
        if (name === "")
            return
        macroNames = macroNames.concat([name])
        macroList.names = macroNames
        chooseMacro(macroNames.length - 1)
        macroList.showRow(macroIndex)
    }

    function deleteMacro() {
        playClick()
        if (!hasMacro)
            return
        var name = selectedName
        if (!ui_View.deleteMacroIni(name)) {
            // Gone already, or locked: show what the folder really holds.
            showNames(ui_View.getMacroIniNames(), name)
            return
        }
        var names = macroNames.slice()
        names.splice(macroIndex, 1)
        macroNames = names
        macroList.names = names
        chooseMacro(macroModel.indexAfterRemoval(names.length, macroIndex))
    }

    function openMenu(index, x, y) {
        if (isRecordStart || index < 0 || index >= macroNames.length)
            return
        menuIndex = index
        var point = macroList.mapToItem(root, x, y)
        macroMenu.x = Math.min(point.x + 4, root.width - macroMenu.width - 4)
        macroMenu.y = Math.min(point.y - 6, root.height - macroMenu.height - 4)
        menuFadeOut.stop()
        menuFadeIn.restart()
    }

    function closeMenu() {
        if (menuIndex < 0)
            return
        menuIndex = -1
        menuFadeIn.stop()
        menuFadeOut.restart()
    }

    // 0 LOAD (import), 1 SAVE (export), 2 RENAME, 3 CANCEL.
    function chooseMenuEntry(entry) {
        playClick()
        var index = menuIndex
        closeMenu()
        if (index < 0 || index >= macroNames.length)
            return
        var name = String(macroNames[index])
        if (entry === 0) {
            ui_View.loadMacroIniFromFile(name)
            if (index === macroIndex)
                loadLines()
        } else if (entry === 1) {
            ui_View.saveMacroIniToFile(name)
        } else if (entry === 2) {
            macroList.startRename(index)
        }
    }

    // The library refuses names that are not file names (and never renames
    // over another macro) without saying so: the names are read again, so
    // the list shows the files as they are, and the selection (with the
    // lines shown) follows the selected macro under the name it really has
    // now.
    function renameMacro(oldName, newName) {
        ui_View.renameMacroIniFile(oldName, newName)
        var fileNames = ui_View.getMacroIniNames()
        showNames(fileNames, macroModel.nameAfterRename(macroModel.macroNamesOf(fileNames), selectedName,
                                                        oldName, newName))
    }

    // ---- Recording

    function startRecording() {
        playClick()
        if (!hasMacro || isRecordStart)
            return
        closePopups()
        showLines([])
        isRecordStart = true
    }

    // The click sound is the stop button's; leaving the page stops quietly.
    function stopRecording(isClicked) {
        if (isClicked)
            playClick()
        if (!isRecordStart)
            return
        isRecordStart = false
        saveLines()
    }

    // ---- Line edits

    function linesShown() {
        return macroModel.linesOf(actions)
    }

    // The whole macro to its file; a file that is gone empties the list.
    function saveLines() {
        if (!hasMacro)
            return
        if (!ui_View.saveMacroIni(selectedName, linesShown()))
            showLines([])
    }

    function applyEdit(lines, selected) {
        actions = macroModel.actionsOf(lines)
        actionIndex = selected
        saveLines()
        if (actionIndex >= 0)
            actionList.positionViewAtIndex(actionIndex, ListView.Contain)
        else
            actionList.positionViewAtEnd()
    }

    function insertLines(added) {
        if (!hasMacro || added.length === 0)
            return
        var result = macroModel.insertLines(linesShown(), actionIndex, added)
        applyEdit(result.lines, result.selected)
    }

    function addKey() {
        playClick()
        if (keyInput.keyLabel !== "")
            insertLines(macroModel.keyLines(keyInput.keyLabel))
    }

    function addMouseButton() {
        playClick()
        var button = macroModel.mouseButton(mouseButtonList.currentIndex, keyNames)
        if (button && button.label !== "")
            insertLines(macroModel.keyLines(button.label))
    }

    // Takes what the delay field holds: a valid entry becomes the pause
    // (raised to the shortest the mouse plays), anything else puts the
    // current pause back in the field.
    function acceptDelay() {
        var milliseconds = macroModel.acceptedDelay(delayInput.text)
        if (milliseconds >= 0)
            delayValue = milliseconds
        delayInput.text = String(delayValue)
    }

    // The pause added is the one the field shows.
    function addDelay() {
        playClick()
        acceptDelay()
        insertLines([macroModel.delayLine(delayValue)])
    }

    function deleteAction() {
        playClick()
        if (!hasLine)
            return
        var result = macroModel.deleteLine(linesShown(), actionIndex)
        applyEdit(result.lines, result.selected)
    }

    function cutAction() {
        playClick()
        if (!hasLine)
            return
        var result = macroModel.cutLine(linesShown(), actionIndex, scrapbook, isUnlimitedCopy)
        scrapbook = result.clipboard
        isUnlimitedCopy = result.isUnlimitedCopy
        applyEdit(result.lines, result.selected)
    }

    // Nothing changes in the file.
    function copyAction() {
        playClick()
        var result = macroModel.copyLine(linesShown(), actionIndex, scrapbook, isUnlimitedCopy)
        scrapbook = result.clipboard
        isUnlimitedCopy = result.isUnlimitedCopy
    }

    function pasteAction() {
        playClick()
        if (!hasMacro || scrapbook === "")
            return
        var result = macroModel.pasteLine(linesShown(), actionIndex, scrapbook, isUnlimitedCopy)
        scrapbook = result.clipboard
        applyEdit(result.lines, result.selected)
    }

    // ---- Buttons

    // The macro buttons 0 add, 1 delete, 2 record, 3 stop.
    function isMacroButtonUsable(button) {
        if (button === 3)
            return isRecordStart
        return !isRecordStart && (button === 0 || hasMacro)
    }

    function clickMacroButton(button) {
        if (button === 0) {
            addMacro()
        } else if (button === 1) {
            deleteMacro()
        } else if (button === 2) {
            startRecording()
        } else {
            stopRecording(true)
        }
    }

    // The line buttons 0 delete, 1 cut, 2 copy, 3 paste.
    function clickLineButton(button) {
        if (button === 0)
            deleteAction()
        else if (button === 1)
            cutAction()
        else if (button === 2)
            copyAction()
        else
            pasteAction()
    }

    // The add buttons 0 key, 1 mouse button, 2 pause.
    function clickAddButton(button) {
        if (button === 0)
            addKey()
        else if (button === 1)
            addMouseButton()
        else
            addDelay()
    }

    // The hint line names the hovered button; leaving clears it unless
    // another button took it over.
    function hover(stringIndex, isHovered) {
        if (isHovered)
            hintString = stringIndex
        else if (hintString === stringIndex)
            hintString = -1
    }

    // Leaving the page ends a recording (keeping what it took) and any open
    // menu or armed field: keys pressed on another page are not this page's.
    onVisibleChanged: {
        if (visible)
            return
        stopRecording()
        closePopups()
        keyInput.disarm()
    }

    // A heading over one of the page's columns.
    component Heading: Text {
        height: 20
        verticalAlignment: Text.AlignVCenter
        font.bold: true
        font.letterSpacing: 2
        elide: Text.ElideRight
    }

    // A picture button of the skin's common folder: icon_0 idle, icon_1 lit.
    component IconButton: Button_2state {
        property string skinPath: ""
        property string icon: ""
        width: 36
        height: 36
        opacity: enabled ? 1.0 : 0.35
        source0: skinPath !== "" ? skinPath + "/common/" + icon + "_0.png" : ""
        source1: skinPath !== "" ? skinPath + "/common/" + icon + "_1.png" : ""
    }

    Model_Macro_Q4 {
        id: macroModel
    }

    // Decoded off the GUI thread while the rest of the scene is built.
    Image {
        anchors.fill: parent
        asynchronous: true
        source: root.skinPath !== "" ? root.skinPath + "/list_center/fnMacroBackground.png" : ""
    }

    Text {
        x: 28
        y: 14
        text: root.stringAt(75)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize + 5
        font.bold: true
        font.letterSpacing: 3
    }

    // ---- Left: the library

    Heading {
        x: 24
        y: 50
        width: 210
        text: root.stringAt(44)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
    }

    FileList {
        id: macroList
        objectName: "macroLibraryList"
        x: 24
        y: 74
        width: 210
        height: 292
        enabled: !root.isRecordStart
        opacity: enabled ? 1.0 : 0.5
        sourceBase: root.picture("filelist_BASE")
        textColor: root.colorEnable
        accentColor: root.textColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onIndexChosen: function(index) { root.chooseMacro(index) }
        onMenuRequested: function(index, x, y) { root.openMenu(index, x, y) }
        onRenamed: function(index, oldName, newName) { root.renameMacro(oldName, newName) }
    }

    // Add and delete a macro; record and stop, each pair in its frame.
    Repeater {
        model: [[{ name: "macroAddButton", icon: "add", hint: 79 }, { name: "macroDeleteButton", icon: "delete", hint: 90 }],
                [{ name: "macroRecordButton", icon: "record", hint: 88 }, { name: "macroStopButton", icon: "stop", hint: 89 }]]
        Image {
            id: pair
            x: 24 + index * 114
            y: 372
            width: 96
            height: 44
            source: root.picture("fram_2btn")
            readonly property int pairIndex: index
            Row {
                anchors.centerIn: parent
                spacing: 8
                Repeater {
                    model: modelData
                    IconButton {
                        objectName: modelData.name
                        skinPath: root.skinPath
                        icon: modelData.icon
                        enabled: root.isMacroButtonUsable(pair.pairIndex * 2 + index)
                        // Stop stays lit while keys are being recorded.
                        isSelected: pair.pairIndex === 1 && index === 1 && root.isRecordStart
                        onIsHoveredChanged: root.hover(modelData.hint, isHovered)
                        onClicked: root.clickMacroButton(pair.pairIndex * 2 + index)
                    }
                }
            }
        }
    }

    // ---- Middle: the lines

    Heading {
        x: 252
        y: 50
        width: 254
        text: root.stringAt(45)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
    }

    // Blinks while keys are being recorded.
    Text {
        objectName: "macroRecordingMark"
        x: 252
        y: 50
        width: 254
        height: 20
        visible: root.isRecordStart
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        text: "\u25CF " + root.stringAt(88)
        color: "#FFFF4040"
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
        SequentialAnimation on opacity {
            running: root.isRecordStart
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.3; duration: 500 }
            NumberAnimation { from: 0.3; to: 1.0; duration: 500 }
        }
    }

    Item {
        x: 252
        y: 74
        width: 254
        height: 292

        BorderImage {
            anchors.fill: parent
            border { left: 12; right: 12; top: 12; bottom: 12 }
            source: root.picture("filelist_BASE")
        }

        ListView {
            id: actionList
            objectName: "macroActionList"
            anchors.fill: parent
            anchors.margins: 6
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: root.actions
            delegate: Item {
                id: actionRow
                objectName: "macroActionList_row" + index
                width: actionList.width
                height: 22
                readonly property bool isSelected: index === root.actionIndex
                readonly property bool isLit: isSelected || rowMouse.containsMouse

                Rectangle {
                    anchors.fill: parent
                    color: actionRow.isSelected ? Qt.rgba(root.textColor.r, root.textColor.g, root.textColor.b, 0.28)
                                                : (rowMouse.containsMouse ? Qt.rgba(1, 1, 1, 0.06) : "transparent")
                }
                Text {
                    x: 4
                    width: 30
                    height: parent.height
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: String(index + 1)
                    color: root.colorEnable
                    opacity: 0.6
                    font.family: root.fontFamily
                    font.pixelSize: root.fontSize - 1
                }
                Text {
                    x: 44
                    width: parent.width - 44 - 80
                    height: parent.height
                    verticalAlignment: Text.AlignVCenter
                    text: modelData.value
                    color: actionRow.isLit ? "#FFFFFFFF" : root.colorEnable
                    font.family: root.fontFamily
                    font.pixelSize: root.fontSize
                    font.bold: true
                    elide: Text.ElideRight
                }
                Text {
                    x: parent.width - 80
                    width: 74
                    height: parent.height
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: String(modelData.command).trim()
                    color: actionRow.isLit ? root.textColor : root.colorEnable
                    font.family: root.fontFamily
                    font.pixelSize: root.fontSize
                }
                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: root.actionIndex = macroModel.toggledIndex(root.actionIndex, index)
                }
            }
        }
    }

    Row {
        x: 256
        y: 380
        spacing: 12
        Repeater {
            // Delete, cut, copy and paste, with their hover strings.
            model: [{ name: "macroLineDeleteButton", icon: "solid-delete", hint: 80 },
                    { name: "macroLineCutButton", icon: "solid-cut", hint: 81 },
                    { name: "macroLineCopyButton", icon: "solid-copy", hint: 83 },
                    { name: "macroLinePasteButton", icon: "solid-paste", hint: 82 }]
            IconButton {
                objectName: modelData.name
                width: 28
                height: 28
                skinPath: root.skinPath
                icon: modelData.icon
                enabled: index < 3 ? root.hasLine : root.hasMacro && root.scrapbook !== ""
                onIsHoveredChanged: root.hover(modelData.hint, isHovered)
                onClicked: root.clickLineButton(index)
            }
        }
    }

    // The hovered button's name.
    Text {
        objectName: "macroHint"
        x: 24
        y: 420
        width: 482
        height: 18
        verticalAlignment: Text.AlignVCenter
        text: root.hintString >= 0 ? root.stringAt(root.hintString) : ""
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
        elide: Text.ElideRight
    }

    // ---- Right: what can be added, each with its add button

    Heading {
        x: 520
        y: 50
        width: 228
        text: root.stringAt(91)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
    }

    KeyInput_2 {
        id: keyInput
        objectName: "macroKeyInput"
        x: 520
        y: 92
        width: 184
        height: 28
        armedText: emptyText
        labelFor: function(code) { return root.keyNames ? root.keyNames.keycodeTostr(code) : "" }
        sourceFrame: root.picture("btnFrame")
        textColor: root.colorEnable
        accentColor: root.textColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onArmed: root.playClick()
    }

    // Before the mouse list, so its open list lies over the field.
    Item {
        x: 520
        y: 236
        width: 184
        height: 28

        BorderImage {
            anchors.fill: parent
            border { left: 8; right: 8; top: 8; bottom: 8 }
            source: root.picture("btnFrame")
        }

        Row {
            anchors.centerIn: parent
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: "задержка【 "
                color: root.colorEnable
                font.family: root.fontFamily
                font.pixelSize: root.fontSize
                font.bold: true
            }
            TextInput {
                id: delayInput
                objectName: "macroDelayInput"
                anchors.verticalCenter: parent.verticalCenter
                width: 44
                horizontalAlignment: TextInput.AlignHCenter
                text: String(root.delayValue)
                maximumLength: 5
                validator: RegularExpressionValidator { regularExpression: /[0-9]{0,5}/ }
                color: root.textColor
                selectionColor: root.textColor
                selectByMouse: true
                font.family: root.fontFamily
                font.pixelSize: root.fontSize
                font.bold: true
                Keys.onReturnPressed: root.acceptDelay()
                Keys.onEnterPressed: root.acceptDelay()
                onActiveFocusChanged: {
                    if (!activeFocus)
                        root.acceptDelay()
                }
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: " 】ms"
                color: root.colorEnable
                font.family: root.fontFamily
                font.pixelSize: root.fontSize
                font.bold: true
            }
        }
    }

    DropdownList {
        id: mouseButtonList
        objectName: "macroMouseList"
        x: 520
        y: 164
        width: 184
        height: 28
        z: 5
        model: macroModel.mouseButtonTexts
        currentIndex: 0
        sourceFrame: root.picture("btnFileListFrame")
        sourceList: root.picture("filelist_BASE")
        // The open list covers the pause field; its text must not show through.
        listFillColor: "#F2141A22"
        textColor: root.colorEnable
        accentColor: root.textColor
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onIsOpenChanged: {
            if (isOpen)
                root.playClick()
        }
    }

    Repeater {
        // Key, mouse button, pause.
        model: [{ name: "macroKeyAddButton", y: 88, hint: 91 }, { name: "macroMouseAddButton", y: 160, hint: 91 },
                { name: "macroDelayAddButton", y: 232, hint: 92 }]
        IconButton {
            objectName: modelData.name
            x: 712
            y: modelData.y
            skinPath: root.skinPath
            icon: "add"
            enabled: root.hasMacro && (index !== 0 || keyInput.keyLabel !== "")
            onIsHoveredChanged: root.hover(modelData.hint, isHovered)
            onClicked: root.clickAddButton(index)
        }
    }

    // ---- The macro row's menu

    Column {
        id: macroMenu
        objectName: "macroMenu"
        z: 10
        spacing: 2
        opacity: 0
        visible: root.isMenuOpen || opacity > 0
        Repeater {
            // LOAD, SAVE, RENAME, CANCEL.
            model: [{ name: "macroMenuLoad", string: 84 }, { name: "macroMenuSave", string: 85 },
                    { name: "macroMenuRename", string: 112 }, { name: "macroMenuCancel", string: 78 }]
            Button_2state {
                objectName: modelData.name
                width: 132
                height: 28
                borderSize: 8
                enabled: root.isMenuOpen
                text: root.stringAt(modelData.string)
                textColor: root.colorEnable
                textLitColor: "#FFFFFFFF"
                fontFamily: root.fontFamily
                fontSize: root.fontSize
                source0: root.picture("btnGroup_FILLER_0")
                source1: root.picture("btnGroup_FILLER_1")
                onClicked: root.chooseMenuEntry(index)
            }
        }
    }

    NumberAnimation {
        id: menuFadeIn
        target: macroMenu
        property: "opacity"
        to: 1
        duration: root.animationSpeed * 1.5
    }

    NumberAnimation {
        id: menuFadeOut
        target: macroMenu
        property: "opacity"
        to: 0
        duration: root.animationSpeed
    }
}
