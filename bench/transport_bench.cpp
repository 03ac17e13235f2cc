// Wall time of one set command without data (0x0B), of the 128-byte macro
// set (0x13) and of a query (0x8B) on the emulated mouse, from the call to
// the end of the transfer, against the pacing floor the transport imposes
// (its sleeps alone).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "device/device_table.h"
#include "device/hid_thread.h"
#include "emulator/emulated_mouse.h"

namespace {

double medianMilliseconds(int rounds, const std::function<void()>& run) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    EmulatedMouse mouse;
    Hid_Thread link;
    link.setBackend(&mouse);
    link.updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
    link.startListen(1);

    uchar macro[128] = {};
    // A set with ready waits: one wait after the request (64 ms when the
    // notification comes in time). With data: a wait, four reports paced
    // 8 ms apart, another wait.
    const double stageFloor = Hid_Thread::kReadyWaitMs;
    const double macroFloor = 2.0 * Hid_Thread::kReadyWaitMs + 4 * Hid_Thread::kReportPacingMs;

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
    link.stopListen();

    std::printf("set 0x0B      %8.2f ms  floor %6.1f ms  ratio %.3f\n", stage, stageFloor,
                stage / stageFloor);
    std::printf("set 0x13 128B %8.2f ms  floor %6.1f ms  ratio %.3f\n", macroSet, macroFloor,
                macroSet / macroFloor);
    // A query has no sleeps: its floor is zero, so it is reported in
    // microseconds instead of as a ratio.
    std::printf("query 0x8B    %8.1f us  floor    0.0 ms (no pacing), answered stage %d\n",
                query * 1000.0, dpiStage);
    return 0;
}
