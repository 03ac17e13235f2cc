// Transport timings on the emulated mouse, on the path the program uses:
// the device check (table, enumeration, handshake) starts the listener as it
// does in q4config. Reported against the pacing floor each transfer imposes
// (its sleeps alone):
// - one set without data (0x0B) and the 128-byte macro set (0x13), from the
//   call to the end of the transfer;
// - a query (0x8B);
// - ALL SAVE's burst: report rate, DPI set, stage, lighting, colour table,
//   key matrix and two macros issued back to back from the GUI thread, to
//   the end of the last transfer, as a ratio to the sum of their floors, and
//   the longest time the GUI thread went without processing events while
//   the burst ran.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/device_check.h"
#include "device/hid_thread.h"
#include "emulator/emulated_mouse.h"

namespace {

constexpr double kReady = Hid_Thread::kReadyWaitMs;
constexpr double kPacing = Hid_Thread::kReportPacingMs;

// Floor of a set with ready waits: one wait after the request, and for a
// data phase one paced report per 32 bytes and a second wait.
double setFloor(int dataLength) {
    if (dataLength == 0) return kReady;
    const int reports =
        (dataLength + EmulatedMouse::kReportLength - 1) / EmulatedMouse::kReportLength;
    return 2 * kReady + reports * kPacing;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianMilliseconds(int rounds, const std::function<void()>& run) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

// Records the longest gap between two passes of the GUI thread's event
// loop, measured by a zero-interval timer, while it is armed.
class StallMeter {
public:
    StallMeter() {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0) longest = std::max(longest, now - last);
            last = now;
        });
    }
    void start() {
        longest = 0;
        last = -1;
        clock.start();
        timer.start();
    }
    double stop() {
        timer.stop();
        return double(longest) / 1e6;
    }

private:
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longest = 0;
};

struct BurstResult {
    double milliseconds;
    double longestStall;
};

BurstResult allSaveBurst(Hid_Thread& link, StallMeter& meter) {
    uchar codes[8] = {0x02, 0x04, 0x06, 0x08, 0x80, 0x80, 0x80, 0x80};
    uchar colours[24] = {};
    uchar matrix[64] = {};
    uchar macro[128] = {};
    meter.start();
    QElapsedTimer timer;
    timer.start();
    link.hid_01H_SetReportRate(0x01);
    link.hid_11H_SetDPISet(4, codes);
    link.hid_0BH_SetCurrentDPIStage(2);
    link.hid_0DH_SetRGBLedEffect(3, 255, 5);
    link.hid_10H_SetLED8StageColor(0, colours);
    link.hid_12H_SetKeyMatrix(matrix);
    link.hid_13H_SetMacroKey(1, macro);
    link.hid_13H_SetMacroKey(2, macro);
    // The GUI thread goes on with its events while the burst runs.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (link.waitForPendingTransfer(0)) loop.quit();
    });
    poll.start(1);
    loop.exec();
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    return {elapsed, meter.stop()};
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    EmulatedMouse mouse;
    Hid_Thread link;
    link.setBackend(&mouse);
    runDeviceCheck(link);  // as at start-up: the handshake starts the listener
    if (!link.isListenerRunning()) {
        std::fprintf(stderr, "the handshake did not pass\n");
        return 1;
    }

    uchar macro[128] = {};
    const double stage = medianMilliseconds(rounds, [&] {
        link.hid_0BH_SetCurrentDPIStage(3);
        link.waitForPendingTransfer();
    });
    const double macroSet = medianMilliseconds(rounds, [&] {
        link.hid_13H_SetMacroKey(1, macro);
        link.waitForPendingTransfer();
    });
    uchar dpiStage = 0;
    const double query =
        medianMilliseconds(rounds, [&] { link.hid_8BH_GetCurrentDPIStage(dpiStage); });

    const double burstFloor = setFloor(0) + setFloor(8) + setFloor(0) + setFloor(0) + setFloor(24) +
                              setFloor(64) + 2 * setFloor(128);
    StallMeter meter;
    std::vector<double> burstTimes;
    std::vector<double> stalls;
    const int burstRounds = std::max(1, rounds / 4);
    for (int round = 0; round < burstRounds; ++round) {
        const BurstResult result = allSaveBurst(link, meter);
        burstTimes.push_back(result.milliseconds);
        stalls.push_back(result.longestStall);
    }
    const int extended = link.extendedReadyWaits();
    link.stopListen();

    std::printf("set 0x0B      %8.2f ms  floor %6.1f ms  ratio %.3f\n", stage, setFloor(0),
                stage / setFloor(0));
    std::printf("set 0x13 128B %8.2f ms  floor %6.1f ms  ratio %.3f\n", macroSet, setFloor(128),
                macroSet / setFloor(128));
    // A query has no sleeps: its floor is zero, so it is reported in
    // microseconds instead of as a ratio.
    std::printf("query 0x8B    %8.1f us  floor    0.0 ms (no pacing), answered stage %d\n",
                query * 1000.0, dpiStage);
    std::printf("ALL SAVE burst %7.2f ms  floor %6.1f ms  ratio %.3f  (median of %d)\n",
                median(burstTimes), burstFloor, median(burstTimes) / burstFloor, burstRounds);
    std::printf("GUI thread without events during the burst: longest %.2f ms (worst round)\n",
                *std::max_element(stalls.begin(), stalls.end()));
    std::printf("ready waits without a timely notification: %d\n", extended);
    return 0;
}
