// The global-settings panel's slots: sounds, the application configuration,
// the custom background and the language files.

#include "settings/application_config.h"
#include "settings/language_files.h"
#include "ui/my_qquick_view.h"
#include "ui/sound_board.h"

void myQQuickView::setEnableAudio(bool isEnable) {
    services.sounds.setEnableAudio(isEnable);
}

void myQQuickView::playMedia_Index(uchar index) {
    services.sounds.playMedia_Index(index);
}

void myQQuickView::playMedia_Background() {
    services.sounds.playMedia_Background();
}

void myQQuickView::clearAllMedia() {
    services.sounds.clearAllMedia();
}

void myQQuickView::saveApConfig(QVariantList apConfigs) {
    services.configuration.saveApConfig(apConfigs);
}

QVariantList myQQuickView::loadApConfig() {
    return services.configuration.loadApConfig();
}

QVariantList myQQuickView::loadDeviceApConfig() {
    return services.configuration.loadDeviceApConfig();
}

void myQQuickView::resetApconfig() {
    services.configuration.resetApconfig();
}

bool myQQuickView::getIsSkinShow() {
    return services.configuration.getIsSkinShow();
}

QString myQQuickView::getCustomFilePath() {
    return services.configuration.getCustomFilePath(this, services.languages.msgStrings());
}

QVariantMap myQQuickView::chkLanguages() {
    return services.languages.chkLanguages();
}

QStringList myQQuickView::getGlobalStrings(QString langCode) {
    return services.languages.getGlobalStrings(langCode);
}

QStringList myQQuickView::getProductLayoutStrings_Q4(QString langCode) {
    return services.languages.getProductLayoutStrings_Q4(langCode);
}
