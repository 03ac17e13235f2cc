// What decides how a start goes before the window exists: the command line
// with its environment variables, and the one-copy-per-user lock.

#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include "app/command_line.h"
#include "app/single_instance.h"
#include "guarded_test_case.h"
#include "settings_folder.h"

namespace {

QProcessEnvironment environmentOf(const QStringList& assignments) {
    QProcessEnvironment environment;
    for (const QString& assignment : assignments)
        environment.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    return environment;
}

// A first copy on a thread of its own, so its socket is served while the
// test's thread plays the second start.
struct FirstCopy {
    explicit FirstCopy(const QString& folder) : instance(new SingleInstance(folder)) {
        instance->moveToThread(&thread);
        thread.start();
    }
    // Its thread has ended, so nothing else touches the object any more.
    ~FirstCopy() {
        thread.quit();
        thread.wait();
        delete instance;
    }
    SingleInstance::Claim claim() {
        SingleInstance::Claim result = SingleInstance::Claim::OtherSilent;
        QMetaObject::invokeMethod(
            instance, [this] { return instance->claim(); }, Qt::BlockingQueuedConnection, &result);
        return result;
    }

    QThread thread;
    SingleInstance* instance;
};

}  // namespace

class TestStartOptions : public GuardedTestCase {
    Q_OBJECT

private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<bool>("isValid");
        QTest::addColumn<bool>("isEmulated");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing") << QStringList{} << QStringList{} << true << false << ""
                                 << "";
        QTest::newRow("--emulated")
            << QStringList{"--emulated"} << QStringList{} << true << true << ""
            << "";
        QTest::newRow("the variable")
            << QStringList{} << QStringList{"Q4CONFIG_DEVICE=emulated"} << true << true << ""
            << "";
        QTest::newRow("--trace FILE") << QStringList{"--emulated", "--trace", "/tmp/t"}
                                      << QStringList{} << true << true << "/tmp/t"
                                      << "";
        QTest::newRow("the option wins over the variable")
            << QStringList{"--trace", "/tmp/option"}
            << QStringList{"Q4CONFIG_EMULATOR_TRACE=/tmp/variable"} << true << false
            << "/tmp/option"
            << "";
        QTest::newRow("--trace without a file")
            << QStringList{"--trace"} << QStringList{} << false << false << ""
            << "Missing value";
        QTest::newRow("a stray argument")
            << QStringList{"mouse"} << QStringList{} << false << false << ""
            << "unexpected argument 'mouse'";
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(bool, isValid);
        QFETCH(bool, isEmulated);
        QFETCH(QString, trace);
        QFETCH(QString, error);
        const CommandLine commandLine(QStringList{"q4config"} + arguments,
                                      environmentOf(environment));
        QCOMPARE(commandLine.isValid(), isValid);
        if (!isValid) {
            QVERIFY2(commandLine.errorText().contains(error), qPrintable(commandLine.errorText()));
            QVERIFY(commandLine.errorText().contains("--help"));
            return;
        }
        QCOMPARE(commandLine.deviceChoice().isEmulated, isEmulated);
        QCOMPARE(commandLine.deviceChoice().tracePath, trace);
    }

    // --renderer and Q4CONFIG_RENDERER: the option wins and must name one of
    // the three; the variable is passed on as written, for the renderer
    // choice to warn about.
    void rendererRequest_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("name");  // "!" for arguments refused
        QTest::addColumn<QString>("origin");
        QTest::newRow("the option")
            << QStringList{"--renderer", "software"} << QStringList{} << "software"
            << "--renderer";
        QTest::newRow("the option wins") << QStringList{"--renderer", "auto"}
                                         << QStringList{"Q4CONFIG_RENDERER=opengl"} << "auto"
                                         << "--renderer";
        QTest::newRow("an unknown variable is passed on")
            << QStringList{} << QStringList{"Q4CONFIG_RENDERER=vulkan"} << "vulkan"
            << "Q4CONFIG_RENDERER";
        QTest::newRow("an unknown option is refused")
            << QStringList{"--renderer", "vulkan"} << QStringList{} << "!"
            << "";
        QTest::newRow("no name is refused") << QStringList{"--renderer"} << QStringList{} << "!"
                                            << "";
    }
    void rendererRequest() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, name);
        QFETCH(QString, origin);
        const CommandLine commandLine(QStringList{"q4config"} + arguments,
                                      environmentOf(environment));
        QCOMPARE(commandLine.isValid(), name != "!");
        if (!commandLine.isValid()) {
            QVERIFY2(commandLine.errorText().contains("--help"),
                     qPrintable(commandLine.errorText()));
            return;
        }
        QCOMPARE(commandLine.rendererRequest().name, name);
        QCOMPARE(commandLine.rendererRequest().origin, origin);
    }

    // The first claim takes the lock; a second one, while the first copy
    // serves its socket, asks it for the window and is told it was raised.
    void aSecondStartRaisesTheFirst() {
        SettingsFolder folder;
        FirstCopy first(folder.path());
        QCOMPARE(first.claim(), SingleInstance::Claim::First);
        QSignalSpy raised(first.instance, &SingleInstance::raiseRequested);

        SingleInstance second(folder.path());
        QCOMPARE(second.claim(), SingleInstance::Claim::RaisedOther);
        QTRY_COMPARE(raised.count(), 1);
        QCOMPARE(second.claimOrExitCode(), std::optional<int>(0));
        QTRY_COMPARE(raised.count(), 2);
    }

    // A copy that holds the lock but never answers makes the second start
    // give up with its own exit code, after the bounded wait.
    void aFirstCopyThatDoesNotAnswer() {
        SettingsFolder folder;
        SingleInstance first(folder.path());
        QCOMPARE(first.claim(), SingleInstance::Claim::First);
        // Served by this thread, which the second start keeps busy.
        SingleInstance second(folder.path());
        second.setAnswerWait(300);
        QCOMPARE(second.claimOrExitCode(), std::optional<int>(4));
    }

    // A lock whose owner has ended (normally or not) is free again, and so
    // is the socket name it left behind.
    void anEndedCopyLeavesNothingInTheWay() {
        SettingsFolder folder;
        {
            SingleInstance first(folder.path());
            QCOMPARE(first.claim(), SingleInstance::Claim::First);
        }
        SingleInstance again(folder.path());
        QCOMPARE(again.claim(), SingleInstance::Claim::First);

        // What a copy killed with SIGKILL leaves: a lock naming a process
        // that is gone, and a socket file nobody listens on.
        SettingsFolder other;
        QByteArray lockText;
        {
            QLockFile lock(other.path("q4config.lock"));
            QVERIFY(lock.tryLock(0));
            lockText = readFile(other.path("q4config.lock"));
        }
        QProcess ended;
        ended.start("sleep", {"0.1"});
        QVERIFY(ended.waitForStarted(10000));
        const qint64 endedProcess = ended.processId();
        QVERIFY(ended.waitForFinished(10000));
        lockText.replace(0, lockText.indexOf('\n'), QByteArray::number(endedProcess));
        writeFile(other.path("q4config.lock"), lockText);
        writeFile(other.path("q4config.socket"), "");
        SingleInstance afterCrash(other.path());
        QCOMPARE(afterCrash.claim(), SingleInstance::Claim::First);
    }
};

QTEST_GUILESS_MAIN(TestStartOptions)
#include "tst_start_options.moc"
