import QtQuick

// The tables between key codes and the labels that macro lines and key
// fields show: keyboard keys by USB usage, mouse buttons by their codes
// 0xF0 to 0xF4. The labels are the ones macro files store, so they must stay
// exactly as the back end's key-name table spells them. One difference is
// kept on purpose: "\ |" is paired with 0x32 here, while the key capture
// reports the backslash key as 0x31, so a backslash pressed during capture
// finds no label and is not taken.
Item {
    id: root
    visible: false

    // Runs of labels whose codes follow one another from the first code.
    readonly property var keyRuns: [
        [0x04, ["A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"]],
        [0x1E, ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0"]],
        [0x28, ["Enter", "Esc", "Back", "Tab", "Space"]],
        [0x2D, ["- _", "= +", "[ {", "] }"]],
        [0x32, ["\\ |"]],
        [0x33, ["; :", "' \""]],
        [0x35, ["` ~", ", <", ". >", "/ ?", "Caps"]],
        [0x3A, ["F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"]],
        [0x46, ["Prt", "Scr", "Pau", "Ins", "Hom", "PgU", "Del", "End", "PgD"]],
        // Right, left, down, up.
        [0x4F, ["\u25BA", "\u25C4", "\u25BC", "\u25B2"]],
        [0x53, ["Num", "KP /", "KP *", "KP -", "KP +", "KP Enter"]],
        // "KP 7 " keeps the trailing blank stored macros have always had.
        [0x59, ["KP 1", "KP 2", "KP 3", "KP 4", "KP 5", "KP 6", "KP 7 ", "KP 8", "KP 9", "KP 0", "KP ."]],
        [0x64, ["Eur 2", "App", "Power", "KP ="]],
        [0x68, ["F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"]],
        [0x85, ["Keypad"]],
        // 0x88 and 0x89 as stored macros spell them.
        [0x87, ["Int'l 1", "Intl'2", "Int'l 2", "Int'l 4", "Int'l 5"]],
        [0x90, ["Lang 1", "Lang 2"]],
        [0xE0, ["L Ctrl", "L Shift", "L Alt", "L Win", "R Ctrl", "R Shift", "R Alt", "R Win"]]
    ]
    // Left, right, middle, fourth and fifth button.
    readonly property var mouseRuns: [[0xF0, ["MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5"]]]

    readonly property var keycode2str: codeToLabel(keyRuns)
    readonly property var str2keycode: labelToCode(keyRuns)
    readonly property var mousecode2str: codeToLabel(mouseRuns)
    readonly property var str2mousecode: labelToCode(mouseRuns)

    function codeToLabel(runs) {
        var table = {}
        for (var run = 0; run < runs.length; ++run)
            for (var index = 0; index < runs[run][1].length; ++index)
                table[runs[run][0] + index] = runs[run][1][index]
        return table
    }

    function labelToCode(runs) {
        var table = {}
        for (var run = 0; run < runs.length; ++run)
            for (var index = 0; index < runs[run][1].length; ++index)
                table[runs[run][1][index]] = runs[run][0] + index
        return table
    }

    // The label of a keyboard usage, "" when it has none.
    function keycodeTostr(code) {
        return keycode2str.hasOwnProperty(code) ? keycode2str[code] : ""
    }

    // The usage of a keyboard label, 0 when there is no such key.
    function strTokeycode(label) {
        return str2keycode.hasOwnProperty(label) ? str2keycode[label] : 0
    }

    function mousecodeTostr(code) {
        return mousecode2str.hasOwnProperty(code) ? mousecode2str[code] : ""
    }

    function strTomousecode(label) {
        return str2mousecode.hasOwnProperty(label) ? str2mousecode[label] : 0
    }

    // The 1-based position of the lowest set bit of b, 0 when none is set.
    function logByte(b) {
        var value = Number(b) & 0xFF
        for (var bit = 0; bit < 8; ++bit)
            if (value & (1 << bit))
                return bit + 1
        return 0
    }
}
