// The program as `cmake --install` lays it into a prefix, started the way a
// user starts it: as an unprivileged user with a home of its own, on an X
// server, the emulated mouse behind it. Where its files land, what a start
// leaves in the user's folder and nowhere else, and how it ends. (What an
// upgrade keeps of the user's folder is tst_user_folder's.)

#include <QSettings>
#include <QtTest>

#include "guarded_test_case.h"
#include "separate_program.h"
#include "settings_folder.h"

namespace {

const QString kAppId = QStringLiteral("org.q4config.configurator");

// The home and runtime folders of one user of the installed program.
struct UserPlace {
    std::optional<Account> account;
    QString home;
    QString runtime;

    QString config(const QString& relative) const { return home + "/.config/q4config/" + relative; }
    QString stage() const {
        return QSettings(config("modules/setting/p1.bin"), QSettings::IniFormat)
            .value("sensor/stage_Q4")
            .toString();
    }
};

bool isRealMousePlugged() {
    return !QDir("/sys/bus/hid/devices").entryList({"*:04D9:6C2E.*"}).isEmpty();
}

}  // namespace

class TestInstalledProgram : public GuardedTestCase {
    Q_OBJECT

    QTemporaryDir base;
    VirtualDisplay display;
    int placeCount = 0;

    QString prefix(const QString& relative = QString()) const {
        return base.path() + "/prefix" + (relative.isEmpty() ? "" : "/" + relative);
    }
    QString program() const { return prefix("bin/q4config"); }

    // A fresh home and runtime folder for the account.
    UserPlace placeFor(const std::optional<Account>& account) {
        const QString root = base.path() + "/user" + QString::number(++placeCount);
        UserPlace place{account, root + "/home", root + "/runtime"};
        bool isGiven = giveFolderTo(root, std::nullopt, true) &&
                       giveFolderTo(place.home, account) && giveFolderTo(place.runtime, account);
        if (!isGiven) qWarning("Cannot give %s to the test user", qPrintable(root));
        return place;
    }

    QProcessEnvironment environmentFor(const UserPlace& place,
                                       const QString& script = QString()) const {
        QProcessEnvironment environment;
        environment.insert("PATH", "/usr/bin:/bin");
        environment.insert("HOME", place.home);
        environment.insert("XDG_RUNTIME_DIR", place.runtime);
        environment.insert("DISPLAY", display.name());
        environment.insert("LANG", "C.UTF-8");
        environment.insert("QT_LOGGING_RULES", "q4.*=true");
        const QString mediaBackend = qEnvironmentVariable("QT_MEDIA_BACKEND");
        if (!mediaBackend.isEmpty()) environment.insert("QT_MEDIA_BACKEND", mediaBackend);
        if (!script.isEmpty()) environment.insert("Q4CONFIG_SCRIPT", writeScript(place, script));
        return environment;
    }

    QString writeScript(const UserPlace& place, const QString& script) const {
        const QString path = place.runtime + "/script";
        writeFile(path, script.toUtf8());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther | QFile::WriteOwner);
        return path;
    }

    // Runs the installed program on the emulated mouse with the script and
    // checks it showed its window (a run that never shows it ends non-zero),
    // closed normally and logged no QML warning.
    bool runScript(const UserPlace& place, const QString& script) {
        const ProgramOutcome outcome =
            runProgram(program(), {"--emulated"}, environmentFor(place, script), place.account);
        const QStringList warnings = qmlWarningsIn(outcome.errorOutput);
        if (outcome.exitCode == 0 && outcome.hasEnded && !outcome.hasCrashed && warnings.isEmpty())
            return true;
        qWarning("exit %d, ended %d:\n%s", outcome.exitCode, int(outcome.hasEnded),
                 qPrintable(outcome.errorOutput));
        return false;
    }

