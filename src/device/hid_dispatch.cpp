// The transport lock, the pool tasks and the helpers every command uses.

#include <QCoreApplication>
#include <QDebug>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstring>

#include "device/hid_thread.h"

Hid_Thread::Hid_Thread(QObject* parent) : QThread(parent) {}

Hid_Thread::~Hid_Thread() {
    stopListen();
    // A set command's transfer still runs on the pool and uses this object.
    waitForPendingTransfer();
}

void Hid_Thread::setBackend(HidBackend* backend) {
    hidBackend = backend;
}

void Hid_Thread::waitForPendingTransfer() {
    if (!sendFuture.isFinished()) sendFuture.waitForFinished();
}

// Tries for about two seconds, processing the GUI thread's events between
// tries, so the window stays alive and nested commands queue up behind.
bool Hid_Thread::waitIdle() {
    for (int attempt = 0; attempt < kWaitIdleAttempts; ++attempt) {
        bool expected = true;
        if (isIdle.compare_exchange_strong(expected, false)) return true;
        QThread::msleep(kWaitIdleSleepMs);
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    }
    return false;
}

void Hid_Thread::startListen(uint did) {
    if (isListening) {
        isListening = false;
        listenFuture.waitForFinished();
    }
    // The listener holds a pool thread for as long as it runs; set commands
    // need another one for their transfers.
    QThreadPool* pool = QThreadPool::globalInstance();
    if (pool->maxThreadCount() < 2) pool->setMaxThreadCount(2);
    isListening = true;
    listenFuture = QtConcurrent::run(pool, &Hid_Thread::listenDevice, this, did);
}

void Hid_Thread::stopListen() {
    if (isListening) {
        isListening = false;
        listenFuture.waitForFinished();
    }
    // A listener that ended by itself (device removed) has nothing to wait for.
    listenFuture.waitForFinished();
}

bool Hid_Thread::beginCommand(const char* failureLine) {
    if (waitIdle()) return true;
    qDebug("%s", failureLine);
    return false;
}

void Hid_Thread::buildRequest(uchar code, uchar byte2, uchar byte3, uchar byte4, uchar byte5,
                              uchar byte6, uchar byte7) {
    cmdReport[0] = 0x00;  // report id
    cmdReport[1] = code;
    cmdReport[2] = byte2;
    cmdReport[3] = byte3;
    cmdReport[4] = byte4;
    cmdReport[5] = byte5;
    cmdReport[6] = byte6;
    cmdReport[7] = byte7;
    cmdReport[8] = hidCS(cmdReport + 1);
}

// The future is kept only so the destructor can wait for the transfer;
// nobody reads its result.
void Hid_Thread::launchSend(int dataLength, bool waitReady) {
    sendFuture = QtConcurrent::run(QThreadPool::globalInstance(), &Hid_Thread::hidSend, this,
                                   dataLength, waitReady);
}

// Runs a query on the calling thread. A query with a data phase first puts
// the caller's bytes into dataBuf, so what does not arrive stays as it was.
bool Hid_Thread::runQuery(int dataLength, const uchar* callerBuffer) {
    if (callerBuffer && dataLength > 0)
        std::memcpy(dataBuf, callerBuffer, static_cast<size_t>(dataLength));
    return hidQuery(dataLength);
}

void Hid_Thread::copyDataOut(uchar* callerBuffer, int length) const {
    std::memcpy(callerBuffer, dataBuf, static_cast<size_t>(length));
}

void Hid_Thread::clearAnswer() {
    std::memset(ansReport, 0, sizeof ansReport);
}
