#pragma once
#include "EventLog.h"
#include "InstrumentMemory.h"
#include "SimOptions.h"
#include "Transmitter.h"

#include <QByteArray>
#include <cstdint>

namespace sim {

// The instrument's side of one wire protocol. It is fed the bytes that arrive
// and answers through the transmitter, with the faults asked for.
class Device {
public:
    Device(const SimOptions& options, InstrumentMemory& memory, Transmitter& tx, EventLog& log);
    virtual ~Device() = default;

    // Bytes from the program; `speed` is the line speed it has set.
    virtual void received(const QByteArray& bytes, std::int64_t now, int speed) = 0;
    // Time-outs; called on every turn of the loop.
    virtual void tick(std::int64_t now) {}
    // When tick() next has something to do (µs); -1 when nothing waits.
    virtual std::int64_t nextDeadline() const { return -1; }
    // The program closed the line.
    virtual void lineDropped() {}

protected:
    // Starts request number requests_ and says whether faults apply to it.
    bool newRequest() { return requests_++ >= options_.faultAt; }
    bool faulty() const { return requests_ - 1 >= options_.faultAt; }
    // Sends an answer with the faults of the current request applied, and logs it.
    void answer(QByteArray bytes, std::int64_t notBefore);
    // Whether a frame is understood at the line speed the program set.
    bool speedMatches(int speed);

    const SimOptions& options_;
    InstrumentMemory& memory_;
    Transmitter& tx_;
    EventLog& log_;
    int requests_ = 0;
};

} // namespace sim
