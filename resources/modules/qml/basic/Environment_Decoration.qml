import QtQuick

// The two decoration pictures beside the logo, centred at (78, 93) and
// (923, 93).
Item {
    id: root
    width: 1000
    height: 600

    property string skinPath: ""

    Image {
        x: 78 - width / 2
        y: 93 - height / 2
        source: root.skinPath !== "" ? root.skinPath + "/frame/decoration1.png" : ""
    }

    Image {
        x: 923 - width / 2
        y: 93 - height / 2
        source: root.skinPath !== "" ? root.skinPath + "/frame/decoration2.png" : ""
    }
}
