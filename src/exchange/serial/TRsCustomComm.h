#pragma once
#include "exchange/serial/RsTypes.h"
#include "exchange/serial/SerialDevice.h"
#include "exchange/serial/TRsBuffers.h"
#include "exchange/serial/TRsComponent.h"
#include "exchange/serial/TRsCriticalSection.h"
#include "exchange/serial/TRsEventChars.h"
#include "exchange/serial/TRsFlowControl.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace serial {

class TRsComm;
class TRsCommEventThread;
class TRsCommInput;
class TRsCommWriteThread;

using TRsNotifyEvent = std::function<void(TRsComm& sender)>;
using TRsCommRxCharEvent = std::function<void(TRsComm& sender, int count)>;
using TRsCommErrorEvent = std::function<void(TRsComm& sender, int errors)>;

// A serial port: opens the device its number names with the line settings it
// holds, queues bytes to its write thread and watches the line with its event
// thread. Every public operation and every handler runs on the main thread.
// Failures raise ERsCommError.
class TRsCustomComm : public TRsComponent {
public:
    ~TRsCustomComm() override;
    TRsCustomComm(const TRsCustomComm&) = delete;
    TRsCustomComm& operator=(const TRsCustomComm&) = delete;

    bool autoOpen() const { return autoOpen_; }
    void setAutoOpen(bool value) { autoOpen_ = value; }
    TRsBaudrate baudrate() const { return baudrate_; }
    void setBaudrate(TRsBaudrate value);
    TRsParity parity() const { return parity_; }
    void setParity(TRsParity value);
    TRsDatabits databits() const { return databits_; }
    void setDatabits(TRsDatabits value);
    TRsStopbits stopbits() const { return stopbits_; }
    void setStopbits(TRsStopbits value);
    TRsEventChars& EventChars() { return eventChars_; }
    TRsFlowControl& FlowControl() { return flowControl_; }
    TRsCommOptions options() const { return options_; }
    void setOptions(TRsCommOptions value);
    int portNum() const { return portNum_; }
    void setPortNum(int value);
    const QString& deviceName() const { return deviceName_; }
    void setDeviceName(const QString& value);
    TRsCommEvents monitorEvents() const { return monitorEvents_; }
    void setMonitorEvents(TRsCommEvents value);
    TRsBuffers& Buffers() { return buffers_; }
    TRsThreadPriority eventPriority() const { return eventPriority_; }
    void setEventPriority(TRsThreadPriority value);
    TRsThreadPriority writePriority() const { return writePriority_; }
    void setWritePriority(TRsThreadPriority value);
    bool updateDCB() const { return updateDCB_; }
    void setUpdateDCB(bool value) { updateDCB_ = value; }
    int userBaudrate() const { return userBaudrate_; }
    void setUserBaudrate(int value);

    TRsNotifyEvent OnOpen;
    TRsNotifyEvent OnClose;
    TRsCommRxCharEvent OnRxChar;
    TRsCommErrorEvent OnError;
    TRsNotifyEvent OnCts, OnDsr, OnRlsd, OnRing, OnBreak, OnRxFlag, OnTxEmpty, OnPErr, OnRx80Full, OnEvent1,
        OnEvent2;

    void Loaded() override;

    // The device path: the template with the device number of PortNum.
    QString GetDeviceName() const;

    void Open();
    void Close();
    bool Active() const { return device_ != nullptr; }

    // Makes the device each Open opens; by default the termios binding. Tests
    // put a device of their own under the port; the program never does.
    void SetDeviceFactory(SerialDeviceFactory factory);

    // Queues the bytes for the write thread; returns count, or 0 when closed.
    int WriteBuf(const void* buf, int count);
    // Takes up to count bytes that have arrived, without waiting; 0 when closed.
    int ReadBuf(void* buf, int count);
    // Bytes waiting to be read; 0 when closed.
    int ReadBufUsed();

    void PurgeRead() { PurgeBuffers(PURGE_RXABORT | PURGE_RXCLEAR); }
    void PurgeWrite() { PurgeBuffers(PURGE_TXABORT | PURGE_TXCLEAR); }
    void PurgeReadWrite() { PurgeBuffers(PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR); }
    void PurgeBuffers(int flags);

    // Line errors since the last call (cleared by it) and the queue counts.
    TRsCommStatus GetCommStatus();
    // The event flags the event thread watches, computed at open.
    std::uint32_t EventMask() const { return eventMask_; }

protected:
    TRsCustomComm();

    // The object handed to the handlers as their sender.
    virtual TRsComm& Sender() = 0;

    virtual void CreateHandle();
    virtual void CreateThreads();
    virtual void HandleDataEvent();
    virtual void HandleLineEvent(std::uint32_t events);

    void CheckOpen() const;
    void DestroyHandle();
    void SetDCB();
    void UpdateBuffers();
    void UpdateTimeouts();
    void UpdateEventMask();
    void DestroyThreads();
    void DoOpen();
    void DoClose();
    void DoEvent(std::uint32_t events);
    void ClearLineErrors();

    [[noreturn]] void Error(const QString& format, int code) const;
    void Watch(int code, const QString& format) const;

private:
    int LineErrors();

    bool autoOpen_ = false;
    TRsBaudrate baudrate_ = br1200;
    TRsParity parity_ = paNone;
    TRsDatabits databits_ = db8;
    TRsStopbits stopbits_ = sb1;
    TRsEventChars eventChars_;
    TRsFlowControl flowControl_;
    TRsCommOptions options_;
    int portNum_ = 0;
    QString deviceName_;
    TRsCommEvents monitorEvents_{ceError, ceRxChar, ceTxEmpty};
    TRsBuffers buffers_;
    TRsThreadPriority eventPriority_ = tpNormal;
    TRsThreadPriority writePriority_ = tpHighest;
    bool updateDCB_ = true;
    int userBaudrate_ = 0;

    SerialDeviceFactory deviceFactory_;
    std::unique_ptr<SerialDevice> device_;
    std::uint32_t eventMask_ = 0;
    std::unique_ptr<TRsCommInput> input_;
    std::unique_ptr<TRsCommEventThread> eventThread_;
    std::unique_ptr<TRsCommWriteThread> writeThread_;
    TRsCriticalSection globalLock_;
    SerialCounters counters_;
};

} // namespace serial
