// Every settings and language file the program reads, through the classes
// that read them, on any bytes: the configuration, a profile (and the
// default profile, copied into place as a reset does) with the mouse and
// keyboard getters, a macro file with the encoder behind it, a language file
// and the device table.
//
// Input: the file, read by one of the five readers chosen by its length. The
// shipped files are the seeds.

#include <QCoreApplication>
#include <iterator>

#include "device/device_table.h"
#include "device/hid_thread.h"
#include "fuzz_support.h"
#include "keys/macro_encoder.h"
#include "mouse/mouse_settings.h"
#include "mouse/pointer_settings.h"
#include "settings/application_config.h"
#include "settings/atomic_file.h"
#include "settings/language_files.h"
#include "settings/macro_library.h"
#include "settings/profile_store.h"
#include "ui/keyboard_wrappers.h"

namespace {

QString scratch(const QString& name) {
    return scratchFolder() + u'/' + name;
}

// The same file at every place a reader looks: the factory configuration
// and the default profile, which the program copies into place, a macro, a
// language and the device table. The writer stamps each copy later than the
// last, so the settings library never answers from its cache.
void place(const QByteArray& text) {
    for (const char* name : {"setting/apConfigD.bin", "setting/pD.bin", "macro/Fuzz.bin",
                             "i18n/lang_031000.ini", "DevInfo.ini"})
        require(writeFileAtomically(scratch(name), text), "input placed");
}

// A link whose current device is the mouse (row 1), talking to nothing.
Hid_Thread& mouseLink() {
    static Hid_Thread* link = [] {
        auto* made = new Hid_Thread;
        DevInfo keyboard;
        keyboard.type = 0;
        DevInfo mouse;
        mouse.type = 1;
        made->updateDeviceList({keyboard, mouse});
        return made;
    }();
    return *link;
}

// The configuration reset from the factory file, then read.
void readConfiguration() {
    static ApplicationConfig config(scratch("setting/apConfig.bin"),
                                    scratch("setting/apConfigD.bin"), scratch("img"));
    require(config.resetApconfig(), "configuration reset");
    require(config.loadApConfig().size() <= ApplicationConfig::kMaxEntries, "bounded list");
    require(config.loadDeviceApConfig().size() == 1, "one device entry");
    config.windowTitle();
}

// Profile 1 reset from the default profile, then read by every getter that
// answers from the profile.
void readProfiles() {
    static ProfileStore profiles(scratch("setting"));
    require(profiles.resetProfile(0), "profile reset");
    for (uchar page : {uchar(0), uchar(2), uchar(3)}) profiles.loadDefaultProfile(page);
    MouseSettings mouse(
        &mouseLink(), [] { return profiles.current(); }, [] { return QStringList(); });
    mouse.ui_81H_GetReportRate();
    mouse.ui_8BH_GetCurrentDPIStage();
    mouse.ui_91H_GetDPISet();
    mouse.ui_8DH_GetRGBLedEffect();
    for (uchar type = 0; type < 3; ++type) mouse.ui_90H_GetLED8StageColor(type);
    for (int button = 0; button < 16; ++button) mouse.getKeydefine(button);
    mouse.getScrollPinSwap();
    const PointerSettings pointer([] { return profiles.current(); });
    pointer.getCursorSpeed();
    pointer.getVerticalScrollLines();
    pointer.getDoubleClickSpeed();
    KeyboardWrappers keyboard(nullptr, [] { return profiles.current(); });
    keyboard.ui_88H_GetLEDType();
    for (uchar index = 0; index < 5; ++index) keyboard.ui_92H_GetUserPicture(index);
    for (uchar index = 0; index < 8; ++index) keyboard.ui_94H_GetColor(index);
    // The replaced settings objects go now; there is no event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void readMacro() {
    MacroLibrary macros(scratch("macro"));
    const QStringList lines = macros.loadMacroIni("Fuzz");
    macros.loadMacroIniConfig("Fuzz");
    for (int deviceType : {int(kKeyboardMacro), int(kMouseMacro)}) {
        const QList<uchar> block = macroIncode(lines, deviceType);
        require(block.size() >= 4 && block[0] == 0 && block[1] == 1, "macro block header");
    }
}

void readLanguage() {
    LanguageFiles languages(scratch("i18n"));
    const QStringList strings = languages.getGlobalStrings("031000");
    require(strings.size() >= 1 && strings.size() <= LanguageFiles::kMaxGlobalStrings + 1,
            "font family and at most the bounded strings");
    require(languages.msgStrings().size() == LanguageFiles::kMessageCount, "six messages");
    require(
        languages.getProductLayoutStrings_Q4("031000").size() == LanguageFiles::kProductKeyCount,
        "sixteen button names");
    languages.chkLanguages();
}

void readDeviceTable() {
    const DeviceTable table =
        loadDeviceTable(scratch("DevInfo.ini"), scratch("setting/apConfig.bin"));
    for (const DevInfo& row : table.rows)
        require(row.reportLength <= kMaxReportLength, "report length the link can hold");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ensureApplication();
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    // One reader per input, chosen by its length: all five on every input
    // would make each execution five times as slow under the sanitizers.
    static void (*const kReaders[])() = {readConfiguration, readProfiles, readMacro, readLanguage,
                                         readDeviceTable};
    place(text);
    kReaders[size % std::size(kReaders)]();
    return 0;
}
