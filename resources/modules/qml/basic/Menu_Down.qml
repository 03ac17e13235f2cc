import QtQuick
import "../common"

// The bottom bar: ALL RESET and ALL SAVE for the key, colour and sensor
// pages together; they lock the view for 800 and 2000 ms.
Item {
    id: root
    width: 1000
    height: 56

    property string skinPath: ""
    property color textColor: "#FF00FFFF"
    property string fontFamily: "Arial"
    property string resetText: "ALL RESET"
    property string applyText: "ALL SAVE"

    signal btnTotalResetClicked()
    signal btnTotalApplyClicked()

    function setSkin() {
        container.source = root.skinPath + "/list_dn/listDnContainer.png"
    }

    Image {
        id: container
        anchors.fill: parent
        source: root.skinPath + "/list_dn/listDnContainer.png"
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 40
        anchors.verticalCenter: parent.verticalCenter
        spacing: 16
        Button_2state {
            width: 110
            text: root.resetText
            textColor: root.textColor
            fontFamily: root.fontFamily
            onClicked: {
                ui_Ctl.setBusy(800)
                root.btnTotalResetClicked()
            }
        }
        Button_2state {
            width: 110
            text: root.applyText
            textColor: root.textColor
            fontFamily: root.fontFamily
            onClicked: {
                ui_Ctl.setBusy(2000)
                root.btnTotalApplyClicked()
            }
        }
    }
}
