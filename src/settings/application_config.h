#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

class QWidget;
class SettingsFile;

// The application's own preferences in "./modules/setting/apConfig.bin", an
// INI file whatever its suffix, with its factory copy "apConfigD.bin" beside
// it.
//
// The preferences are an opaque numbered list: the global-settings page
// decides what each position means (32 entries today), the back end only
// stores it as "common/total" plus "common/0" ... and hands it back. The
// other keys are supplied with the installation and only read: the window
// title "common/name", the colour slot count "Q4/colorMaxStage", and, for
// the device link, "common/product_name" and "common/sCode<device id>".
//
// Values go in as the front end hands them over and come back from the file
// as text. Writes reach the file when the settings object syncs (the next
// pass of the event loop); nothing here forces it. A write that fails is
// logged and leaves the file, and what loadApConfig returns, as they were.
//
// Threads: owned and used by the GUI thread only.
class ApplicationConfig {
public:
    static constexpr int kDefaultColorStages = 8;
    // Upper bound on the entries read back. The page stores 32; a damaged
    // "common/total" must not make a load build billions of entries.
    static constexpr int kMaxEntries = 4096;

    explicit ApplicationConfig(
        const QString& path = QStringLiteral("./modules/setting/apConfig.bin"),
        const QString& factoryPath = QStringLiteral("./modules/setting/apConfigD.bin"),
        const QString& imageFolder = QStringLiteral("./modules/img"));
    ~ApplicationConfig();
    ApplicationConfig(const ApplicationConfig&) = delete;
    ApplicationConfig& operator=(const ApplicationConfig&) = delete;

    // The settings object on the configuration file; replaced by
    // resetApconfig, so callers must not keep it.
    SettingsFile* settings() const { return config; }
    QString path() const { return configPath; }

    // "common/total" = the entry count, then every entry unchanged under
    // "common/<i>". Higher entries of a longer earlier list stay in the file
    // but are no longer returned.
    void saveApConfig(const QVariantList& apConfigs);
    // Entries 0 to total - 1 in order (0 for a missing one), at most
    // kMaxEntries; empty when "common/total" is missing or 0.
    QVariantList loadApConfig() const;
    // One entry: "Q4/colorMaxStage" as int, 8 when absent.
    QVariantList loadDeviceApConfig() const;
    // Replaces the configuration by the factory file and reopens it. Without
    // a factory file the configuration is removed, so the next load is empty.
    // False when the configuration could not be restored from the factory
    // file; the old file is then kept unless the factory file is missing.
    bool resetApconfig();
    // True when the image folder holds at least two folders (the skins);
    // plain files do not count.
    bool getIsSkinShow() const;
    // Asks for a PNG picture for the background. Empty when none was chosen,
    // or when the chosen file cannot be opened: that is reported with a
    // warning whose caption is message 2 and whose text is message 3
    // followed by the path (messages of the active language).
    QString getCustomFilePath(QWidget* parent, const QStringList& msgStrings) const;
    // "common/name", empty when absent. The host reads it once at start-up.
    QString windowTitle() const;

private:
    QString configPath;
    QString factoryPath;
    QString imageFolder;
    SettingsFile* config;  // owned; a replaced one is released with deleteLater
};
