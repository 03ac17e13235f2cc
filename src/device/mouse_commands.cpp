// The Q4 mouse's command set, and the commands both devices share (0x01,
// 0x02, 0x80 to 0x82).
//
// Request: 00, code, six parameter bytes, checksum. Answer: 00, code echoed,
// answer bytes at offsets 2 to 7, checksum. Data phases travel in 32-byte
// reports on the mouse. Sets are queued and return at once; queries wait for
// their exchange.

#include <QThread>

#include "device/hid_thread.h"

namespace {

// 0x10/0x90 carry four bytes of packed colour ids for type 2 (the logo LED's
// stage colours), else eight RGB colours.
int colourTableLength(uchar type) {
    return type == 2 ? 4 : 24;
}

constexpr const char* kQueryFailed = "cmd Failed";

}  // namespace

void Hid_Thread::hid_01H_SetReportRate(uchar rate) {
    // rate: 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125
    launchSend(request(0x01, rate), "cmd Failed 01", nullptr, 0, true);
}

void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile) {
    launchSend(request(0x02, profile), "cmd Failed 02", nullptr, 0, false);
    QThread::msleep(8);
}

void Hid_Thread::hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2) {
    // option1 bit 6: scroll direction swapped.
    launchSend(request(0x03, type, rate, option1, option2), "cmd Failed 03", nullptr, 0, true);
    QThread::msleep(8);
}

void Hid_Thread::hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2,
                                                uchar option3) {
    launchSend(request(0x07, type, option1, option2, option3), "cmd Failed 07", nullptr, 0, false);
}

void Hid_Thread::hid_0BH_SetCurrentDPIStage(uchar dpiStage) {
    launchSend(request(0x0B, dpiStage), "cmd Failed 0B", nullptr, 0, true);  // 1 to 8
}

void Hid_Thread::hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2) {
    // effect, brightness, speed
    launchSend(request(0x0D, effect, option1, option2), "cmd Failed 0D", nullptr, 0, true);
}

void Hid_Thread::hid_10H_SetLED8StageColor(uchar type, uchar* src24) {
    const int length = colourTableLength(type);
    launchSend(request(0x10, type, static_cast<uchar>(length)), "cmd Failed 10", src24, length,
               true);
}

void Hid_Thread::hid_11H_SetDPISet(uchar dpiStage, uchar* src8) {
    // One code per stage: 0x80 unused, else bits 0-5 a multiplier, bit 6 x2.
    launchSend(request(0x11, dpiStage, 0x08), "cmd Failed 11", src8, 8, true);
}

void Hid_Thread::hid_12H_SetKeyMatrix(uchar* src64) {
    // The fixed bytes 01 and 08 are what the device expects; 0x40 is the length.
    launchSend(request(0x12, 0x01, 0x40, 0x08), "cmd Failed 12", src64, 64, true);
}

void Hid_Thread::hid_13H_SetMacroKey(uchar macroId, uchar* src128) {
    // slot 1 to 12, 128 bytes
    launchSend(request(0x13, macroId, 0x80), "cmd Failed 13", src128, 128, true);
}

void Hid_Thread::hid_80H_GetFWVersion(QString& version) {
    const auto command = request(0x80);
    const QueryOutcome outcome = runQuery(command, kQueryFailed);
    if (outcome == QueryOutcome::NotRun) return;
    if (outcome == QueryOutcome::Failed) {
        version = QStringLiteral("unknown");
        return;
    }
    // Major in lower-case hex as it is, minor as two upper-case hex digits.
    const uchar* answer = command->ansReport;
    version = QString::number(answer[2], 16) + "." +
              QString::number(answer[3], 16).rightJustified(2, '0').toUpper();
}

bool Hid_Thread::queryReportRate(uchar& rate) {
    const auto command = request(0x81);
    // Pre-filled with the caller's value: no answer leaves it unchanged.
    command->ansReport[1] = 0x81;
    command->ansReport[2] = rate;
    const QueryOutcome outcome = runQuery(command, kQueryFailed);
    rate = command->ansReport[2];
    return outcome == QueryOutcome::Succeeded;
}

void Hid_Thread::hid_81H_GetReportRate(uchar& rate) {
    queryReportRate(rate);
}

void Hid_Thread::hid_82H_GetCurrentProfile(uchar& profile) {
    const auto command = request(0x82);
    command->ansReport[1] = 0x82;
    command->ansReport[2] = profile;
    runQuery(command, kQueryFailed);
    profile = command->ansReport[2];
}

bool Hid_Thread::queryFunctionOption(uchar& type, uchar& option1, uchar& option2) {
    const auto command = request(0x83);
    const QueryOutcome outcome = runQuery(command, kQueryFailed);
    if (outcome == QueryOutcome::NotRun) return false;
    // A failed exchange leaves the zeroed answer: every field 0.
    type = command->ansReport[2];
    option1 = command->ansReport[4];  // offset 3 is the rate slot of 0x03, not returned
    option2 = command->ansReport[5];
    return outcome == QueryOutcome::Succeeded;
}

void Hid_Thread::hid_83H_GetFunctionOption(uchar& type, uchar& option1, uchar& option2) {
    queryFunctionOption(type, option1, option2);
}

bool Hid_Thread::hid_87H_GetLEDInstructFunction(uchar type, uchar& option1, uchar& option2,
                                                uchar& option3) {
    const auto command = request(0x87, type);
    if (runQuery(command, kQueryFailed) != QueryOutcome::Succeeded) return false;
    option1 = command->ansReport[3];
    option2 = command->ansReport[4];
    option3 = command->ansReport[5];
    return true;
}

void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar& dpiStage) {
    const auto command = request(0x8B);
    if (runQuery(command, kQueryFailed) == QueryOutcome::NotRun) return;
    dpiStage = command->ansReport[2];
}

void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar& effect, uchar& option1, uchar& option2) {
    const auto command = request(0x8D);
    if (runQuery(command, kQueryFailed) == QueryOutcome::NotRun) return;
    effect = command->ansReport[2];
    option1 = command->ansReport[3];
    option2 = command->ansReport[4];
}

// The data queries hand back what arrived and the caller's own bytes for the
// rest, whatever the outcome.
void Hid_Thread::hid_90H_GetLED8StageColor(uchar type, uchar* src24) {
    // No length byte in the query.
    runQuery(request(0x90, type), kQueryFailed, src24, colourTableLength(type));
}

bool Hid_Thread::hid_91H_GetDPISet(uchar& dpiMAXStage, uchar* src8) {
    const auto command = request(0x91);
    uchar codes[8];
    std::copy(src8, src8 + 8, codes);
    if (runQuery(command, kQueryFailed, codes, 8) != QueryOutcome::Succeeded) return false;
    dpiMAXStage = command->ansReport[2];
    std::copy(codes, codes + 8, src8);
    return true;
}

void Hid_Thread::hid_92H_GetKeyMatrix(uchar* src64) {
    runQuery(request(0x92, 0x01), kQueryFailed, src64, 64);
}

void Hid_Thread::hid_93H_GetMacroKey(uchar macroId, uchar* src128) {
    runQuery(request(0x93, macroId), kQueryFailed, src128, 128);
}
