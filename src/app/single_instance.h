#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <optional>

class QWidget;

// One running program per user: two copies must never talk to the mouse at
// once. The first start takes a lock file in the user's runtime folder
// ($XDG_RUNTIME_DIR) and listens on a local socket beside it; a second start
// finds the lock taken, asks the first through the socket to bring its
// window to the front, and ends. A lock left by a program that died is taken
// over (the lock names its process).
//
// Threads: GUI thread; the socket is served by its event loop.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Claim { First, RaisedOther, OtherSilent };

    // folder: where the lock and the socket live; empty takes the user's
    // runtime folder.
    explicit SingleInstance(const QString& folder = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock, or asks the copy that holds it to come to the front.
    Claim claim();
    // The claim as the program's answer: empty for the first copy, else the
    // exit code (the second start has said why on its error output).
    std::optional<int> claimOrExitCode();
    // The window the requests of later starts bring to the front.
    void raiseOnRequest(QWidget* window);

    // How long a later start waits for the first to answer.
    static constexpr int kAnswerWaitMs = 5000;
    void setAnswerWait(int milliseconds) { answerWaitMs = milliseconds; }

signals:
    void raiseRequested();

private:
    void serve();
    bool askToRaise();

    QString lockPath;
    QString socketPath;
    QLockFile lock;
    QLocalServer server;
    int answerWaitMs = kAnswerWaitMs;
};
