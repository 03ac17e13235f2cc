#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "keys/key_name_table.h"

// A macro is stored as text, one action per line: a value followed by a
// command field of exactly ten characters, right-aligned ("A    [Down]",
// "A      [Up]", "250   [Delay]"). Key lines carry a label of the key-name
// table; pause lines carry milliseconds. The encoder turns the lines into the
// byte block a device keeps in one macro slot.
//
// Threads: pure functions over their arguments; any thread.

namespace macro_text {

inline constexpr int kCommandWidth = 10;
inline const QString kDownCommand = QStringLiteral("    [Down]");
inline const QString kUpCommand = QStringLiteral("      [Up]");
inline const QString kDelayCommand = QStringLiteral("   [Delay]");

}  // namespace macro_text

// The device type decides the byte form; it is the device link's type of the
// current device.
enum MacroDeviceType : int { kKeyboardMacro = 0, kMouseMacro = 1 };

// Bytes of one macro slot.
inline constexpr int kMouseMacroSlotBytes = 128;
inline constexpr int kKeyboardMacroSlotBytes = 192;

// Encodes macro lines: header 00 01, the records in line order, terminator
// 00 00. Lines with an unknown label, a pause that is not a positive decimal
// number, or an unknown command are left out.
//
// Keyboard (0): press 01 code, release 81 code, pause 7F 00 and the pause in
// 10 ms units, high byte first.
//
// Mouse (1): press 0t code, release 8t code, where t (bits 0-6) is the time
// to the next event in 10 ms units, 1 unless a short pause (below 1271 ms)
// that follows is merged in as (ms + 5) / 10, at least 1. A pause of 1271 to
// 5100 ms is the record ((ms + 10) / 20, 01); any other pause is the record
// 00 01 and ((ms + 10) / 20, at least 1) high byte first. A short pause is
// merged into the last key record unless the line right before it is a pause
// line or that record already took a pause; otherwise (first line, after a
// pause, or when every line before it was left out) it gets a record of its
// own in the long form, so it never lands in the header or in a pause record.
//
// Any other device type: key records as above, pause lines left out.
//
// Pauses too long for 16 bits are held at 0xFFFF units rather than wrapped.
QList<uchar> macroIncode(const QStringList& macros, int deviceType,
                         const KeyNameTable& table = keyNameTable());
