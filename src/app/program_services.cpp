#include "app/program_services.h"

#include "device/hid_thread.h"
#include "keys/key_name_table.h"
#include "mouse/mouse_settings.h"
#include "mouse/pointer_settings.h"
#include "settings/application_config.h"
#include "settings/language_files.h"
#include "settings/macro_library.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"
#include "ui/keyboard_wrappers.h"
#include "ui/macro_sender.h"
#include "ui/sound_board.h"

ProgramServices::ProgramServices(Hid_Thread* deviceLink) : link(deviceLink) {
    keyNameTable();  // built once, before any macro is encoded
    sounds = std::make_unique<SoundBoard>();
    configuration = std::make_unique<ApplicationConfig>();
    profiles = std::make_unique<ProfileStore>();
    languages = std::make_unique<LanguageFiles>();
    macros = std::make_unique<MacroLibrary>();

    auto currentProfile = [this] { return profiles->current(); };
    auto messageStrings = [this] { return languages->msgStrings(); };
    macroSender = std::make_unique<MacroSender>(link, *macros, messageStrings);
    macros->setDevice([this] { return macroSender->currentDeviceType(); },
                      [this](int deviceType, int slotId, const QString& name) {
                          macroSender->resend(deviceType, slotId, name);
                      });
    mouse = std::make_unique<MouseSettings>(link, currentProfile, messageStrings);
    pointer = std::make_unique<PointerSettings>(currentProfile);
    keyboard = std::make_unique<KeyboardWrappers>(link, currentProfile);
}

ProgramServices::~ProgramServices() = default;

ViewServices ProgramServices::forView() {
    return {link,    *sounds,      *configuration, *profiles, *languages,
            *macros, *macroSender, *mouse,         *pointer,  *keyboard};
}
