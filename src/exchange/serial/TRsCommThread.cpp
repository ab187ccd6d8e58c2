#include "exchange/serial/TRsCommThread.h"

#include "exchange/serial/ThreadPriority.h"

#include <pthread.h>

namespace serial {

TRsCommThread::TRsCommThread(const char* name, TRsThreadPriority priority)
    : name_(name), priority_(priority) {}

void TRsCommThread::Start() {
    thread_ = std::thread([this] { Run(); });
    pthread_setname_np(thread_.native_handle(), name_);
}

void TRsCommThread::Run() {
    threadId_ = ThreadPriority::CurrentThreadId();
    ThreadPriority::Apply(threadId_, priority_);
    Execute();
}

void TRsCommThread::StopThread() {
    handOver_.Cancel();
    stop_.SetEvent();
}

void TRsCommThread::Join() {
    if (thread_.joinable()) thread_.join();
}

void TRsCommThread::SetPriority(TRsThreadPriority priority) {
    priority_ = priority;
    ThreadPriority::Apply(threadId_, priority);
}

} // namespace serial
