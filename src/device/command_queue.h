#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

using uchar = unsigned char;

// One exchange with the device, carrying every byte it needs: the request
// feature report, the answer block (pre-filled by a query), the data phase,
// and the scrambling state as it stood when the command was issued. Nothing
// is shared between commands, so a command can be built on any thread while
// an earlier one is still on the wire.
struct DeviceCommand {
    enum class Kind { Set, Query };
    using Clock = std::chrono::steady_clock;
    static constexpr int kDataBufferSize = 512;

    Kind kind = Kind::Set;
    uint device = 0;               // the current device when it was issued
    const char* failureLine = "";  // written when the command never runs
    uchar cmdReport[9] = {};       // 00, code, six parameter bytes, checksum
    uchar ansReport[9] = {};       // 00, then the answer block
    uchar dataBuf[kDataBufferSize] = {};
    int dataLength = 0;
    bool waitReady = false;
    int exchangeDeadlineMs = 1000;  // a query's exchange as a whole
    bool isEncode = false;
    uchar secrecyCode[8] = {};

    // Written by the queue under its lock.
    Clock::time_point issuedAt;
    bool isStarted = false;
    bool isFinished = false;
    bool isDropped = false;    // never ran: the transport stayed taken too long
    bool isAbandoned = false;  // the issuer stopped waiting; results are unread
    bool isSucceeded = false;
    Clock::time_point startedAt;
};

// The single ordered path to the device: commands run one after another on
// one worker thread, in the order they were submitted, whatever thread
// submitted them and however the submissions nest. A set returns as soon as
// it is queued; a query waits for its turn and its exchange, with a bound.
//
// A command that cannot start because the command ahead of it has held the
// transport for longer than kTransportWaitMs is dropped (its failure line
// goes to the debug output), as is every command queued behind a device that
// never frees the transport.
//
// Threads: submit and waitFor may be called from any thread; the executor
// runs on the worker thread only. The mutex guards the queue and the state
// fields of every queued command; it is never held while a command runs.
class CommandQueue {
public:
    using Clock = DeviceCommand::Clock;
    using Executor = std::function<bool(DeviceCommand&)>;

    // About 2 s, as long as a command ever waits for the transport.
    static constexpr int kTransportWaitMs = 255 * 8;

    explicit CommandQueue(Executor executor);
    // Waits at most kShutdownWaitMs for the command on the wire; a worker
    // stuck inside a device call is left behind and exits on its own.
    ~CommandQueue();
    CommandQueue(const CommandQueue&) = delete;
    CommandQueue& operator=(const CommandQueue&) = delete;

    static constexpr int kShutdownWaitMs = 3000;

    void submit(const std::shared_ptr<DeviceCommand>& command);

    // Waits until the command has run, was dropped, or the bound passed:
    // kTransportWaitMs for it to start, then exchangeDeadlineMs for its
    // exchange. `whileWaiting` runs about every 8 ms (the GUI thread keeps
    // its window painted there). True when the command ran; false when it
    // was dropped or never started in time (it is then taken off the queue).
    // A command still running at the deadline is abandoned and counts as a
    // failed exchange: isSucceeded stays false and its buffers keep what the
    // issuer put in (the exchange itself runs on a copy).
    bool waitFor(const std::shared_ptr<DeviceCommand>& command, int exchangeDeadlineMs,
                 const std::function<void()>& whileWaiting);

    // Blocks until every command submitted so far has ended, at most the
    // given time. True when the queue drained.
    bool drain(int milliseconds);
    bool isIdle() const;

private:
    struct Shared;
    static void work(std::shared_ptr<Shared> shared);

    std::shared_ptr<Shared> shared;
    std::thread worker;
};
