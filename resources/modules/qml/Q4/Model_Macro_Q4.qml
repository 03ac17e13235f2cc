import QtQuick

// The macro page's rules, as pure functions on plain lists: no back end,
// no page state. A macro line is its value (a key label or a pause in
// milliseconds) followed by a command field of exactly ten characters,
// right-aligned: "    [Down]", "      [Up]" or "   [Delay]". The action list
// holds the lines split as { value, command }; the macro file holds them
// joined, in list order.
//
// The edit functions return the new state ({ lines, selected, clipboard,
// isUnlimitedCopy } as far as they change it) and never change their
// arguments.
Item {
    id: root
    visible: false

    readonly property int commandLength: 10
    readonly property int shortestDelay: 10
    readonly property int longestDelay: 65535
    readonly property int initialDelay: 1000
    readonly property string downCommand: commandField("[Down]")
    readonly property string upCommand: commandField("[Up]")
    readonly property string delayCommand: commandField("[Delay]")
    // The five mouse buttons the page offers, in the order of their codes
    // (0xF0 + position): left, right, middle, backward, forward.
    readonly property var mouseButtonTexts: ["мышь【 ЛЕВАЯ 】", "мышь【 ПРАВАЯ 】", "мышь【 КОЛЕСИКО 】",
                                              "мышь【 НА3АД 】", "мышь【 ВЛЕРЕД 】"]
    readonly property int firstMouseCode: 0xF0

    // Ten blanks, then the command, cut to its last ten characters.
    function commandField(command) {
        var field = "          " + command
        return field.substring(field.length - commandLength)
    }

    // A line split into its value (all but the last ten characters) and its
    // command field (the last ten). A line shorter than the field is all
    // command, so joining gives back exactly the line.
    function splitLine(line) {
        var text = String(line)
        var cut = Math.max(0, text.length - commandLength)
        return { value: text.substring(0, cut), command: text.substring(cut) }
    }

    function joinLine(action) {
        return String(action.value) + String(action.command)
    }

    function actionsOf(lines) {
        var actions = []
        for (var index = 0; lines && index < lines.length; ++index)
            actions.push(splitLine(lines[index]))
        return actions
    }

    function linesOf(actions) {
        var lines = []
        for (var index = 0; actions && index < actions.length; ++index)
            lines.push(joinLine(actions[index]))
        return lines
    }

    // A key or mouse button: the press, then the release.
    function keyLines(label) {
        return [String(label) + downCommand, String(label) + upCommand]
    }

    function delayLine(milliseconds) {
        return String(milliseconds) + delayCommand
    }

    // The line a key event records: "" for a key without a label.
    function recordedLine(isDown, label) {
        var text = label === undefined || label === null ? "" : String(label)
        if (text === "")
            return ""
        return text + (isDown ? downCommand : upCommand)
    }

    // The pause the delay field's text gives: digits only, at most five,
    // 0 to 65535, raised to the shortest pause the mouse plays; -1 when the
    // text is not such a number (the field then keeps its value).
    function acceptedDelay(text) {
        var digits = String(text)
        if (!/^[0-9]{1,5}$/.test(digits))
            return -1
        var milliseconds = parseInt(digits, 10)
        if (milliseconds > longestDelay)
            return -1
        return Math.max(milliseconds, shortestDelay)
    }

    // The code and label of mouse button entry 0 to 4; null for others.
    function mouseButton(entry, keyNames) {
        if (entry < 0 || entry >= mouseButtonTexts.length)
            return null
        var code = firstMouseCode + entry
        return { code: code, label: keyNames ? String(keyNames.mousecodeTostr(code)) : "" }
    }

    // Where new lines go: before the selected line, or at the end when no
    // line is selected.
    function insertPosition(count, selected) {
        return selected >= 0 && selected < count ? selected : count
    }

    // New lines inserted in their order. The selection stays on the line it
    // was on, so lines added one after another stand before it in the order
    // they were added.
    function insertLines(lines, selected, added) {
        var at = insertPosition(lines.length, selected)
        var result = lines.slice(0, at).concat(added, lines.slice(at))
        return { lines: result, selected: at < lines.length ? selected + added.length : -1 }
    }

    // The selected line removed; nothing is selected afterwards.
    function deleteLine(lines, selected) {
        if (selected < 0 || selected >= lines.length)
            return { lines: lines.slice(), selected: -1 }
        var result = lines.slice()
        result.splice(selected, 1)
        return { lines: result, selected: -1 }
    }

    // The selected line to the clipboard, to be pasted once.
    function cutLine(lines, selected, clipboard, isUnlimitedCopy) {
        if (selected < 0 || selected >= lines.length)
            return { lines: lines.slice(), selected: selected, clipboard: clipboard, isUnlimitedCopy: isUnlimitedCopy }
        var removed = deleteLine(lines, selected)
        return { lines: removed.lines, selected: -1, clipboard: String(lines[selected]), isUnlimitedCopy: false }
    }

    // The selected line to the clipboard, to be pasted any number of times.
    function copyLine(lines, selected, clipboard, isUnlimitedCopy) {
        if (selected < 0 || selected >= lines.length)
            return { clipboard: clipboard, isUnlimitedCopy: isUnlimitedCopy }
        return { clipboard: String(lines[selected]), isUnlimitedCopy: true }
    }

    // The clipboard's line inserted like a new line; a cut line leaves the
    // clipboard empty.
    function pasteLine(lines, selected, clipboard, isUnlimitedCopy) {
        if (String(clipboard) === "")
            return { lines: lines.slice(), selected: selected, clipboard: "", isUnlimitedCopy: isUnlimitedCopy }
        var inserted = insertLines(lines, selected, [joinLine(splitLine(clipboard))])
        return { lines: inserted.lines, selected: inserted.selected,
                 clipboard: isUnlimitedCopy ? String(clipboard) : "", isUnlimitedCopy: isUnlimitedCopy }
    }

    // Macro names from the library's file names ("<name>.bin").
    function macroNamesOf(fileNames) {
        var names = []
        for (var index = 0; fileNames && index < fileNames.length; ++index) {
            var file = String(fileNames[index])
            names.push(file.substring(0, Math.max(0, file.length - 4)))
        }
        return names
    }

    // The selected macro's name once a rename was tried: the new name only
    // when the library now lists it and no longer lists the old one.
    function nameAfterRename(names, selected, oldName, newName) {
        if (selected !== oldName)
            return selected
        return names.indexOf(oldName) < 0 && names.indexOf(newName) >= 0 ? newName : oldName
    }

    // Clicking the selected row clears the selection.
    function toggledIndex(current, clicked) {
        return clicked === current ? -1 : clicked
    }

    // After a row is removed the row that took its place is selected, or
    // the new last row when the removed one was last, or none.
    function indexAfterRemoval(count, removed) {
        if (count <= 0)
            return -1
        return Math.min(removed, count - 1)
    }
}
