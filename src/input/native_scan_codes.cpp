#include "input/native_scan_codes.h"

namespace {

struct ScanEntry {
    int code;  // evdev code or Qt::Key
    uint scan;
    bool isExtended;
};

// Evdev codes 1 to 88 are the PC scan codes of the same keys (the kernel took
// its numbering from the PC keyboard), except Num Lock, which the PC keyboard
// sends with the extended flag so that it differs from Pause. The keys past 88
// are listed here.
constexpr uint kEvdevNumLock = 69;
constexpr uint kEvdevLastPlain = 83;  // keypad Delete; 84 and 85 are not PC keys

constexpr ScanEntry kEvdevTable[] = {
    {86, 0x56, false},   // the extra key left of Z on ISO keyboards
    {87, 0x57, false},   // F11
    {88, 0x58, false},   // F12
    {96, 0x1C, true},    // keypad Enter
    {97, 0x1D, true},    // right Ctrl
    {98, 0x35, true},    // keypad /
    {99, 0x37, true},    // Print Screen
    {100, 0x38, true},   // right Alt
    {102, 0x47, true},   // Home
    {103, 0x48, true},   // Up
    {104, 0x49, true},   // Page Up
    {105, 0x4B, true},   // Left
    {106, 0x4D, true},   // Right
    {107, 0x4F, true},   // End
    {108, 0x50, true},   // Down
    {109, 0x51, true},   // Page Down
    {110, 0x52, true},   // Insert
    {111, 0x53, true},   // Delete
    {119, 0x45, false},  // Pause
    {125, 0x5B, true},   // left Windows/Super
    {126, 0x5C, true},   // right Windows/Super
    {127, 0x5D, true},   // Menu
    {183, 0x64, false},  // F13 to F24
    {184, 0x65, false}, {185, 0x66, false}, {186, 0x67, false}, {187, 0x68, false},
    {188, 0x69, false}, {189, 0x6A, false}, {190, 0x6B, false}, {191, 0x6C, false},
    {192, 0x6D, false}, {193, 0x6E, false}, {194, 0x76, false},
};

// The US-layout keys behind Qt key codes, main block and function keys.
constexpr ScanEntry kQtKeyTable[] = {
    {Qt::Key_Escape, 0x01, false},      {Qt::Key_1, 0x02, false},
    {Qt::Key_2, 0x03, false},           {Qt::Key_3, 0x04, false},
    {Qt::Key_4, 0x05, false},           {Qt::Key_5, 0x06, false},
    {Qt::Key_6, 0x07, false},           {Qt::Key_7, 0x08, false},
    {Qt::Key_8, 0x09, false},           {Qt::Key_9, 0x0A, false},
    {Qt::Key_0, 0x0B, false},           {Qt::Key_Minus, 0x0C, false},
    {Qt::Key_Equal, 0x0D, false},       {Qt::Key_Backspace, 0x0E, false},
    {Qt::Key_Tab, 0x0F, false},         {Qt::Key_Backtab, 0x0F, false},
    {Qt::Key_Q, 0x10, false},           {Qt::Key_W, 0x11, false},
    {Qt::Key_E, 0x12, false},           {Qt::Key_R, 0x13, false},
    {Qt::Key_T, 0x14, false},           {Qt::Key_Y, 0x15, false},
    {Qt::Key_U, 0x16, false},           {Qt::Key_I, 0x17, false},
    {Qt::Key_O, 0x18, false},           {Qt::Key_P, 0x19, false},
    {Qt::Key_BracketLeft, 0x1A, false}, {Qt::Key_BracketRight, 0x1B, false},
    {Qt::Key_Return, 0x1C, false},      {Qt::Key_Control, 0x1D, false},
    {Qt::Key_A, 0x1E, false},           {Qt::Key_S, 0x1F, false},
    {Qt::Key_D, 0x20, false},           {Qt::Key_F, 0x21, false},
    {Qt::Key_G, 0x22, false},           {Qt::Key_H, 0x23, false},
    {Qt::Key_J, 0x24, false},           {Qt::Key_K, 0x25, false},
    {Qt::Key_L, 0x26, false},           {Qt::Key_Semicolon, 0x27, false},
    {Qt::Key_Apostrophe, 0x28, false},  {Qt::Key_QuoteLeft, 0x29, false},
    {Qt::Key_Shift, 0x2A, false},       {Qt::Key_Backslash, 0x2B, false},
    {Qt::Key_Z, 0x2C, false},           {Qt::Key_X, 0x2D, false},
    {Qt::Key_C, 0x2E, false},           {Qt::Key_V, 0x2F, false},
    {Qt::Key_B, 0x30, false},           {Qt::Key_N, 0x31, false},
    {Qt::Key_M, 0x32, false},           {Qt::Key_Comma, 0x33, false},
    {Qt::Key_Period, 0x34, false},      {Qt::Key_Slash, 0x35, false},
    {Qt::Key_Alt, 0x38, false},         {Qt::Key_Space, 0x39, false},
    {Qt::Key_CapsLock, 0x3A, false},    {Qt::Key_F1, 0x3B, false},
    {Qt::Key_F2, 0x3C, false},          {Qt::Key_F3, 0x3D, false},
    {Qt::Key_F4, 0x3E, false},          {Qt::Key_F5, 0x3F, false},
    {Qt::Key_F6, 0x40, false},          {Qt::Key_F7, 0x41, false},
    {Qt::Key_F8, 0x42, false},          {Qt::Key_F9, 0x43, false},
    {Qt::Key_F10, 0x44, false},         {Qt::Key_NumLock, 0x45, true},
    {Qt::Key_Pause, 0x45, false},       {Qt::Key_ScrollLock, 0x46, false},
    {Qt::Key_SysReq, 0x54, false},      {Qt::Key_F11, 0x57, false},
    {Qt::Key_F12, 0x58, false},         {Qt::Key_Enter, 0x1C, true},
    {Qt::Key_AltGr, 0x38, true},        {Qt::Key_Print, 0x37, true},
    {Qt::Key_Home, 0x47, true},         {Qt::Key_Up, 0x48, true},
    {Qt::Key_PageUp, 0x49, true},       {Qt::Key_Left, 0x4B, true},
    {Qt::Key_Right, 0x4D, true},        {Qt::Key_End, 0x4F, true},
    {Qt::Key_Down, 0x50, true},         {Qt::Key_PageDown, 0x51, true},
    {Qt::Key_Insert, 0x52, true},       {Qt::Key_Delete, 0x53, true},
    {Qt::Key_Meta, 0x5B, true},         {Qt::Key_Menu, 0x5D, true},
};

// Keys whose Qt code needs Qt::KeypadModifier to tell the keypad key apart.
// With Num Lock off the keypad sends navigation codes (keypad 7 = Home), and
// those keys carry the plain scan code, unlike the separate navigation block.
constexpr ScanEntry kQtKeypadTable[] = {
    {Qt::Key_7, 0x47, false},      {Qt::Key_Home, 0x47, false},     {Qt::Key_8, 0x48, false},
    {Qt::Key_Up, 0x48, false},     {Qt::Key_9, 0x49, false},        {Qt::Key_PageUp, 0x49, false},
    {Qt::Key_Minus, 0x4A, false},  {Qt::Key_4, 0x4B, false},        {Qt::Key_Left, 0x4B, false},
    {Qt::Key_5, 0x4C, false},      {Qt::Key_Clear, 0x4C, false},    {Qt::Key_6, 0x4D, false},
    {Qt::Key_Right, 0x4D, false},  {Qt::Key_Plus, 0x4E, false},     {Qt::Key_1, 0x4F, false},
    {Qt::Key_End, 0x4F, false},    {Qt::Key_2, 0x50, false},        {Qt::Key_Down, 0x50, false},
    {Qt::Key_3, 0x51, false},      {Qt::Key_PageDown, 0x51, false}, {Qt::Key_0, 0x52, false},
    {Qt::Key_Insert, 0x52, false}, {Qt::Key_Period, 0x53, false},   {Qt::Key_Delete, 0x53, false},
    {Qt::Key_Comma, 0x53, false},  {Qt::Key_Asterisk, 0x37, false}, {Qt::Key_Slash, 0x35, true},
    {Qt::Key_Enter, 0x1C, true},
};

template <std::size_t N>
std::optional<PcScanCode> lookUp(const ScanEntry (&table)[N], int code) {
    for (const ScanEntry& entry : table) {
        if (entry.code == code) return PcScanCode{entry.scan, entry.isExtended};
    }
    return std::nullopt;
}

// Print Screen and Pause change their scan code under Alt and Ctrl on a PC
// keyboard; the key maps expect those codes.
PcScanCode underModifiers(PcScanCode code, Qt::KeyboardModifiers modifiers) {
    const PcScanCode printScreen{0x37, true};
    const PcScanCode pause{0x45, false};
    if (code == printScreen && modifiers.testFlag(Qt::AltModifier)) return {0x54, false};
    if (code == pause && modifiers.testFlag(Qt::ControlModifier)) return {0x46, true};
    return code;
}

}  // namespace

