#include "settings/application_config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "common/prompt.h"
#include "common/translation.h"
#include "settings/atomic_file.h"
#include "settings/settings_file.h"

namespace {

const QString kTotalKey = QStringLiteral("common/total");
const QString kEntryPrefix = QStringLiteral("common/");

}  // namespace

ApplicationConfig::ApplicationConfig(const QString& path, const QString& factory,
                                     const QString& images)
    : configPath(path), factoryPath(factory), imageFolder(images), config(new SettingsFile(path)) {}

ApplicationConfig::~ApplicationConfig() {
    delete config;
}

void ApplicationConfig::saveApConfig(const QVariantList& apConfigs) {
    config->setValue(kTotalKey, int(apConfigs.size()));
    for (int index = 0; index < apConfigs.size(); ++index)
        config->setValue(kEntryPrefix + QString::number(index), apConfigs.at(index));
}

QVariantList ApplicationConfig::loadApConfig() const {
    QVariantList entries;
    const int total = qMin(config->value(kTotalKey, 0).toInt(), kMaxEntries);
    for (int index = 0; index < total; ++index)
        entries.append(config->value(kEntryPrefix + QString::number(index), 0));
    return entries;
}

QVariantList ApplicationConfig::loadDeviceApConfig() const {
    return {config->value("Q4/colorMaxStage", kDefaultColorStages).toInt()};
}

bool ApplicationConfig::resetApconfig() {
    // Whatever the old object still holds goes to the old file first, and
    // nothing it is told afterwards may reach the restored file.
    config->sync();
    config->close();
    bool isRestored = false;
    if (QFile::exists(factoryPath)) {
        // Copied beside the file first: a copy that fails half-way keeps the
        // old configuration with its title, product names and codes.
        isRestored = replaceFileWithCopy(factoryPath, configPath);
    } else {
        // No factory file: the configuration goes, and the pages fall back
        // to their built-in defaults.
        QFile::remove(configPath);
    }
    config->deleteLater();
    config = new SettingsFile(configPath);
    return isRestored;
}

bool ApplicationConfig::getIsSkinShow() const {
    const QStringList skins = QDir(imageFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return skins.size() >= 2;
}

QString ApplicationConfig::getCustomFilePath(QWidget* parent, const QStringList& msgStrings) const {
    const QString path =
        prompt().openFileName(parent, translated("Open File"),
                              QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                              translated("Image Files(*.png)"));
    if (path.isEmpty()) return {};

    QFile picture(path);
    if (picture.open(QIODevice::ReadOnly)) {
        picture.close();
        return path;
    }
    // Before any language is loaded the message texts are missing; the box
    // then shows the path alone.
    prompt().warning(translated("%1").arg(msgStrings.value(2)),
                     QStringLiteral("%1%2").arg(msgStrings.value(3), path));
    return {};
}

QString ApplicationConfig::windowTitle() const {
    return config->value("common/name", QString()).toString();
}
