import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The shared components alone: what a click or a key does to their state
// and what they report. None of them may reach the back end.
TestCase {
    id: testCase
    name: "Components"
    width: 800
    height: 600
    visible: true
    when: windowShown

    Component { id: sliderComponent; Slider {} }
    Component { id: group4Component; ButtonGroup_4 {} }
    Component { id: group8Component; ButtonGroupPro_8 { objectName: "stages" } }
    Component { id: dropdownComponent; DropdownList { objectName: "list" } }
    Component { id: fileListComponent; FileList { objectName: "files" } }
    Component { id: keyInputComponent; KeyInput {} }
    Component { id: wheelComponent; SteeringWheel {} }
    Component { id: checkboxComponent; Checkbox {} }
    Component { id: radioComponent; RadioButton {} }
    Component { id: stripComponent; ColorStrip {} }
    Component { id: spyComponent; SignalSpy {} }

    function init() {
        failOnWarning(/.?/)
        ui_View.clear()
    }

    function cleanup() {
        compare(ui_View.calls.length, 0, "a component called the back end")
    }

    function spyOn(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
    }

    // The colour strip: linear within each eighth.
    function test_paletteColor_data() {
        return [
            { tag: "top", position: 0, rgb: [0, 0, 0] },
            { tag: "red", position: 0.125, rgb: [255, 0, 0] },
            { tag: "cyan", position: 0.5, rgb: [0, 255, 255] },
            { tag: "grey on the way back", position: 0.9375, rgb: [128, 128, 128] },
            { tag: "bottom", position: 1, rgb: [0, 0, 0] },
            { tag: "above the strip", position: -0.3, rgb: [0, 0, 0] }
        ]
    }

    function test_paletteColor(data) {
        var strip = createTemporaryObject(stripComponent, testCase)
        compare(strip.paletteColor(data.position), data.rgb)
    }

    function test_paletteMarkerFindsTheColour() {
        var strip = createTemporaryObject(stripComponent, testCase)
        compare(strip.palettePosition([255, 0, 0], 112), 0.125)
        compare(strip.palettePosition([0, 255, 255], 112), 0.5)
    }

    function test_sliderStepUnderThePointer_data() {
        return [
            { tag: "left edge", x: 0, wide: 224, count: 8, index: 0 },
            { tag: "just before step 2", x: 27.9, wide: 224, count: 8, index: 0 },
            { tag: "step 2", x: 28, wide: 224, count: 8, index: 1 },
            { tag: "beyond the right", x: 300, wide: 224, count: 8, index: 7 },
            { tag: "scaled track", x: 84, wide: 168, count: 8, index: 4 },
            { tag: "no width", x: 10, wide: 0, count: 8, index: -1 }
        ]
    }

    function test_sliderStepUnderThePointer(data) {
        var slider = createTemporaryObject(sliderComponent, testCase)
        compare(slider.indexAt(data.x, data.wide, data.count), data.index)
    }

    // A drag reports each new step once; pressing the chosen step again
    // reports nothing.
    function test_sliderDrag() {
        var slider = createTemporaryObject(sliderComponent, testCase, { y: 20 })
        var chosen = spyOn(slider, "indexChosen")
        mousePress(slider, 10, 7)
        mouseMove(slider, 40, 7)
        mouseMove(slider, 50, 7)
        mouseMove(slider, 100, 7)
        mouseRelease(slider, 100, 7)
        compare(chosen.count, 3)
        compare(chosen.signalArguments[0][0], 0)
        compare(chosen.signalArguments[2][0], 3)
        mouseClick(slider, 100, 7)
        compare(chosen.count, 3)
        slider.setCurIndex(12)
        compare(slider.currentIndex, 7)
        slider.setCurIndex("x")
        compare(slider.currentIndex, -1)
    }

    function test_stageGroupAndValueMenu() {
        var group = createTemporaryObject(group8Component, testCase, {
            stageCount: 4, values: [500, 1000, 1500, 2000, 0, 0, 0, 0], offeredValues: [0, 500, 1000, 1500, 3000]
        })
        var stage = spyOn(group, "stageClicked")
        mouseClick(group, group.cellX(5) + 30, 18)
        compare(stage.count, 0)
        compare(group.currentIndex, -1)
        mouseClick(group, group.cellX(1) + 30, 18)
        compare(group.currentIndex, 1)
        compare(stage.signalArguments[0][0], 1)
        mouseClick(group, group.cellX(6) + 30, 18, Qt.RightButton)
        verify(!group.isMenuOpen)
    }

    function test_stageValuesFromShortLists() {
        var group = createTemporaryObject(group8Component, testCase)
        compare(group.withValue([250, "500"], 3, 750), [250, 500, 0, 750, 0, 0, 0, 0])
        group.offeredValues = []
        group.openMenu(0)
        verify(!group.isMenuOpen)
    }

    function test_fileListSelection() {
        var files = createTemporaryObject(fileListComponent, testCase, { names: ["Copy and Paste", "Double Click"] })
        var chosen = spyOn(files, "indexChosen")
        var menu = spyOn(files, "menuRequested")
        mouseClick(findChild(files, "files_row1"))
        compare(files.currentIndex, 1)
        mouseClick(findChild(files, "files_row1"))
        compare(files.currentIndex, -1)
        compare(chosen.signalArguments[1][0], -1)
        mouseClick(findChild(files, "files_row0"), 10, 10, Qt.RightButton)
        compare(menu.count, 1)
        compare(menu.signalArguments[0][0], 0)
        compare(files.currentIndex, -1)
    }

    function test_fileListRename_data() {
        return [
            { tag: "new name", typed: "Burst", key: Qt.Key_Return, reported: "Burst" },
            { tag: "enter key, blanks trimmed", typed: "  Burst ", key: Qt.Key_Enter, reported: "Burst" },
            { tag: "unchanged", typed: "Double Click", key: Qt.Key_Return, reported: "" },
            { tag: "empty", typed: "", key: Qt.Key_Return, reported: "" },
            { tag: "escape drops it", typed: "Burst", key: Qt.Key_Escape, reported: "" }
        ]
    }

    function test_fileListRename(data) {
        var files = createTemporaryObject(fileListComponent, testCase, { names: ["Copy and Paste", "Double Click"] })
        var renamed = spyOn(files, "renamed")
        files.startRename(1)
        compare(files.editingIndex, 1)
        keyClick(Qt.Key_A, Qt.ControlModifier)
        keyClick(Qt.Key_Delete)
        for (var index = 0; index < data.typed.length; ++index)
            keyClick(data.typed.charAt(index))
        keyClick(data.key)
        compare(files.editingIndex, -1)
        compare(renamed.count, data.reported === "" ? 0 : 1)
        compare(files.names[1], data.reported === "" ? "Double Click" : data.reported)
        if (data.reported !== "") {
            compare(renamed.signalArguments[0][1], "Double Click")
            compare(renamed.signalArguments[0][2], data.reported)
        }
    }

    // A click arms the field; the next key event, press or release, is
    // taken when it has a label and cleared when not.
    function test_keyCapture_data() {
        return [
            { tag: "labelled press", isDown: true, code: 0x04, captured: 0x04 },
            { tag: "labelled release", isDown: false, code: 0x28, captured: 0x28 },
            { tag: "no label", isDown: true, code: 0x31, captured: 0 }
        ]
    }

    function test_keyCapture(data) {
        var field = createTemporaryObject(keyInputComponent, testCase, {
            keyCode: 0x1E,
            labelFor: function(code) { return code === 0x04 ? "A" : (code === 0x28 ? "Enter" : "") }
        })
        var captured = spyOn(field, "keyCaptured")
        verify(!field.keyEvent(true, 0x04))
        compare(field.keyCode, 0x1E)
        mouseClick(field)
        verify(field.isArmed)
        compare(field.keyCode, 0)
        verify(field.keyEvent(data.isDown, data.code))
        verify(!field.isArmed)
        compare(field.keyCode, data.captured)
        compare(captured.signalArguments[0][0], data.captured)
        verify(!field.keyEvent(true, 0x05))
    }

    function test_dialStops_data() {
        return [
            { tag: "first stop", angle: -135, count: 8, index: 0 },
            { tag: "last stop", angle: 135, count: 8, index: 7 },
            { tag: "straight up", angle: 0, count: 11, index: 5 },
            { tag: "gap, right half", angle: 170, count: 8, index: 7 },
            { tag: "gap, left half", angle: -170, count: 8, index: 0 },
            { tag: "a full turn on", angle: 360 - 135, count: 8, index: 0 },
            { tag: "single stop", angle: 90, count: 1, index: 0 }
        ]
    }

    function test_dialStops(data) {
        var wheel = createTemporaryObject(wheelComponent, testCase)
        compare(wheel.indexForAngle(data.angle, data.count), data.index)
    }

    function test_dialDragReportsOnce() {
        var wheel = createTemporaryObject(wheelComponent, testCase, { y: 20 })
        var chosen = spyOn(wheel, "indexChosen")
        mousePress(wheel, 48, 2)
        mouseMove(wheel, 49, 2)
        mouseRelease(wheel, 49, 2)
        compare(chosen.count, 1)
        compare(wheel.currentIndex, 4)
    }
}
