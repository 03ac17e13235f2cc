// The Debian package: built by CPack from the finished build, installed with
// apt-get as a user would, started on the emulated mouse under an X server,
// and removed again. Needs root and must not download anything; where that
// cannot be, it says why and skips.

#include <QRegularExpression>
#include <QtTest>

#include "guarded_test_case.h"
#include "separate_program.h"
#include "settings_folder.h"

namespace {

const QString kPackage = QStringLiteral("q4config");

struct Command {
    int exitCode = -1;
    QString output;
};

Command run(const QString& program, const QStringList& arguments, int timeoutMilliseconds,
            const QString& folder = QString()) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DEBIAN_FRONTEND", "noninteractive");
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMilliseconds)) {
        process.kill();
        process.waitForFinished(5000);
        return Command{-1, "timed out: " + program};
    }
    return Command{process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

bool isInstalled() {
    const Command query = run("dpkg-query", {"-W", "-f=${Status}", kPackage}, 30000);
    return query.exitCode == 0 && query.output.contains("install ok installed");
}

}  // namespace

class TestDebianPackage : public GuardedTestCase {
    Q_OBJECT

    QTemporaryDir folder;
    QString packagePath;
    bool isInstalledHere = false;

private slots:
    void initTestCase() {
        if (!Account::isRoot()) QSKIP("installing a package needs root (CI runs as root)");
        for (const char* tool : {"apt-get", "dpkg-deb", "dpkg-shlibdeps", CPACK_COMMAND})
            if (QStandardPaths::findExecutable(tool).isEmpty() && !QFileInfo(tool).isExecutable())
                QSKIP(
                    qPrintable(QString("%1 is not installed (tools/test installs it)").arg(tool)));
        if (isInstalled())
            QSKIP("q4config is installed on this machine already; the test would replace it");
        QVERIFY(folder.isValid());
        QVERIFY(giveFolderTo(folder.path(), std::nullopt, true));
        const Command cpack = run(CPACK_COMMAND,
                                  {"-G", "DEB", "-B", folder.path(), "--config",
                                   QString(Q4_BUILD_FOLDER) + "/CPackConfig.cmake"},
                                  300000, Q4_BUILD_FOLDER);
        QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output));
        const QStringList packages = QDir(folder.path()).entryList({"q4config_*.deb"});
        QCOMPARE(packages.size(), 1);
        packagePath = QDir(folder.path()).filePath(packages.first());
    }

    void cleanupTestCase() {
        if (isInstalledHere) run("apt-get", {"purge", "-y", kPackage}, 120000);
    }

    // The libraries come from dpkg-shlibdeps; what the program loads at run
    // time must be named by hand.
    void dependencies() {
        const Command fields = run("dpkg-deb", {"--field", packagePath, "Depends"}, 30000);
        QCOMPARE(fields.exitCode, 0);
        for (const char* dependency :
             {"libhidapi-hidraw0", "libudev1", "libqt6quickwidgets6", "libqt6multimedia6",
              "qml6-module-qtquick", "qml6-module-qtqml-workerscript", "gstreamer1.0-plugins-good"})
            QVERIFY2(fields.output.contains(dependency), dependency);
    }

    void contents() {
        const Command listing = run("dpkg-deb", {"--contents", packagePath}, 30000);
        QCOMPARE(listing.exitCode, 0);
        for (const char* path :
             {"./usr/bin/q4config", "./usr/lib/udev/rules.d/70-q4-mouse.rules",
              "./usr/share/applications/org.q4config.configurator.desktop",
              "./usr/share/metainfo/org.q4config.configurator.metainfo.xml",
              "./usr/share/man/man1/q4config.1.gz", "./usr/share/q4config/modules/help/index.html",
              "./usr/share/q4config/modules/setting/pD.bin"})
            QVERIFY2(listing.output.contains(path), path);
    }

    // apt-get resolves the dependencies from what is installed; a package
    // whose dependencies would have to be downloaded is not tried.
    void installsAndStarts() {
        const Command simulation =
            run("apt-get", {"install", "--simulate", "--no-download", packagePath}, 120000);
        const QStringList missing =
            simulation.output.split('\n').filter(QRegularExpression("^Inst (?!q4config )"));
        if (!missing.isEmpty())
            QSKIP(
                qPrintable("the package needs what is not installed and must not be "
                           "downloaded here: " +
                           missing.join("; ")));
        // Nothing else is to be installed, so nothing is fetched (apt's own
        // --no-download refuses a local package).
        const Command install = run("apt-get", {"install", "-y", packagePath}, 300000);
        isInstalledHere = true;
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
        QVERIFY(isInstalled());

        const Command version = run("/usr/bin/q4config", {"--version"}, 30000);
        QCOMPARE(version.output.trimmed(), QString("q4config 0.1"));

        VirtualDisplay display;
        if (!display.start()) QSKIP("Xvfb is not installed (tools/test installs it)");
        const std::optional<Account> account = Account::unprivileged("q4config-test1");
        QVERIFY(account);
        const QString home = folder.path() + "/home";
        const QString runtime = folder.path() + "/runtime";
        QVERIFY(giveFolderTo(home, account) && giveFolderTo(runtime, account));
        QVERIFY(writeFile(runtime + "/script",
                          "ui_View.ui_0BH_SetCurrentDPIStage(6)\n"
                          "ui_Ctl.onMinimize()\n"));
        QProcessEnvironment environment;
        environment.insert("PATH", "/usr/bin:/bin");
        environment.insert("HOME", home);
        environment.insert("XDG_RUNTIME_DIR", runtime);
        environment.insert("DISPLAY", display.name());
        environment.insert("Q4CONFIG_SCRIPT", runtime + "/script");
        // Started by its name, as the desktop entry does.
        const ProgramOutcome outcome = runProgram("q4config", {"--emulated"}, environment, account);
        QVERIFY2(outcome.hasEnded && outcome.exitCode == 0, qPrintable(outcome.errorOutput));
        QVERIFY2(qmlWarningsIn(outcome.errorOutput).isEmpty(), qPrintable(outcome.errorOutput));
        QVERIFY(readFile(home + "/.config/q4config/modules/setting/p1.bin").contains("stage_Q4=6"));
    }
};

QTEST_GUILESS_MAIN(TestDebianPackage)
#include "tst_debian_package.moc"
