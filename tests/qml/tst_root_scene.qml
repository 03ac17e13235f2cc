import QtQuick
import QtTest

// The root scene (main.qml) against the recording view: start-up order,
// the closing, the panel's effect on the rest, the busy lock, and the
// language reaching every visible text.
TestCase {
    id: testCase
    name: "RootScene"
    width: 1000
    height: 600
    visible: true
    when: windowShown

    readonly property var sceneComponent: Qt.createComponent("qrc:/modules/qml/main.qml")
    readonly property var shippedList: ["1", "1", "1", "0", "1", "false", "", "0",
        "0", "255", "255", "255", "200", "150", "255", "180", "0", "200", "200", "100",
        "200", "170", "255", "255", "180", "180", "160", "190", "160", "0", "7", "file:modules/help/index.html"]

    Component { id: spyComponent; SignalSpy {} }

    function init() {
        failOnWarning(/.?/)
        ui_View.clear()
        ui_Ctl.clear()
    }

    function withEntry(list, index, value) {
        var copy = list.slice()
        copy[index] = value
        return copy
    }

    // A language whose every string is marked, so an untranslated text
    // shows.
    function markedStrings() {
        var strings = ["DejaVu Sans"]
        for (var index = 1; index <= 116; ++index)
            strings.push("Я" + index)
        return strings
    }

    function answer(list) {
        ui_View.setAnswer("loadApConfig", list)
        ui_View.setAnswer("chkLanguages", { "ENGLISH": "031000", "RUSSIAN": "096000" })
        ui_View.setAnswer("getGlobalStrings", function(code) { return markedStrings() })
        ui_View.setAnswer("getProductLayoutStrings_Q4", function(code) {
            var names = []
            for (var index = 0; index < 16; ++index)
                names.push(index < 7 ? "КН" + index : "")
            return names
        })
        ui_View.setAnswer("getIsSkinShow", true)
        ui_View.setAnswer("loadDeviceApConfig", ["8"])
    }

    function makeScene() {
        verify(sceneComponent.status === Component.Ready, sceneComponent.errorString())
        return createTemporaryObject(sceneComponent, testCase)
    }

    // Initialised and opened with animation off.
    function openedScene(list) {
        var scene = makeScene()
        answer(withEntry(list === undefined ? shippedList : list, 3, "1"))
        scene.initUI()
        scene.run()
        tryVerify(function() { return scene.isOpened }, 5000)
        ui_View.clear()
        return scene
    }

    // The panel first, whose language the mouse pages label themselves
    // with, then the mouse main item.
    function test_startUpOrder() {
        var scene = makeScene()
        answer(shippedList)
        scene.initUI()
        compare(ui_View.argumentsOf("getProductLayoutStrings_Q4"), [["096000"]])
        compare(scene.phase, 1)
        verify(!scene.visible)
        compare(scene.globalSetting_stringList[114], "Я114")
        compare(scene.globalSetting_fontFamily, "DejaVu Sans")
    }

    // A run that comes first still applies the configuration's sound
    // switch before the start-up sound.
    function test_runBeforeInitReadsTheConfigurationFirst() {
        var scene = makeScene()
        answer(shippedList)
        scene.run()
        var names = ui_View.callNames()
        compare(names[0], "loadApConfig")
        compare(ui_View.argumentsOf("setEnableAudio"), [[false]])
        verify(names.indexOf("setEnableAudio") < names.indexOf("playMedia_Index"))
        compare(scene.phase, 2)
    }

    // With the animation off the scene opens in the run itself, every item
    // already where the opening leaves it; with it on the opening takes its
    // time.
    function test_openingFollowsTheAnimationSwitch_data() {
        return [
            { tag: "off", entry: "1", isOpenedAtOnce: true },
            { tag: "on", entry: "0", isOpenedAtOnce: false }
        ]
    }
    function test_openingFollowsTheAnimationSwitch(data) {
        var scene = makeScene()
        answer(withEntry(shippedList, 3, data.entry))
        scene.initUI()
        scene.run()
        compare(scene.isOpened, data.isOpenedAtOnce)
        if (!data.isOpenedAtOnce)
            return
        compare(findChild(scene, "logo").y, 4)
        compare(findChild(scene, "environment").opacity, 1)
        compare(findChild(scene, "menu_Up").y, 0)
        compare(findChild(scene, "pageContent").x, 0)
        var menuFunc = findChild(scene, "menu_Func")
        compare(menuFunc.x, 8)
    }

    function test_panelDisablesTheRest() {
        var scene = openedScene()
        var dimmed = [findChild(scene, "menu_Down"), findChild(scene, "menu_Func"), findChild(scene, "menu_Prof"),
                      findChild(scene, "pageContent").parent]
        mouseClick(findChild(scene, "settingButton"))
        compare(ui_View.argumentsOf("playMedia_Index"), [[2]])
        verify(scene.isGlobalSettingShown)
        dimmed.forEach(function(item) {
            verify(!item.enabled)
            compare(item.opacity, 0.2)
        })
        tryCompare(findChild(scene, "globalSetting"), "x", 0)
        mouseClick(findChild(scene, "settingButton"))
        tryVerify(function() { return !scene.isGlobalSettingShown })
        compare(findChild(scene, "globalSetting").x, 340)
        dimmed.forEach(function(item) { verify(item.enabled) })
    }

    // A toggle during a slide first completes it.
    function test_secondToggleFinishesTheRunningSlide() {
        var scene = openedScene()
        scene.animation_speed = 800
        var panel = findChild(scene, "globalSetting")
        var menuUp = findChild(scene, "menu_Up")
        menuUp.isGlobalSettingSelect = true
        verify(scene.isPanelSliding)
        verify(panel.x > 0)
        menuUp.isGlobalSettingSelect = false
        compare(panel.x, 0)
        verify(scene.isPanelSliding)
        tryVerify(function() { return !scene.isGlobalSettingShown }, 5000)
        compare(panel.x, 340)
    }

    function test_links_data() {
        return [
            { tag: "https", url: "https://example.com/q4", isWeb: true, isHelp: false },
            { tag: "http, upper case", url: "HTTP://EXAMPLE.COM", isWeb: true, isHelp: false },
            { tag: "the help page", url: "file:modules/help/index.html", isWeb: false, isHelp: true },
            { tag: "out of the help folder", url: "file:modules/help/../setting/p1.bin",
              isWeb: false, isHelp: false },
            { tag: "a file", url: "file:///bin/sh", isWeb: false, isHelp: false },
            { tag: "script", url: "javascript:alert(1)", isWeb: false, isHelp: false },
            { tag: "blank inside", url: "https://exa mple.com", isWeb: false, isHelp: false },
            { tag: "empty", url: "", isWeb: false, isHelp: false }
        ]
    }

    function test_links(data) {
        var scene = makeScene()
        compare(scene.isWebLink(data.url), data.isWeb)
        compare(scene.isHelpLink(data.url), data.isHelp)
    }

    function test_keysReachTheMouseMainItem() {
        var scene = makeScene()
        var keys = createTemporaryObject(spyComponent, testCase, { target: scene, signalName: "msg_KB" })
        scene.detectKeyboard(true, 0x04)
        scene.detectKeyboard(false, 0x05)
        scene.detectMouse(true, 0xF0, 10, 10)
        compare(keys.count, 2)
        compare(findChild(scene, "main_Q4").lastKeyCode, 0x04)
    }

    // The pages' own locks come first; the bar's holds last.
    function test_bottomBar() {
        var scene = openedScene()
        mouseClick(findChild(scene, "allSaveButton"))
        // The pages' applies lie between the click sound and the lock.
        var names = ui_View.callNames()
        compare(names[0], "playMedia_Index")
        compare(names[names.length - 1], "setEnabled")
        compare(ui_View.argumentsOf("setEnabled"), [[false]])
        compare(ui_View.argumentsOf("playMedia_Index"), [[4]])
        tryVerify(function() { return ui_View.enabled }, 5000)
    }

    function test_closesOnceAfterTheAnimation() {
        var scene = openedScene()
        mouseClick(findChild(scene, "closeButton"))
        scene.close()
        verify(scene.isClosing)
        tryCompare(ui_Ctl, "calls", ["onMinimize"], 5000)
        compare(scene.height, 0)
    }

    function visibleTexts(item, found) {
        for (var index = 0; index < item.children.length; ++index) {
            var child = item.children[index]
            if (!child.visible || child.opacity === 0)
                continue
            if (child.textFormat !== undefined && child.elide !== undefined && child.text !== "")
                found.push(child.text)
            visibleTexts(child, found)
        }
        return found
    }

    // With the panel and the profile menu open, no visible text is left in
    // the built-in English.
    function test_everyVisibleTextFollowsTheLanguage() {
        var scene = openedScene()
        var english = scene.builtInStrings.slice(1)
        findChild(scene, "menu_Up").isGlobalSettingSelect = true
        findChild(scene, "menu_Prof").openMenu(2)
        tryVerify(function() { return !scene.isPanelSliding })
        var texts = visibleTexts(scene, [])
        verify(texts.length > 25, "only " + texts.length + " texts found")
        texts.forEach(function(text) { verify(english.indexOf(text) < 0, "untranslated: " + text) })
        verify(texts.indexOf("Я29") >= 0)
        verify(texts.indexOf("Я84") >= 0)
    }
}
