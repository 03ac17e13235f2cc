#include "separate_program.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <csignal>

#include "guarded_test_case.h"

VirtualDisplay::~VirtualDisplay() {
    if (server.state() == QProcess::NotRunning) return;
    server.terminate();
    if (!server.waitForFinished(5000)) server.kill();
    server.waitForFinished(5000);
}

// Xvfb picks a free display itself and writes its number on the given
// descriptor once it accepts connections.
bool VirtualDisplay::start() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) return false;
    server.setProcessChannelMode(QProcess::SeparateChannels);
    server.start(xvfb,
                 {"-displayfd", "1", "-ac", "-nolisten", "tcp", "-screen", "0", "1280x800x24"});
    if (!server.waitForStarted(10000)) return false;
    const QDeadlineTimer deadline(20000);
    QByteArray number;
    while (!number.endsWith('\n') && !deadline.hasExpired() &&
           server.state() == QProcess::Running) {
        server.waitForReadyRead(int(deadline.remainingTime()));
        number += server.readAllStandardOutput();
    }
    number = number.trimmed();
    if (number.isEmpty()) return false;
    displayName = ":" + QString::fromLatin1(number);
    return true;
}

bool Account::isRoot() {
    return ::geteuid() == 0;
}

std::optional<Account> Account::unprivileged(const QString& name) {
    if (!isRoot()) {
        const passwd* self = ::getpwuid(::geteuid());
        if (!self) return std::nullopt;
        return Account{QString::fromLocal8Bit(self->pw_name), self->pw_uid, self->pw_gid, true};
    }
    const QByteArray login = name.toLocal8Bit();
    if (!::getpwnam(login.constData())) {
        QProcess useradd;
        useradd.start("useradd", {"--system", "--no-create-home", "--home-dir", "/nonexistent",
                                  "--shell", "/usr/sbin/nologin", name});
        if (!useradd.waitForFinished(30000) || useradd.exitCode() != 0) return std::nullopt;
    }
    const passwd* entry = ::getpwnam(login.constData());
    if (!entry) return std::nullopt;
    return Account{name, entry->pw_uid, entry->pw_gid, false};
}

SeparateProgram::SeparateProgram(const QString& program, const QStringList& arguments,
                                 const QProcessEnvironment& environment,
                                 const std::optional<Account>& account) {
    process.setProcessEnvironment(environment);
    process.setProgram(program);
    process.setArguments(arguments);
    if (account && !account->isSelf) {
        // setpriv replaces itself with the program, so a signal sent to the
        // process reaches the program.
        process.setProgram(QStringLiteral("setpriv"));
        process.setArguments(QStringList{"--reuid", QString::number(account->uid), "--regid",
                                         QString::number(account->gid), "--clear-groups", "--",
                                         program} +
                             arguments);
    }
}

SeparateProgram::~SeparateProgram() {
    if (process.state() == QProcess::NotRunning) return;
    process.kill();
    process.waitForFinished(5000);
}

bool SeparateProgram::start() {
    process.start();
    return process.waitForStarted(10000);
}

bool SeparateProgram::waitForErrorOutput(const QString& text, int timeoutMilliseconds) {
    const QDeadlineTimer deadline(timeoutMilliseconds);
    while (!errorText.contains(text)) {
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning) return false;
        process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 200)));
        errorText += QString::fromLocal8Bit(process.readAllStandardError());
        outputText += QString::fromLocal8Bit(process.readAllStandardOutput());
    }
    return true;
}

void SeparateProgram::terminate() {
    if (process.state() != QProcess::NotRunning) ::kill(pid_t(process.processId()), SIGTERM);
}

ProgramOutcome SeparateProgram::finish(int timeoutMilliseconds) {
    ProgramOutcome outcome;
    outcome.hasEnded = process.waitForFinished(timeoutMilliseconds);
    if (!outcome.hasEnded) {
        process.kill();
        process.waitForFinished(5000);
    }
    errorText += QString::fromLocal8Bit(process.readAllStandardError());
    outputText += QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome.hasCrashed = process.exitStatus() == QProcess::CrashExit;
    outcome.exitCode = process.exitCode();
    outcome.errorOutput = errorText;
    outcome.standardOutput = outputText;
    return outcome;
}

ProgramOutcome runProgram(const QString& program, const QStringList& arguments,
                          const QProcessEnvironment& environment,
                          const std::optional<Account>& account, int timeoutMilliseconds) {
    SeparateProgram run(program, arguments, environment, account);
    if (!run.start()) return ProgramOutcome();
    return run.finish(timeoutMilliseconds);
}

bool giveFolderTo(const QString& folder, const std::optional<Account>& account, bool isShared) {
    if (!QDir().mkpath(folder)) return false;
    if (::chmod(QFile::encodeName(folder).constData(), isShared ? 0755 : 0700) != 0) return false;
    if (!account || account->isSelf) return true;
    return ::chown(QFile::encodeName(folder).constData(), account->uid, account->gid) == 0;
}

QStringList qmlWarningsIn(const QString& errorOutput) {
    QStringList warnings;
    for (const QString& line : errorOutput.split('\n'))
        if (qmlWarningPattern().match(line).hasMatch()) warnings.append(line);
    return warnings;
}
