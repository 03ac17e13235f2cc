// The Q4 mouse's command set, and the commands both devices share (0x01,
// 0x02, 0x80 to 0x82).
//
// Request: 00, code, six parameter bytes, checksum. Answer: 00, code echoed,
// answer bytes at offsets 2 to 7, checksum. Data phases travel in 32-byte
// reports on the mouse. Sets run their transfer on the pool; queries block
// the caller for the exchange.

#include <QDebug>
#include <QThread>
#include <cstring>

#include "device/hid_thread.h"

namespace {

// 0x10/0x90 carry four bytes of packed colour ids for type 2 (the logo LED's
// stage colours), else eight RGB colours.
int colourTableLength(uchar type) {
    return type == 2 ? 4 : 24;
}

}  // namespace

void Hid_Thread::hid_01H_SetReportRate(uchar rate) {
    if (!beginCommand("cmd Failed 01")) return;
    buildRequest(0x01, rate);  // rate: 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125
    launchSend(0, true);
}

void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile) {
    if (!beginCommand("cmd Failed 02")) return;
    buildRequest(0x02, profile);
    launchSend(0, false);
    QThread::msleep(8);
}

void Hid_Thread::hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2) {
    if (!beginCommand("cmd Failed 03")) return;
    // option1 bit 6: scroll direction swapped.
    buildRequest(0x03, type, rate, option1, option2);
    launchSend(0, true);
    QThread::msleep(8);
}

void Hid_Thread::hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2,
                                                uchar option3) {
    if (!beginCommand("cmd Failed 07")) return;
    buildRequest(0x07, type, option1, option2, option3);
    launchSend(0, false);
}

void Hid_Thread::hid_0BH_SetCurrentDPIStage(uchar dpiStage) {
    if (!beginCommand("cmd Failed 0B")) return;
    buildRequest(0x0B, dpiStage);  // 1 to 8
    launchSend(0, true);
}

void Hid_Thread::hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2) {
    if (!beginCommand("cmd Failed 0D")) return;
    buildRequest(0x0D, effect, option1, option2);  // effect, brightness, speed
    launchSend(0, true);
}

void Hid_Thread::hid_10H_SetLED8StageColor(uchar type, uchar* src24) {
    if (!beginCommand("cmd Failed 10")) return;
    const int length = colourTableLength(type);
    buildRequest(0x10, type, static_cast<uchar>(length));
    std::memcpy(dataBuf, src24, static_cast<size_t>(length));
    launchSend(length, true);
}

void Hid_Thread::hid_11H_SetDPISet(uchar dpiStage, uchar* src8) {
    if (!beginCommand("cmd Failed 11")) return;
    // One code per stage: 0x80 unused, else bits 0-5 a multiplier, bit 6 x2.
    buildRequest(0x11, dpiStage, 0x08);
    std::memcpy(dataBuf, src8, 8);
    launchSend(8, true);
}

void Hid_Thread::hid_12H_SetKeyMatrix(uchar* src64) {
    if (!beginCommand("cmd Failed 12")) return;
    // The fixed bytes 01 and 08 are what the device expects; 0x40 is the length.
    buildRequest(0x12, 0x01, 0x40, 0x08);
    std::memcpy(dataBuf, src64, 64);
    launchSend(64, true);
}

void Hid_Thread::hid_13H_SetMacroKey(uchar macroId, uchar* src128) {
    if (!beginCommand("cmd Failed 13")) return;
    buildRequest(0x13, macroId, 0x80);  // slot 1 to 12, 128 bytes
    std::memcpy(dataBuf, src128, 128);
    launchSend(128, true);
}

void Hid_Thread::hid_80H_GetFWVersion(QString& version) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x80);
    clearAnswer();
    if (!runQuery(0)) {
        version = QStringLiteral("unknown");
        return;
    }
    // Major in lower-case hex as it is, minor as two upper-case hex digits.
    version = QString::number(ansReport[2], 16) + "." +
              QString::number(ansReport[3], 16).rightJustified(2, '0').toUpper();
}

void Hid_Thread::hid_81H_GetReportRate(uchar& rate) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x81);
    // Prefilled with the caller's value: no answer leaves it unchanged.
    clearAnswer();
    ansReport[1] = 0x81;
    ansReport[2] = rate;
    runQuery(0);
    rate = ansReport[2];
}

void Hid_Thread::hid_82H_GetCurrentProfile(uchar& profile) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x82);
    clearAnswer();
    ansReport[1] = 0x82;
    ansReport[2] = profile;
    runQuery(0);
    profile = ansReport[2];
}

void Hid_Thread::hid_83H_GetFunctionOption(uchar& type, uchar& option1, uchar& option2) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x83);
    clearAnswer();
    runQuery(0);
    type = ansReport[2];
    option1 = ansReport[4];  // offset 3 is the rate slot of 0x03, not returned
    option2 = ansReport[5];
}

bool Hid_Thread::hid_87H_GetLEDInstructFunction(uchar type, uchar& option1, uchar& option2,
                                                uchar& option3) {
    if (!beginCommand("cmd Failed")) return false;
    buildRequest(0x87, type);
    clearAnswer();
    if (!runQuery(0)) return false;
    option1 = ansReport[3];
    option2 = ansReport[4];
    option3 = ansReport[5];
    return true;
}

void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar& dpiStage) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x8B);
    clearAnswer();
    runQuery(0);
    dpiStage = ansReport[2];
}

void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar& effect, uchar& option1, uchar& option2) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x8D);
    clearAnswer();
    runQuery(0);
    effect = ansReport[2];
    option1 = ansReport[3];
    option2 = ansReport[4];
}

void Hid_Thread::hid_90H_GetLED8StageColor(uchar type, uchar* src24) {
    if (!beginCommand("cmd Failed")) return;
    const int length = colourTableLength(type);
    buildRequest(0x90, type);  // no length byte in the query
    clearAnswer();
    runQuery(length, src24);
    copyDataOut(src24, length);
}

bool Hid_Thread::hid_91H_GetDPISet(uchar& dpiMAXStage, uchar* src8) {
    if (!beginCommand("cmd Failed")) return false;
    buildRequest(0x91);
    clearAnswer();
    if (!runQuery(8, src8)) return false;
    dpiMAXStage = ansReport[2];
    copyDataOut(src8, 8);
    return true;
}

void Hid_Thread::hid_92H_GetKeyMatrix(uchar* src64) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x92, 0x01);
    clearAnswer();
    runQuery(64, src64);
    copyDataOut(src64, 64);
}

void Hid_Thread::hid_93H_GetMacroKey(uchar macroId, uchar* src128) {
    if (!beginCommand("cmd Failed")) return;
    buildRequest(0x93, macroId);
    clearAnswer();
    runQuery(128, src128);
    copyDataOut(src128, 128);
}
