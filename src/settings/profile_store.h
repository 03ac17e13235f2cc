#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class QWidget;
class SettingsFile;

// The ten profiles "p1.bin" to "p10.bin" (positions 0 to 9) in the settings
// folder, and the default profile "pD.bin" they are reset from and the pages
// take their factory values from. Every file is INI text whatever its suffix.
//
// The store holds one settings object per profile and the index of the
// current one. The device wrappers write into current() and read from it;
// their keys are the profile's ("sensor/stage_Q4", "keydefine_Q4/3", ...).
// Writes reach a file at the next pass of the event loop; one that fails is
// logged, and the profile then reads as the file still holds it.
//
// Whole-profile operations (export, import, reset) copy files. Import and
// reset never leave a profile half-copied: the new content is written beside
// the profile first and takes its place only when complete, so a failed copy
// keeps the old profile and its settings object.
//
// The current index starts at 0 on every start and is never stored. The
// store knows no device: telling the keyboard about a switch is the
// caller's business (the mouse is not told; its pages just read the newly
// current profile).
//
// Threads: owned and used by the GUI thread only.
class ProfileStore {
public:
    static constexpr int kProfileCount = 10;

    // Factory values the sensor page falls back to when the default profile
    // lacks a key.
    static constexpr int kDefaultReportRate = 2;
    static constexpr int kDefaultCursorSpeed = 5;
    static constexpr int kDefaultScrollLines = 2;
    static constexpr int kDefaultDoubleClickSpeed = 5;
    static constexpr int kDefaultDpiStage = 2;

    explicit ProfileStore(const QString& folder = QStringLiteral("./modules/setting"));
    ~ProfileStore();
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    // The settings object of the current profile. Import and reset replace
    // objects, so callers must not keep it.
    SettingsFile* current() const { return profiles.at(currentIndex); }
    int currentProfile() const { return currentIndex; }
    // The settings object at a position; null outside 0 to 9.
    SettingsFile* profile(int index) const;
    // "<folder>/p<index + 1>.bin" and "<folder>/pD.bin".
    QString profilePath(int index) const;
    QString defaultProfilePath() const;

    // Export: copies profile 0 to 9 byte for byte to a file the user names
    // ("Profile(*.pf)"), replacing a file of that name. False when cancelled
    // or the copy failed.
    bool saveProfile(int profile, QWidget* parent);
    // Import: a file the user picks becomes profile 0 to 9, unchecked. False
    // when cancelled or the copy failed (the profile is then unchanged).
    bool loadProfile(int profile, QWidget* parent);
    // Profile 0 to 9 becomes a copy of the default profile. False when that
    // copy failed (the profile is then unchanged).
    bool resetProfile(int profile);
    // The default profile's values for one page, at fixed positions:
    //   page 0, key definition: the 4 entries of each of keydefine_Q4/0..15;
    //   page 2, colour: the 24 of color_Q4/type0, then the 3 of ledEffect;
    //   page 3, sensor: report rate, cursor speed, scroll lines, double-click
    //           speed (ints), the 8 of sensor/dpi_Q4, the stage (int), the 24
    //           of color_Q4/type1 and the 8 of color_Q4/type2.
    // List entries are text; an absent list contributes nothing (the later
    // positions shift). Any other page: empty.
    QVariantList loadDefaultProfile(uchar uiPageId) const;
    // Makes profile 0 to 9 current. Nothing happens for the current index or
    // one outside 0 to 9; true when the current profile changed.
    bool ui_02H_SetCurrentProfile(int profile);

private:
    bool isValid(int profile) const { return profile >= 0 && profile < kProfileCount; }
    // Import and reset: the profile's file becomes a copy of source.
    bool replaceProfile(int profile, const QString& source);

    QString folder;
    QList<SettingsFile*> profiles;  // owned; replaced ones go with deleteLater
    int currentIndex = 0;
};
