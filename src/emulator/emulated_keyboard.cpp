#include "emulator/emulated_keyboard.h"

#include <algorithm>

const std::string EmulatedKeyboard::kCommandPath = "emulated:q4-keyboard/commands";
const std::string EmulatedKeyboard::kEventPath = "emulated:q4-keyboard/events";

namespace {

// The recovery command carries this byte so a stray block cannot wipe the
// keyboard.
constexpr uint8_t kRecoveryGuard = 0xFF;

EmulatedHidDevice::Identity keyboardIdentity() {
    EmulatedHidDevice::Identity identity;
    identity.commandPath = EmulatedKeyboard::kCommandPath;
    identity.eventPath = EmulatedKeyboard::kEventPath;
    identity.vendorId = EmulatedKeyboard::kVendorId;
    identity.productId = EmulatedKeyboard::kProductId;
    identity.commandUsagePage = 0xFF01;
    identity.commandUsage = 0x0001;
    identity.eventUsagePage = 0xFF02;
    identity.eventUsage = 0x0001;
    identity.reportLength = EmulatedKeyboard::kReportLength;
    identity.commandTraceName = "kb-cmd";
    identity.eventTraceName = "kb-event";
    return identity;
}

template <size_t N>
std::vector<uint8_t> bytesOf(const std::array<uint8_t, N>& source) {
    return std::vector<uint8_t>(source.begin(), source.end());
}

template <size_t N>
void takeBytes(const std::vector<uint8_t>& data, std::array<uint8_t, N>& target) {
    std::copy_n(data.begin(), std::min(N, data.size()), target.begin());
}

}  // namespace

EmulatedKeyboard::State EmulatedKeyboard::factoryState() {
    State factory;
    factory.sensitivities = {3, 3, 3, 3};
    factory.ledEffect = 1;
    factory.ledSpeed = 2;
    factory.ledLight = 4;
    factory.keyOnOff.fill(0xFF);  // every key enabled
    factory.colours[0] = {255, 255, 255};
    return factory;
}

EmulatedKeyboard::EmulatedKeyboard()
    : EmulatedHidDevice(keyboardIdentity()), model(factoryState()) {}

EmulatedKeyboard::State EmulatedKeyboard::state() const {
    std::lock_guard<std::mutex> lock(mutex);
    return model;
}

void EmulatedKeyboard::setState(const State& newState) {
    std::lock_guard<std::mutex> lock(mutex);
    model = newState;
}

int EmulatedKeyboard::recoveryCount() const {
    std::lock_guard<std::mutex> lock(mutex);
    return recoveries;
}

EmulatedHidDevice::SharedState EmulatedKeyboard::sharedState() {
    return {&model.reportRate, &model.profile, model.firmwareMajor, model.firmwareMinor};
}

// block: the command block after unscrambling, code first, checksum last.
void EmulatedKeyboard::carryOutCommand(const uint8_t* block) {
    const uint8_t commandCode = block[0];
    const uint8_t* parameter = block + 1;  // parameter[0] is request byte 2
    switch (commandCode) {
        case 0x03:
            std::copy_n(parameter, 4, model.options.begin());
            break;
        case 0x04:
            std::copy_n(parameter, 4, model.sensitivities.begin());
            break;
        case 0x07:
            model.indicatorEffect = parameter[0];
            model.indicatorFrequency = parameter[1];
            break;
        case 0x08:
            model.ledOption = parameter[0];
            model.ledEffect = parameter[1];
            model.ledSpeed = parameter[2];
            model.ledLight = parameter[3];
            model.ledColor = parameter[4];
            model.ledDirection = parameter[5];
            break;
        case 0x09:
            model.mode = parameter[0];
            break;
        case 0x0D:  // 08: eight reports of key matrix
        case 0x0E:  // 15: the 21 bytes of the key on/off map
        case 0x11:  // macro slot, 03: three reports
        case 0x12:  // picture number, 08: eight reports, option
            expectDataPhase(commandCode, parameter);
            break;
        case 0x13:
            if (parameter[0] == kRecoveryGuard) {
                model = factoryState();
                ++recoveries;
            }
            break;
        case 0x14:
            std::copy_n(parameter + 2, 3, model.colours[parameter[1]].begin());
            break;
        case 0x83:
            std::copy(model.options.begin(), model.options.end(), answer.begin() + 2);
            break;
        case 0x84:
            std::copy(model.sensitivities.begin(), model.sensitivities.end(), answer.begin() + 2);
            break;
        case 0x88:
            answer[2] = model.ledOption;
            answer[3] = model.ledEffect;
            answer[4] = model.ledSpeed;
            answer[5] = model.ledLight;
            answer[6] = model.ledColor;
            answer[7] = model.ledDirection;
            break;
        case 0x89:
            answer[2] = model.mode;
            break;
        case 0x8D:
            queueInput(bytesOf(model.keyMatrix));
            break;
        case 0x8E:
            queueInput(bytesOf(model.keyOnOff));
            break;
        case 0x91:  // a slot the keyboard does not have reads as empty
            if (parameter[1] < kMacroSlots)
                queueInput(bytesOf(model.macros[parameter[1]]));
            else
                queueInput(std::vector<uint8_t>(kMacroLength, 0));
            break;
        case 0x92:
            if (parameter[1] < kPictureCount)
                queueInput(bytesOf(model.pictures[parameter[1]]));
            else
                queueInput(std::vector<uint8_t>(kPictureLength, 0));
            break;
        case 0x94: {
            const auto& colour = model.colours[parameter[1]];
            answer[3] = parameter[1];
            std::copy(colour.begin(), colour.end(), answer.begin() + 4);
            break;
        }
        default:
            break;
    }
    sealAnswerAndPostReady();
}

void EmulatedKeyboard::expectDataPhase(uint8_t commandCode, const uint8_t* parameter) {
    size_t capacity = kKeyMatrixLength;
    if (commandCode == 0x0E) capacity = kKeyOnOffLength;
    if (commandCode == 0x11) capacity = kMacroLength;
    if (commandCode == 0x12) capacity = kPictureLength;
    // parameter[0] is request byte 2: the slot is byte 3, the count byte 4,
    // the picture's option byte 5.
    const size_t announced = commandCode == 0x0E ? parameter[2] : parameter[2] * kReportLength;
    pendingCode = commandCode;
    pendingIndex = parameter[1];
    pendingOption = parameter[3];
    pendingLength = std::min(announced, capacity);
}

void EmulatedKeyboard::applyDataPhase() {
    const std::vector<uint8_t>& data = pendingData;
    switch (pendingCode) {
        case 0x0D:
            takeBytes(data, model.keyMatrix);
            break;
        case 0x0E:
            takeBytes(data, model.keyOnOff);
            break;
        case 0x11:
            if (pendingIndex < kMacroSlots) takeBytes(data, model.macros[pendingIndex]);
            break;
        case 0x12:
            if (pendingIndex < kPictureCount) {
                takeBytes(data, model.pictures[pendingIndex]);
                model.pictureOptions[pendingIndex] = pendingOption;
            }
            break;
        default:
            break;
    }
    pendingLength = 0;
    pendingData.clear();
    postReady();
}
