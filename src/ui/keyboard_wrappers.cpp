#include "ui/keyboard_wrappers.h"

#include <QStringList>
#include <array>
#include <utility>

#include "device/hid_thread.h"
#include "settings/settings_file.h"

namespace {

constexpr int kKeyMatrixLength = 512;
constexpr int kKeyOnOffLength = 21;
constexpr int kPictureLength = 512;
constexpr int kMacroLength = 192;
// Keys 0 to 125 are the keyboard's keys; the matrix's last two entries are
// sent but belong to no key the profile keeps.
constexpr int kStoredKeys = 126;
constexpr int kKeyEntryLength = 4;
// A picture sent with this option is only kept in the profile.
constexpr uchar kStoreOnlyOption = 255;
constexpr int kPictureCount = 5;
constexpr int kKeyboardType = 0;

// The list at exactly length entries: extra entries dropped, missing ones 0.
QVariantList fitted(const QVariantList& list, int length) {
    QVariantList result = list.mid(0, length);
    while (result.size() < length) result.append(0);
    return result;
}

template <size_t N>
std::array<uchar, N> bytesOf(const QVariantList& list) {
    std::array<uchar, N> bytes{};
    for (int i = 0; i < int(N) && i < list.size(); ++i)
        bytes[size_t(i)] = static_cast<uchar>(list.at(i).toInt() & 0xFF);
    return bytes;
}

template <size_t N>
QVariantList listOf(const std::array<uchar, N>& bytes) {
    QVariantList list;
    list.reserve(int(N));
    for (uchar byte : bytes) list.append(int(byte));
    return list;
}

QVariantList listOf(std::initializer_list<uchar> bytes) {
    QVariantList list;
    for (uchar byte : bytes) list.append(int(byte));
    return list;
}

}  // namespace

KeyboardWrappers::KeyboardWrappers(Hid_Thread* deviceLink,
                                   std::function<SettingsFile*()> currentProfile)
    : hid(deviceLink), profile(std::move(currentProfile)) {}

void KeyboardWrappers::store(const QString& key, const QVariantList& value) const {
    if (SettingsFile* settings = profile ? profile() : nullptr) settings->setValue(key, value);
}

// A list written in this run is still the list it was set to; one read from
// the file is text. Both come back as ints.
QVariantList KeyboardWrappers::stored(const QString& key) const {
    SettingsFile* settings = profile ? profile() : nullptr;
    if (!settings) return {};
    QVariantList result;
    for (const QString& entry : settings->value(key).toStringList()) result.append(entry.toInt());
    return result;
}

void KeyboardWrappers::profileSwitched(int profileIndex) {
    if (hid && hid->currentDeviceType() == kKeyboardType)
        hid->hid_02H_SetCurrentProfile(static_cast<uchar>(profileIndex & 0xFF));
}

void KeyboardWrappers::syncFW() {
    if (!hid || hid->currentDeviceType() != kKeyboardType) return;
    uchar buffer[kPictureLength] = {};
    for (uchar index = 0; index < kPictureCount; ++index) {
        hid->hid_92H_GetUserPicture(index, buffer);
        QVariantList picture;
        for (uchar byte : buffer) picture.append(int(byte));
        store("userPicture/" + QString::number(index), picture);
    }
}

void KeyboardWrappers::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3,
                                                uchar byte4) {
    if (hid) hid->hid_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

void KeyboardWrappers::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3,
                                                   uchar sens4) {
    if (hid) hid->hid_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4);
}

void KeyboardWrappers::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    if (hid) hid->hid_07H_SetControlIndicatorLight(effect, frequenty);
}

// The option byte goes to the keyboard but is not kept: the query that
// reads the LED type back does not return it either.
void KeyboardWrappers::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                         uchar color, uchar direction) {
    store(QStringLiteral("color/ledType"), listOf({effect, speed, light, color, direction}));
    if (hid) hid->hid_08H_SetLEDType(option, effect, speed, light, color, direction);
}

void KeyboardWrappers::ui_09H_SetKeyboardMode(uchar mode) {
    if (hid) hid->hid_09H_SetKeyboardMode(mode);
}

