#include "failing_file_calls.h"

#include <cerrno>

namespace {

// Enough to cut a file in the middle of a line.
constexpr size_t kShortWriteBytes = 7;

}  // namespace

FailingFileCalls::FailingFileCalls(Point failurePoint) : point(failurePoint) {
    setFileCalls(this);
}

FailingFileCalls::~FailingFileCalls() {
    setFileCalls(nullptr);
}

int FailingFileCalls::failWith(int error) {
    ++failures;
    errno = error;
    return -1;
}

int FailingFileCalls::createExclusive(const char* path, mode_t mode) {
    if (point == Point::Open) return failWith(ENOSPC);
    return systemFileCalls().createExclusive(path, mode);
}

ssize_t FailingFileCalls::write(int descriptor, const char* data, size_t length) {
    if (point == Point::Write || isDiskFull) return failWith(ENOSPC);
    if (point == Point::ShortWrite && length > kShortWriteBytes) {
        isDiskFull = true;
        return systemFileCalls().write(descriptor, data, kShortWriteBytes);
    }
    if (point == Point::Trickle && length > 1) return systemFileCalls().write(descriptor, data, 1);
    return systemFileCalls().write(descriptor, data, length);
}

int FailingFileCalls::fsync(int descriptor) {
    if (point == Point::Fsync) return failWith(EIO);
    return systemFileCalls().fsync(descriptor);
}

int FailingFileCalls::close(int descriptor) {
    if (point == Point::Close) {
        systemFileCalls().close(descriptor);
        return failWith(EIO);
    }
    return systemFileCalls().close(descriptor);
}

int FailingFileCalls::rename(const char* from, const char* to) {
    if (point == Point::Rename) return failWith(EXDEV);
    return systemFileCalls().rename(from, to);
}
