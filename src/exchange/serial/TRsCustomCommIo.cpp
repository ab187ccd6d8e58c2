// Reading, writing, purging and the queue status of an open port.
#include "exchange/serial/TRsCustomComm.h"

#include "exchange/serial/ERsCommError.h"
#include "exchange/serial/TRsCommInput.h"
#include "exchange/serial/TRsCommWriteThread.h"
#include "exchange/serial/TRsTimeEvent.h"

#include <algorithm>
#include <mutex>

namespace serial {

namespace {
// How long a purge waits for the write thread to empty its queue.
constexpr int kPurgeWaitMs = 2000;
// Longest single wait for room while WriteBuf polls the write queue.
constexpr int kRoomPollMs = 10;
} // namespace

int TRsCustomComm::WriteBuf(const void* buf, int count) {
    if (!Active() || !buf || count <= 0) return 0;
    TRsTimeEvent limit;
    bool timing = false;
    for (;;) {
        writeThread_->ResetRoom();
        if (writeThread_->Append(buf, count)) return count;
        if (!timing) {
            InitTimer(limit, static_cast<std::uint32_t>(std::max(buffers_.writeTimeout(), 0)));
            timing = true;
        } else if (TimerExpired(limit)) {
            throw ERsCommError(QStringLiteral("Output buffer is full. Please check comm status."));
        }
        writeThread_->Room().WaitFor(kRoomPollMs);
    }
}

int TRsCustomComm::ReadBuf(void* buf, int count) {
    if (!Active() || !buf || count <= 0) return 0;
    std::lock_guard lock(globalLock_);
    int error = 0;
    const int n = input_->Read(*device_, buf, count, error);
    Watch(error, QStringLiteral("Read error (%d), %s"));
    return n;
}

int TRsCustomComm::ReadBufUsed() { return Active() ? GetCommStatus().inQueue : 0; }

TRsCommStatus TRsCustomComm::GetCommStatus() {
    TRsCommStatus status;
    if (!Active()) return status;
    std::lock_guard lock(globalLock_);
    const QString format = QStringLiteral("Error retrieving statistics (%d), %s");
    int error = 0;
    status.inQueue = input_->Count(*device_, error);
    Watch(error, format);
    int deviceOut = 0;
    Watch(device_->OutputCount(deviceOut), format);
    status.outQueue = writeThread_->Queued() + deviceOut;
    status.errors = LineErrors();
    return status;
}

// Errors counted by the device since the last status read, and refused writes.
int TRsCustomComm::LineErrors() {
    int errors = writeThread_->TakeErrors();
    SerialCounters now;
    if (device_->Counters(now)) {
        if (now.bufOverrun != counters_.bufOverrun) errors |= CE_RXOVER;
        if (now.overrun != counters_.overrun) errors |= CE_OVERRUN;
        if (now.parity != counters_.parity) errors |= CE_RXPARITY;
        if (now.frame != counters_.frame) errors |= CE_FRAME;
        if (now.brk != counters_.brk) errors |= CE_BREAK;
        counters_ = now;
    }
    return errors;
}

void TRsCustomComm::PurgeBuffers(int flags) {
    if (!Active()) return;
    std::lock_guard lock(globalLock_);
    const int readOnly = PURGE_RXABORT | PURGE_RXCLEAR;
    // Without the write thread's answer its queue keeps its bytes.
    if (flags != readOnly) writeThread_->PurgeWrite(kPurgeWaitMs);
    if (flags & (PURGE_RXABORT | PURGE_RXCLEAR)) input_->Clear();
    Watch(device_->Flush(flags & (PURGE_RXABORT | PURGE_RXCLEAR), flags & (PURGE_TXABORT | PURGE_TXCLEAR)),
          QStringLiteral("Error clearing buffers (%d), %s"));
}

} // namespace serial
