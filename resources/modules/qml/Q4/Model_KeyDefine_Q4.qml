import QtQuick

// The key-definition page's model: the 16 key entries of the mouse (four
// bytes each, position n = button n of the key matrix), the factory table,
// the selected button, and where each button sits on the mouse picture
// (model_Q4_KeyDefine, 280 x 400; the skin generator draws the buttons
// there).
Item {
    id: root
    visible: false

    // The factory entries in button order, until the default profile gives
    // its own.
    property var keyCode_Default: [0x01, 0x00, 0xF0, 0x00, 0x01, 0x00, 0xF1, 0x00, 0x01, 0x00, 0xF2, 0x00,
                                   0x01, 0x00, 0xF4, 0x00, 0x01, 0x00, 0xF3, 0x00, 0x07, 0x00, 0x03, 0x00,
                                   0x0B, 0x00, 0x00, 0x00, 0x07, 0x00, 0x03, 0x00, 0x05, 0x00, 0x03, 0x00,
                                   0x03, 0x00, 0x8A, 0x01, 0x03, 0x00, 0x23, 0x02, 0x03, 0x00, 0x94, 0x01,
                                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x01, 0x00,
                                   0x04, 0x00, 0x02, 0x00]
    // keyCodes[n] = [keyCode0, keyCode1, keyCode2, keyCode3] of button n.
    property var keyCodes: entriesOf(keyCode_Default)
    property int curKeyMatrix: -1

    // Button centres on the mouse picture, in picture pixels.
    readonly property var buttonCentres: [
        { x: 96, y: 92 }, { x: 184, y: 92 }, { x: 140, y: 100 }, { x: 78, y: 214 },
        { x: 100, y: 214 }, { x: 140, y: 164 }, { x: 140, y: 194 }, { x: 122, y: 214 },
        { x: 78, y: 238 }, { x: 100, y: 238 }, { x: 122, y: 238 }, { x: 78, y: 262 },
        { x: 100, y: 262 }, { x: 122, y: 262 }, { x: 140, y: 66 }, { x: 140, y: 134 }
    ]

    // Sixteen entries from 64 values (numbers or their text); missing or
    // unreadable values count 0.
    function entriesOf(values) {
        var entries = []
        for (var button = 0; button < 16; ++button) {
            var entry = []
            for (var part = 0; part < 4; ++part) {
                var number = values && 4 * button + part < values.length ? Number(values[4 * button + part]) : 0
                entry.push(isNaN(number) ? 0 : number & 0xFF)
            }
            entries.push(entry)
        }
        return entries
    }

    // The 64 values of the matrix, button 0 first, as the device takes them.
    function matrix() {
        var values = []
        for (var button = 0; button < 16; ++button)
            values = values.concat(keyCodes[button])
        return values
    }

    function entry(button) {
        return keyCodes[button].slice()
    }

    function setEntry(button, bytes) {
        var copy = keyCodes.slice()
        copy[button] = entriesOf(bytes)[0]
        keyCodes = copy
    }

    // Every button back to its factory entry.
    function resetAll() {
        keyCodes = entriesOf(keyCode_Default)
    }
}
