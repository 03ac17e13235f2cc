#pragma once

#include <string>

// The process side of the hidraw bridge (hidraw_bridge.h).

// Makes this process run with umockdev's preload library, which redirects
// /sys, /dev and the calls on the emulated nodes into a testbed: when it is
// not loaded yet, the process starts itself again with it in LD_PRELOAD
// (after the sanitizer runtime, which must come first). Call it first thing
// in main(), before any thread starts. Returns an empty string when the
// library is loaded and the bridge can work, else why not.
std::string runUnderUmockdev(char** argv);

// While it lives, the calling thread, and every thread it starts meanwhile,
// cannot open files their permission bits refuse, even as root: the thread
// gives up the capabilities that override file permissions. Threads started
// inside keep that for good.
class FilePermissionsHonoured {
public:
    FilePermissionsHonoured();
    ~FilePermissionsHonoured();
    FilePermissionsHonoured(const FilePermissionsHonoured&) = delete;
    FilePermissionsHonoured& operator=(const FilePermissionsHonoured&) = delete;

private:
    unsigned savedEffective = 0;
    bool isChanged = false;
};
