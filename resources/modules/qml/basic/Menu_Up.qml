import QtQuick
import "../common"

// The top bar: the settings button (btnClicked(0)) and the close button
// (btnClicked(1)).
Item {
    id: root
    width: 1000
    height: 56

    property string skinPath: ""
    property bool isGlobalSettingSelect: false

    signal btnClicked(int index)

    Image {
        anchors.fill: parent
        source: root.skinPath + "/list_up/listUpContainer.png"
    }

    Button_2state {
        id: settingButton
        x: 24
        y: 14
        width: 34
        height: 28
        text: "\u2699"
        isSoundOn: false
        isSelected: root.isGlobalSettingSelect
        source0: root.skinPath + "/list_up/applicationSetting_0.png"
        source1: root.skinPath + "/list_up/applicationSetting_1.png"
        onClicked: {
            ui_View.playMedia_Index(2)
            root.isGlobalSettingSelect = !root.isGlobalSettingSelect
            root.btnClicked(0)
        }
    }

    Button_2state {
        id: closeButton
        objectName: "closeButton"
        x: root.width - width - 24
        y: 14
        width: 34
        height: 28
        text: "\u2715"
        isSoundOn: false
        source0: root.skinPath + "/list_up/applicationMinimize_0.png"
        source1: root.skinPath + "/list_up/applicationMinimize_1.png"
        onClicked: root.btnClicked(1)
    }
}
