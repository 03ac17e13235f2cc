import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

// The page-side key tables: the spellings macro files depend on, the one
// deliberate difference from the back end's table, and logByte.
TestCase {
    id: testCase
    name: "KeyCodeString"

    KeyCodeString {
        id: keys
    }

    function init() {
        failOnWarning(/.?/)
    }

    function test_labelsBothWays_data() {
        return [
            { tag: "letter", code: 0x04, label: "A" },
            { tag: "digit zero last", code: 0x27, label: "0" },
            { tag: "backslash pairs with 0x32", code: 0x32, label: "\\ |" },
            { tag: "apostrophe", code: 0x34, label: "' \"" },
            { tag: "arrow up", code: 0x52, label: "\u25B2" },
            { tag: "keypad 7 keeps its blank", code: 0x5F, label: "KP 7 " },
            { tag: "0x88 as stored", code: 0x88, label: "Intl'2" },
            { tag: "0x89 as stored", code: 0x89, label: "Int'l 2" },
            { tag: "right windows key", code: 0xE7, label: "R Win" }
        ]
    }

    function test_labelsBothWays(data) {
        compare(keys.keycodeTostr(data.code), data.label)
        compare(keys.strTokeycode(data.label), data.code)
    }

    // Codes without a label give "", labels without a key give 0.
    function test_noSuchKey_data() {
        return [
            { tag: "backslash as captured", code: 0x31, label: "KP 7" },
            { tag: "code 0", code: 0x00, label: "a" },
            { tag: "gap after F24", code: 0x74, label: "" },
            { tag: "mouse code is no key", code: 0xF0, label: "MS-L" },
            { tag: "above the table", code: 0x1FF, label: "L ctrl" }
        ]
    }

    function test_noSuchKey(data) {
        compare(keys.keycodeTostr(data.code), "")
        compare(keys.strTokeycode(data.label), 0)
    }

    function test_tableSizes() {
        compare(Object.keys(keys.keycode2str).length, 127)
        compare(Object.keys(keys.str2keycode).length, 127)
        compare(Object.keys(keys.mousecode2str).length, 5)
        compare(keys.mousecodeTostr(0xF4), "MS-B5")
        compare(keys.strTomousecode("MS-M"), 0xF2)
        compare(keys.mousecodeTostr(0xF5), "")
        compare(keys.strTomousecode("A"), 0)
    }

    function test_logByte_data() {
        return [
            { tag: "none set", value: 0, position: 0 },
            { tag: "bit 0", value: 1, position: 1 },
            { tag: "report rate 500", value: 2, position: 2 },
            { tag: "report rate 125", value: 8, position: 4 },
            { tag: "bit 7", value: 0x80, position: 8 },
            { tag: "lowest of several", value: 0x06, position: 2 },
            { tag: "all set", value: 0xFF, position: 1 },
            { tag: "only the low byte counts", value: 0x100, position: 0 },
            { tag: "text as read from a file", value: "4", position: 3 }
        ]
    }

    function test_logByte(data) {
        compare(keys.logByte(data.value), data.position)
    }
}
