#pragma once

#include <QList>
#include <QMap>
#include <QtGlobal>
#include <array>
#include <optional>

// The keyboard's physical keys as the device knows them: a key arrives as a
// PC scan code (set 1) with its extended flag, becomes a virtual-key code and
// then the USB HID keyboard usage (page 0x07) that the device stores in its
// key matrix and macros. Platform neutral: the capture source of each desktop
// converts its own key codes to scan codes and hands them to KeyTranslator.

namespace keycodes {

// Virtual-key codes that the translation itself refers to.
constexpr uchar kVkPause = 0x13;
constexpr uchar kVkSnapshot = 0x2C;
constexpr uchar kVkOem5 = 0xDC;  // the backslash key, whose usage depends on the layout

// Scan codes that need the modifier state to be told apart.
constexpr uint kScanScrollLockOrBreak = 0x46;  // extended with Ctrl held: Break
constexpr uint kScanAltPrintScreen = 0x54;     // what the keyboard sends for Print Screen under Alt

// Key of scanToVk: the scan code in the high byte, the extended flag (0 or 1) in the low one.
constexpr quint16 scanKey(uint scan, bool isExtended) {
    return static_cast<quint16>((scan << 8) | (isExtended ? 1u : 0u));
}

}  // namespace keycodes

// The two fixed maps, built once by insertions when constructed.
//
// Threads: immutable after construction; any thread may read it.
struct KeyCodeMaps {
    explicit KeyCodeMaps(bool isNonUsLayout);

    // The virtual key of a scan code, with the two keys whose code depends on
    // a modifier (Ctrl+Break, Alt+Print Screen); 0 when the key is unknown.
    // Scan codes above 255 are treated as 0.
    uchar virtualKey(uint scan, bool isExtended, bool isAltDown) const;
    // The usage of a virtual key; 0 when it has none.
    uchar usage(uchar vk) const { return vkToUsage.value(vk, 0); }

    // Read once while vkToUsage is built: the backslash key (virtual key DC)
    // reports usage 0x32 (non-US # and ~) instead of 0x31.
    const bool isNonUsLayout;
    // Key scanKey(scan, extended) -> Windows-style virtual-key code.
    QMap<quint16, uchar> scanToVk;
    // Virtual-key code -> USB HID keyboard usage id.
    QMap<uchar, uchar> vkToUsage;
};

// Turns key events into usages and reports each key once per change of state:
// the auto-repeat of a held key yields a single "down", the release one "up".
//
// Threads: owned by the thread that delivers the key events (the GUI thread).
class KeyTranslator {
public:
    explicit KeyTranslator(bool isNonUsLayout = false);

    // The usage to report for one key event, or nothing when the scan code or
    // its virtual key is unmapped, or the key is already in that state.
    std::optional<uchar> translate(uint scan, bool isExtended, bool isAltDown, bool isDown);

    // Forgets every held key and returns their usages in ascending order, so
    // the caller can report their release (the capture stops seeing keys when
    // the application loses the focus, and their releases go elsewhere).
    QList<uchar> releaseAll();

    bool isKeyDown(uchar usage) const { return keyState[usage] != 0; }
    const KeyCodeMaps& maps() const { return codeMaps; }

private:
    KeyCodeMaps codeMaps;
    // Last reported state per usage id, 1 down and 0 up.
    std::array<uchar, 256> keyState{};
};
