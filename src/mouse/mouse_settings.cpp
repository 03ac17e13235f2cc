#include "mouse/mouse_settings.h"

#include <QCoreApplication>
#include <QDebug>
#include <algorithm>
#include <array>

#include "common/prompt.h"
#include "common/translation.h"
#include "device/hid_thread.h"
#include "settings/settings_file.h"
#include "common/logging.h"

namespace {

constexpr int kKeyboardType = 0;
constexpr int kMouseType = 1;

constexpr int kButtons = 16;
constexpr int kKeyEntryLength = 4;
constexpr int kKeyMatrixLength = kButtons * kKeyEntryLength;
constexpr int kColourTableLength = 24;
constexpr int kPackedColourIds = 8;  // table 2: one 4-bit id per DPI stage
constexpr int kDpiStages = 8;
constexpr uchar kUnusedStageCode = 0x80;
constexpr int kMacroLength = 128;

const QString kReportRateKey = QStringLiteral("sensor/reportRate_Q4");
const QString kStageKey = QStringLiteral("sensor/stage_Q4");
const QString kDpiKey = QStringLiteral("sensor/dpi_Q4");
const QString kLedEffectKey = QStringLiteral("color_Q4/ledEffect");
const QString kScrollSwapKey = QStringLiteral("keydefine_Q4/scrollswap");

QString colourTableKey(uchar type) {
    return "color_Q4/type" + QString::number(type);
}

// The byte a page value stands for: its integer's low 8 bits.
uchar lowByte(const QVariant& value) {
    return static_cast<uchar>(value.toInt() & 0xFF);
}

// The report rates the mouse knows: 1, 2, 4, 8 for 1000 to 125 Hz. Anything
// else in an answer means the query did not get through (it is prefilled
// with 0).
bool isReportRate(uchar rate) {
    return rate == 1 || rate == 2 || rate == 4 || rate == 8;
}

template <size_t N>
QVariantList intList(const std::array<uchar, N>& bytes) {
    QVariantList list;
    list.reserve(int(N));
    for (uchar byte : bytes) list.append(int(byte));
    return list;
}

}  // namespace

MouseSettings::MouseSettings(Hid_Thread* deviceLink, std::function<SettingsFile*()> profile,
                             std::function<QStringList()> messages)
    : hid(deviceLink), currentProfile(std::move(profile)), messageStrings(std::move(messages)) {}

int MouseSettings::deviceType() const {
    return hid ? hid->currentDeviceType() : -1;
}

void MouseSettings::store(const QString& key, const QVariant& value) {
    if (SettingsFile* profile = currentProfile ? currentProfile() : nullptr)
        profile->setValue(key, value);
}

QVariant MouseSettings::stored(const QString& key, const QVariant& fallback) const {
    SettingsFile* profile = currentProfile ? currentProfile() : nullptr;
    return profile ? profile->value(key, fallback) : fallback;
}

// A list as stored: the numbers written in this run, or the text entries of
// a list read from the file. A file entry without a comma is one entry.
QVariantList MouseSettings::storedList(const QString& key) const {
    const QVariant value = stored(key);
    const int type = value.userType();
    if (type == QMetaType::QVariantList || type == QMetaType::QStringList) return value.toList();
    if (type == QMetaType::QString && !value.toString().isEmpty()) return {value};
    return {};
}

// Every list getter answers unsigned numbers, whether the list was set in
// this run (numbers) or read back from the file (text).
QVariantList MouseSettings::storedNumbers(const QString& key) const {
    QVariantList numbers;
    for (const QVariant& entry : storedList(key)) numbers.append(entry.toUInt());
    return numbers;
}

void MouseSettings::ui_01H_SetReportRate(uchar rate) {
    // The keyboard keeps its rate itself; only the mouse's is in the profile.
    if (deviceType() == kMouseType) store(kReportRateKey, int(rate));
    if (hid) hid->hid_01H_SetReportRate(rate);
}

QVariant MouseSettings::ui_81H_GetReportRate() {
    if (deviceType() == kKeyboardType) {
        uchar rate = 0;
        hid->hid_81H_GetReportRate(rate);
        return int(rate);
    }
    return int(static_cast<uchar>(stored(kReportRateKey, 0).toInt()));
}

void MouseSettings::ui_0BH_SetCurrentDPIStage(uchar dpiStage) {
    store(kStageKey, int(dpiStage));
    if (hid) hid->hid_0BH_SetCurrentDPIStage(dpiStage);
}

QVariant MouseSettings::ui_8BH_GetCurrentDPIStage() {
    return int(static_cast<uchar>(stored(kStageKey, 0).toInt()));
}

void MouseSettings::ui_11H_SetDPISet(uchar dpiStage, const QVariantList& src8,
                                     const QVariantList& valueForIndex) {
    // The values, not the codes: a code means a different DPI on each sensor.
    store(kDpiKey, valueForIndex);
    std::array<uchar, kDpiStages> codes;
    codes.fill(kUnusedStageCode);
    for (int stage = 0; stage < kDpiStages && stage < src8.size(); ++stage)
        codes[size_t(stage)] = lowByte(src8.at(stage));
    if (hid) hid->hid_11H_SetDPISet(dpiStage, codes.data());
}

QVariantList MouseSettings::ui_91H_GetDPISet() {
    return storedNumbers(kDpiKey);
}

uchar MouseSettings::ui_91H_SyncDPI() {
    if (!hid) return kDefaultStageCount;
    uchar stageCount = 0;
    std::array<uchar, kDpiStages> codes{};
    if (!hid->hid_91H_GetDPISet(stageCount, codes.data())) return kDefaultStageCount;
    // The pages hold eight stages; a count outside 1 to 8 is no answer.
    if (stageCount < 1 || stageCount > kDpiStages) return kDefaultStageCount;
    return stageCount;
}

