#include "settings/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

class SystemFileCalls final : public FileCalls {
public:
    int createExclusive(const char* path, mode_t mode) override {
        return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    }
    ssize_t write(int descriptor, const char* data, size_t length) override {
        return ::write(descriptor, data, length);
    }
    int fsync(int descriptor) override { return ::fsync(descriptor); }
    int close(int descriptor) override { return ::close(descriptor); }
    int rename(const char* from, const char* to) override { return ::rename(from, to); }
};

FileCalls* replacementCalls = nullptr;

// A file behind symbolic links is replaced where it lives, as the settings
// library does; the links stay.
QString resolvedTarget(const QString& path) {
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

qint64 milliseconds(const timespec& time) {
    return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

timespec fromMilliseconds(qint64 value) {
    timespec time{};
    time.tv_sec = static_cast<time_t>(value / 1000);
    time.tv_nsec = static_cast<long>((value % 1000) * 1000000);
    return time;
}

// Later than the file it replaces by at least a millisecond, the resolution
// at which the settings library compares modification times.
void stampLaterThan(int descriptor, const QByteArray& target) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    qint64 stamp = milliseconds(now);
    struct stat old {};
    if (::stat(target.constData(), &old) == 0)
        stamp = std::max(stamp, milliseconds(old.st_mtim) + 1);
    const timespec times[2] = {fromMilliseconds(stamp), fromMilliseconds(stamp)};
    // Best effort: a file system without settable times still gets the
    // content; only a same-size, same-millisecond re-read could be stale.
    ::futimens(descriptor, times);
}

// The rename is on the disk only once the folder is; nothing is reported
// from here because the target has already been replaced.
void syncFolderOf(const QByteArray& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

}  // namespace

FileCalls& systemFileCalls() {
    static SystemFileCalls calls;
    return calls;
}

FileCalls& fileCalls() {
    return replacementCalls ? *replacementCalls : systemFileCalls();
}

void setFileCalls(FileCalls* replacement) {
    replacementCalls = replacement;
}

AtomicFile::AtomicFile(const QString& targetPath) : target(resolvedTarget(targetPath)) {}

AtomicFile::~AtomicFile() {
    discard();
}

bool AtomicFile::fail(const char* step, int errorNumber) {
    if (!isFailed) {
        error =
            QStringLiteral("%1: %2 failed: %3")
                .arg(target, QLatin1String(step), QString::fromLocal8Bit(strerror(errorNumber)));
    }
    isFailed = true;
    discard();
    return false;
}

void AtomicFile::discard() {
    if (descriptor >= 0) fileCalls().close(descriptor);
    descriptor = -1;
    if (!temporaryPath.isEmpty()) ::unlink(temporaryPath.constData());
    temporaryPath.clear();
}

bool AtomicFile::open() {
    if (isFailed || descriptor >= 0) return false;
    const QByteArray path = QFile::encodeName(target);
    struct stat existing {};
    const bool isReplacing = ::stat(path.constData(), &existing) == 0;
    if (isReplacing) {
        // Only a plain file is replaced: renaming over a folder, a device or
        // a pipe a user picked as export target would remove it.
        if (S_ISDIR(existing.st_mode)) return fail("open", EISDIR);
        if (!S_ISREG(existing.st_mode)) return fail("open", EINVAL);
        // The settings library does not replace a file it may not write.
        if (::access(path.constData(), W_OK) != 0) return fail("open", errno);
    } else if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        return fail("creating the folder", errno ? errno : EACCES);
    }

    // A new file gets the usual permissions (the umask decides, the owner
    // may always read and write it); a replaced one keeps its own.
    const mode_t mode = isReplacing ? (existing.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < 16 && descriptor < 0; ++attempt) {
        static const char kLetters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        QByteArray suffix(6, 'x');
        for (char& letter : suffix)
            letter = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        const QByteArray candidate = path + '.' + suffix;
        descriptor = fileCalls().createExclusive(candidate.constData(), isReplacing ? 0600 : mode);
        if (descriptor >= 0) {
            temporaryPath = candidate;
        } else if (errno != EEXIST) {
            return fail("open", errno);
        }
    }
    if (descriptor < 0) return fail("open", EEXIST);

    struct stat created {};
    if (::fstat(descriptor, &created) == 0) {
        const mode_t wanted = isReplacing ? mode : ((created.st_mode & 07777) | 0600);
        if ((created.st_mode & 07777) != wanted) ::fchmod(descriptor, wanted);
    }
    return true;
}

bool AtomicFile::write(const char* data, size_t length) {
    if (isFailed || descriptor < 0) return false;
    size_t written = 0;
    while (written < length) {
        const ssize_t count = fileCalls().write(descriptor, data + written, length - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            return fail("write", errno);
        }
        // A write that makes no progress will not make any on a retry.
        if (count == 0) return fail("write", ENOSPC);
        written += size_t(count);
    }
    return true;
}

bool AtomicFile::commit() {
    if (isFailed || descriptor < 0) return false;
    stampLaterThan(descriptor, QFile::encodeName(target));
    if (fileCalls().fsync(descriptor) != 0) return fail("fsync", errno);
    const int closing = descriptor;
    descriptor = -1;
    // Some file systems report a failed write only when the file is closed.
    if (fileCalls().close(closing) != 0) return fail("close", errno);
    const QByteArray path = QFile::encodeName(target);
    if (fileCalls().rename(temporaryPath.constData(), path.constData()) != 0)
        return fail("rename", errno);
    temporaryPath.clear();
    syncFolderOf(path);
    return true;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    AtomicFile file(path);
    const bool isWritten = file.open() && file.write(bytes) && file.commit();
    if (!isWritten && error) *error = file.errorString();
    return isWritten;
}

bool replaceFileWithCopy(const QString& sourcePath, const QString& targetPath) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Cannot copy" << sourcePath << "to" << targetPath << ":"
                             << source.errorString();
        return false;
    }
    AtomicFile copy(targetPath);
    bool isCopied = copy.open();
    char buffer[64 * 1024];
    while (isCopied) {
        const qint64 count = source.read(buffer, sizeof buffer);
        if (count == 0) break;
        isCopied = count > 0 && copy.write(buffer, size_t(count));
    }
    isCopied = isCopied && copy.commit();
    if (!isCopied) {
        qWarning().noquote() << "Cannot copy" << sourcePath << "to" << targetPath << ":"
                             << (copy.errorString().isEmpty() ? source.errorString()
                                                              : copy.errorString());
    }
    return isCopied;
}
