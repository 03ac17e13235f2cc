#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Helpers for the tests that run the built or installed program as a
// separate process, as a user would start it.

// An X server of the test's own (Xvfb) that every local user may draw on.
class VirtualDisplay {
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // False when Xvfb is missing or did not come up.
    bool start();
    // ":N"
    QString name() const { return displayName; }

private:
    QProcess server;
    QString displayName;
};

// The account a program runs as. Root makes (once) a system account of the
// given name; anyone else runs the program as themselves.
struct Account {
    QString name;
    uint uid = 0;
    uint gid = 0;
    bool isSelf = true;

    // Empty when the account is not there and cannot be made.
    static std::optional<Account> unprivileged(const QString& name);
    static bool isRoot();
};

// What a finished run left.
struct ProgramOutcome {
    int exitCode = -1;
    bool hasEnded = false;    // false: killed at the time limit
    bool hasCrashed = false;  // ended by a signal
    QString errorOutput;
    QString standardOutput;
};

// One run of a program in a separate process, as the given account, with
// exactly the given environment.
class SeparateProgram {
public:
    SeparateProgram(const QString& program, const QStringList& arguments,
                    const QProcessEnvironment& environment,
                    const std::optional<Account>& account = std::nullopt);
    ~SeparateProgram();

    bool start();
    // Waits until the error output holds the text.
    bool waitForErrorOutput(const QString& text, int timeoutMilliseconds);
    // SIGTERM, as a session manager or kill(1) sends it.
    void terminate();
    ProgramOutcome finish(int timeoutMilliseconds = 60000);

private:
    QProcess process;
    QString errorText;
    QString outputText;
};

// Runs a program and waits for it; the outcome.
ProgramOutcome runProgram(const QString& program, const QStringList& arguments,
                          const QProcessEnvironment& environment,
                          const std::optional<Account>& account = std::nullopt,
                          int timeoutMilliseconds = 60000);

// A folder the account may use (owned by it, mode 0700 unless shared).
bool giveFolderTo(const QString& folder, const std::optional<Account>& account,
                  bool isShared = false);

// The error output's lines that are QML warnings.
QStringList qmlWarningsIn(const QString& errorOutput);
