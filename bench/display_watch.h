#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

// Watches one X display for what a starting program shows: when its first
// top-level window is mapped, and when it last drew into one. Kept free of
// Qt so the X headers' macros stay in this one place.
//
// Threads: the thread that made it.
class DisplayWatch {
public:
    using Clock = std::chrono::steady_clock;

    struct Observation {
        std::optional<Clock::time_point> mapped;
        std::optional<Clock::time_point> lastRepaint;
        bool hasExited = false;  // the program ended by itself
        bool isSettled = false;  // mapped, then no drawing for the quiet time
    };

    explicit DisplayWatch(const std::string& displayName);
    ~DisplayWatch();
    DisplayWatch(const DisplayWatch&) = delete;
    DisplayWatch& operator=(const DisplayWatch&) = delete;

    bool isOpen() const { return display != nullptr; }

    // Follows the program `child` from now until it has been mapped and then
    // drawn nothing for `quiet`, or until `limit` has passed since `start`, or
    // until it exits. Windows from earlier programs are forgotten first.
    Observation follow(pid_t child, Clock::time_point start, std::chrono::milliseconds quiet,
                       std::chrono::milliseconds limit);

private:
    void forgetWindows();
    void handlePendingEvents(Observation& observation);

    struct Private;
    struct _XDisplay* display = nullptr;
    Private* state = nullptr;
};
