#include "settings/profile_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "common/prompt.h"
#include "common/translation.h"
#include "settings/atomic_file.h"
#include "settings/settings_file.h"

namespace {

constexpr int kMouseButtons = 16;
constexpr uchar kKeyDefinitionPage = 0;
constexpr uchar kColourPage = 2;
constexpr uchar kSensorPage = 3;

QString desktopFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

// Appends the entries of a list key as text. A list read from the file is a
// list of strings already; one written in this run is still the list of
// numbers it was set to.
void appendEntries(QVariantList& result, const QSettings& file, const QString& key) {
    for (const QString& entry : file.value(key).toStringList()) result.append(entry);
}

}  // namespace

ProfileStore::ProfileStore(const QString& settingsFolder) : folder(settingsFolder) {
    for (int index = 0; index < kProfileCount; ++index)
        profiles.append(new SettingsFile(profilePath(index)));
}

ProfileStore::~ProfileStore() {
    qDeleteAll(profiles);
}

SettingsFile* ProfileStore::profile(int index) const {
    return isValid(index) ? profiles.at(index) : nullptr;
}

QString ProfileStore::profilePath(int index) const {
    return QDir(folder).filePath("p" + QString::number(index + 1) + ".bin");
}

QString ProfileStore::defaultProfilePath() const {
    return QDir(folder).filePath("pD.bin");
}

bool ProfileStore::saveProfile(int profile, QWidget* parent) {
    if (!isValid(profile)) return false;
    const QString target = prompt().saveFileName(parent, translated("Save File"), desktopFolder(),
                                                 translated("Profile(*.pf)"));
    if (target.isEmpty()) return false;
    // What the pages have set in this run belongs in the export too.
    profiles.at(profile)->sync();
    return replaceFileWithCopy(profilePath(profile), target);
}

bool ProfileStore::loadProfile(int profile, QWidget* parent) {
    if (!isValid(profile)) return false;
    const QString source = prompt().openFileName(parent, translated("Open File"), desktopFolder(),
                                                 translated("Profile(*.pf)"));
    if (source.isEmpty()) return false;
    return replaceProfile(profile, source);
}

bool ProfileStore::resetProfile(int profile) {
    if (!isValid(profile)) return false;
    return replaceProfile(profile, defaultProfilePath());
}

bool ProfileStore::replaceProfile(int profile, const QString& source) {
    SettingsFile* old = profiles.at(profile);
    const QString path = old->fileName();
    // Unsaved keys of the old object go to the old file now; left pending
    // they would be written over the new profile.
    old->sync();
    if (!replaceFileWithCopy(source, path)) return false;
    // The old object may still be in use further up the stack; the event loop
    // releases it once the new one is in place, and until then it writes
    // nothing.
    old->close();
    profiles.replace(profile, new SettingsFile(path));
    old->deleteLater();
    return true;
}

QVariantList ProfileStore::loadDefaultProfile(uchar uiPageId) const {
    const QSettings defaults(defaultProfilePath(), QSettings::IniFormat);
    QVariantList result;
    switch (uiPageId) {
        case kKeyDefinitionPage:
            for (int button = 0; button < kMouseButtons; ++button)
                appendEntries(result, defaults, "keydefine_Q4/" + QString::number(button));
            break;
        case kColourPage:
            appendEntries(result, defaults, "color_Q4/type0");
            appendEntries(result, defaults, "color_Q4/ledEffect");
            break;
        case kSensorPage:
            result.append(defaults.value("sensor/reportRate_Q4", kDefaultReportRate).toInt());
            result.append(defaults.value("sensor/cursorSpeed_Q4", kDefaultCursorSpeed).toInt());
            result.append(
                defaults.value("sensor/verticalScrollLines_Q4", kDefaultScrollLines).toInt());
            result.append(
                defaults.value("sensor/doubleClickSpeed_Q4", kDefaultDoubleClickSpeed).toInt());
            appendEntries(result, defaults, "sensor/dpi_Q4");
            result.append(defaults.value("sensor/stage_Q4", kDefaultDpiStage).toInt());
            appendEntries(result, defaults, "color_Q4/type1");
            appendEntries(result, defaults, "color_Q4/type2");
            break;
        default:
            break;
    }
    return result;
}

bool ProfileStore::ui_02H_SetCurrentProfile(int profile) {
    if (profile == currentIndex || !isValid(profile)) return false;
    currentIndex = profile;
    return true;
}
