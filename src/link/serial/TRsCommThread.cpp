#include "link/serial/TRsCommThread.h"

#include "link/serial/ThreadPriority.h"

TRsCommThread::TRsCommThread(TRsThreadPriority priority) : priority_(priority) {}

void TRsCommThread::Start() { thread_ = std::thread([this] { Run(); }); }

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
