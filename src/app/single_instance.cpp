#include "app/single_instance.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <cstdio>

#include "common/logging.h"
#include "app/exit_codes.h"

namespace {

const QByteArray kRaiseRequest = "raise\n";
const QByteArray kRaisedAnswer = "raised\n";

// The lock and the socket go where the user's session keeps such things;
// without one, the temporary folder holds them under names of the user's
// own (the lock file is made exclusively, so nothing there can be planted).
QString placeOf(const QString& folder, const QString& suffix) {
    if (!folder.isEmpty()) return QDir(folder).filePath("q4config" + suffix);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) return QDir(runtime).filePath("q4config" + suffix);
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("q4config-%1%2").arg(::getuid()).arg(suffix));
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent),
      lockPath(placeOf(folder, QStringLiteral(".lock"))),
      socketPath(placeOf(folder, QStringLiteral(".socket"))),
      lock(lockPath) {
    // Only a dead owner makes the lock stale, never its age: the program
    // runs for hours.
    lock.setStaleLockTime(0);
    // A child, so the server moves with the object to another thread.
    server.setParent(this);
    connect(&server, &QLocalServer::newConnection, this, &SingleInstance::serve);
}

SingleInstance::~SingleInstance() {
    server.close();
}

SingleInstance::Claim SingleInstance::claim() {
    if (lock.tryLock(0)) {
        // A socket file left by a copy that died would refuse the listen.
        QLocalServer::removeServer(socketPath);
        server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!server.listen(socketPath))
            qCWarning(lcApp, "Cannot listen on %s: %s; later starts will not find this one",
                      qUtf8Printable(socketPath), qUtf8Printable(server.errorString()));
        return Claim::First;
    }
    return askToRaise() ? Claim::RaisedOther : Claim::OtherSilent;
}

std::optional<int> SingleInstance::claimOrExitCode() {
    switch (claim()) {
        case Claim::First:
            return std::nullopt;
        case Claim::RaisedOther:
            std::fprintf(stderr,
                         "q4config is already running; its window was brought to the front.\n");
            return kExitSuccess;
        case Claim::OtherSilent:
            break;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    lock.getLockInfo(&pid, &host, &application);
    std::fprintf(stderr,
                 "q4config is already running (process %lld) but does not answer. "
                 "End that process, or remove %s if it is gone.\n",
                 static_cast<long long>(pid), qPrintable(lockPath));
    return kExitOtherCopySilent;
}

void SingleInstance::raiseOnRequest(QWidget* window) {
    connect(this, &SingleInstance::raiseRequested, window, [window] {
        // A window that was never shown (the device was refused) stays hidden.
        if (!window->isVisible()) return;
        if (window->isMinimized()) window->showNormal();
        window->raise();
        window->activateWindow();
    });
}

// The first copy's side: each connection carries one request.
void SingleInstance::serve() {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto answer = [this, socket] {
            if (!socket->canReadLine()) return;
            if (socket->readLine() == kRaiseRequest) {
                qCInfo(lcApp, "A second start asked for the window");
                emit raiseRequested();
                socket->write(kRaisedAnswer);
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, answer);
        // The request may have come with the connection.
        answer();
    }
}

// The second start's side. The first copy may still be starting (its lock
// taken, its socket not yet listening, or its event loop busy with the first
// device check), so the connection is tried again until the wait ends.
bool SingleInstance::askToRaise() {
    const QDeadlineTimer deadline(answerWaitMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(kRaiseRequest);
            while (!socket.canReadLine() &&
                   socket.waitForReadyRead(int(deadline.remainingTime()))) {
            }
            return socket.canReadLine() && socket.readLine() == kRaisedAnswer;
        }
        QThread::msleep(100);
    }
    return false;
}
