import QtQuick
import "../common"

// The mouse's main item: the function menu on the left, the profile menu on
// the right and the four function pages between them, only the selected one
// shown. It reads the device configuration, switches pages and profiles,
// and hands key events and the bottom bar's ALL RESET / ALL SAVE to the
// pages. While the global-settings panel is open everything here is
// disabled and dimmed; while the macro page is shown the profile menu is.
Item {
    id: root
    width: 1000
    height: 600

    property string skinPath: ""
    property var stringList: []
    property color textColor: "#FF00FFFF"
    property color colorEnable: "#FFAAAAAA"
    property color colorDisable: "#80FFFFFF"
    property string fontFamily: "Arial"
    property int fontSize: 11
    property int animationSpeed: 800
    property bool isAnimationOn: true
    // The key table (KeyCodeString) the pages look labels up in.
    property var keyNames: null
    property bool isPanelOpen: false

    property int currentPage: 0
    property int currentProfile: 0
    property int lastKeyCode: 0
    property int colorSlotCount: 8
    readonly property bool isPageSliding: pageSlide.running || entrance.running

    // The button names before a language is loaded: positions 0 to 6, 14
    // and 15 are the mouse's buttons.
    readonly property var builtInButtonNames: ["KEY １", "KEY ２", "KEY ３", "KEY ４", "KEY ５", "KEY ６", "KEY ７",
                                               "", "", "", "", "", "", "", "KEY ８", "KEY ９"]
    readonly property int macroPage: 1

    signal msg_KB(bool isDown, int usbCode)
    // The entrance has ended: menus in place, the page shown.
    signal entered()

    onMsg_KB: function(isDown, usbCode) {
        if (isDown)
            lastKeyCode = usbCode
        page_Keydefine.keyEvent(isDown, usbCode)
        page_Macro.keyEvent(isDown, usbCode)
    }

    // The colour page's slot count from the device configuration [count];
    // 8 unless the list holds a count from 1 to 8.
    function colorSlotsOf(list) {
        if (!list || list.length < 1)
            return 8
        var count = parseInt(list[0], 10)
        return isNaN(count) || count < 1 || count > 8 ? 8 : count
    }

    // Sixteen button names, or the built-in ones when the list is not.
    function buttonNamesOf(list) {
        if (!list || list.length !== 16)
            return builtInButtonNames
        var names = []
        for (var index = 0; index < 16; ++index)
            names.push(String(list[index]))
        return names
    }

    function stringAt(index) {
        return index < stringList.length ? String(stringList[index]) : ""
    }

    function initUI() {
        colorSlotCount = colorSlotsOf(ui_View.loadDeviceApConfig())
        page_Keydefine.initUI()
        page_Macro.initUI()
        page_Color.initUI(colorSlotCount)
        page_Sensor.initUI()
    }

    function setSkin() {
        page_Keydefine.setSkin()
        page_Macro.setSkin()
        page_Color.setSkin()
        page_Sensor.setSkin()
    }

    // code "" stands for the built-in strings: no language file to ask.
    function translateStrings(code) {
        var names = code === "" ? builtInButtonNames
                                : buttonNamesOf(ui_View.getProductLayoutStrings_Q4(code))
        page_Keydefine.translateStrings(names)
        page_Macro.translateStrings()
        page_Color.translateStrings()
        page_Sensor.translateStrings()
    }

    // The entrance after the opening animation; at once with the
    // animation off.
    function enter() {
        entrance.start()
        if (!isAnimationOn)
            entrance.complete()
    }

    // A page draws its pictures only while it is the one shown: the hidden
    // pages' backgrounds alone would hold 4 MiB of decoded pictures.
    function pageSkinPath(index) {
        return index === currentPage ? skinPath : ""
    }

    function selectPage(index) {
        if (index === currentPage || index < 0 || index > 3)
            return
        ui_View.playMedia_Index(2)
        closePopups()
        currentPage = index
        pageSlide.restart()
    }

    // The profile is switched in the back end before any page reads again.
    function selectProfile(index) {
        ui_View.ui_02H_SetCurrentProfile(index)
        currentProfile = index
        page_Keydefine.initUI()
        page_Color.refreshUI()
        page_Sensor.initUI()
    }

    function profileAction(action, index) {
        ui_View.playMedia_Index(4)
        if (action === "load")
            ui_View.loadProfile(index)
        else if (action === "save")
            ui_View.saveProfile(index)
        else if (action === "reset")
            ui_View.resetProfile(index)
        else
            return
        // The current profile's file changed under the pages: read it again.
        if (action !== "save" && index === currentProfile)
            selectProfile(index)
    }

    function closePopups() {
        menu_Prof.closeMenu()
        page_Keydefine.closePopups()
        page_Macro.closePopups()
        page_Color.closePopups()
        page_Sensor.closePopups()
    }

    function totalReset() {
        page_Keydefine.totalReset()
        page_Color.totalReset()
        page_Sensor.totalReset()
    }

    function totalApply() {
        page_Keydefine.totalApply()
        page_Color.totalApply()
        page_Sensor.totalApply()
    }

    Menu_Func {
        id: menu_Func
        objectName: "menu_Func"
        x: -150
        y: 130
        enabled: !root.isPanelOpen
        opacity: root.isPanelOpen ? 0.2 : 1.0
        skinPath: root.skinPath
        labels: [root.stringAt(74), root.stringAt(75), root.stringAt(76), root.stringAt(86)]
        currentIndex: root.currentPage
        textColor: root.textColor
        colorEnable: root.colorEnable
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onPageClicked: function(index) { root.selectPage(index) }
    }

    Item {
        id: pageArea
        x: 171
        y: 96
        width: 759
        height: 442
        clip: true
        enabled: !root.isPanelOpen
        opacity: root.isPanelOpen ? 0.2 : 1.0

        Item {
            id: pageContent
            objectName: "pageContent"
            x: -2 * width
            width: parent.width
            height: parent.height

            Page_Keydefine {
                id: page_Keydefine
                objectName: "page_Keydefine"
                visible: root.currentPage === 0
                skinPath: root.pageSkinPath(0)
                stringList: root.stringList
                textColor: root.textColor
                colorEnable: root.colorEnable
                colorDisable: root.colorDisable
                fontFamily: root.fontFamily
                fontSize: root.fontSize
                animationSpeed: root.animationSpeed
                keyNames: root.keyNames
            }
            Page_Macro {
                id: page_Macro
                objectName: "page_Macro"
                visible: root.currentPage === 1
                skinPath: root.pageSkinPath(1)
                stringList: root.stringList
                textColor: root.textColor
                colorEnable: root.colorEnable
                colorDisable: root.colorDisable
                fontFamily: root.fontFamily
                fontSize: root.fontSize
                animationSpeed: root.animationSpeed
                keyNames: root.keyNames
            }
            Page_Color {
                id: page_Color
                objectName: "page_Color"
                visible: root.currentPage === 2
                skinPath: root.pageSkinPath(2)
                stringList: root.stringList
                textColor: root.textColor
                colorEnable: root.colorEnable
                colorDisable: root.colorDisable
                fontFamily: root.fontFamily
                fontSize: root.fontSize
                animationSpeed: root.animationSpeed
            }
            Page_Sensor {
                id: page_Sensor
                objectName: "page_Sensor"
                visible: root.currentPage === 3
                skinPath: root.pageSkinPath(3)
                stringList: root.stringList
                textColor: root.textColor
                colorEnable: root.colorEnable
                colorDisable: root.colorDisable
                fontFamily: root.fontFamily
                fontSize: root.fontSize
                animationSpeed: root.animationSpeed
            }
        }
    }

    Menu_Prof {
        id: menu_Prof
        objectName: "menu_Prof"
        x: 1000
        y: 100
        enabled: !root.isPanelOpen && root.currentPage !== root.macroPage
        opacity: root.isPanelOpen ? 0.2 : (root.currentPage === root.macroPage ? 0.45 : 1.0)
        skinPath: root.skinPath
        currentIndex: root.currentProfile
        menuLabels: [root.stringAt(84), root.stringAt(85), root.stringAt(77), root.stringAt(78)]
        animationSpeed: root.animationSpeed
        textColor: root.textColor
        colorEnable: root.colorEnable
        fontFamily: root.fontFamily
        fontSize: root.fontSize
        onProfileClicked: function(index) {
            ui_View.playMedia_Index(4)
            root.selectProfile(index)
        }
        onMenuChosen: function(action, index) { root.profileAction(action, index) }
        onEnabledChanged: {
            if (!enabled)
                closeMenu()
        }
    }

    NumberAnimation {
        id: pageSlide
        target: pageContent
        property: "x"
        from: -2 * pageContent.width
        to: 0
        duration: root.animationSpeed * 0.5
        easing.type: Easing.OutCubic
    }

    SequentialAnimation {
        id: entrance
        ParallelAnimation {
            NumberAnimation { target: menu_Prof; property: "x"; from: 1000; to: 1000 - menu_Prof.width - 8; duration: root.animationSpeed; easing.type: Easing.OutElastic; easing.amplitude: 1.0; easing.period: 0.6 }
            NumberAnimation { target: menu_Func; property: "x"; from: -150; to: 8; duration: root.animationSpeed; easing.type: Easing.OutElastic; easing.amplitude: 1.0; easing.period: 0.6 }
        }
        NumberAnimation { target: pageContent; property: "x"; from: -2 * pageContent.width; to: 0; duration: root.animationSpeed * 0.5; easing.type: Easing.OutCubic }
        ScriptAction { script: root.entered() }
    }
}
