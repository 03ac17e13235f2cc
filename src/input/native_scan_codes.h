#pragma once

#include <Qt>
#include <QtGlobal>
#include <optional>

// Converts the key codes a Linux desktop delivers into the PC scan codes
// (set 1, with the extended flag) that KeyCodeMaps translates, so those maps
// stay the one description of which key reports which usage.
//
// Threads: pure functions over constant tables; any thread.

struct PcScanCode {
    uint scan = 0;
    bool isExtended = false;

    bool operator==(const PcScanCode& other) const {
        return scan == other.scan && isExtended == other.isExtended;
    }
};

namespace native_scan_codes {

// X11 and Wayland number keys as the kernel's evdev code plus 8.
constexpr uint kXkbKeycodeOffset = 8;

// The scan code of a kernel (evdev) key code. The modifiers matter for the two
// keys whose scan code a PC keyboard changes under a modifier: Print Screen
// under Alt (54) and Pause under Ctrl (Break, 46 extended). Nothing for a key
// the PC keyboard has no scan code for.
std::optional<PcScanCode> fromEvdev(uint evdevCode, Qt::KeyboardModifiers modifiers);

// The scan code of a native (X11/Wayland) key code: evdev code + 8. Nothing
// for codes below 8, which no real key has (0 means the platform gave none).
std::optional<PcScanCode> fromNativeScanCode(quint32 nativeScanCode,
                                             Qt::KeyboardModifiers modifiers);

// Fallback for platforms that give no native code (offscreen, some remote
// sessions): the US-layout key that produces the Qt key code. Covers letters,
// digits, unshifted punctuation, function keys F1 to F12, editing, navigation,
// modifier and keypad keys; the keypad ones are told apart by
// Qt::KeypadModifier. Shifted symbols have no single key and give nothing.
std::optional<PcScanCode> fromQtKey(int key, Qt::KeyboardModifiers modifiers);

}  // namespace native_scan_codes
