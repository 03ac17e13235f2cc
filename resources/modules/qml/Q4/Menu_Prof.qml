import QtQuick
import "../common"

// The ten profiles, 1 to 10 from the top, the current one lit. A click
// reports the profile; a right click opens its menu beside the column:
// LOAD, SAVE, RESET, CANCEL. The mouse main item does the work and plays
// the click sound.
Item {
    id: root
    width: 58
    height: 420

    property string skinPath: ""
    property int currentIndex: 0
    property int menuIndex: -1
    // LOAD, SAVE, RESET, CANCEL.
    property var menuLabels: ["LOAD", "SAVE", "RESET", "CANCEL"]
    property int animationSpeed: 800
    property color textColor: "#FF00FFFF"
    property color colorEnable: "#FFAAAAAA"
    property string fontFamily: "Arial"
    property int fontSize: 11

    readonly property bool isMenuOpen: menuIndex >= 0
    readonly property var menuActions: ["load", "save", "reset", "cancel"]

    signal profileClicked(int index)
    // action: "load", "save" or "reset".
    signal menuChosen(string action, int index)

    function buttonY(index) {
        return 12 + index * 40
    }

    function openMenu(index) {
        menuIndex = index
    }

    function closeMenu() {
        menuIndex = -1
    }

    function chooseAction(row) {
        var index = menuIndex
        closeMenu()
        if (index >= 0 && row >= 0 && row < 3)
            menuChosen(menuActions[row], index)
    }

    // The column picture is 64 wide with its plate from x 4.
    Image {
        x: -4
        source: root.skinPath !== "" ? root.skinPath + "/list_pf/listPfContainer.png" : ""
    }

    Repeater {
        model: 10
        Button_2state {
            objectName: "profileButton" + index
            x: 4
            y: root.buttonY(index)
            width: 48
            height: 34
            text: String(index + 1)
            isSelected: index === root.currentIndex || index === root.menuIndex
            textColor: root.colorEnable
            textLitColor: "#FFFFFFFF"
            fontFamily: root.fontFamily
            fontSize: root.fontSize + 1
            source0: root.skinPath !== "" ? root.skinPath + "/list_pf/profileFW_0.png" : ""
            source1: root.skinPath !== "" ? root.skinPath + "/list_pf/profileFW_1.png" : ""
            onClicked: {
                root.closeMenu()
                root.profileClicked(index)
            }
            onRightClicked: root.openMenu(index)
        }
    }

    Column {
        id: menu
        objectName: "profileMenu"
        x: -width - 6
        y: Math.min(root.buttonY(Math.max(0, root.menuIndex)), root.height - height)
        z: 10
        spacing: 2
        visible: opacity > 0
        opacity: root.isMenuOpen ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: root.animationSpeed / 4 } }
        Repeater {
            model: 4
            Button_2state {
                objectName: "profileMenu" + ["Load", "Save", "Reset", "Cancel"][index]
                width: 124
                height: 28
                borderSize: 8
                enabled: root.isMenuOpen
                text: root.menuLabels[index] !== undefined ? String(root.menuLabels[index]) : ""
                textColor: root.colorEnable
                textLitColor: "#FFFFFFFF"
                fontFamily: root.fontFamily
                fontSize: root.fontSize
                source0: root.skinPath !== "" ? root.skinPath + "/common/btnGroup_FILLER_0.png" : ""
                source1: root.skinPath !== "" ? root.skinPath + "/common/btnGroup_FILLER_1.png" : ""
                onClicked: root.chooseAction(index)
            }
        }
    }
}
