import QtQuick
import "../common"

// Function page 0: which function each of the mouse's buttons has. The user
// picks a button on the mouse picture or in the button list, gives it a
// function from the category menu and its second-level controls, and
// applies the whole matrix. The page edits the model's copy of the 16 key
// entries; only apply sends them. A macro is the exception: assigning one
// stores it in a macro slot of the mouse at once.
//
// Calls from the mouse main item:
//   initUI()                  read the factory table, the macro names, the
//                             scroll swap and the current profile's entries
//   translateStrings(names)   the 16 button names of the language
//   setSkin(), keyEvent(isDown, usbCode), closePopups()
//   totalReset(), totalApply()   ALL RESET and ALL SAVE of the bottom bar
// valuesRead() is reported once the page shows the profile's values.
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
    property var buttonNames: definitions.builtInButtonNames

    // What the page holds besides the model.
    property bool isScrollSwap: false
    property var macroNames: []
    // The category the controls show, -1 none.
    property int shownCategory: -1
    property int macroMode: 0
    property int macroCount: 1
    property bool isFireMouseSource: true
    property int fireCount: definitions.fireStartCount

    readonly property alias keyModel: definitions
    readonly property int currentButton: keyModel.currentButton
    readonly property var categoryLabels: labelsOf(keyModel.categoryStrings)
    readonly property var keyFields: [keyField, comboKey1Field, comboKey2Field, fireKeyField]

    signal valuesRead()

    function stringAt(index) {
        return index < stringList.length ? String(stringList[index]) : ""
    }

    function labelsOf(numbers) {
        return numbers.map(function(number) { return root.stringAt(number) })
    }

    function commonPicture(name) {
        return skinPath !== "" ? skinPath + "/common/" + name + ".png" : ""
    }

    function labelFor(code) {
        return keyNames ? keyNames.keycodeTostr(code) : ""
    }

    // ---- Start-up and the calls of the mouse main item.

    function initUI() {
        var factory = ui_View.loadDefaultProfile(0)
        if (factory && factory.length === 64)
            keyModel.keyCode_Default = factory.map(keyModel.byteOf)
        refreshMacroNames()
        isScrollSwap = ui_View.getScrollPinSwap()
        var entries = []
        for (var button = 0; button < 16; ++button) {
            var entry = keyModel.entryFrom(ui_View.getKeydefine(button))
            entries.push(entry !== null ? entry : keyModel.factoryEntry(button))
        }
        keyModel.keyCodes = entries
        showEntry()
        valuesRead()
    }

    function translateStrings(names) {
        buttonNames = names
        var listed = keyModel.listedButtons(names)
        keyModel.mapping_for_keyId = listed
        selectRow(Math.min(3, listed.length - 1))
    }

    function setSkin() {
    }

    // The armed field, if shown, takes the event.
    function keyEvent(isDown, usbCode) {
        for (var index = 0; index < keyFields.length; ++index)
            if (keyFields[index].visible && keyFields[index].keyEvent(isDown, usbCode))
                return
    }

    function closePopups() {
        var lists = [categoryList, mouseList, mediaList, modifierList, macroList, fireButtonList]
        lists.forEach(function(list) { list.close() })
    }

    // One key field listens at a time.
    function disarmOthers(armedField) {
        keyFields.forEach(function(field) {
            if (field !== armedField)
                field.disarm()
        })
    }

    function disarmFields() {
        disarmOthers(null)
    }

    function totalReset() {
        keyModel.resetAll()
        freeMacroSlots()
        showEntry()
    }

    function totalApply() {
        apply()
    }

    // ---- Buttons and entries.

    function selectRow(row) {
        closePopups()
        disarmFields()
        keyModel.curKeyMatrix = row >= 0 && row < keyModel.mapping_for_keyId.length ? row : -1
        showEntry()
    }

    function selectButton(position) {
        ui_View.playMedia_Index(4)
        selectRow(keyModel.mapping_for_keyId.indexOf(position))
    }

    function currentEntry() {
        return currentButton >= 0 ? keyModel.entry(currentButton) : [0, 0, 0, 0]
    }

    function setCurrentEntry(bytes) {
        if (currentButton >= 0 && bytes !== null)
            keyModel.setEntry(currentButton, bytes)
    }

    // Whether the selected button may give up what it does: asks first when
    // it is the last listed button with the primary function and the change
    // would take that away.
    function mayReplacePrimary(newEntry) {
        if (newEntry !== null && keyModel.sameEntry(newEntry, currentEntry()))
            return true
        if (!keyModel.isLastPrimaryButton(keyModel.keyCodes, keyModel.mapping_for_keyId, currentButton))
            return true
        return ui_View.getMsgAns_FoolProofing()
    }

    // The second-level controls back to their starting state.
    function clearControls() {
        closePopups()
        keyFields.forEach(function(field) { field.clear() })
        ;[mouseList, mediaList, modifierList, macroList, fireButtonList].forEach(function(list) { list.setCurIndex(-1) })
        macroMode = 0
        macroCount = 1
        isFireMouseSource = true
        fireCount = keyModel.fireStartCount
        fireSpeedSlider.setCurIndex(-1)
    }

    function setShownCategory(category) {
        shownCategory = category
        categoryList.setCurIndex(category)
    }

    // The selected button's entry in the controls.
    function showEntry() {
        clearControls()
        var shown = keyModel.describeEntry(currentEntry())
        setShownCategory(currentButton >= 0 ? shown.category : -1)
        switch (shownCategory) {
        case keyModel.keyboardCategory:
            keyField.keyCode = shown.usage
            break
        case keyModel.mouseCategory:
            mouseList.setCurIndex(shown.row)
            break
        case keyModel.mediaCategory:
            mediaList.setCurIndex(shown.row)
            break
        case keyModel.comboCategory:
            modifierList.setCurIndex(shown.modifierRow)
            comboKey1Field.keyCode = shown.key1
            comboKey2Field.keyCode = shown.key2
            break
        case keyModel.macroCategory:
            showMacro(shown.mode, shown.slot)
            break
        case keyModel.fireCategory:
            isFireMouseSource = keyModel.isMouseCode(shown.source)
            if (isFireMouseSource)
                fireButtonList.setCurIndex(shown.source - keyModel.firstMouseCode)
            else
                fireKeyField.keyCode = shown.source
            fireSpeedSlider.setCurIndex(shown.speedIndex)
            fireCount = shown.count
            break
        }
    }

    // ---- The category menu and the second-level controls.

    function chooseCategory(category) {
        ui_View.playMedia_Index(4)
        if (category === shownCategory)
            return
        // The entry keeps its function until one is chosen, so only a
        // change to LED CONTROL replaces the primary function right away;
        // the user is asked before any category change all the same.
        if (!mayReplacePrimary(null)) {
            showEntry()
            return
        }
        clearControls()
        setShownCategory(category)
        if (keyModel.isMacroEntry(currentEntry()))
            clearMacroEntry()
        if (category === keyModel.ledCategory)
            setCurrentEntry(keyModel.entryForChoice(category, {}))
        else if (category === keyModel.macroCategory)
            refreshMacroNames()
    }

    function chooseMouseFunction(row) {
        ui_View.playMedia_Index(4)
        var entry = keyModel.entryForChoice(keyModel.mouseCategory, { row: row })
        if (!mayReplacePrimary(entry)) {
            showEntry()
            return
        }
        setCurrentEntry(entry)
    }

    function chooseMedia(row) {
        ui_View.playMedia_Index(4)
        setCurrentEntry(keyModel.entryForChoice(keyModel.mediaCategory, { row: row }))
    }

    // A key field that caught nothing (a key without a label) leaves the
    // entry as it was.
    function captureKeyboardKey(keyCode) {
        if (keyCode > 0)
            setCurrentEntry(keyModel.entryForChoice(keyModel.keyboardCategory, { usage: keyCode }))
    }

    // After each of its three controls; an empty key field counts 0.
    function rebuildCombo() {
        setCurrentEntry(keyModel.entryForChoice(keyModel.comboCategory, {
            modifierRow: Math.max(0, modifierList.currentIndex),
            key1: comboKey1Field.keyCode,
            key2: comboKey2Field.keyCode
        }))
    }

    // The fire key needs its button or key first. A slider without a step
    // takes its starting step, and shows it.
    function rebuildFire() {
        var source = isFireMouseSource
                     ? (fireButtonList.currentIndex >= 0 ? keyModel.firstMouseCode + fireButtonList.currentIndex : 0)
                     : fireKeyField.keyCode
        if (source <= 0)
            return
        fireSpeedSlider.setCurIndex(keyModel.fireSpeed(fireSpeedSlider.currentIndex))
        setCurrentEntry(keyModel.entryForChoice(keyModel.fireCategory, {
            source: source,
            speedIndex: fireSpeedSlider.currentIndex,
            count: fireCount
        }))
    }

    function chooseFireSource(isMouse) {
        ui_View.playMedia_Index(4)
        disarmFields()
        if (isMouse === isFireMouseSource)
            return
        isFireMouseSource = isMouse
        rebuildFire()
    }

    // ---- Macros: the library's records say which slot each macro has.

    function refreshMacroNames() {
        var names = ui_View.getMacroIniNames()
        macroNames = (names || []).map(function(name) { return String(name).slice(0, -4) })
    }

    function macroRecord(name) {
        return ui_View.loadMacroIniConfig(name)
    }

    function showMacro(mode, slot) {
        refreshMacroNames()
        macroMode = mode
        for (var row = 0; row < macroNames.length; ++row) {
            var record = macroRecord(macroNames[row])
            if (keyModel.recordedSlot(record) === slot - 1) {
                macroList.setCurIndex(row)
                macroCount = keyModel.recordedRepeat(record)
                return
            }
        }
    }

    // The selected button's macro entry cleared, and the slots no button
    // uses any more given back. A record still pointing at a slot that is
    // reused would have the macro page re-send that macro over another.
    function clearMacroEntry() {
        setCurrentEntry([0, 0, 0, 0])
        freeMacroSlots()
    }

    // A record without a slot is left alone: it may hold an assignment of
    // another device, and its repeat count.
    function freeMacroSlots() {
        refreshMacroNames()
        var used = keyModel.macroSlotsInUse(keyModel.keyCodes)
        macroNames.forEach(function(name) {
            var record = root.macroRecord(name)
            var index = record && record.length > 0 ? Number(record[0]) : -1
            if (index >= 0 && used.indexOf(index) < 0)
                ui_View.setMacroIniConfig(name, [-1, 1])
        })
    }

    // A slot holds one macro. Another record naming it (left from a
    // profile whose buttons used the slot) would have the macro page send
    // that macro over this one.
    function releaseSlotFromOthers(index, keeper) {
        macroNames.forEach(function(name) {
            if (name !== keeper && keyModel.recordedSlot(root.macroRecord(name)) === index)
                ui_View.setMacroIniConfig(name, [-1, 1])
        })
    }

    // After a macro, a play mode or a new count (NORMAL PLAY) is chosen.
    function assignMacro() {
        if (keyModel.isMacroEntry(currentEntry()))
            clearMacroEntry()
        else
            setCurrentEntry([0, 0, 0, 0])
        var row = macroList.currentIndex
        if (row < 0 || row >= macroNames.length)
            return
        var name = macroNames[row]
        var record = macroRecord(name)
        // A macro file gone since the list was read: nothing to send.
        if (!record || record.length === 0) {
            refreshMacroNames()
            macroList.setCurIndex(-1)
            return
        }
        var index = keyModel.recordedSlot(record)
        if (index < 0)
            index = keyModel.lowestFreeMacroSlot(keyModel.keyCodes)
        if (index < 0)
            return
        releaseSlotFromOthers(index, name)
        ui_View.setMacroIniConfig(name, [index, macroCount])
        ui_View.ui_13H_SetMacroKey(index + 1, name)
        setCurrentEntry(keyModel.entryForChoice(keyModel.macroCategory, { mode: macroMode, slot: index + 1 }))
    }

    function chooseMacroMode(mode) {
        ui_View.playMedia_Index(4)
        macroMode = mode
        assignMacro()
    }

    function acceptMacroCount(count) {
        macroCount = count
        if (macroMode === 0)
            assignMacro()
    }

    // ---- Reset and apply.

    function resetSelectedButton() {
        ui_View.playMedia_Index(4)
        if (currentButton < 0)
            return
        var factory = keyModel.factoryEntry(currentButton)
        if (!mayReplacePrimary(factory))
            return
        if (keyModel.isMacroEntry(currentEntry()))
            clearMacroEntry()
        setCurrentEntry(factory)
        showEntry()
    }

    function apply() {
        ui_Ctl.setBusy(800)
        ui_View.setScrollPinSwap(isScrollSwap)
        ui_View.ui_12H_SetKeyMatrix(keyModel.matrix())
    }

    // The macro page may have added, renamed or removed macros meanwhile.
    onVisibleChanged: {
        if (visible && shownCategory === keyModel.macroCategory) {
            var shownMacro = macroList.currentText
            refreshMacroNames()
            macroList.setCurIndex(macroNames.indexOf(shownMacro))
        } else if (!visible) {
            closePopups()
            disarmFields()
        }
    }

    // A number field: digits only, at most `digits`; Return, Enter or
    // leaving the field takes the value, limited to 0 to `limit`.
    component NumberField: Item {
        id: field
        width: 60
        height: 24

        required property Item page
        property int value: 0
        property int limit: 255
        property int digits: 3
        property string sourceFrame: ""

        signal valueAccepted(int value)

        BorderImage {
            anchors.fill: parent
            border { left: 8; right: 8; top: 8; bottom: 8 }
            source: field.sourceFrame
        }
        TextInput {
            id: input
            objectName: field.objectName + "_input"
            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.rightMargin: 4
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            maximumLength: field.digits
            validator: RegularExpressionValidator { regularExpression: /[0-9]*/ }
            color: field.page.textColor
            selectByMouse: true
            font.family: field.page.fontFamily
            font.pixelSize: field.page.fontSize
            font.bold: true
            Component.onCompleted: text = String(field.value)
            // The page owns the value: the field reports, then shows what
            // the page kept.
            onEditingFinished: {
                var accepted = field.page.keyModel.clampedCount(text, field.limit, field.value)
                if (accepted !== field.value)
                    field.valueAccepted(accepted)
                text = String(field.value)
            }
        }
        onValueChanged: input.text = String(value)
    }

    // The controls below in the page's look. The lists hide what lies
    // under them when open: the skins draw them translucent.
    component ShadedList: DropdownList {
        id: list
        required property Item page
        z: isOpen ? 10 : 0
        width: parent.width
        sourceFrame: page.commonPicture("btnFileListFrame")
        sourceList: page.commonPicture("filelist_BASE")
        textColor: page.colorEnable
        accentColor: page.textColor
        fontFamily: page.fontFamily
        fontSize: page.fontSize

        Rectangle {
            visible: list.isOpen
            z: 99
            y: list.height + 2
            width: list.width
            height: Math.min(list.model.length, list.maxRows) * list.rowHeight + 8
            radius: 8
            color: "#E6000000"
        }
    }

    component PageKeyField: KeyInput_2 {
        id: keyInput
        required property Item page
        width: parent.width
        height: 30
        labelFor: page.labelFor
        sourceFrame: page.commonPicture("btnFrame")
        textColor: page.colorEnable
        accentColor: page.textColor
        fontFamily: page.fontFamily
        fontSize: page.fontSize
        onArmed: page.disarmOthers(keyInput)
    }

    component PageRadioButton: RadioButton {
        required property Item page
        source0: page.commonPicture("checkbox_0")
        source1: page.commonPicture("checkbox_1")
        textColor: page.colorEnable
        textLitColor: page.textColor
        fontFamily: page.fontFamily
        fontSize: page.fontSize
    }

    component PageText: Text {
        required property Item page
        color: page.colorEnable
        font.family: page.fontFamily
        font.pixelSize: page.fontSize
        font.bold: true
    }

    // ---- The page.

    // Decoded off the GUI thread while the rest of the scene is built.
    Image {
        anchors.fill: parent
        asynchronous: true
        source: root.skinPath !== "" ? root.skinPath + "/list_center/fnKeydefineBackground.png" : ""
    }

    Text {
        x: 28
        y: 14
        width: 260
        text: root.stringAt(74)
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize + 5
        font.bold: true
        font.letterSpacing: 3
        elide: Text.ElideRight
    }

    Image {
        id: mousePicture
        x: 24
        y: 38
        source: root.skinPath !== "" ? root.skinPath + "/model_ms/model_Q4_KeyDefine.png" : ""

        Repeater {
            model: root.keyModel.mapping_for_keyId
            Rectangle {
                objectName: "keyMarker" + modelData
                readonly property bool isCurrent: modelData === root.currentButton
                x: root.keyModel.buttonCentres[modelData].x - width / 2
                y: root.keyModel.buttonCentres[modelData].y - height / 2
                width: isCurrent ? 18 : 14
                height: width
                radius: width / 2
                color: isCurrent ? root.textColor : (markerMouse.containsMouse ? Qt.rgba(1, 1, 1, 0.35) : "transparent")
                border.color: isCurrent ? "#FFFFFFFF" : root.textColor
                border.width: 2
                MouseArea {
                    id: markerMouse
                    anchors.fill: parent
                    anchors.margins: -4
                    hoverEnabled: true
                    onClicked: root.selectButton(modelData)
                }
            }
        }
    }

    ListView {
        id: buttonList
        objectName: "buttonList"
        x: 314
        y: 50
        width: 140
        height: 330
        clip: true
        spacing: 4
        boundsBehavior: Flickable.StopAtBounds
        model: root.keyModel.mapping_for_keyId
        delegate: Button_2state {
            objectName: "buttonRow" + index
            width: buttonList.width
            height: 30
            borderSize: 8
            source0: root.commonPicture("btnGroup_FILLER_0")
            source1: root.commonPicture("btnGroup_FILLER_1")
            isSelected: index === root.keyModel.curKeyMatrix
            text: modelData < root.buttonNames.length ? String(root.buttonNames[modelData]) : ""
            textColor: root.colorEnable
            textLitColor: root.textColor
            fontFamily: root.fontFamily
            fontSize: root.fontSize
            onClicked: {
                ui_View.playMedia_Index(4)
                root.selectRow(index)
            }
        }
    }

    Item {
        id: controls
        x: 472
        y: 50
        width: 270
        height: 320
        enabled: root.currentButton >= 0
        opacity: enabled ? 1.0 : 0.4

        Item {
            id: functionArea
            y: 46
            width: parent.width
            height: parent.height - y
            z: 1

            // KEYBOARD
            PageKeyField {
                id: keyField
                objectName: "keyField"
                page: root
                visible: root.shownCategory === root.keyModel.keyboardCategory
                onKeyCaptured: function(keyCode) { root.captureKeyboardKey(keyCode) }
            }

            // MOUSE
            ShadedList {
                id: mouseList
                objectName: "mouseList"
                page: root
                visible: root.shownCategory === root.keyModel.mouseCategory
                model: root.labelsOf(root.keyModel.mouseStrings)
                onIndexChosen: function(index) { root.chooseMouseFunction(index) }
            }

            // MEDIA
            ShadedList {
                id: mediaList
                objectName: "mediaList"
                page: root
                visible: root.shownCategory === root.keyModel.mediaCategory
                model: root.keyModel.mediaUsages.map(function(usage, row) {
                    return root.stringAt(root.keyModel.firstMediaString + row)
                })
                onIndexChosen: function(index) { root.chooseMedia(index) }
            }

            // COMBO KEY
            Item {
                anchors.fill: parent
                visible: root.shownCategory === root.keyModel.comboCategory
                ShadedList {
                    id: modifierList
                    objectName: "modifierList"
                    page: root
                    model: root.keyModel.comboModifiers
                    onIndexChosen: {
                        ui_View.playMedia_Index(4)
                        root.rebuildCombo()
                    }
                }
                PageKeyField {
                    id: comboKey1Field
                    objectName: "comboKey1Field"
                    page: root
                    y: 44
                    onKeyCaptured: root.rebuildCombo()
                }
                PageKeyField {
                    id: comboKey2Field
                    objectName: "comboKey2Field"
                    page: root
                    y: 84
                    onKeyCaptured: root.rebuildCombo()
                }
            }

            // MACRO
            Item {
                anchors.fill: parent
                visible: root.shownCategory === root.keyModel.macroCategory
                ShadedList {
                    id: macroList
                    objectName: "macroList"
                    page: root
                    model: root.macroNames
                    onIndexChosen: {
                        ui_View.playMedia_Index(4)
                        root.assignMacro()
                    }
                }
                // NORMAL PLAY with its count under it, then the two
                // repeat modes.
                Column {
                    y: 44
                    spacing: 10
                    Repeater {
                        model: root.keyModel.macroModeStrings
                        Column {
                            spacing: 8
                            PageRadioButton {
                                objectName: "macroMode" + index
                                page: root
                                text: root.stringAt(modelData)
                                isSelected: root.macroMode === index
                                onClicked: root.chooseMacroMode(index)
                            }
                            Row {
                                x: 26
                                visible: index === 0
                                spacing: 8
                                NumberField {
                                    objectName: index === 0 ? "macroCountField" : ""
                                    width: 72
                                    value: root.macroCount
                                    limit: root.keyModel.macroCountLimit
                                    digits: 5
                                    page: root
                                    sourceFrame: root.commonPicture("draw_inputValue")
                                    onValueAccepted: function(value) { root.acceptMacroCount(value) }
                                }
                                PageText {
                                    page: root
                                    height: 24
                                    verticalAlignment: Text.AlignVCenter
                                    text: root.stringAt(97)
                                }
                            }
                        }
                    }
                }
            }

            // FIRE KEY
            Item {
                anchors.fill: parent
                visible: root.shownCategory === root.keyModel.fireCategory
                Row {
                    spacing: 18
                    PageRadioButton {
                        objectName: "fireMouseSource"
                        page: root
                        text: root.stringAt(47)
                        isSelected: root.isFireMouseSource
                        onClicked: root.chooseFireSource(true)
                    }
                    PageRadioButton {
                        objectName: "fireKeySource"
                        page: root
                        text: root.stringAt(46)
                        isSelected: !root.isFireMouseSource
                        onClicked: root.chooseFireSource(false)
                    }
                }
                ShadedList {
                    id: fireButtonList
                    objectName: "fireButtonList"
                    page: root
                    y: 32
                    visible: root.isFireMouseSource
                    model: root.labelsOf(root.keyModel.mouseStrings.slice(0, 5))
                    onIndexChosen: {
                        ui_View.playMedia_Index(4)
                        root.rebuildFire()
                    }
                }
                PageKeyField {
                    id: fireKeyField
                    objectName: "fireKeyField"
                    page: root
                    y: 32
                    visible: !root.isFireMouseSource
                    onKeyCaptured: root.rebuildFire()
                }
                PageText {
                    page: root
                    y: 76
                    width: parent.width
                    text: root.stringAt(3)
                    elide: Text.ElideRight
                }
                Slider {
                    id: fireSpeedSlider
                    objectName: "fireSpeedSlider"
                    y: 100
                    stepCount: root.keyModel.fireSpeedSteps
                    sourceBase: root.commonPicture("slider_BASE")
                    sourceFiller0: root.commonPicture("slider_FILLER_0")
                    sourceFiller1: root.commonPicture("slider_FILLER_1")
                    onIndexChosen: root.rebuildFire()
                }
                // "FIRE【          】times" with the count in the gap.
                Item {
                    y: 132
                    width: fireText.implicitWidth
                    height: 24
                    TextMetrics {
                        id: fireOpening
                        font: fireText.font
                        text: "FIRE【"
                    }
                    TextMetrics {
                        id: fireGap
                        font: fireText.font
                        text: "          "
                    }
                    PageText {
                        id: fireText
                        page: root
                        anchors.verticalCenter: parent.verticalCenter
                        text: "FIRE【          】times"
                    }
                    NumberField {
                        objectName: "fireCountField"
                        x: fireOpening.advanceWidth
                        width: fireGap.advanceWidth
                        value: root.fireCount
                        limit: root.keyModel.fireCountLimit
                        digits: 3
                        page: root
                        onValueAccepted: function(value) {
                            root.fireCount = value
                            root.rebuildFire()
                        }
                    }
                }
            }
        }

        // Over the second-level controls while its list is open.
        ShadedList {
            id: categoryList
            objectName: "categoryList"
            page: root
            model: root.categoryLabels
            onIndexChosen: function(index) { root.chooseCategory(index) }
        }
    }

    // Reset the selected button, apply the matrix; the hover text names
    // the button under the pointer.
    Text {
        x: 472
        y: 392
        width: 170
        height: 28
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        text: resetButton.isHovered ? root.stringAt(106) : (applyButton.isHovered ? root.stringAt(107) : "")
        color: root.textColor
        font.family: root.fontFamily
        font.pixelSize: root.fontSize
        font.bold: true
        elide: Text.ElideLeft
    }
    Image {
        x: 648
        y: 384
        source: root.commonPicture("fram_2btn")
    }
    Button_2state {
        id: resetButton
        objectName: "keyResetButton"
        x: 656
        y: 388
        width: 36
        height: 36
        enabled: root.currentButton >= 0
        source0: root.commonPicture("reset_0")
        source1: root.commonPicture("reset_1")
        onClicked: root.resetSelectedButton()
    }
    Button_2state {
        id: applyButton
        objectName: "keyApplyButton"
        x: 700
        y: 388
        width: 36
        height: 36
        source0: root.commonPicture("apply_0")
        source1: root.commonPicture("apply_1")
        onClicked: {
            ui_View.playMedia_Index(4)
            root.apply()
        }
    }

    Model_KeyDefine_Q4 {
        id: definitions
        objectName: "keyModel"
    }
}
