import QtQuick

// The 1000 x 600 background: the custom picture when one is chosen and
// loads, else the skin's background, with the frame over it.
Item {
    id: root
    width: 1000
    height: 600

    property string skinPath: ""
    property bool isCustomBackground: false
    property url sourceCustomBackground: ""

    readonly property bool isCustomShown: isCustomBackground && custom.status === Image.Ready

    // The two full-window pictures are the scene's largest: they are
    // decoded off the GUI thread while the rest of the scene is built.
    Image {
        anchors.fill: parent
        visible: !root.isCustomShown
        asynchronous: true
        source: root.skinPath !== "" ? root.skinPath + "/background.png" : ""
    }

    // Cut to the window's body, so the picture keeps the frame's corners.
    Item {
        x: 6
        y: 6
        width: 988
        height: 588
        clip: true
        Image {
            id: custom
            anchors.fill: parent
            visible: root.isCustomShown
            source: root.isCustomBackground ? root.sourceCustomBackground : ""
            fillMode: Image.PreserveAspectCrop
            asynchronous: true
        }
    }

    Image {
        anchors.fill: parent
        asynchronous: true
        source: root.skinPath !== "" ? root.skinPath + "/frame/frameBackground.png" : ""
    }
}
