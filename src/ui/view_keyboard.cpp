// The keyboard's slots (no shipped page calls them; they are the contract
// for a keyboard page set).

#include "ui/keyboard_wrappers.h"
#include "ui/macro_sender.h"
#include "ui/my_qquick_view.h"

void myQQuickView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    services.keyboard.ui_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    services.keyboard.ui_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4);
}

void myQQuickView::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    services.keyboard.ui_07H_SetControlIndicatorLight(effect, frequenty);
}

void myQQuickView::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                     uchar color, uchar direction) {
    services.keyboard.ui_08H_SetLEDType(option, effect, speed, light, color, direction);
}

void myQQuickView::ui_09H_SetKeyboardMode(uchar mode) {
    services.keyboard.ui_09H_SetKeyboardMode(mode);
}

void myQQuickView::ui_0DH_SetKeyMatrix(QVariantList src512) {
    services.keyboard.ui_0DH_SetKeyMatrix(src512);
}

void myQQuickView::ui_0EH_SetKeyOnOff(QVariantList src21) {
    services.keyboard.ui_0EH_SetKeyOnOff(src21);
}

void myQQuickView::ui_11H_SetMacroKey(QVariant macroId, QVariant name) {
    services.macroSender.ui_11H_SetMacroKey(macroId, name);
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512) {
    services.keyboard.ui_12H_SetUserPicture(index, option, src512);
}

void myQQuickView::ui_13H_SetRecoveryData() {
    services.keyboard.ui_13H_SetRecoveryData();
}

void myQQuickView::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    services.keyboard.ui_14H_SetColor(index, rValue, gValue, bValue);
}

QString myQQuickView::ui_80H_GetFWVersion() {
    return services.keyboard.ui_80H_GetFWVersion();
}

QVariant myQQuickView::ui_82H_GetCurrentProfile() {
    return services.keyboard.ui_82H_GetCurrentProfile();
}

QVariantList myQQuickView::ui_83H_GetKeyboardoption() {
    return services.keyboard.ui_83H_GetKeyboardoption();
}

QVariantList myQQuickView::ui_84H_GetButtonSensitivity() {
    return services.keyboard.ui_84H_GetButtonSensitivity();
}

QVariantList myQQuickView::ui_88H_GetLEDType() {
    return services.keyboard.ui_88H_GetLEDType();
}

QVariant myQQuickView::ui_89H_GetKeyboardMode() {
    return services.keyboard.ui_89H_GetKeyboardMode();
}

QVariantList myQQuickView::ui_8DH_GetKeyMatrix() {
    return services.keyboard.ui_8DH_GetKeyMatrix();
}

QVariantList myQQuickView::ui_8EH_GetKeyOnOff() {
    return services.keyboard.ui_8EH_GetKeyOnOff();
}

QVariantList myQQuickView::ui_91H_GetMacroKey(uchar macroId) {
    return services.keyboard.ui_91H_GetMacroKey(macroId);
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index) {
    return services.keyboard.ui_92H_GetUserPicture(index);
}

QVariantList myQQuickView::ui_94H_GetColor(uchar index) {
    return services.keyboard.ui_94H_GetColor(index);
}