namespace native_scan_codes {

std::optional<PcScanCode> fromEvdev(uint evdevCode, Qt::KeyboardModifiers modifiers) {
    std::optional<PcScanCode> code;
    if (evdevCode == kEvdevNumLock)
        code = PcScanCode{0x45, true};
    else if (evdevCode >= 1 && evdevCode <= kEvdevLastPlain)
        code = PcScanCode{evdevCode, false};
    else
        code = lookUp(kEvdevTable, static_cast<int>(evdevCode));
    if (!code) return std::nullopt;
    return underModifiers(*code, modifiers);
}

std::optional<PcScanCode> fromNativeScanCode(quint32 nativeScanCode,
                                             Qt::KeyboardModifiers modifiers) {
    if (nativeScanCode < kXkbKeycodeOffset) return std::nullopt;
    return fromEvdev(nativeScanCode - kXkbKeycodeOffset, modifiers);
}

std::optional<PcScanCode> fromQtKey(int key, Qt::KeyboardModifiers modifiers) {
    std::optional<PcScanCode> code;
    if (modifiers.testFlag(Qt::KeypadModifier)) code = lookUp(kQtKeypadTable, key);
    if (!code) code = lookUp(kQtKeyTable, key);
    if (!code) return std::nullopt;
    return underModifiers(*code, modifiers);
}

}  // namespace native_scan_codes
