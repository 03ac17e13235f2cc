import QtQuick

// The busy text shown while the view is locked; it pulses without end.
Item {
    id: root
    width: busyText.width
    height: busyText.height
    visible: false

    property bool isBusy: false

    function setBusy(busy) {
        isBusy = busy
        visible = busy
    }

    Text {
        id: busyText
        text: qsTr("LOADING ......")
        color: "#FFFFFFFF"
        font.pixelSize: 18
        font.bold: true
        font.letterSpacing: 2
        style: Text.Outline
        styleColor: "#80000000"
    }

    SequentialAnimation on opacity {
        running: root.isBusy
        loops: Animation.Infinite
        NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
        NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
    }
}
