#include "device/command_queue.h"

#include <QtGlobal>
#include <algorithm>

#include "common/logging.h"

struct CommandQueue::Shared {
    Executor executor;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<DeviceCommand>> pending;
    std::shared_ptr<DeviceCommand> running;
    Clock::time_point transportTakenAt;
    bool isStopping = false;
    bool hasExited = false;
};

namespace {

constexpr auto kTransportWait = std::chrono::milliseconds(CommandQueue::kTransportWaitMs);
constexpr auto kPollStep = std::chrono::milliseconds(8);

}  // namespace

CommandQueue::CommandQueue(Executor executor) : shared(std::make_shared<Shared>()) {
    shared->executor = std::move(executor);
    worker = std::thread(&CommandQueue::work, shared);
}

CommandQueue::~CommandQueue() {
    std::unique_lock<std::mutex> lock(shared->mutex);
    shared->isStopping = true;
    shared->changed.notify_all();
    const bool hasExited = shared->changed.wait_for(
        lock, std::chrono::milliseconds(kShutdownWaitMs), [this] { return shared->hasExited; });
    lock.unlock();
    if (hasExited) {
        worker.join();
    } else {
        // Stuck inside a device call: it holds its own reference to what it
        // uses and ends when the call returns.
        qCWarning(lcTransport, "Device link: a transfer did not end; leaving it behind");
        worker.detach();
    }
}

void CommandQueue::submit(const std::shared_ptr<DeviceCommand>& command) {
    std::lock_guard<std::mutex> lock(shared->mutex);
    command->issuedAt = Clock::now();
    shared->pending.push_back(command);
    shared->changed.notify_all();
}

// The worker. A command waits for the transport from the moment it was
// issued or the transport was last taken, whichever is later; after about
// 2 s of that it is dropped instead of run. Commands still queued at
// shutdown go out first, then the worker ends.
void CommandQueue::work(std::shared_ptr<Shared> shared) {
    std::unique_lock<std::mutex> lock(shared->mutex);
    for (;;) {
        shared->changed.wait(lock, [&] { return shared->isStopping || !shared->pending.empty(); });
        if (shared->pending.empty()) break;
        std::shared_ptr<DeviceCommand> command = shared->pending.front();
        shared->pending.pop_front();
        const auto now = Clock::now();
        if (now - std::max(command->issuedAt, shared->transportTakenAt) > kTransportWait) {
            // Counts as running until its line is written, so whoever waits
            // for the queue to drain finds the line there.
            command->isDropped = true;
            shared->running = command;
            const char* line = command->failureLine;
            lock.unlock();
            qCDebug(lcDevice, "%s", line);
            lock.lock();
            command->isFinished = true;
            shared->running.reset();
            shared->changed.notify_all();
            continue;
        }
        command->isStarted = true;
        command->startedAt = now;
        shared->transportTakenAt = now;
        shared->running = command;
        // The exchange runs on a copy: an issuer that stops waiting reads
        // its command while the copy may still be on the wire.
        DeviceCommand wire = *command;
        lock.unlock();
        const bool isSucceeded = shared->executor(wire);
        lock.lock();
        // A failed exchange leaves the answer block as the issuer pre-filled
        // it; data-phase bytes that did arrive are kept.
        if (!command->isAbandoned) {
            if (isSucceeded)
                std::copy(std::begin(wire.ansReport), std::end(wire.ansReport), command->ansReport);
            std::copy(std::begin(wire.dataBuf), std::end(wire.dataBuf), command->dataBuf);
        }
        command->isSucceeded = isSucceeded;
        command->isFinished = true;
        shared->running.reset();
        shared->changed.notify_all();
    }
    shared->hasExited = true;
    shared->changed.notify_all();
}

bool CommandQueue::waitFor(const std::shared_ptr<DeviceCommand>& command, int exchangeDeadlineMs,
                           const std::function<void()>& whileWaiting) {
    std::unique_lock<std::mutex> lock(shared->mutex);
    const auto startBy = command->issuedAt + kTransportWait + kPollStep;
    for (;;) {
        if (command->isFinished) return !command->isDropped;
        const auto now = Clock::now();
        if (!command->isStarted && !command->isDropped && now > startBy) {
            auto& pending = shared->pending;
            pending.erase(std::remove(pending.begin(), pending.end(), command), pending.end());
            command->isAbandoned = true;
            return false;
        }
        if (command->isStarted &&
            now > command->startedAt + std::chrono::milliseconds(exchangeDeadlineMs) + kPollStep) {
            command->isAbandoned = true;
            return true;  // ran, but its exchange failed: isSucceeded stays false
        }
        shared->changed.wait_for(lock, kPollStep);
        if (whileWaiting) {
            lock.unlock();
            whileWaiting();
            lock.lock();
        }
    }
}

bool CommandQueue::drain(int milliseconds) {
    std::unique_lock<std::mutex> lock(shared->mutex);
    return shared->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                    [this] { return shared->pending.empty() && !shared->running; });
}

bool CommandQueue::isIdle() const {
    std::lock_guard<std::mutex> lock(shared->mutex);
    return shared->pending.empty() && !shared->running;
}
