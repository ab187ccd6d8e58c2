#pragma once
#include "exchange/CommPort.h"
#include "gui/Clock.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

namespace exchange {

// Instrument detection: probes the port first with a short-frame read request
// at 9600 bit/s and, when nothing answers, 200 ms later with a packet read
// request at 56000 bit/s; each probe listens for 2 s. The count and bytes of
// the answer decide the entry of the type list.
class DeviceDetection : public QObject {
    Q_OBJECT
public:
    // Entries of the detection type list.
    enum Entry {
        EntryKeep = -1,       // the selection stays as it is
        EntryShortFrame = 0,  // 257-byte answer
        EntryShortFrameB = 1, // 257-byte answer whose byte 239 has one bit set
        EntryFullBlock = 2,   // 385-byte answer
        EntryPacket = 4,      // packet answer ("nothing to send" at byte 4, or a long block)
        EntryUnknown = 5,     // no answer to either probe
    };

    static constexpr int kBufferSize = 1024;
    static constexpr int kProbeTime = 2000;
    static constexpr int kSecondProbeDelay = 200;

    DeviceDetection(CommPort& port, gui::Clock& clock);
    ~DeviceDetection();

    // Starts the first probe. A port that cannot be opened ends the detection
    // at once through `failed`.
    void start();
    // Stops both timers and closes the port.
    void stop();
    bool running() const;

    // The entry an answer stands for; `received` may exceed the stored bytes.
    static int classify(const QByteArray& answer, int received);

    // CHKDEV_Timer, PORTOPEN_Timer and the port's receive event.
    void CHKDEV_TimerTimer();
    void PORTOPEN_TimerTimer();
    void portRxChar(int count);

signals:
    // Detection ended with an entry (EntryKeep included).
    void finished(int entry);
    // The port could not be opened; the text says why.
    void failed(const QString& why);

private:
    bool probe(LineSpeed speed, const QByteArray& request);

    CommPort& port_;
    std::unique_ptr<gui::Timer> chkdevTimer_;
    std::unique_ptr<gui::Timer> portOpenTimer_;
    QByteArray buffer_;
    int received_ = 0;
    int stage_ = 0; // 0 idle, 1 first probe, 2 second probe
};

} // namespace exchange
