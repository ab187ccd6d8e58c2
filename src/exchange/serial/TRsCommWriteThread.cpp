#include "exchange/serial/TRsCommWriteThread.h"

#include <cerrno>
#include <mutex>
#include <poll.h>

namespace serial {

TRsCommWriteThread::TRsCommWriteThread(const SerialDevice& device, int writeSize, Dispatch lineEvent,
                                       TRsThreadPriority priority)
    : TRsCommThread("rs-write", priority), device_(device), lineEvent_(std::move(lineEvent)),
      queue_(writeSize) {}

TRsCommWriteThread::~TRsCommWriteThread() {
    StopThread();
    Join();
}

bool TRsCommWriteThread::Append(const void* data, int count) {
    {
        std::lock_guard lock(writeLock_);
        if (count > queue_.Free()) return false;
        queue_.Write(data, count);
    }
    data_.SetEvent();
    return true;
}

int TRsCommWriteThread::Queued() {
    std::lock_guard lock(writeLock_);
    return queue_.Used();
}

bool TRsCommWriteThread::PurgeWrite(int milliseconds) {
    purgeAck_.ResetEvent();
    purgeRequest_.SetEvent();
    if (purgeAck_.WaitFor(milliseconds) == wrSignaled) return true;
    // Withdraw the request: a late answer would drop bytes queued after this purge.
    purgeRequest_.ResetEvent();
    return false;
}

void TRsCommWriteThread::AnswerPurge() {
    purgeRequest_.ResetEvent();
    {
        std::lock_guard lock(writeLock_);
        queue_.Clear();
        data_.ResetEvent();
    }
    room_.SetEvent();
    purgeAck_.SetEvent();
}

void TRsCommWriteThread::Execute() {
    for (;;) {
        pollfd fds[3] = {
            {stop_.Handle(), POLLIN, 0}, {purgeRequest_.Handle(), POLLIN, 0}, {data_.Handle(), POLLIN, 0}};
        const int n = ::poll(fds, 3, -1);
        if (n < 0 && errno != EINTR) return;
        if (fds[0].revents) return;
        if (fds[1].revents) AnswerPurge();
        else if (fds[2].revents && !WriteData()) return;
    }
}

// One transfer of what is queued; false when the thread was told to stop.
bool TRsCommWriteThread::WriteData() {
    const std::uint8_t* bytes = nullptr;
    int count = 0;
    {
        std::lock_guard lock(writeLock_);
        count = queue_.Used();
        if (count == 0) {
            data_.ResetEvent();
            return true;
        }
        // Only this thread removes bytes, and a purge waits for this thread's
        // answer, so the front of the queue stays put while it is written.
        bytes = queue_.DataPtr();
    }
    const ssize_t written = device_.Write(bytes, static_cast<std::size_t>(count));
    if (written > 0) return Finish(static_cast<int>(written));
    if (written == 0 || errno == EAGAIN || errno == EINTR) {
        // The device is full: wait for room in it, a stop or a purge request.
        pollfd fds[3] = {{stop_.Handle(), POLLIN, 0},
                         {purgeRequest_.Handle(), POLLIN, 0},
                         {device_.OutputHandle(), POLLOUT, 0}};
        const int n = ::poll(fds, 3, -1);
        if (n < 0 && errno != EINTR) return false;
        if (fds[0].revents) return false;
        if (fds[1].revents) AnswerPurge();
        return true;
    }
    // The device refused the transfer: its bytes are dropped, so that a dead
    // line raises one error instead of an endless series of them.
    errors_ |= CE_IOE;
    {
        std::lock_guard lock(writeLock_);
        queue_.Clear();
        data_.ResetEvent();
    }
    room_.SetEvent();
    return Report(EV_ERR);
}

bool TRsCommWriteThread::Finish(int written) {
    bool empty = false;
    {
        std::lock_guard lock(writeLock_);
        queue_.Remove(written);
        empty = queue_.Used() == 0;
        if (empty) data_.ResetEvent();
    }
    room_.SetEvent();
    return empty ? Report(EV_TXEMPTY) : true;
}

// While the main thread is busy with the report, purge requests are still
// answered: a purge on the main thread must not wait for this thread's
// hand-over, which waits for the main thread.
bool TRsCommWriteThread::Report(std::uint32_t event) {
    return handOver_.Run([this, event] { lineEvent_(event); }, stop_, &purgeRequest_,
                         [this] { AnswerPurge(); });
}

} // namespace serial
