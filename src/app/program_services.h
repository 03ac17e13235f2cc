#pragma once

#include <memory>

#include "ui/view_services.h"

// The program's services, built in one place and wired together: the sound
// board, the application configuration, the ten profiles, the language
// files, the macro library and the sender that puts macros into device
// slots, the mouse, pointer and keyboard settings. The stores never see the
// device link: each gets the one narrow callback it needs from here.
//
// Threads: GUI thread only. Owned by the host window, which outlives the
// view the services are handed to.
class ProgramServices {
public:
    // link: the host's device link (not owned), which outlives this object.
    explicit ProgramServices(Hid_Thread* link);
    ~ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    ViewServices forView();

private:
    Hid_Thread* link;
    std::unique_ptr<SoundBoard> sounds;
    std::unique_ptr<ApplicationConfig> configuration;
    std::unique_ptr<ProfileStore> profiles;
    std::unique_ptr<LanguageFiles> languages;
    std::unique_ptr<MacroLibrary> macros;
    std::unique_ptr<MacroSender> macroSender;
    std::unique_ptr<MouseSettings> mouse;
    std::unique_ptr<PointerSettings> pointer;
    std::unique_ptr<KeyboardWrappers> keyboard;
};
