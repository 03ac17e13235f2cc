import QtQuick
import "../basic"

// The key-definition page's model: the 16 key entries of the mouse (four
// bytes each, position n = button n of the key matrix), the factory table,
// the button list, where each button sits on the mouse picture
// (model_Q4_KeyDefine, 280 x 400; the skin generator draws the buttons
// there), and the translations between the page's menus and key entries.
// Everything here works on its arguments and its own properties only: no
// back end.
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
    // The selected row of the button list, -1 none.
    property int curKeyMatrix: -1
    // Row of the button list -> button position.
    property var mapping_for_keyId: listedButtons(builtInButtonNames)
    readonly property int currentButton: curKeyMatrix >= 0 && curKeyMatrix < mapping_for_keyId.length
                                         ? mapping_for_keyId[curKeyMatrix] : -1

    // The button names before a language is loaded: positions 0 to 6, 14
    // and 15 are the mouse's buttons.
    readonly property var builtInButtonNames: ["KEY １", "KEY ２", "KEY ３", "KEY ４", "KEY ５", "KEY ６", "KEY ７",
                                               "", "", "", "", "", "", "", "KEY ８", "KEY ９"]

    // Button centres on the mouse picture, in picture pixels.
    readonly property var buttonCentres: [
        { x: 96, y: 92 }, { x: 184, y: 92 }, { x: 140, y: 100 }, { x: 78, y: 214 },
        { x: 100, y: 214 }, { x: 140, y: 164 }, { x: 140, y: 194 }, { x: 122, y: 214 },
        { x: 78, y: 238 }, { x: 100, y: 238 }, { x: 122, y: 238 }, { x: 78, y: 262 },
        { x: 100, y: 262 }, { x: 122, y: 262 }, { x: 140, y: 66 }, { x: 140, y: 134 }
    ]

    // ---- The menus. Each names its labels by global-string number.

    readonly property int keyboardCategory: 0
    readonly property int mouseCategory: 1
    readonly property int mediaCategory: 2
    readonly property int comboCategory: 3
    readonly property int macroCategory: 4
    readonly property int fireCategory: 5
    readonly property int ledCategory: 6
    // KEYBOARD, MOUSE, MEDIA, COMBO KEY, MACRO, FIRE KEY, LED CONTROL.
    readonly property var categoryStrings: [46, 47, 48, 49, 50, 93, 111]

    // LEFT, RIGHT, MIDDLE, BACKWARD, FORWARD, TRIPLE CLICK, DPI +, DPI -,
    // DPI SWITCH, SCROLL UP, SCROLL DOWN.
    readonly property var mouseStrings: [51, 52, 53, 54, 55, 94, 115, 116, 95, 109, 110]
    readonly property var mouseEntries: [[0x01, 0x00, 0xF0, 0x00], [0x01, 0x00, 0xF1, 0x00], [0x01, 0x00, 0xF2, 0x00],
                                         [0x01, 0x00, 0xF3, 0x00], [0x01, 0x00, 0xF4, 0x00], [0x0A, 0xF0, 0x21, 0x03],
                                         [0x07, 0x00, 0x01, 0x00], [0x07, 0x00, 0x02, 0x00], [0x07, 0x00, 0x03, 0x00],
                                         [0x04, 0x00, 0x01, 0x00], [0x04, 0x00, 0x02, 0x00]]
    readonly property int tripleClickRow: 5

    // NEXT TRACK ... WWW FAVORITES: global strings 56 to 73, with the
    // consumer-page usage each sends.
    readonly property int firstMediaString: 56
    readonly property var mediaUsages: [0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA, 0x0183, 0x018A,
                                        0x0192, 0x0194, 0x0221, 0x0223, 0x0224, 0x0225, 0x0226, 0x0227, 0x022A]

    // Row k (1 to 8) sets modifier bit k - 1; row 0 is no modifier.
    readonly property var comboModifiers: ["×", "КНОПКИ【 L Ctrl 】", "КНОПКИ【 L Shift 】", "КНОПКИ【 L Alt 】",
                                           "КНОПКИ【 L Win 】", "КНОПКИ【 R Ctrl 】", "КНОПКИ【 R Shift 】",
                                           "КНОПКИ【 R Alt 】", "КНОПКИ【 R Win 】"]

    // NORMAL PLAY, ALWAYS REPEAT, REPEAT ON PRESSED.
    readonly property var macroModeStrings: [96, 98, 99]
    readonly property int macroSlotCount: 12
    readonly property int macroCountLimit: 65535

    // The fire key's mouse buttons LEFT to FORWARD are codes 0xF0 to 0xF4.
    readonly property int firstMouseCode: 0xF0
    readonly property int lastMouseCode: 0xF4
    readonly property int fireSpeedSteps: 8
    // The slider's starting step: the shortest interval.
    readonly property int fireStartSpeed: 7
    readonly property int fireStartCount: 10
    readonly property int fireCountLimit: 255

    // ---- The matrix.

    // Sixteen entries from 64 values (numbers or their text); missing or
    // unreadable values count 0.
    function entriesOf(values) {
        var entries = []
        for (var button = 0; button < 16; ++button) {
            var entry = []
            for (var part = 0; part < 4; ++part)
                entry.push(byteOf(values && 4 * button + part < values.length ? values[4 * button + part] : 0))
            entries.push(entry)
        }
        return entries
    }

    // One entry byte from a number or its text; unreadable counts 0.
    function byteOf(value) {
        var number = Number(value)
        return isNaN(number) ? 0 : number & 0xFF
    }

    // Four bytes when the list holds four readable values, else null: a
    // profile without an entry must not turn into 00 00 00 00 (a dead
    // button, perhaps the last left one).
    function entryFrom(list) {
        if (!list || list.length !== 4)
            return null
        var entry = []
        for (var part = 0; part < 4; ++part) {
            var number = Number(list[part])
            if (String(list[part]).trim() === "" || isNaN(number))
                return null
            entry.push(number & 0xFF)
        }
        return entry
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

    function factoryEntry(button) {
        return entriesOf(keyCode_Default)[button]
    }

    // Every button back to its factory entry.
    function resetAll() {
        keyCodes = entriesOf(keyCode_Default)
    }

    // The button positions whose display name is not empty, in order.
    function listedButtons(names) {
        var positions = []
        for (var position = 0; position < 16 && names && position < names.length; ++position)
            if (String(names[position]) !== "")
                positions.push(position)
        return positions
    }

    function sameEntry(first, second) {
        for (var part = 0; part < 4; ++part)
            if (byteOf(first[part]) !== byteOf(second[part]))
                return false
        return true
    }

    function isPrimaryEntry(bytes) {
        return sameEntry(bytes, mouseEntries[0])
    }

    // Whether taking the primary function from button needs the user's
    // word: it carries it, and no other listed button does.
    function isLastPrimaryButton(entries, listed, button) {
        if (button < 0 || !isPrimaryEntry(entries[button]))
            return false
        var carriers = 0
        for (var row = 0; row < listed.length; ++row)
            if (isPrimaryEntry(entries[listed[row]]))
                ++carriers
        return carriers <= 1
    }

    // ---- Macro slots (index 0 to 11 = slot 1 to 12).

    function isMacroEntry(bytes) {
        return byteOf(bytes[0]) === 0x09 && byteOf(bytes[3]) === 0x00
    }

    function macroSlotsInUse(entries) {
        var used = []
        for (var button = 0; button < entries.length; ++button)
            if (isMacroEntry(entries[button]))
                used.push(byteOf(entries[button][2]) - 1)
        return used
    }

    // The lowest slot index no entry uses, -1 when all twelve are taken.
    function lowestFreeMacroSlot(entries) {
        var used = macroSlotsInUse(entries)
        for (var index = 0; index < macroSlotCount; ++index)
            if (used.indexOf(index) < 0)
                return index
        return -1
    }

    // A record's slot index when it names one of the mouse's slots, else
    // -1 (not assigned, or not a slot of this mouse).
    function recordedSlot(record) {
        var index = record && record.length > 0 ? Number(record[0]) : -1
        return !isNaN(index) && index >= 0 && index < macroSlotCount ? Math.floor(index) : -1
    }

    function recordedRepeat(record) {
        var count = record && record.length > 1 ? Number(record[1]) : 1
        return isNaN(count) ? 1 : clampedCount(count, macroCountLimit, 1)
    }

    // A typed count within 0 to limit; fallback when it is not a number.
    function clampedCount(value, limit, fallback) {
        var number = Math.floor(Number(value))
        if (String(value).trim() === "" || isNaN(number))
            return fallback
        return Math.max(0, Math.min(limit, number))
    }

    // ---- The fire key's interval byte: 10 (speed 7) to 255 (speed 0).

    // A speed outside the slider's steps (none selected) counts as the
    // slider's starting step, so the byte stays in range and the slider
    // can show what was sent.
    function fireSpeed(speedIndex) {
        var index = Number(speedIndex)
        return isNaN(index) || index < 0 || index >= fireSpeedSteps ? fireStartSpeed : Math.floor(index)
    }

    function fireInterval(speedIndex) {
        return (7 - fireSpeed(speedIndex)) * 35 + 10
    }

    function fireSpeedOf(interval) {
        return Math.max(0, 7 - Math.round((Math.max(byteOf(interval), 10) - 10) / 35))
    }

    function isMouseCode(code) {
        return code >= firstMouseCode && code <= lastMouseCode
    }

    // ---- The two translations.

    // The four entry bytes for a choice of a category (0 KEYBOARD to 6 LED
    // CONTROL); choice holds what the category uses (usage; row;
    // modifierRow, key1, key2; mode, slot; source, speedIndex, count).
    // null when the choice names nothing.
    function entryForChoice(category, choice) {
        var given = choice || {}
        switch (category) {
        case keyboardCategory:
            return [0x00, 0x00, byteOf(given.usage), 0x00]
        case mouseCategory:
            return given.row >= 0 && given.row < mouseEntries.length ? mouseEntries[given.row].slice() : null
        case mediaCategory:
            if (!(given.row >= 0 && given.row < mediaUsages.length))
                return null
            return [0x03, 0x00, mediaUsages[given.row] & 0xFF, mediaUsages[given.row] >> 8]
        case comboCategory:
            var modifier = given.modifierRow >= 1 && given.modifierRow < comboModifiers.length
                           ? 1 << (given.modifierRow - 1) : 0
            return [0x00, modifier, byteOf(given.key1), byteOf(given.key2)]
        case macroCategory:
            if (!(given.slot >= 1 && given.slot <= macroSlotCount))
                return null
            return [0x09, byteOf(given.mode), given.slot, 0x00]
        case fireCategory:
            return [0x0A, byteOf(given.source), fireInterval(given.speedIndex),
                    clampedCount(given.count, fireCountLimit, fireStartCount)]
        case ledCategory:
            return [0x0B, 0x00, 0x00, 0x00]
        }
        return null
    }

    // What the page shows for four entry bytes: { category } (-1: none)
    // with the fields of entryForChoice for that category (row -1 when no
    // row matches).
    function describeEntry(bytes) {
        if (!bytes || bytes.length !== 4)
            return { category: -1 }
        var b = [byteOf(bytes[0]), byteOf(bytes[1]), byteOf(bytes[2]), byteOf(bytes[3])]
        switch (b[0]) {
        case 0x00:
            if (b[1] === 0 && b[2] !== 0 && b[3] === 0)
                return { category: keyboardCategory, usage: b[2] }
            return { category: comboCategory, modifierRow: keyTable.logByte(b[1]), key1: b[2], key2: b[3] }
        case 0x01:
            if (b[1] === 0 && b[3] === 0 && isMouseCode(b[2]))
                return { category: mouseCategory, row: b[2] - firstMouseCode }
            break
        case 0x03:
            if (b[1] === 0)
                return { category: mediaCategory, row: mediaUsages.indexOf(b[2] + 256 * b[3]) }
            break
        case 0x04:
            if (b[1] === 0 && b[3] === 0 && (b[2] === 1 || b[2] === 2))
                return { category: mouseCategory, row: 8 + b[2] }
            break
        case 0x07:
            if (b[1] === 0 && b[3] === 0)
                return { category: mouseCategory, row: b[2] >= 1 && b[2] <= 3 ? b[2] + 5 : -1 }
            break
        case 0x09:
            return { category: macroCategory, mode: b[1], slot: b[2] }
        case 0x0A:
            if (sameEntry(b, mouseEntries[tripleClickRow]))
                return { category: mouseCategory, row: tripleClickRow }
            return { category: fireCategory, source: b[1], speedIndex: fireSpeedOf(b[2]), count: b[3] }
        case 0x0B:
            if (b[1] === 0 && b[2] === 0 && b[3] === 0)
                return { category: ledCategory }
            break
        }
        return { category: -1 }
    }

    // logByte: the combo key's modifier row from its bits.
    KeyCodeString {
        id: keyTable
    }
}
