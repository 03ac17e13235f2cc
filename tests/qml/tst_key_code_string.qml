import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

// The page-side key tables' lookups (their spellings are checked against
// the back end's table in tst_page_data) and logByte.
TestCase {
    id: testCase
    name: "KeyCodeString"

    KeyCodeString {
        id: keys
    }

    function init() {
        failOnWarning(/.?/)
    }

    // The backslash is paired with 0x32, so the captured 0x31 finds none;
    // mouse labels are no keys and keys no mouse buttons.
    function test_pairings() {
        compare(keys.keycodeTostr(0x32), "\\ |")
        compare(keys.strTokeycode("\\ |"), 0x32)
        compare(keys.keycodeTostr(0x31), "")
        compare(keys.mousecodeTostr(0xF4), "MS-B5")
        compare(keys.strTomousecode("A"), 0)
        compare(keys.mousecodeTostr(0x04), "")
    }

    // Lookups that find nothing give "" and 0, never undefined.
    function test_noSuchKey_data() {
        return [
            { tag: "code 0", code: 0x00, label: "a" },
            { tag: "gap after F24", code: 0x74, label: "KP 7" },
            { tag: "mouse code is no key", code: 0xF0, label: "MS-L" },
            { tag: "above the table", code: 0x1FF, label: "L ctrl" },
            { tag: "object property names", code: "toString", label: "constructor" }
        ]
    }

    function test_noSuchKey(data) {
        compare(keys.keycodeTostr(data.code), "")
        compare(keys.strTokeycode(data.label), 0)
    }

    function test_logByte_data() {
        return [
            { tag: "none set", value: 0, position: 0 },
            { tag: "report rate 1000", value: 1, position: 1 },
            { tag: "report rate 125", value: 8, position: 4 },
            { tag: "bit 7", value: 0x80, position: 8 },
            { tag: "lowest of several", value: 0x06, position: 2 },
            { tag: "only the low byte counts", value: 0x100, position: 0 },
            { tag: "text as read from a file", value: "4", position: 3 }
        ]
    }

    function test_logByte(data) {
        compare(keys.logByte(data.value), data.position)
    }
}
