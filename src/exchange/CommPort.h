#pragma once
#include <QObject>
#include <QString>

namespace exchange {

enum class LineSpeed { Baud9600, Baud56000 };

inline int bitsPerSecond(LineSpeed speed) { return speed == LineSpeed::Baud9600 ? 9600 : 56000; }

// What became of a line that fell silent or failed: nothing known, the other
// end closed it, or the device itself went away.
enum class LineLoss { None, Closed, Gone };

// What the exchange needs of a serial port. Its signals arrive on the main
// thread. Failures are thrown as std::exception with a readable what() (UTF-8).
class CommPort : public QObject {
    Q_OBJECT
public:
    virtual void setPortNum(int portNum) = 0; // only while closed
    // A device path (an adapter's stable name) instead of a port number; only while closed.
    virtual void setDevice(const QString& path) = 0;
    virtual void setLineSpeed(LineSpeed speed) = 0;
    virtual void open() = 0;
    virtual void close() = 0; // nothing happens when closed
    virtual bool active() const = 0;
    // Queues bytes for sending; returns the count queued (0 when closed).
    virtual int write(const char* data, int count) = 0;
    // Takes up to `count` received bytes; returns the count taken (0 when closed).
    virtual int read(char* data, int count) = 0;
    // Drops everything queued in both directions.
    virtual void purgeReadWrite() = 0;
    // Asked once the line fell silent or failed; also after close().
    virtual LineLoss lineLoss() const = 0;

signals:
    void opened();
    void closed();
    // Bytes are waiting; `count` is how many.
    void rxChar(int count);
};

} // namespace exchange
