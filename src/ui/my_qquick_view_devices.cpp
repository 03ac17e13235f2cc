// The view's device slots: the mouse settings, the desktop's pointer
// settings and the keyboard wrappers, each a one-line forward.

#include "mouse/mouse_settings.h"
#include "mouse/pointer_settings.h"
#include "ui/keyboard_wrappers.h"
#include "ui/my_qquick_view.h"

QVariantList myQQuickView::getKeydefine(QVariant matrixId) {
    return mouseSettings->getKeydefine(matrixId);
}

void myQQuickView::ui_01H_SetReportRate(uchar rate) {
    mouseSettings->ui_01H_SetReportRate(rate);
}

void myQQuickView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    keyboardWrappers->ui_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    keyboardWrappers->ui_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4);
}

void myQQuickView::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    keyboardWrappers->ui_07H_SetControlIndicatorLight(effect, frequenty);
}

void myQQuickView::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                     uchar color, uchar direction) {
    keyboardWrappers->ui_08H_SetLEDType(option, effect, speed, light, color, direction);
}

void myQQuickView::ui_09H_SetKeyboardMode(uchar mode) {
    keyboardWrappers->ui_09H_SetKeyboardMode(mode);
}

void myQQuickView::ui_0DH_SetKeyMatrix(QVariantList src512) {
    keyboardWrappers->ui_0DH_SetKeyMatrix(src512);
}

void myQQuickView::ui_0EH_SetKeyOnOff(QVariantList src21) {
    keyboardWrappers->ui_0EH_SetKeyOnOff(src21);
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512) {
    keyboardWrappers->ui_12H_SetUserPicture(index, option, src512);
}

void myQQuickView::ui_13H_SetRecoveryData() {
    keyboardWrappers->ui_13H_SetRecoveryData();
}

void myQQuickView::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    keyboardWrappers->ui_14H_SetColor(index, rValue, gValue, bValue);
}

QString myQQuickView::ui_80H_GetFWVersion() {
    return keyboardWrappers->ui_80H_GetFWVersion();
}

QVariant myQQuickView::ui_81H_GetReportRate() {
    return mouseSettings->ui_81H_GetReportRate();
}

QVariant myQQuickView::ui_82H_GetCurrentProfile() {
    return keyboardWrappers->ui_82H_GetCurrentProfile();
}

QVariantList myQQuickView::ui_83H_GetKeyboardoption() {
    return keyboardWrappers->ui_83H_GetKeyboardoption();
}

QVariantList myQQuickView::ui_84H_GetButtonSensitivity() {
    return keyboardWrappers->ui_84H_GetButtonSensitivity();
}

QVariantList myQQuickView::ui_88H_GetLEDType() {
    return keyboardWrappers->ui_88H_GetLEDType();
}

QVariant myQQuickView::ui_89H_GetKeyboardMode() {
    return keyboardWrappers->ui_89H_GetKeyboardMode();
}

QVariantList myQQuickView::ui_8DH_GetKeyMatrix() {
    return keyboardWrappers->ui_8DH_GetKeyMatrix();
}

QVariantList myQQuickView::ui_8EH_GetKeyOnOff() {
    return keyboardWrappers->ui_8EH_GetKeyOnOff();
}

QVariantList myQQuickView::ui_91H_GetMacroKey(uchar macroId) {
    return keyboardWrappers->ui_91H_GetMacroKey(macroId);
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index) {
    return keyboardWrappers->ui_92H_GetUserPicture(index);
}

QVariantList myQQuickView::ui_94H_GetColor(uchar index) {
    return keyboardWrappers->ui_94H_GetColor(index);
}

QVariant myQQuickView::getSensorType() {
    return mouseSettings->getSensorType();
}

bool myQQuickView::chkIsLogoLedWork() {
    return mouseSettings->chkIsLogoLedWork();
}

bool myQQuickView::getMsgAns_FoolProofing() {
    return mouseSettings->getMsgAns_FoolProofing();
}

void myQQuickView::setScrollPinSwap(bool isSwap) {
    mouseSettings->setScrollPinSwap(isSwap);
}

void myQQuickView::setAcceleration(bool acceleration) {
    pointerSettings->setAcceleration(acceleration);
}

void myQQuickView::setCursorSpeed(uint cursorSpeed) {
    pointerSettings->setCursorSpeed(cursorSpeed);
}

void myQQuickView::setVerticalScrollLines(uint lines) {
    pointerSettings->setVerticalScrollLines(lines);
}

void myQQuickView::setDoubleClickSpeed(uint speed) {
    pointerSettings->setDoubleClickSpeed(speed);
}

void myQQuickView::ui_0BH_SetCurrentDPIStage(uchar dpiStage) {
    mouseSettings->ui_0BH_SetCurrentDPIStage(dpiStage);
}

void myQQuickView::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2,
                                          QVariantList configs) {
    mouseSettings->ui_0DH_SetRGBLedEffect(effect, option1, option2, configs);
}

void myQQuickView::ui_10H_SetLED8StageColor(uchar type, QVariantList src24) {
    mouseSettings->ui_10H_SetLED8StageColor(type, src24);
}

void myQQuickView::ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex) {
    mouseSettings->ui_11H_SetDPISet(dpiStage, src8, valueForIndex);
}

void myQQuickView::ui_12H_SetKeyMatrix(QVariantList src64) {
    mouseSettings->ui_12H_SetKeyMatrix(src64);
}

bool myQQuickView::getScrollPinSwap() {
    return mouseSettings->getScrollPinSwap();
}

bool myQQuickView::getAcceleration() {
    return pointerSettings->getAcceleration();
}

uint myQQuickView::getCursorSpeed() {
    return mouseSettings->getCursorSpeed();
}

uint myQQuickView::getVerticalScrollLines() {
    return mouseSettings->getVerticalScrollLines();
}

uint myQQuickView::getDoubleClickSpeed() {
    return mouseSettings->getDoubleClickSpeed();
}

QVariant myQQuickView::ui_8BH_GetCurrentDPIStage() {
    return mouseSettings->ui_8BH_GetCurrentDPIStage();
}

QVariantList myQQuickView::ui_8DH_GetRGBLedEffect() {
    return mouseSettings->ui_8DH_GetRGBLedEffect();
}

QVariantList myQQuickView::ui_90H_GetLED8StageColor(uchar type) {
    return mouseSettings->ui_90H_GetLED8StageColor(type);
}

uchar myQQuickView::ui_91H_SyncDPI() {
    return mouseSettings->ui_91H_SyncDPI();
}

QVariantList myQQuickView::ui_91H_GetDPISet() {
    return mouseSettings->ui_91H_GetDPISet();
}

QVariantList myQQuickView::ui_92H_GetKeyMatrix() {
    return mouseSettings->ui_92H_GetKeyMatrix();
}

QVariantList myQQuickView::ui_93H_GetMacroKey(uchar macroId) {
    return mouseSettings->ui_93H_GetMacroKey(macroId);
}
