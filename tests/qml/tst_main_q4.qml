import QtQuick
import QtTest
import "qrc:/modules/qml/Q4"

// The mouse main item against the recording view: device configuration,
// page switching, the profile menu and its order rules.
TestCase {
    id: testCase
    name: "MainQ4"
    width: 1000
    height: 600
    visible: true
    when: windowShown

    Component {
        id: mainComponent
        Main_Q4 {
            animationSpeed: 10
        }
    }
    Component { id: spyComponent; SignalSpy {} }

    function init() {
        failOnWarning(/.?/)
        ui_View.clear()
    }

    function spyOn(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
    }

    // The item after its entrance, with the menus in place.
    function enteredMain() {
        var main = createTemporaryObject(mainComponent, testCase)
        var entered = spyOn(main, "entered")
        main.enter()
        entered.wait(5000)
        return main
    }

    function test_colorSlots_data() {
        return [
            { tag: "none", list: [], slots: 8 },
            { tag: "as text", list: ["5"], slots: 5 },
            { tag: "as number", list: [3], slots: 3 },
            { tag: "zero", list: ["0"], slots: 8 },
            { tag: "more than the mouse has", list: ["9"], slots: 8 },
            { tag: "unreadable", list: ["eight"], slots: 8 }
        ]
    }

    function test_colorSlots(data) {
        var main = createTemporaryObject(mainComponent, testCase)
        compare(main.colorSlotsOf(data.list), data.slots)
    }

    function test_startUpReadsTheDeviceConfigurationFirst() {
        var main = createTemporaryObject(mainComponent, testCase)
        var pages = ["page_Keydefine", "page_Macro", "page_Color", "page_Sensor"]
        var spies = pages.map(function(name) { return spyOn(findChild(main, name), "valuesRead") })
        ui_View.setAnswer("loadDeviceApConfig", ["5"])
        main.initUI()
        compare(ui_View.callNames()[0], "loadDeviceApConfig")
        compare(findChild(main, "page_Color").colorSlotCount, 5)
        spies.forEach(function(spy) { compare(spy.count, 1) })
    }

    function test_translateWithAndWithoutALanguage() {
        var main = createTemporaryObject(mainComponent, testCase)
        var names = []
        for (var index = 0; index < 16; ++index)
            names.push("B" + index)
        ui_View.setAnswer("getProductLayoutStrings_Q4", names)
        main.translateStrings("096000")
        compare(ui_View.argumentsOf("getProductLayoutStrings_Q4"), [["096000"]])
        compare(findChild(main, "page_Keydefine").buttonNames, names)
        ui_View.clear()
        main.translateStrings("")
        compare(ui_View.calls.length, 0)
        compare(findChild(main, "page_Keydefine").buttonNames[0], "KEY １")
    }

    // The back end switches the profile before any page reads again.
    function test_profileClickSwitchesBeforeThePagesRead() {
        var main = enteredMain()
        var readsSeen = []
        var pages = ["page_Keydefine", "page_Color", "page_Sensor"]
        pages.forEach(function(name) {
            findChild(main, name).valuesRead.connect(function() { readsSeen.push(ui_View.callNames().slice()) })
        })
        mouseClick(findChild(main, "profileButton3"))
        compare(main.currentProfile, 3)
        compare(ui_View.callNames().slice(0, 2), ["playMedia_Index", "ui_02H_SetCurrentProfile"])
        compare(ui_View.argumentsOf("ui_02H_SetCurrentProfile"), [[3]])
        compare(readsSeen.length, 3)
        readsSeen.forEach(function(names) { verify(names.indexOf("ui_02H_SetCurrentProfile") >= 0) })
    }

    // LOAD and RESET of the current profile select it again, so the pages
    // show what the file now holds; SAVE and other profiles do not.
    function test_profileMenu_data() {
        return [
            { tag: "load another", current: 0, index: 2, row: "Load", calls: ["playMedia_Index", "loadProfile"] },
            { tag: "load the current", current: 2, index: 2, row: "Load",
              calls: ["playMedia_Index", "loadProfile", "ui_02H_SetCurrentProfile"] },
            { tag: "reset the current", current: 5, index: 5, row: "Reset",
              calls: ["playMedia_Index", "resetProfile", "ui_02H_SetCurrentProfile"] },
            { tag: "cancel", current: 0, index: 4, row: "Cancel", calls: [] }
        ]
    }

    function test_profileMenu(data) {
        var main = enteredMain()
        main.currentProfile = data.current
        var menu = findChild(main, "menu_Prof")
        mouseClick(findChild(main, "profileButton" + data.index), 10, 10, Qt.RightButton)
        verify(menu.isMenuOpen)
        tryCompare(findChild(main, "profileMenu"), "opacity", 1)
        ui_View.clear()
        mouseClick(findChild(main, "profileMenu" + data.row))
        verify(!menu.isMenuOpen)
        // The pages' own reads follow the switch.
        var names = ui_View.callNames()
        var switchAt = names.indexOf("ui_02H_SetCurrentProfile")
        compare(switchAt >= 0 ? names.slice(0, switchAt + 1) : names, data.calls)
        if (data.calls.length > 1)
            compare(ui_View.calls[1].args, [data.index])
        compare(main.currentProfile, data.current)
    }

    // Only the shown page loads its pictures.
    function test_onlyTheShownPageHasPictures_data() {
        return [0, 1, 2, 3].map(function(page) { return { tag: "page " + page, page: page } })
    }

    function test_onlyTheShownPageHasPictures(data) {
        var skin = "file:modules/img/skin1"
        var main = createTemporaryObject(mainComponent, testCase, { skinPath: skin })
        main.selectPage(data.page)
        var pages = ["page_Keydefine", "page_Macro", "page_Color", "page_Sensor"]
        pages.forEach(function(name, index) {
            compare(findChild(main, name).skinPath, index === data.page ? skin : "", name)
        })
    }
}
