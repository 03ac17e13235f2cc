#pragma once

#include <QSet>
#include <QString>
#include <optional>

// Where the program's files are and which folder it runs in. Every path the
// program uses is relative to its working directory ("./modules/setting/
// p1.bin", "file:modules/img/skin1/..."), so choosing that folder is all
// there is to it.
//
// Run in place (the build tree): the folder "modules" lies beside the
// executable, and the executable's folder is the working directory.
//
// Installed: the executable is in bin/, the shared read-only files in
// share/q4config/modules, and each user's working directory is
// $XDG_CONFIG_HOME/q4config (~/.config/q4config), see UserFolder.
struct ProgramFiles {
    QString workingFolder;
    // The shipped modules folder; empty when running in place.
    QString sharedModules;
};

// The user's files inside the working directory of an installed program:
//   modules/setting/  the configuration and the ten profiles, copied from the
//                     shipped ones when missing; the factory copies
//                     (apConfigD.bin, pD.bin) are links to the shipped files,
//                     so a newer version's factory values reach every user;
//   modules/macro/    the user's macros; each shipped example is copied once
//                     (one the user deleted does not come back);
//   modules/<other>   a link to each other shared folder (languages, sounds,
//                     skins, help page, icons).
// A file of the user's is never overwritten, by a first start or by a start
// after an upgrade. Links left pointing elsewhere (the program was moved to
// another prefix) are renewed; a real folder in a link's place is the user's
// and stays.
//
// Threads: GUI thread, before the window exists.
class UserFolder {
public:
    UserFolder(const QString& sharedModules, const QString& folder);

    // Creates what is missing. False when the folder cannot be made; the
    // reason is in errorText().
    bool prepare();
    // The configuration did not exist before prepare() made it.
    bool isConfigurationNew() const { return isNewConfiguration; }
    QString errorText() const { return error; }

    // The shipped files of setting/ the user never gets a copy of.
    static const QSet<QString>& factoryCopies();
    // The record of the examples already given, in the folder.
    static constexpr const char* kGivenExamplesFile = "given-examples";

private:
    bool prepareSettings(const QString& sharedFolder, const QString& userFolder);
    bool prepareMacros(const QString& sharedFolder, const QString& userFolder);
    bool link(const QString& target, const QString& linkPath);
    bool copyIfMissing(const QString& source, const QString& destination);
    bool fail(const QString& reason);

    QString shared;
    QString folder;
    QString error;
    bool isNewConfiguration = false;
};

// Finds the program's files from the executable's folder: "modules" beside
// it (run in place), else the shared folder relative to it (installed), else
// the shared folder in the XDG data folders. Empty when none is there.
std::optional<ProgramFiles> locateProgramFiles(const QString& executableFolder,
                                               const QString& configHome);

// The whole step at start-up: find the files, prepare an installed user's
// folder (choosing the desktop's language for a new configuration) and make
// the folder the working directory. An exit code when that is impossible;
// the reason has been shown.
std::optional<int> enterWorkingFolder();

// The window icon from the working directory's icons folder (the desktop
// finds the installed one through the desktop entry). GUI thread, after
// enterWorkingFolder.
void setProgramIcon();