private slots:
    void initTestCase() {
        QVERIFY(base.isValid());
        QVERIFY(giveFolderTo(base.path(), std::nullopt, true));
        QProcess install;
        // Everything is in the one unnamed component; naming it keeps the
        // build's own install_manifest.txt (the README's uninstall list).
        install.start(CMAKE_COMMAND, {"--install", Q4_BUILD_FOLDER, "--prefix", prefix(),
                                      "--component", "Unspecified"});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        if (!display.start()) QSKIP("Xvfb is not installed (tools/test installs it)");
    }

    void filesLandWhereLinuxExpects_data() {
        QTest::addColumn<QString>("path");
        // One file of each kind the install rules place; the desktop entry
        // and the metainfo are validated below.
        const QStringList paths = {"bin/q4config",
                                   "share/q4config/modules/setting/apConfigD.bin",
                                   "share/q4config/modules/img/skin2",
                                   "share/q4config/modules/media/00.mp3",
                                   "lib/udev/rules.d/70-q4-mouse.rules",
                                   "share/icons/hicolor/48x48/apps/" + kAppId + ".png",
                                   "share/man/man1/q4config.1.gz"};
        for (const QString& path : paths) QTest::newRow(qPrintable(path)) << path;
    }

    void filesLandWhereLinuxExpects() {
        QFETCH(QString, path);
        QVERIFY(QFileInfo::exists(prefix(path)));
        // Nothing of the old self-contained folder.
        QVERIFY(!QFileInfo::exists(prefix("q4config")));
    }

    void desktopFilesValidate_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry")
            << "desktop-file-validate"
            << QStringList{prefix("share/applications/" + kAppId + ".desktop")};
        QTest::newRow("AppStream")
            << "appstreamcli"
            << QStringList{"validate", "--no-net", "--pedantic",
                           prefix("share/metainfo/" + kAppId + ".metainfo.xml")};
    }

    void desktopFilesValidate() {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP("the validator is not installed (tools/test installs it)");
        QProcess validator;
        validator.start(tool, arguments);
        QVERIFY(validator.waitForFinished(60000));
        const QByteArray output =
            validator.readAllStandardOutput() + validator.readAllStandardError();
        QVERIFY2(validator.exitCode() == 0, output.constData());
        QVERIFY2(!output.contains("warning") && !output.contains("pedantic:"), output.constData());
    }

    // A changed setting lands in the user's ~/.config/q4config and nowhere
    // under the prefix; a second user keeps files of their own.
    void settingsLiveWithTheUser() {
        const std::optional<Account> first = Account::unprivileged("q4config-test1");
        QVERIFY(first);
        const QMap<QString, QByteArray> prefixBefore = snapshotFolder(prefix());
        const UserPlace place = placeFor(first);
        QVERIFY(runScript(place, "ui_View.ui_0BH_SetCurrentDPIStage(3)\nui_Ctl.onMinimize()\n"));
        QCOMPARE(place.stage(), QString("3"));
        QCOMPARE(QFileInfo(place.config("modules/img")).symLinkTarget(),
                 QFileInfo(prefix("share/q4config/modules/img")).canonicalFilePath());
        QVERIFY(snapshotFolder(prefix()) == prefixBefore);

        if (!Account::isRoot()) QSKIP("a second user needs root to be made");
        const std::optional<Account> second = Account::unprivileged("q4config-test2");
        QVERIFY(second);
        const UserPlace other = placeFor(second);
        QVERIFY(runScript(other, "ui_View.ui_0BH_SetCurrentDPIStage(5)\nui_Ctl.onMinimize()\n"));
        QCOMPARE(other.stage(), QString("5"));
        QCOMPARE(place.stage(), QString("3"));
        QVERIFY(snapshotFolder(prefix()) == prefixBefore);
    }

    // Exit codes: zero after a normal close and for the answers; not zero
    // whenever the window was never shown.
    void exitCodes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("hasDisplay");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("--help, no display") << QStringList{"--help"} << false << 0 << "--emulated";
        QTest::newRow("--version") << QStringList{"--version"} << true << 0 << "q4config 0.1";
        QTest::newRow("unknown option") << QStringList{"--fast"} << true << 2 << "Unknown option";
        QTest::newRow("no display") << QStringList{"--emulated"} << false << 3 << "no display";
    }

    void exitCodes() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, hasDisplay);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const UserPlace place = placeFor(Account::unprivileged("q4config-test1"));
        QProcessEnvironment environment = environmentFor(place);
        if (!hasDisplay) environment.remove("DISPLAY");
        const ProgramOutcome outcome = runProgram(program(), arguments, environment, place.account);
        QVERIFY(outcome.hasEnded);
        QVERIFY2(!outcome.hasCrashed, qPrintable(outcome.errorOutput));
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY2((outcome.standardOutput + outcome.errorOutput).contains(output),
                 qPrintable(outcome.errorOutput));
    }

    // No mouse: the "Can not detect" box (closed here by SIGTERM, as a
    // session manager would) and a non-zero end.
    void noDeviceEndsNonZero() {
        if (isRealMousePlugged()) QSKIP("a Q4 mouse is plugged into this machine");
        const UserPlace place = placeFor(Account::unprivileged("q4config-test1"));
        SeparateProgram run(program(), {}, environmentFor(place), place.account);
        QVERIFY(run.start());
        QVERIFY(run.waitForErrorOutput("Q4 Gaming Mouse is not connected", 30000));
        run.terminate();
        const ProgramOutcome outcome = run.finish();
        QVERIFY(outcome.hasEnded && !outcome.hasCrashed);
        QCOMPARE(outcome.exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestInstalledProgram)
#include "tst_installed_program.moc"
