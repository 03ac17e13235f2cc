import QtQuick
import "../common"

// The top bar: the settings button, which toggles isGlobalSettingSelect and
// reports btnClicked(0), and the close button, btnClicked(1). The root
// plays the sound and runs the panel and the closing animation.
Item {
    id: root
    width: 1000
    height: 56

    property string skinPath: ""
    property bool isGlobalSettingSelect: false

    signal btnClicked(int index)

    Image {
        anchors.fill: parent
        source: root.skinPath !== "" ? root.skinPath + "/list_up/listUpContainer.png" : ""
    }

    Button_2state {
        id: settingButton
        objectName: "settingButton"
        x: 898
        y: 6
        width: 40
        height: 40
        isSelected: root.isGlobalSettingSelect
        source0: root.skinPath !== "" ? root.skinPath + "/list_up/applicationSetting_0.png" : ""
        source1: root.skinPath !== "" ? root.skinPath + "/list_up/applicationSetting_1.png" : ""
        onClicked: {
            root.isGlobalSettingSelect = !root.isGlobalSettingSelect
            root.btnClicked(0)
        }
    }

    Button_2state {
        id: closeButton
        objectName: "closeButton"
        x: 944
        y: 6
        width: 40
        height: 40
        source0: root.skinPath !== "" ? root.skinPath + "/list_up/applicationMinimize_0.png" : ""
        source1: root.skinPath !== "" ? root.skinPath + "/list_up/applicationMinimize_1.png" : ""
        onClicked: root.btnClicked(1)
    }
}
