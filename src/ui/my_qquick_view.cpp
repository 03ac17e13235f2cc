#include "ui/my_qquick_view.h"

#include <QQuickItem>

#include "device/hid_thread.h"
#include "keys/key_name_table.h"
#include "keys/macro_encoder.h"
#include "mouse/mouse_settings.h"
#include "mouse/pointer_settings.h"
#include "settings/application_config.h"
#include "settings/language_files.h"
#include "settings/macro_library.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"
#include "ui/keyboard_wrappers.h"
#include "ui/sound_board.h"

myQQuickView::myQQuickView(QWidget* parent)
    : QQuickWidget(parent), rootScene([this] { return rootObject(); }) {
    // The scene is translucent over the frameless window.
    setAttribute(Qt::WA_AlwaysStackOnTop);
    setClearColor(Qt::transparent);
    keyNameTable();
    soundBoard = std::make_unique<SoundBoard>();
    applicationConfig = std::make_unique<ApplicationConfig>();
    profileStore = std::make_unique<ProfileStore>();
    languageFiles = std::make_unique<LanguageFiles>();
    macroLibrary = std::make_unique<MacroLibrary>();
    macroLibrary->setDialogParent(this);
    auto currentProfile = [this] { return currentProfileSettings(); };
    mouseSettings = std::make_unique<MouseSettings>(nullptr, currentProfile,
                                                    [this] { return messageStrings(); });
    pointerSettings = std::make_unique<PointerSettings>(currentProfile);
    keyboardWrappers = std::make_unique<KeyboardWrappers>(nullptr, currentProfile);
}

myQQuickView::~myQQuickView() = default;

void myQQuickView::setDeviceLink(Hid_Thread* link) {
    hid = link;
    profileStore->setDeviceLink(link);
    macroLibrary->setDeviceLink(link);
    mouseSettings->setDeviceLink(link);
    keyboardWrappers->setDeviceLink(link);
}

SettingsFile* myQQuickView::currentProfileSettings() const {
    return profileStore->current();
}

const QStringList& myQQuickView::messageStrings() const {
    return languageFiles->msgStrings();
}

void myQQuickView::detectKeyboard(bool isDown, int usbCode) {
    rootScene.detectKeyboard(isDown, usbCode);
}

void myQQuickView::detectMouse(bool isDown, uint buttonCode, uint x, uint y) {
    rootScene.detectMouse(isDown, buttonCode, x, y);
}

// The keyboard keeps five user pictures; a keyboard that was just found
// hands them to the current profile. The mouse has none.
void myQQuickView::syncFW() {
    if (!hid || hid->currentDeviceType() != 0) return;
    uchar buffer[512] = {};
    SettingsFile* profile = currentProfileSettings();
    for (uchar index = 0; index < 5; ++index) {
        hid->hid_92H_GetUserPicture(index, buffer);
        QVariantList picture;
        for (uchar byte : buffer) picture.append(int(byte));
        profile->setValue("userPicture/" + QString::number(index), picture);
    }
}

void myQQuickView::initUI() {
    rootScene.initUI();
}

void myQQuickView::runUI() {
    rootScene.run();
}

void myQQuickView::setEnableAudio(bool isEnable) {
    soundBoard->setEnableAudio(isEnable);
}

void myQQuickView::playMedia_Index(uchar index) {
    soundBoard->playMedia_Index(index);
}

void myQQuickView::playMedia_Background() {
    soundBoard->playMedia_Background();
}

void myQQuickView::clearAllMedia() {
    soundBoard->clearAllMedia();
}

void myQQuickView::saveApConfig(QVariantList apConfigs) {
    applicationConfig->saveApConfig(apConfigs);
}

QVariantList myQQuickView::loadApConfig() {
    return applicationConfig->loadApConfig();
}

QVariantList myQQuickView::loadDeviceApConfig() {
    return applicationConfig->loadDeviceApConfig();
}

void myQQuickView::resetApconfig() {
    applicationConfig->resetApconfig();
}

bool myQQuickView::getIsSkinShow() {
    return applicationConfig->getIsSkinShow();
}

QVariantList myQQuickView::loadDefaultProfile(uchar uiPageId) {
    return profileStore->loadDefaultProfile(uiPageId);
}

void myQQuickView::loadProfile(int profile) {
    profileStore->loadProfile(profile, this);
}

void myQQuickView::saveProfile(int profile) {
    profileStore->saveProfile(profile, this);
}

void myQQuickView::resetProfile(int profile) {
    profileStore->resetProfile(profile);
}

void myQQuickView::loadMacroIniFromFile(QVariant name) {
    macroLibrary->loadMacroIniFromFile(name);
}

void myQQuickView::saveMacroIniToFile(QVariant name) {
    macroLibrary->saveMacroIniToFile(name);
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName) {
    macroLibrary->renameMacroIniFile(oldName, newName);
}

QString myQQuickView::getCustomFilePath() {
    return applicationConfig->getCustomFilePath(this, messageStrings());
}

QVariantMap myQQuickView::chkLanguages() {
    return languageFiles->chkLanguages();
}

QStringList myQQuickView::getGlobalStrings(QString langCode) {
    return languageFiles->getGlobalStrings(langCode);
}

QStringList myQQuickView::getProductLayoutStrings_Q4(QString langCode) {
    return languageFiles->getProductLayoutStrings_Q4(langCode);
}

QVariant myQQuickView::createMacroIni() {
    return macroLibrary->createMacroIni();
}

QVariant myQQuickView::deleteMacroIni(QVariant name) {
    return macroLibrary->deleteMacroIni(name);
}

QStringList myQQuickView::getMacroIniNames() {
    return macroLibrary->getMacroIniNames();
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros) {
    return macroLibrary->saveMacroIni(name, macros, messageStrings());
}

QStringList myQQuickView::loadMacroIni(QVariant name) {
    return macroLibrary->loadMacroIni(name);
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name) {
    return macroLibrary->loadMacroIniConfig(name);
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config) {
    macroLibrary->setMacroIniConfig(name, config);
}

QList<uchar> myQQuickView::macroIncode(QStringList macros) {
    return ::macroIncode(macros, macroLibrary->currentDeviceType());
}

void myQQuickView::ui_02H_SetCurrentProfile(int profile) {
    profileStore->ui_02H_SetCurrentProfile(profile);
}

void myQQuickView::ui_11H_SetMacroKey(QVariant macroId, QVariant name) {
    macroLibrary->ui_11H_SetMacroKey(macroId, name, messageStrings());
}

void myQQuickView::ui_13H_SetMacroKey(QVariant macroId, QVariant name) {
    macroLibrary->ui_13H_SetMacroKey(macroId, name);
}
