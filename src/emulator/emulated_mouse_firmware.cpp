// The emulated mouse's firmware: what it does with each command block and
// data phase, and how it answers. Called with the emulator's mutex held.

#include <algorithm>
#include <cstring>

#include "emulator/emulated_mouse.h"

namespace {

constexpr size_t kLargestDataPhase = 512;

template <size_t N>
std::vector<uint8_t> bytesOf(const std::array<uint8_t, N>& source, size_t count = N) {
    return std::vector<uint8_t>(source.begin(),
                                source.begin() + static_cast<long>(std::min(count, N)));
}

}  // namespace

EmulatedHidDevice::SharedState EmulatedMouse::sharedState() {
    return {&model.reportRate, &model.profile, model.firmwareMajor, model.firmwareMinor};
}

// block: the command block after unscrambling, code first, checksum last.
void EmulatedMouse::carryOutCommand(const uint8_t* block) {
    const uint8_t commandCode = block[0];
    const uint8_t* parameter = block + 1;  // parameter[0] is request byte 2
    switch (commandCode) {
        case 0x03:
            // The sensor type is the hardware's own; the rest is taken.
            model.reportRate = parameter[1];
            model.functionOption1 = parameter[2];
            model.functionOption2 = parameter[3];
            break;
        case 0x07:
            std::copy_n(parameter + 1, 3, model.ledInstruction[parameter[0] & 3].begin());
            break;
        case 0x0B:
            model.dpiStage = parameter[0];
            break;
        case 0x0D:
            model.ledEffect = parameter[0];
            model.ledBrightness = parameter[1];
            model.ledSpeed = parameter[2];
            break;
        case 0x10:  // colour table type, then its length (4 or 24)
        case 0x11:  // stages in use, then 8 DPI codes
        case 0x12:  // 01, then 64 bytes of key matrix
        case 0x13:  // macro slot, then 128 bytes
            pendingCode = commandCode;
            pendingParameter = parameter[0];
            pendingLength = std::min<size_t>(parameter[1], kLargestDataPhase);
            break;
        case 0x83:
            answer[2] = model.sensorType;
            answer[3] = model.reportRate;
            answer[4] = model.functionOption1;
            answer[5] = model.functionOption2;
            break;
        case 0x87: {
            const auto& options = model.ledInstruction[parameter[0] & 3];
            answer[2] = parameter[0];
            std::copy(options.begin(), options.end(), answer.begin() + 3);
            // Option 1 of type 0 is 0 when the logo LED is fitted.
            if (parameter[0] == 0) answer[3] = isLogoLedPresent ? 0 : 1;
            break;
        }
        case 0x8B:
            answer[2] = model.dpiStage;
            break;
        case 0x8D:
            answer[2] = model.ledEffect;
            answer[3] = model.ledBrightness;
            answer[4] = model.ledSpeed;
            break;
        case 0x90:
            answer[2] = parameter[0];
            if (parameter[0] == 2)
                queueInput(bytesOf(model.logoColourIds));
            else if (parameter[0] == 1)
                queueInput(bytesOf(model.indicatorColours));
            else
                queueInput(bytesOf(model.stageColours));
            break;
        case 0x91:
            answer[2] = model.dpiStageCount;
            queueInput(bytesOf(model.dpiCodes));
            break;
        case 0x92:
            queueInput(bytesOf(model.keyMatrix));
            break;
        case 0x93: {
            const int slot = parameter[0];
            if (slot >= 1 && slot <= kMacroSlots)
                queueInput(bytesOf(model.macros[size_t(slot - 1)]));
            else
                queueInput(std::vector<uint8_t>(kMacroLength, 0));
            break;
        }
        default:
            break;
    }
    sealAnswerAndPostReady();
}

void EmulatedMouse::applyDataPhase() {
    const std::vector<uint8_t>& data = pendingData;
    switch (pendingCode) {
        case 0x10:
            if (pendingParameter == 2 && data.size() >= 4)
                std::copy_n(data.begin(), 4, model.logoColourIds.begin());
            else if (pendingParameter == 1 && data.size() >= 24)
                std::copy_n(data.begin(), 24, model.indicatorColours.begin());
            else if (pendingParameter == 0 && data.size() >= 24)
                std::copy_n(data.begin(), 24, model.stageColours.begin());
            break;
        case 0x11:
            model.dpiStagesInUse = pendingParameter;
            std::copy_n(data.begin(), std::min<size_t>(8, data.size()), model.dpiCodes.begin());
            break;
        case 0x12:
            std::copy_n(data.begin(), std::min<size_t>(64, data.size()), model.keyMatrix.begin());
            break;
        case 0x13:
            if (pendingParameter >= 1 && pendingParameter <= kMacroSlots)
                std::copy_n(data.begin(), std::min<size_t>(kMacroLength, data.size()),
                            model.macros[size_t(pendingParameter - 1)].begin());
            break;
        default:
            break;
    }
    pendingLength = 0;
    pendingData.clear();
    postReady();
}
