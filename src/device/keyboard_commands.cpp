// The companion keyboard's command set. Same frame as the mouse's; data
// phases travel in 64-byte reports. Several codes mean one thing to the
// keyboard and another to the mouse; the caller picks the method that
// belongs to the connected device.

#include <QThread>

#include "device/hid_thread.h"

namespace {

constexpr const char* kQueryFailed = "cmd Failed";

}  // namespace

void Hid_Thread::hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    launchSend(request(0x03, byte1, byte2, byte3, byte4), "cmd Failed 03", nullptr, 0, false);
    QThread::msleep(8);
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    launchSend(request(0x04, sens1, sens2, sens3, sens4), "cmd Failed 04", nullptr, 0, true);
}

void Hid_Thread::hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    launchSend(request(0x07, effect, frequenty), "cmd Failed 07", nullptr, 0, false);
    QThread::msleep(8);
}

void Hid_Thread::hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                    uchar color, uchar direction) {
    launchSend(request(0x08, option, effect, speed, light, color, direction), "cmd Failed 08",
               nullptr, 0, true);
}

void Hid_Thread::hid_0DH_SetKeyMatrix(uchar* src512) {
    // eight 64-byte reports
    launchSend(request(0x0D, 0x00, 0x00, 0x08), "cmd Failed 0D", src512, 512, true);
}

void Hid_Thread::hid_0EH_SetKeyOnOff(uchar* src21) {
    // the byte count, 21
    launchSend(request(0x0E, 0x00, 0x00, 0x15), "cmd Failed 0E", src21, 21, true);
}

void Hid_Thread::hid_09H_SetKeyboardMode(uchar mode) {
    launchSend(request(0x09, mode), "cmd Failed 09", nullptr, 0, true);
}

void Hid_Thread::hid_11H_SetMacroKey(uchar macroId, uchar* src192) {
    // three 64-byte reports
    launchSend(request(0x11, 0x00, macroId, 0x03), "cmd Failed 11", src192, 192, true);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar option, uchar* src512) {
    launchSend(request(0x12, 0x00, index, 0x08, option), "cmd Failed 12", src512, 512, true);
}

void Hid_Thread::hid_13H_SetRecoveryData() {
    launchSend(request(0x13, 0xFF), "cmd Failed 13", nullptr, 0, false);
    QThread::msleep(8);
}

void Hid_Thread::hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    launchSend(request(0x14, 0x00, index, rValue, gValue, bValue), "cmd Failed 14", nullptr, 0,
               false);
    QThread::msleep(8);
}

void Hid_Thread::runValueQuery(const std::shared_ptr<DeviceCommand>& command, int firstOffset,
                               std::initializer_list<uchar*> values) {
    command->ansReport[1] = command->cmdReport[1];
    int offset = firstOffset;
    for (uchar* value : values) command->ansReport[offset++] = *value;
    runQuery(command, kQueryFailed);
    offset = firstOffset;
    for (uchar* value : values) *value = command->ansReport[offset++];
}

void Hid_Thread::hid_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4) {
    runValueQuery(request(0x83), 2, {&byte1, &byte2, &byte3, &byte4});
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar& sens1, uchar& sens2, uchar& sens3,
                                              uchar& sens4) {
    runValueQuery(request(0x84), 2, {&sens1, &sens2, &sens3, &sens4});
}

void Hid_Thread::hid_88H_GetLEDType(uchar& effect, uchar& speed, uchar& light, uchar& color,
                                    uchar& direction) {
    // Offset 2 is the option slot of 0x08 and is not returned.
    runValueQuery(request(0x88), 3, {&effect, &speed, &light, &color, &direction});
}

void Hid_Thread::hid_89H_GetKeyboardMode(uchar& mode) {
    runValueQuery(request(0x89), 2, {&mode});
}

void Hid_Thread::hid_8DH_GetKeyMatrix(uchar* src512) {
    runQuery(request(0x8D), kQueryFailed, src512, 512);
}

void Hid_Thread::hid_8EH_GetKeyOnOff(uchar* src21) {
    runQuery(request(0x8E), kQueryFailed, src21, 21);
}

void Hid_Thread::hid_91H_GetMacroKey(uchar macroId, uchar* src192) {
    runQuery(request(0x91, 0x00, macroId), kQueryFailed, src192, 192);
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar* src512) {
    runQuery(request(0x92, 0x00, index), kQueryFailed, src512, 512);
}

void Hid_Thread::hid_94H_GetColor(uchar index, uchar& rValue, uchar& gValue, uchar& bValue) {
    const auto command = request(0x94, 0x00, index);
    command->ansReport[3] = index;
    runValueQuery(command, 4, {&rValue, &gValue, &bValue});
}
