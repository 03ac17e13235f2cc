#include "ui/macro_sender.h"

#include <algorithm>

#include "common/prompt.h"
#include "common/translation.h"
#include "device/hid_thread.h"
#include "keys/macro_encoder.h"
#include "settings/macro_library.h"
#include "settings/settings_file.h"

MacroSender::MacroSender(Hid_Thread* link, const MacroLibrary& macroLibrary,
                         std::function<QStringList()> messages)
    : hid(link), library(macroLibrary), messageStrings(std::move(messages)) {}

int MacroSender::currentDeviceType() const {
    return hid ? hid->currentDeviceType() : -1;
}

QList<uchar> MacroSender::macroIncode(const QStringList& macros) const {
    return ::macroIncode(macros, currentDeviceType());
}

bool MacroSender::ui_13H_SetMacroKey(const QVariant& macroId, const QVariant& name) {
    const QString macroName = name.toString();
    if (!MacroLibrary::isMacroName(macroName) || currentDeviceType() != kMouseMacro) return false;
    QList<uchar> bytes = ::macroIncode(library.loadMacroIni(macroName), kMouseMacro);
    if (bytes.size() > kMouseMacroSlotBytes)
        prompt().warning(translated("MACRO"),
                         translated("Out of memory,\nsome command line has been cut."));

    // A missing file or a repeat count that is not a number plays once.
    const SettingsFile file(library.macroFilePath(macroName));
    bool isNumber = false;
    uint repeat = file.value("config/repeat", 1).toUInt(&isNumber);
    if (!isNumber) repeat = 1;
    bytes[0] = static_cast<uchar>((repeat >> 8) & 0xFF);
    bytes[1] = static_cast<uchar>(repeat & 0xFF);

    uchar block[kMouseMacroSlotBytes] = {};
    std::copy_n(bytes.cbegin(), std::min<qsizetype>(bytes.size(), kMouseMacroSlotBytes), block);
    hid->hid_13H_SetMacroKey(static_cast<uchar>(macroId.toInt()), block);
    return true;
}

bool MacroSender::ui_11H_SetMacroKey(const QVariant& macroId, const QVariant& name) {
    const QString macroName = name.toString();
    if (!MacroLibrary::isMacroName(macroName) || currentDeviceType() != kKeyboardMacro)
        return false;
    // The keyboard keeps the header 00 01; it has no repeat count.
    const QList<uchar> bytes = ::macroIncode(library.loadMacroIni(macroName), kKeyboardMacro);
    if (bytes.size() > kKeyboardMacroSlotBytes) {
        const QStringList messages = messageStrings ? messageStrings() : QStringList();
        prompt().warning(translated("%1").arg(messages.value(0)),
                         translated("%1").arg(messages.value(1)));
    }
    uchar block[kKeyboardMacroSlotBytes] = {};
    std::copy_n(bytes.cbegin(), std::min<qsizetype>(bytes.size(), kKeyboardMacroSlotBytes), block);
    hid->hid_11H_SetMacroKey(static_cast<uchar>(macroId.toInt() & 0xFF), block);
    return true;
}

void MacroSender::resend(int deviceType, int slotId, const QString& name) {
    if (deviceType == kKeyboardMacro)
        ui_11H_SetMacroKey(slotId, name);
    else if (deviceType == kMouseMacro)
        ui_13H_SetMacroKey(slotId, name);
}
