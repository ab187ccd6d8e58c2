// Opening and closing a port: the device, its settings and the two threads.
#include "exchange/serial/TRsCustomComm.h"

#include "exchange/serial/CommErrorDisplay.h"
#include "exchange/serial/ERsCommError.h"
#include "exchange/serial/PlatformError.h"
#include "exchange/serial/TRsCommEventThread.h"
#include "exchange/serial/TRsCommInput.h"
#include "exchange/serial/TRsCommWriteThread.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <mutex>

namespace serial {

namespace {
// Larger queues are refused rather than allocated.
constexpr int kMaxQueueSize = 64 * 1024 * 1024;
} // namespace

void TRsCustomComm::Open() {
    CheckOpen();
    CreateHandle();
    try {
        SetDCB();
        UpdateBuffers();
        UpdateTimeouts();
        UpdateEventMask();
        CreateThreads();
    } catch (...) {
        DestroyThreads();
        DestroyHandle();
        throw;
    }
    DoOpen();
}

void TRsCustomComm::Close() {
    if (!Active()) return;
    {
        std::lock_guard lock(globalLock_);
        DestroyThreads();
    }
    DestroyHandle();
    DoClose();
}

void TRsCustomComm::CreateHandle() {
    const QString name = GetDeviceName();
    std::unique_ptr<SerialDevice> device = deviceFactory_();
    const int code = device->Open(QFile::encodeName(name));
    if (code == 0) {
        device_ = std::move(device);
        return;
    }
    const ERsCommError::Kind kind = PlatformError::OpenFailure(code);
    if (kind == ERsCommError::Kind::DeviceMissing)
        throw ERsCommError(
            QCoreApplication::translate("TRsCustomComm", "Specified device not found (%1).").arg(name), kind);
    throw ERsCommError(
        QCoreApplication::translate("TRsCustomComm", "Can't open specified device %1").arg(name) +
            PlatformError::Format(QCoreApplication::translate("TRsCustomComm", " (Error %d, %s)"), code,
                                  PlatformError::OpenText(code)),
        kind);
}

void TRsCustomComm::DestroyHandle() {
    input_.reset();
    device_.reset();
}

void TRsCustomComm::SetDCB() {
    if (!Active()) return;
    if (input_) input_->SetFilter(eventChars_.eventChar(), options_.contains(coNullStrip));
    if (!updateDCB_) return;
    SerialLineSettings s;
    s.baudrate = baudrate_ == brUser ? userBaudrate_ : BaudrateValue(baudrate_);
    s.parity = parity_;
    s.databits = databits_;
    s.stopbits = stopbits_;
    s.outCtsFlow = flowControl_.outCtsFlow();
    s.controlDtr = flowControl_.controlDtr();
    s.controlRts = flowControl_.controlRts();
    s.xonXoffOut = flowControl_.xonXoffOut();
    s.xonXoffIn = flowControl_.xonXoffIn();
    s.xonChar = eventChars_.xonChar();
    s.xoffChar = eventChars_.xoffChar();
    s.parityCheck = options_.contains(coParityCheck);
    Watch(device_->ApplyLine(s), QStringLiteral("Error writing dcb (%d), %s"));
}

// The driver has no queue sizes here: ReadSize is the size of the port's own
// input queue, WriteSize that of the write thread's queue.
void TRsCustomComm::UpdateBuffers() {
    if (!Active()) return;
    const auto sizeError = [](int size) { return size <= 0 ? EINVAL : size > kMaxQueueSize ? ENOMEM : 0; };
    const QString format = QStringLiteral("Error initializing buffers (%d), %s");
    Watch(sizeError(buffers_.readSize()), format);
    Watch(sizeError(buffers_.writeSize()), format);
    input_ = std::make_unique<TRsCommInput>(buffers_.readSize());
    input_->SetFilter(eventChars_.eventChar(), options_.contains(coNullStrip));
}

void TRsCustomComm::UpdateTimeouts() {
    if (!Active()) return;
    Watch(device_->SetImmediateReads(), QStringLiteral("Error setting timeouts (%d), %s"));
}

// The write thread reports an empty queue itself, so EV_TXEMPTY is left out.
void TRsCustomComm::UpdateEventMask() {
    eventMask_ = 0;
    for (int e = ceBreak; e <= ceEvent2; ++e)
        if (monitorEvents_.contains(static_cast<TRsCommEvent>(e)))
            eventMask_ |= EventFlag(static_cast<TRsCommEvent>(e));
    eventMask_ &= ~std::uint32_t(EV_TXEMPTY);
}

void TRsCustomComm::CreateThreads() {
    device_->Counters(counters_);
    if (eventMask_ != 0) {
        eventThread_ = std::make_unique<TRsCommEventThread>(
            *device_, *input_, eventMask_, [this](std::uint32_t events) { DoEvent(events); }, eventPriority_);
        eventThread_->Start();
    }
    writeThread_ = std::make_unique<TRsCommWriteThread>(
        *device_, buffers_.writeSize(), [this](std::uint32_t events) { DoEvent(events); }, writePriority_);
    writeThread_->Start();
}

// Both threads are told to stop before either is waited for; neither waits for
// the main thread once told, so this never blocks on a pending hand-over.
void TRsCustomComm::DestroyThreads() {
    if (eventThread_) eventThread_->StopThread();
    if (writeThread_) writeThread_->StopThread();
    eventThread_.reset();
    writeThread_.reset();
}

void TRsCustomComm::DoOpen() {
    if (!OnOpen) return;
    try {
        OnOpen(Sender());
    } catch (...) {
        showCurrentException();
    }
}

void TRsCustomComm::DoClose() {
    if (!Destroying() && OnClose) OnClose(Sender());
}

} // namespace serial
