#include "app/user_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>

#include "common/logging.h"
#include "app/exit_codes.h"
#include "app/first_start.h"
#include "common/prompt.h"

namespace {

const QString kModules = QStringLiteral("modules");
const QString kSettingFolder = QStringLiteral("setting");
const QString kMacroFolder = QStringLiteral("macro");
const QString kConfigurationFile = QStringLiteral("apConfig.bin");

QString pathIn(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name);
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

QSet<QString> readLines(const QString& path) {
    QFile file(path);
    QSet<QString> lines;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty()) lines.insert(QString::fromUtf8(line));
    return lines;
}

bool writeLines(const QString& path, QStringList lines) {
    lines.sort();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    for (const QString& line : lines) file.write(line.toUtf8() + '\n');
    return file.commit();
}

}  // namespace

UserFolder::UserFolder(const QString& sharedModules, const QString& userFolder)
    : shared(QFileInfo(sharedModules).canonicalFilePath()), folder(userFolder) {}

const QSet<QString>& UserFolder::factoryCopies() {
    static const QSet<QString> names = {QStringLiteral("apConfigD.bin"), QStringLiteral("pD.bin")};
    return names;
}

bool UserFolder::prepare() {
    if (shared.isEmpty()) return fail(QStringLiteral("the shipped files are missing"));
    const QString modules = pathIn(folder, kModules);
    if (!QDir().mkpath(modules)) return fail(QStringLiteral("cannot create %1").arg(modules));
    const QFileInfoList entries =
        QDir(shared).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        const QString own = pathIn(modules, name);
        bool isReady = false;
        if (name == kSettingFolder)
            isReady = prepareSettings(entry.filePath(), own);
        else if (name == kMacroFolder)
            isReady = prepareMacros(entry.filePath(), own);
        else
            isReady = link(entry.filePath(), own);
        if (!isReady) return false;
    }
    return true;
}

bool UserFolder::prepareSettings(const QString& sharedFolder, const QString& userFolder) {
    if (!QDir().mkpath(userFolder)) return fail(QStringLiteral("cannot create %1").arg(userFolder));
    isNewConfiguration = !QFileInfo::exists(pathIn(userFolder, kConfigurationFile));
    for (const QString& name : filesIn(sharedFolder)) {
        const QString source = pathIn(sharedFolder, name);
        const QString own = pathIn(userFolder, name);
        if (!(factoryCopies().contains(name) ? link(source, own) : copyIfMissing(source, own)))
            return false;
    }
    return true;
}

// The examples are the user's to delete: the record keeps one that was given
// once from coming back with the next start.
bool UserFolder::prepareMacros(const QString& sharedFolder, const QString& userFolder) {
    if (!QDir().mkpath(userFolder)) return fail(QStringLiteral("cannot create %1").arg(userFolder));
    const QString recordPath = pathIn(folder, kGivenExamplesFile);
    QSet<QString> given = readLines(recordPath);
    const qsizetype countBefore = given.size();
    for (const QString& name : filesIn(sharedFolder)) {
        if (given.contains(name)) continue;
        if (!copyIfMissing(pathIn(sharedFolder, name), pathIn(userFolder, name))) return false;
        given.insert(name);
    }
    if (given.size() != countBefore && !writeLines(recordPath, given.values()))
        return fail(QStringLiteral("cannot write %1").arg(recordPath));
    return true;
}

bool UserFolder::link(const QString& target, const QString& linkPath) {
    const QFileInfo present(linkPath);
    if (present.isSymLink()) {
        if (present.symLinkTarget() == target) return true;
        // Left by an installation elsewhere, or dangling.
        QFile::remove(linkPath);
    } else if (present.exists()) {
        qCInfo(lcApp, "%s is the user's own; the shipped %s stays unused", qUtf8Printable(linkPath),
               qUtf8Printable(target));
        return true;
    }
    if (!QFile::link(target, linkPath))
        return fail(QStringLiteral("cannot link %1 to %2").arg(linkPath, target));
    return true;
}

bool UserFolder::copyIfMissing(const QString& source, const QString& destination) {
    const QFileInfo present(destination);
    if (present.exists() || present.isSymLink()) return true;
    if (!QFile::copy(source, destination))
        return fail(QStringLiteral("cannot copy %1 to %2").arg(source, destination));
    // A copy takes the shipped file's permissions; the user's copy must be
    // writable whatever those are.
    QFile::setPermissions(destination,
                          QFile::permissions(destination) | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

bool UserFolder::fail(const QString& reason) {
    error = reason;
    return false;
}

std::optional<ProgramFiles> locateProgramFiles(const QString& executableFolder,
                                               const QString& configHome) {
    if (QFileInfo(pathIn(executableFolder, kModules)).isDir())
        return ProgramFiles{executableFolder, QString()};
    const QString userFolder = pathIn(configHome, QStringLiteral("q4config"));
    const QString besideBinaries = QDir::cleanPath(
        pathIn(executableFolder, QStringLiteral(Q4CONFIG_DATA_FROM_BINARIES "/") + kModules));
    if (QFileInfo(besideBinaries).isDir()) return ProgramFiles{userFolder, besideBinaries};
    const QString shared =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                               QStringLiteral("q4config/modules"), QStandardPaths::LocateDirectory);
    if (!shared.isEmpty()) return ProgramFiles{userFolder, shared};
    return std::nullopt;
}

namespace {

// Empty when the working directory is ready and entered, else the reason.
QString prepareWorkingFolder(const std::optional<ProgramFiles>& files) {
    if (!files)
        return QStringLiteral("The program's files were not found beside %1.")
            .arg(QCoreApplication::applicationFilePath());
    const QString cannotEnter = QStringLiteral("Cannot enter %1.").arg(files->workingFolder);
    if (files->sharedModules.isEmpty())
        return QDir::setCurrent(files->workingFolder) ? QString() : cannotEnter;
    UserFolder user(files->sharedModules, files->workingFolder);
    if (!user.prepare())
        return QStringLiteral("Your settings folder %1 could not be prepared: %2.")
            .arg(files->workingFolder, user.errorText());
    if (!QDir::setCurrent(files->workingFolder)) return cannotEnter;
    if (user.isConfigurationNew()) chooseDesktopLanguage(desktopLocale());
    return QString();
}

}  // namespace

std::optional<int> enterWorkingFolder() {
    const QString problem = prepareWorkingFolder(locateProgramFiles(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    if (problem.isEmpty()) return std::nullopt;
    qCCritical(lcApp, "%s", qUtf8Printable(problem));
    prompt().warning(QCoreApplication::applicationName(), problem);
    return kExitNoFiles;
}

void setProgramIcon() {
    QIcon icon;
    for (const char* size : {"48", "128"})
        icon.addFile(QStringLiteral("./modules/icons/q4config-%1.png").arg(QLatin1String(size)));
    QGuiApplication::setWindowIcon(icon);
}
