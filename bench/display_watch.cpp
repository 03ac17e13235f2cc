#include "display_watch.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/wait.h>

#include <algorithm>
#include <utility>
#include <vector>

struct DisplayWatch::Private {
    int damageEventBase = 0;
    std::vector<std::pair<Window, Damage>> watched;
};

namespace {

// A window can vanish between the event that named it and a request about
// it; that is no fault of the benchmark.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Whether the child has ended, without reaping it: the caller collects its
// resource usage afterwards.
bool hasEnded(pid_t child) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == child;
}

}  // namespace

DisplayWatch::DisplayWatch(const std::string& displayName) {
    display = XOpenDisplay(displayName.c_str());
    if (!display) return;
    state = new Private;
    int errorBase = 0;
    if (!XDamageQueryExtension(display, &state->damageEventBase, &errorBase)) {
        XCloseDisplay(display);
        display = nullptr;
        return;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
}

DisplayWatch::~DisplayWatch() {
    if (display) {
        forgetWindows();
        XCloseDisplay(display);
    }
    delete state;
}

void DisplayWatch::forgetWindows() {
    for (const auto& [window, damage] : state->watched) XDamageDestroy(display, damage);
    state->watched.clear();
    XSync(display, True);  // drops every event still queued
}

DisplayWatch::Observation DisplayWatch::follow(pid_t child, Clock::time_point start,
                                               std::chrono::milliseconds quiet,
                                               std::chrono::milliseconds limit) {
    Observation observation;
    if (!display) return observation;
    const int connection = ConnectionNumber(display);
    for (;;) {
        handlePendingEvents(observation);
        const Clock::time_point now = Clock::now();
        if (observation.mapped) {
            const Clock::time_point lastActivity = std::max(
                *observation.mapped, observation.lastRepaint.value_or(*observation.mapped));
            if (now - lastActivity >= quiet) {
                observation.isSettled = true;
                break;
            }
        }
        if (now - start >= limit) break;
        if (hasEnded(child)) {
            observation.hasExited = true;
            break;
        }
        // Short waits: the quiet time and the child's end are checked
        // between events too.
        pollfd descriptor{connection, POLLIN, 0};
        poll(&descriptor, 1, 10);
    }
    forgetWindows();
    return observation;
}

void DisplayWatch::handlePendingEvents(Observation& observation) {
    const Window root = DefaultRootWindow(display);
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        const Clock::time_point now = Clock::now();
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            // Every top-level window is watched from its creation on, so no
            // drawing into it is missed.
            const Window window = event.xcreatewindow.window;
            state->watched.emplace_back(window,
                                        XDamageCreate(display, window, XDamageReportNonEmpty));
        } else if (event.type == MapNotify && event.xmap.event == root) {
            if (!observation.mapped) observation.mapped = now;
        } else if (event.type == DestroyNotify && event.xdestroywindow.event == root) {
            // The damage object went with its window.
            auto& watched = state->watched;
            watched.erase(std::remove_if(watched.begin(), watched.end(),
                                         [&event](const auto& entry) {
                                             return entry.first == event.xdestroywindow.window;
                                         }),
                          watched.end());
        } else if (event.type == state->damageEventBase + XDamageNotify) {
            const auto* damage = reinterpret_cast<const XDamageNotifyEvent*>(&event);
            XDamageSubtract(display, damage->damage, None, None);
            observation.lastRepaint = now;
        }
    }
}
