#include "hidraw_process.h"

#include <link.h>
#include <linux/capability.h>
#include <pty.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const char kPreloadLibrary[] = "libumockdev-preload.so.0";
// Set in the started-again process, so a library the loader refuses cannot
// make it start itself for ever.
const char kRestartedVariable[] = "Q4_HIDRAW_PRELOAD_TRIED";

// The loaded objects whose file names contain the text.
std::vector<std::string> loadedObjects(const char* text) {
    struct Search {
        const char* text;
        std::vector<std::string> found;
    } search{text, {}};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* state = static_cast<Search*>(data);
            if (info->dlpi_name && std::strstr(info->dlpi_name, state->text))
                state->found.emplace_back(info->dlpi_name);
            return 0;
        },
        &search);
    return search.found;
}

// The bridge serves every node from a pseudo-terminal.
std::string pseudoTerminalProblem() {
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) < 0)
        return std::string("no pseudo-terminals for the hidraw nodes: ") + std::strerror(errno);
    close(master);
    close(slave);
    return {};
}

}  // namespace

std::string runUnderUmockdev(char** argv) {
    if (!loadedObjects("libumockdev-preload").empty()) return pseudoTerminalProblem();
    if (std::getenv(kRestartedVariable))
        return std::string(kPreloadLibrary) +
               " could not be preloaded: install the package umockdev";
    std::string preload;
    // A sanitizer's runtime insists on being the first object loaded.
    for (const char* runtime : {"libasan.so", "libtsan.so"})
        for (const std::string& path : loadedObjects(runtime)) preload += path + ":";
    preload += kPreloadLibrary;
    if (const char* previous = std::getenv("LD_PRELOAD"); previous && *previous)
        preload += std::string(":") + previous;
    setenv("LD_PRELOAD", preload.c_str(), 1);
    setenv(kRestartedVariable, "1", 1);
    execv("/proc/self/exe", argv);
    return std::string("cannot start again with ") + kPreloadLibrary + ": " + std::strerror(errno);
}

namespace {

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// The capabilities of the calling thread only (the raw call, not a library
// that would change every thread).
bool capabilities(__user_cap_data_struct (&data)[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capget, &header, data) == 0;
}

bool setCapabilities(__user_cap_data_struct (&data)[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

FilePermissionsHonoured::FilePermissionsHonoured() {
    __user_cap_data_struct data[2] = {};
    if (!capabilities(data) || (data[0].effective & kOverrides) == 0) return;
    savedEffective = data[0].effective;
    data[0].effective &= ~kOverrides;
    isChanged = setCapabilities(data);
}

FilePermissionsHonoured::~FilePermissionsHonoured() {
    if (!isChanged) return;
    __user_cap_data_struct data[2] = {};
    if (!capabilities(data)) return;
    data[0].effective = savedEffective;
    setCapabilities(data);
}
