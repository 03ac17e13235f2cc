#pragma once

#include <cstddef>

#include "settings/atomic_file.h"

// The settings writer's system calls, failing at one chosen point the way a
// full or broken disk does; every other call goes to the system. Installed
// for its lifetime.
class FailingFileCalls final : public FileCalls {
public:
    enum class Point {
        None,
        Open,        // the temporary file cannot be created (ENOSPC)
        Write,       // the first write fails (ENOSPC)
        ShortWrite,  // the first write stores a few bytes, then ENOSPC
        Trickle,     // no failure: every write stores at most one byte
        Fsync,       // the flush fails (EIO)
        Close,       // closing reports a delayed write error (EIO)
        Rename,      // the rename fails (EXDEV)
    };

    explicit FailingFileCalls(Point failurePoint);
    ~FailingFileCalls() override;

    int createExclusive(const char* path, mode_t mode) override;
    ssize_t write(int descriptor, const char* data, size_t length) override;
    int fsync(int descriptor) override;
    int close(int descriptor) override;
    int rename(const char* from, const char* to) override;

    // How many calls failed as asked.
    int failures = 0;

private:
    int failWith(int error);

    Point point;
    bool isDiskFull = false;  // after a short write every write fails
};
