#include "settings/profile_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include "device/hid_thread.h"
#include "ui/prompt.h"

namespace {

constexpr int kMouseButtons = 16;
constexpr uchar kKeyDefinitionPage = 0;
constexpr uchar kColourPage = 2;
constexpr uchar kSensorPage = 3;

QString translated(const char* text) {
    return QCoreApplication::translate("myQQuickView", text);
}

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

bool replaceFileWithCopy(const QString& sourcePath, const QString& targetPath) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) return false;
    // The settings library keeps a parsed copy of every file it has open and
    // re-reads the file only when its size or modification time changed. A
    // same-size copy made within the millisecond of the last write would look
    // unchanged, so the copy is always stamped later than what it replaces.
    const QDateTime previousStamp = QFileInfo(targetPath).lastModified();

    // A save file that is not committed discards its temporary file.
    QSaveFile copy(targetPath);
    if (!copy.open(QIODevice::WriteOnly)) return false;
    char buffer[16 * 1024];
    for (;;) {
        const qint64 length = source.read(buffer, sizeof buffer);
        if (length == 0) break;
        if (length < 0 || copy.write(buffer, length) != length) return false;
    }
    if (!copy.flush()) return false;
    QDateTime stamp = QDateTime::currentDateTime();
    if (previousStamp.isValid() && stamp <= previousStamp) stamp = previousStamp.addMSecs(1);
    copy.setFileTime(stamp, QFileDevice::FileModificationTime);
    return copy.commit();
}

ProfileStore::ProfileStore(Hid_Thread* deviceLink, const QString& settingsFolder)
    : hid(deviceLink), folder(settingsFolder) {
    for (int index = 0; index < kProfileCount; ++index)
        profiles.append(new QSettings(profilePath(index), QSettings::IniFormat));
}

ProfileStore::~ProfileStore() {
    qDeleteAll(profiles);
}

QSettings* ProfileStore::profile(int index) const {
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
    QSettings* old = profiles.at(profile);
    const QString path = old->fileName();
    // Unsaved keys of the old object go to the old file now. The settings
    // library shares one parsed copy of a file between the objects on it, so
    // left pending they would be written into the new profile by its object.
    old->sync();
    if (!replaceFileWithCopy(source, path)) return false;
    // The old object may still be in use further up the stack; the event loop
    // releases it once the new one is in place.
    profiles.replace(profile, new QSettings(path, QSettings::IniFormat));
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

void ProfileStore::ui_02H_SetCurrentProfile(int profile) {
    if (profile == currentIndex || !isValid(profile)) return;
    currentIndex = profile;
    // The mouse keeps no profile selection of its own.
    if (!hid || hid->currentDeviceType() != 0) return;
    hid->hid_02H_SetCurrentProfile(static_cast<uchar>(profile & 0xFF));
}
