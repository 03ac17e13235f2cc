#include "settings/macro_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "common/prompt.h"
#include "common/translation.h"
#include "keys/macro_encoder.h"
#include "settings/atomic_file.h"
#include "settings/settings_file.h"

namespace {

const QString kSuffix = QStringLiteral(".bin");
// Mouse slot indices 0 to 11 are slot ids 1 to 12; keyboard slots are 0 to 34.
constexpr int kLastMouseIndex = 11;
constexpr int kLastKeyboardIndex = 34;

int intValue(const SettingsFile& file, const QString& key, int fallback) {
    bool isNumber = false;
    const int value = file.value(key, fallback).toInt(&isNumber);
    return isNumber ? value : fallback;
}

}  // namespace

MacroLibrary::MacroLibrary(const QString& folder, DeviceType type, Resend send)
    : deviceType(std::move(type)), resend(std::move(send)), macroFolder(folder) {}

void MacroLibrary::setDevice(DeviceType type, Resend send) {
    deviceType = std::move(type);
    resend = std::move(send);
}

int MacroLibrary::currentDeviceType() const {
    return deviceType ? deviceType() : -1;
}

bool MacroLibrary::isMacroName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    return !name.contains('/') && !name.contains('\\') && !name.contains(QChar(0));
}

QString MacroLibrary::macroFilePath(const QString& name) const {
    return QDir(macroFolder).filePath(name + kSuffix);
}

QString MacroLibrary::existingFile(const QVariant& name) const {
    const QString macroName = name.toString();
    if (!isMacroName(macroName)) return {};
    const QString path = macroFilePath(macroName);
    return QFileInfo(path).isFile() ? path : QString();
}

QStringList MacroLibrary::getMacroIniNames() const {
    const QStringList files =
        QDir(macroFolder)
            .entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString& file : files)
        if (isMacroName(file.chopped(kSuffix.size()))) names.append(file);
    return names;
}

QVariant MacroLibrary::createMacroIni() {
    QString name;
    for (int number = 1;; ++number) {
        name = QStringLiteral("Macro. %1").arg(number, 3, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(macroFilePath(name))) break;
    }
    SettingsFile file(macroFilePath(name));
    file.setValue("config/index", -1);
    file.setValue("config/total", 0);
    file.setValue("config/repeat", 1);
    file.setValue("config/did", -1);
    return file.sync() ? name : QString();
}

QVariant MacroLibrary::deleteMacroIni(const QVariant& name) {
    const QString path = existingFile(name);
    return !path.isEmpty() && QFile::remove(path);
}

bool MacroLibrary::renameMacroIniFile(const QVariant& oldName, const QVariant& newName) {
    const QString from = existingFile(oldName);
    const QString newMacroName = newName.toString();
    if (from.isEmpty() || !isMacroName(newMacroName)) return false;
    const QString to = macroFilePath(newMacroName);
    // Never over another macro, nor over anything else of that name.
    if (QFileInfo::exists(to)) return false;
    return QFile::rename(from, to);
}

QStringList MacroLibrary::loadMacroIni(const QVariant& name) const {
    const QString path = existingFile(name);
    if (path.isEmpty()) return {};
    const SettingsFile file(path);
    const int total = intValue(file, "config/total", 0);
    // The count comes from the file: bound it by the lines the file really
    // holds, so a damaged total cannot make a list of billions of entries.
    // Lines missing below the highest one stay as empty lines.
    int stored = 0;
    for (const QString& key : file.allKeys()) {
        if (!key.startsWith(QLatin1String("macro/"))) continue;
        bool isNumber = false;
        const int index = key.mid(6).toInt(&isNumber);
        if (isNumber && index >= 0 && index < total) stored = std::max(stored, index + 1);
    }
    QStringList lines;
    lines.reserve(stored);
    for (int i = 0; i < stored; ++i)
        lines.append(file.value("macro/" + QString::number(i)).toString());
    return lines;
}

QVariant MacroLibrary::saveMacroIni(const QVariant& name, const QStringList& macros) {
    const QString path = existingFile(name);
    if (path.isEmpty()) return false;
    int index = -1;
    int assignedType = -1;
    {
        SettingsFile file(path);
        file.remove("macro");
        file.setValue("config/total", macros.size());
        for (int i = 0; i < macros.size(); ++i)
            file.setValue("macro/" + QString::number(i), macros.at(i));
        // The result is what reached the disk, whatever the old file held:
        // a malformed line in it does not make a good save a failure.
        if (!file.sync()) return false;
        index = intValue(file, "config/index", -1);
        assignedType = intValue(file, "config/did", -1);
    }
    // Only an assignment made on the device now connected is sent again: a
    // keyboard slot index must not overwrite whatever a mouse slot holds.
    const int type = currentDeviceType();
    if (index >= 0 && assignedType == type && resend) {
        if (type == kKeyboardMacro && index <= kLastKeyboardIndex)
            resend(type, index, name.toString());
        else if (type == kMouseMacro && index <= kLastMouseIndex)
            resend(type, index + 1, name.toString());
    }
    return true;
}

QVariantList MacroLibrary::loadMacroIniConfig(const QVariant& name) const {
    const QString path = existingFile(name);
    if (path.isEmpty()) return {};
    const SettingsFile file(path);
    const QVariant repeat = file.value("config/repeat", 1);
    if (intValue(file, "config/did", -1) != currentDeviceType()) return {-1, repeat};
    return {file.value("config/index", -1), repeat};
}

bool MacroLibrary::setMacroIniConfig(const QVariant& name, const QVariantList& config) {
    const QString path = existingFile(name);
    if (path.isEmpty() || config.size() < 2) return false;
    bool isIndex = false;
    bool isRepeat = false;
    const int index = config.at(0).toInt(&isIndex);
    const int repeat = config.at(1).toInt(&isRepeat);
    if (!isIndex || !isRepeat) return false;
    SettingsFile file(path);
    file.setValue("config/index", index);
    file.setValue("config/repeat", repeat);
    file.setValue("config/did", currentDeviceType());
    return file.sync();
}

bool MacroLibrary::loadMacroIniFromFile(const QVariant& name) {
    if (!isMacroName(name.toString())) return false;
    const QString chosen =
        prompt().openFileName(dialogParent, translated("Open File"),
                              QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                              translated("Macro(*.mc)"));
    // The macro may have gone while the dialog was open.
    const QString path = existingFile(name);
    if (chosen.isEmpty() || path.isEmpty()) return false;
    return replaceFileWithCopy(chosen, path);
}

bool MacroLibrary::saveMacroIniToFile(const QVariant& name) {
    const QString path = existingFile(name);
    if (path.isEmpty()) return false;
    const QString chosen =
        prompt().saveFileName(dialogParent, translated("Save File"),
                              QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                              translated("Macro(*.mc)"));
    if (chosen.isEmpty()) return false;
    return replaceFileWithCopy(path, chosen);
}
