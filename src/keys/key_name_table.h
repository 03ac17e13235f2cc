#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Labels name the keys in stored macro lines ("A", "L Ctrl", "KP Enter",
// "MS-L"); the devices want one-byte key codes: the USB HID usage of the key
// on the Keyboard/Keypad page, and 0xF0 to 0xF4 for the five mouse buttons.
// Macro files keep labels, so a label, once shipped, never changes, odd ones
// included ("KP 7 " with its trailing blank, "Intl'2" next to "Int'l 2").
// The macro editor pages carry the same labels in their own lookup objects.

// The 132 labels with their codes, built from the constants in the source.
// No label and no code occurs twice.
QMap<QString, uchar> buildKeyNameTable();

// A read-only label → code table.
//
// Threads: immutable once constructed, so any thread may read it.
class KeyNameTable {
public:
    KeyNameTable();

    // Exact, case-sensitive match; 0 for a label that names no key (no key
    // has the code 0, so the caller can tell).
    uchar keyCode(const QString& label) const { return table.value(label, 0); }
    int size() const { return int(table.size()); }
    QStringList labels() const { return table.keys(); }

private:
    QMap<QString, uchar> table;
};

// The process-wide table: built on first use (thread-safe static) and kept
// until the program ends. The macro encoder is its reader.
const KeyNameTable& keyNameTable();
