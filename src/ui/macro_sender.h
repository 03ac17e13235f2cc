#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>
#include <functional>

class Hid_Thread;
class MacroLibrary;

// Puts a macro of the library into a device's macro slot: encodes its lines
// for the device now current, writes the header (the mouse's repeat count;
// the keyboard keeps 00 01), cuts it to the slot (128 bytes on the mouse,
// 192 on the keyboard) after one box when it is longer, and sends it. A
// macro goes only to the device it was encoded for: 0x13 is the keyboard's
// factory reset, 0x11 the mouse's DPI table.
//
// Threads: GUI thread only. The link and the library are not owned.
class MacroSender {
public:
    // messageStrings: msg/0 to msg/5 of the active language (the keyboard's
    // over-length box takes its caption and text from them).
    MacroSender(Hid_Thread* link, const MacroLibrary& library,
                std::function<QStringList()> messageStrings);

    void setDeviceLink(Hid_Thread* link) { hid = link; }
    // 0 keyboard, 1 mouse, -1 without a link or a known device.
    int currentDeviceType() const;

    // The device block of these lines for the current device type.
    QList<uchar> macroIncode(const QStringList& macros) const;
    // Mouse slot macroId (1 to 12); true when it was sent.
    bool ui_13H_SetMacroKey(const QVariant& macroId, const QVariant& name);
    // Keyboard slot macroId (its low byte); true when it was sent.
    bool ui_11H_SetMacroKey(const QVariant& macroId, const QVariant& name);
    // The library's re-send of a saved, assigned macro.
    void resend(int deviceType, int slotId, const QString& name);

private:
    Hid_Thread* hid;
    const MacroLibrary& library;
    std::function<QStringList()> messageStrings;
};
