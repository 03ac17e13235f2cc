#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>

// The one way the program writes a settings file (configuration, profiles,
// macros, exported and imported copies).
//
// The new content goes to a temporary file beside the target; every write is
// checked for its full length, the file is flushed to the disk (fsync), and
// only then renamed over the target. Any failure (no space at open, a short
// or failed write, a failed flush or rename) removes the temporary file and
// leaves the target byte for byte as it was, and the caller is told. The
// settings library's own write does not give that guarantee: on a nearly
// full disk it renames a cut file over the old one and reports success.
//
// The new file is stamped later than the one it replaces, at least by a
// millisecond: the settings library re-reads a file it has parsed only when
// its size or modification time changed, so a same-size replacement within
// the same millisecond would otherwise be read stale.
//
// Like the settings library, the writer creates missing folders on the way
// to a new file, keeps the permissions of the file it replaces, and refuses
// to replace a file that is not writable. It replaces plain files only.
//
// Threads: the settings files are written on the GUI thread only; nothing
// here is shared except the test seam below, which is installed and removed
// there too.

// The system calls the writer makes, as a seam: tests put in one that fails
// on demand (no space at open, short write, failed flush or rename), so every
// failure path runs without a full disk. Each call returns what the system
// call returns and sets errno the same way.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    // open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode)
    virtual int createExclusive(const char* path, mode_t mode) = 0;
    virtual ssize_t write(int descriptor, const char* data, size_t length) = 0;
    virtual int fsync(int descriptor) = 0;
    virtual int close(int descriptor) = 0;
    virtual int rename(const char* from, const char* to) = 0;
};

// The real system calls.
FileCalls& systemFileCalls();
// The calls the writer uses: the real ones unless a test put others in place.
FileCalls& fileCalls();
// Replaces the writer's calls; null restores the real ones. Not owned.
void setFileCalls(FileCalls* replacement);

// A file being replaced: open(), write() as often as needed, commit(). Until
// commit() succeeds the target is untouched; a file destroyed without a
// successful commit discards what was written.
class AtomicFile {
public:
    explicit AtomicFile(const QString& targetPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open();
    // The whole of data, or false; after a failure every later call fails.
    bool write(const char* data, size_t length);
    bool write(const QByteArray& data) { return write(data.constData(), size_t(data.size())); }
    // Flushes, closes and renames over the target.
    bool commit();
    // What went wrong first, for the log; empty while nothing did.
    QString errorString() const { return error; }

private:
    bool fail(const char* step, int errorNumber);
    void discard();

    QString target;
    QByteArray temporaryPath;
    int descriptor = -1;
    bool isFailed = false;
    QString error;
};

// The whole of bytes becomes the file at path, or nothing changes. error, if
// given, receives the reason of a failure.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Replaces target by a byte-for-byte copy of source (imports, exports,
// resets). False when source cannot be read or the copy cannot be written;
// target is then left as it was.
bool replaceFileWithCopy(const QString& source, const QString& target);
