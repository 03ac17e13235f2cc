#pragma once

class ApplicationConfig;
class Hid_Thread;
class KeyboardWrappers;
class LanguageFiles;
class MacroLibrary;
class MacroSender;
class MouseSettings;
class PointerSettings;
class ProfileStore;
class SoundBoard;

// What the view's slots forward to, built and wired elsewhere (the
// program's assembly) and handed to the view, which owns none of it. Every
// object outlives the view.
struct ViewServices {
    Hid_Thread* link;  // may be null: no device calls then
    SoundBoard& sounds;
    ApplicationConfig& configuration;
    ProfileStore& profiles;
    LanguageFiles& languages;
    MacroLibrary& macros;
    MacroSender& macroSender;
    MouseSettings& mouse;
    PointerSettings& pointer;
    KeyboardWrappers& keyboard;
};
