// The companion keyboard's command set. Same frame as the mouse's; data
// phases travel in 64-byte reports. Several codes mean one thing to the
// keyboard and another to the mouse; the caller picks the method that
// belongs to the connected device.

#include <QThread>
#include <cstring>

#include "device/hid_thread.h"

void Hid_Thread::hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    if (!beginCommand("cmd Failed 03")) return;
    buildRequest(0x03, byte1, byte2, byte3, byte4);
    launchSend(0, false);
    QThread::msleep(8);
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    if (!beginCommand("cmd Failed 04")) return;
    buildRequest(0x04, sens1, sens2, sens3, sens4);
    launchSend(0, true);
}

void Hid_Thread::hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    if (!beginCommand("cmd Failed 07")) return;
    buildRequest(0x07, effect, frequenty);
    launchSend(0, false);
    QThread::msleep(8);
}

void Hid_Thread::hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                    uchar color, uchar direction) {
    if (!beginCommand("cmd Failed 08")) return;
    buildRequest(0x08, option, effect, speed, light, color, direction);
    launchSend(0, true);
}

void Hid_Thread::hid_0DH_SetKeyMatrix(uchar* src512) {
    if (!beginCommand("cmd Failed 0D")) return;
    buildRequest(0x0D, 0x00, 0x00, 0x08);  // eight 64-byte reports
    std::memcpy(dataBuf, src512, 512);
    launchSend(512, true);
}

void Hid_Thread::hid_0EH_SetKeyOnOff(uchar* src21) {
    if (!beginCommand("cmd Failed 0E")) return;
    buildRequest(0x0E, 0x00, 0x00, 0x15);  // the byte count, 21
    std::memcpy(dataBuf, src21, 21);
    launchSend(21, true);
}

void Hid_Thread::hid_09H_SetKeyboardMode(uchar mode) {
    if (!beginCommand("cmd Failed 09")) return;
    buildRequest(0x09, mode);
    launchSend(0, true);
}

void Hid_Thread::hid_11H_SetMacroKey(uchar macroId, uchar* src192) {
    if (!beginCommand("cmd Failed 11")) return;
    buildRequest(0x11, 0x00, macroId, 0x03);  // three 64-byte reports
    std::memcpy(dataBuf, src192, 192);
    launchSend(192, true);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar option, uchar* src512) {
    if (!beginCommand("cmd Failed 12")) return;
    buildRequest(0x12, 0x00, index, 0x08, option);
    std::memcpy(dataBuf, src512, 512);
    launchSend(512, true);
}

void Hid_Thread::hid_13H_SetRecoveryData() {
    if (!beginCommand("cmd Failed 13")) return;
    buildRequest(0x13, 0xFF);
    launchSend(0, false);
    QThread::msleep(8);
}

void Hid_Thread::hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    if (!beginCommand("cmd Failed 14")) return;
    buildRequest(0x14, 0x00, index, rValue, gValue, bValue);
    launchSend(0, false);
    QThread::msleep(8);
}

// The value queries put their code and the caller's values into the answer
// block first, so an exchange that brings no answer changes nothing.
void Hid_Thread::hid_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x83);
    const uchar prefill[9] = {0x00, 0x83, byte1, byte2, byte3, byte4, 0, 0, 0};
    std::memcpy(ansReport, prefill, sizeof ansReport);
    runQuery(0);
    byte1 = ansReport[2];
    byte2 = ansReport[3];
    byte3 = ansReport[4];
    byte4 = ansReport[5];
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar& sens1, uchar& sens2, uchar& sens3,
                                              uchar& sens4) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x84);
    const uchar prefill[9] = {0x00, 0x84, sens1, sens2, sens3, sens4, 0, 0, 0};
    std::memcpy(ansReport, prefill, sizeof ansReport);
    runQuery(0);
    sens1 = ansReport[2];
    sens2 = ansReport[3];
    sens3 = ansReport[4];
    sens4 = ansReport[5];
}

void Hid_Thread::hid_88H_GetLEDType(uchar& effect, uchar& speed, uchar& light, uchar& color,
                                    uchar& direction) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x88);
    // Offset 2 is the option slot of 0x08 and is not returned.
    const uchar prefill[9] = {0x00, 0x88, 0x00, effect, speed, light, color, direction, 0};
    std::memcpy(ansReport, prefill, sizeof ansReport);
    runQuery(0);
    effect = ansReport[3];
    speed = ansReport[4];
    light = ansReport[5];
    color = ansReport[6];
    direction = ansReport[7];
}

void Hid_Thread::hid_89H_GetKeyboardMode(uchar& mode) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x89);
    const uchar prefill[9] = {0x00, 0x89, mode, 0, 0, 0, 0, 0, 0};
    std::memcpy(ansReport, prefill, sizeof ansReport);
    runQuery(0);
    mode = ansReport[2];
}

void Hid_Thread::hid_8DH_GetKeyMatrix(uchar* src512) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x8D);
    clearAnswer();
    runQuery(512, src512);
    copyDataOut(src512, 512);
}

void Hid_Thread::hid_8EH_GetKeyOnOff(uchar* src21) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x8E);
    clearAnswer();
    runQuery(21, src21);
    copyDataOut(src21, 21);
}

void Hid_Thread::hid_91H_GetMacroKey(uchar macroId, uchar* src192) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x91, 0x00, macroId);
    clearAnswer();
    runQuery(192, src192);
    copyDataOut(src192, 192);
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar* src512) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x92, 0x00, index);
    clearAnswer();
    runQuery(512, src512);
    copyDataOut(src512, 512);
}

void Hid_Thread::hid_94H_GetColor(uchar index, uchar& rValue, uchar& gValue, uchar& bValue) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x94, 0x00, index);
    const uchar prefill[9] = {0x00, 0x94, 0x00, index, rValue, gValue, bValue, 0, 0};
    std::memcpy(ansReport, prefill, sizeof ansReport);
    runQuery(0);
    rValue = ansReport[4];
    gValue = ansReport[5];
    bValue = ansReport[6];
}