void MouseSettings::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2,
                                           const QVariantList& configs) {
    store(kLedEffectKey, configs);
    if (hid) hid->hid_0DH_SetRGBLedEffect(effect, option1, option2);
}

QVariantList MouseSettings::ui_8DH_GetRGBLedEffect() {
    return storedNumbers(kLedEffectKey);
}

void MouseSettings::ui_10H_SetLED8StageColor(uchar type, const QVariantList& src24) {
    store(colourTableKey(type), src24);
    std::array<uchar, kColourTableLength> buffer{};
    const int count = std::min<int>(int(src24.size()), kColourTableLength);
    for (int i = 0; i < count; ++i) buffer[size_t(i)] = lowByte(src24.at(i));
    if (type == 2) {
        // The logo LED takes one 4-bit colour id per stage, two to a byte,
        // the lower stage in the low nibble. Packing in place is safe: byte
        // n is written only after entries 2n and 2n + 1 were read.
        for (int pair = 0; pair < kPackedColourIds / 2; ++pair) {
            const auto low = static_cast<uchar>(buffer[size_t(2 * pair)] & 0x0F);
            const uchar high = static_cast<uchar>(buffer[size_t(2 * pair + 1)] << 4);
            buffer[size_t(pair)] = static_cast<uchar>(low | high);
        }
    }
    if (hid) hid->hid_10H_SetLED8StageColor(type, buffer.data());
}

QVariantList MouseSettings::ui_90H_GetLED8StageColor(uchar type) {
    return storedNumbers(colourTableKey(type));
}

void MouseSettings::ui_12H_SetKeyMatrix(const QVariantList& src64) {
    if (src64.size() < kKeyMatrixLength) {
        qCDebug(lcUi, "ui_12H_SetKeyMatrix: %d entries, 64 needed", int(src64.size()));
        return;
    }
    std::array<uchar, kKeyMatrixLength> matrix{};
    for (int button = 0; button < kButtons; ++button) {
        const QVariantList entry = src64.mid(button * kKeyEntryLength, kKeyEntryLength);
        store("keydefine_Q4/" + QString::number(button), entry);
        for (int i = 0; i < kKeyEntryLength; ++i)
            matrix[size_t(button * kKeyEntryLength + i)] = lowByte(entry.at(i));
    }
    if (hid) hid->hid_12H_SetKeyMatrix(matrix.data());
}

QVariantList MouseSettings::getKeydefine(const QVariant& matrixId) {
    bool isNumber = false;
    const int button = matrixId.toInt(&isNumber);
    if (!isNumber) return {};
    switch (deviceType()) {
        case kMouseType:
            return storedNumbers("keydefine_Q4/" + QString::number(button));
        case kKeyboardType:
            return storedNumbers("keydefine/" + QString::number(button));
        default:
            return {};
    }
}

QVariantList MouseSettings::ui_92H_GetKeyMatrix() {
    std::array<uchar, kKeyMatrixLength> matrix{};
    if (hid) hid->hid_92H_GetKeyMatrix(matrix.data());
    return intList(matrix);
}

QVariantList MouseSettings::ui_93H_GetMacroKey(uchar macroId) {
    std::array<uchar, kMacroLength> macro{};
    if (hid) hid->hid_93H_GetMacroKey(macroId, macro.data());
    return intList(macro);
}

void MouseSettings::setScrollPinSwap(bool isSwap) {
    store(kScrollSwapKey, isSwap);
    if (!hid) return;
    // The swap is one bit of a command that also sets the sensor type byte,
    // the report rate and option2, so the others are read first and sent
    // back unchanged.
    uchar type = kUnknownSensorType;
    uchar option1 = 0;
    uchar option2 = 0;
    uchar rate = 0;
    // A failed query answers zeros, which would send the mouse sensor type 0
    // and no report rate: nothing is sent then.
    if (!hid->queryFunctionOption(type, option1, option2) || !hid->queryReportRate(rate) ||
        !isReportRate(rate)) {
        qCDebug(lcUi, "setScrollPinSwap Failed");
        return;
    }
    option1 = static_cast<uchar>((option1 & ~kScrollSwapBit) | (isSwap ? kScrollSwapBit : 0));
    hid->hid_03H_SetFunctionOption(type, rate, option1, option2);
}

bool MouseSettings::getScrollPinSwap() {
    return stored(kScrollSwapKey, false).toBool();
}

QVariant MouseSettings::getSensorType() {
    // A failed query answers type 0, a real sensor; the pages must see an
    // unknown type instead (no DPI table).
    uchar type = 0;
    uchar option1 = 0;
    uchar option2 = 0;
    if (!hid || !hid->queryFunctionOption(type, option1, option2)) return kUnknownSensorType;
    return int(type);
}

bool MouseSettings::chkIsLogoLedWork() {
    if (!hid) return false;
    uchar option1 = 0xFF;
    uchar option2 = 0;
    uchar option3 = 0;
    return hid->hid_87H_GetLEDInstructFunction(0, option1, option2, option3) && option1 == 0;
}

bool MouseSettings::getMsgAns_FoolProofing() {
    const QStringList messages = messageStrings ? messageStrings() : QStringList();
    const QString caption = translated("%1").arg(messages.value(4));
    const QString text = QStringLiteral("%1").arg(messages.value(5));
    return prompt().confirm(caption, text) == Prompt::Answer::Ok;
}