void KeyboardWrappers::ui_0DH_SetKeyMatrix(const QVariantList& src512) {
    const QVariantList matrix = fitted(src512, kKeyMatrixLength);
    for (int key = 0; key < kStoredKeys; ++key)
        store("keydefine/" + QString::number(key),
              matrix.mid(key * kKeyEntryLength, kKeyEntryLength));
    auto bytes = bytesOf<kKeyMatrixLength>(matrix);
    if (hid) hid->hid_0DH_SetKeyMatrix(bytes.data());
}

void KeyboardWrappers::ui_0EH_SetKeyOnOff(const QVariantList& src21) {
    auto bytes = bytesOf<kKeyOnOffLength>(src21);
    if (hid) hid->hid_0EH_SetKeyOnOff(bytes.data());
}

void KeyboardWrappers::ui_12H_SetUserPicture(uchar index, uchar option,
                                             const QVariantList& src512) {
    const QVariantList picture = fitted(src512, kPictureLength);
    store("userPicture/" + QString::number(index), picture);
    if (option == kStoreOnlyOption) return;
    auto bytes = bytesOf<kPictureLength>(picture);
    if (hid) hid->hid_12H_SetUserPicture(index, option, bytes.data());
}

void KeyboardWrappers::ui_13H_SetRecoveryData() {
    if (hid) hid->hid_13H_SetRecoveryData();
}

void KeyboardWrappers::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    store("color/" + QString::number(index), listOf({rValue, gValue, bValue}));
    if (hid) hid->hid_14H_SetColor(index, rValue, gValue, bValue);
}

QString KeyboardWrappers::ui_80H_GetFWVersion() {
    QString version;
    if (hid) hid->hid_80H_GetFWVersion(version);
    return version;
}

QVariant KeyboardWrappers::ui_82H_GetCurrentProfile() {
    uchar profileNumber = 0;
    if (hid) hid->hid_82H_GetCurrentProfile(profileNumber);
    return int(profileNumber);
}

QVariantList KeyboardWrappers::ui_83H_GetKeyboardoption() {
    std::array<uchar, 4> bytes{};
    if (hid) hid->hid_83H_GetKeyboardoption(bytes[0], bytes[1], bytes[2], bytes[3]);
    return listOf(bytes);
}

QVariantList KeyboardWrappers::ui_84H_GetButtonSensitivity() {
    std::array<uchar, 4> bytes{};
    if (hid) hid->hid_84H_GetButtonSensitivity(bytes[0], bytes[1], bytes[2], bytes[3]);
    return listOf(bytes);
}

QVariant KeyboardWrappers::ui_89H_GetKeyboardMode() {
    uchar mode = 0;
    if (hid) hid->hid_89H_GetKeyboardMode(mode);
    return int(mode);
}

QVariantList KeyboardWrappers::ui_8DH_GetKeyMatrix() {
    std::array<uchar, kKeyMatrixLength> bytes{};
    if (hid) hid->hid_8DH_GetKeyMatrix(bytes.data());
    return listOf(bytes);
}

QVariantList KeyboardWrappers::ui_8EH_GetKeyOnOff() {
    std::array<uchar, kKeyOnOffLength> bytes{};
    if (hid) hid->hid_8EH_GetKeyOnOff(bytes.data());
    return listOf(bytes);
}

QVariantList KeyboardWrappers::ui_91H_GetMacroKey(uchar macroId) {
    std::array<uchar, kMacroLength> bytes{};
    if (hid) hid->hid_91H_GetMacroKey(macroId, bytes.data());
    return listOf(bytes);
}

QVariantList KeyboardWrappers::ui_88H_GetLEDType() const {
    return stored(QStringLiteral("color/ledType"));
}

QVariantList KeyboardWrappers::ui_92H_GetUserPicture(uchar index) const {
    return stored("userPicture/" + QString::number(index));
}

QVariantList KeyboardWrappers::ui_94H_GetColor(uchar index) const {
    return stored("color/" + QString::number(index));
}
