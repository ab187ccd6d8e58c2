#pragma once
#include <cstdint>
#include <initializer_list>

namespace serial {

// Value types of the serial port layer. The enumerations are unscoped on
// purpose: the rest of the program names their values directly (`br9600`).

enum TRsBaudrate {
    brUser,
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000
};

// Bits per second written into the line settings; brUser has no fixed speed (0).
int BaudrateValue(TRsBaudrate baudrate);

enum TRsParity { paNone, paOdd, paEven, paMark, paSpace };
enum TRsDatabits { db4, db5, db6, db7, db8 };
enum TRsStopbits { sb1, sb15, sb2 };
enum TRsControlDtr { dtrDisabled, dtrEnabled, dtrHandshake };
enum TRsControlRts { rtsDisabled, rtsEnabled, rtsHandshake, rtsToggle };
enum TRsCommOption { coErrorChar, coNullStrip, coParityCheck };

enum TRsCommEvent {
    ceBreak,
    ceCts,
    ceDsr,
    ceError,
    ceRing,
    ceRlsd,
    ceRxChar,
    ceTxEmpty,
    ceRxFlag,
    cePErr,
    ceRx80Full,
    ceEvent1,
    ceEvent2
};

enum TRsThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

enum TRsEventWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

// Line event flags, as the event thread reports them and HandleLineEvent reads them.
enum : std::uint32_t {
    EV_RXCHAR = 0x0001,
    EV_RXFLAG = 0x0002,
    EV_TXEMPTY = 0x0004,
    EV_CTS = 0x0008,
    EV_DSR = 0x0010,
    EV_RLSD = 0x0020,
    EV_BREAK = 0x0040,
    EV_ERR = 0x0080,
    EV_RING = 0x0100,
    EV_PERR = 0x0200,
    EV_RX80FULL = 0x0400,
    EV_EVENT1 = 0x0800,
    EV_EVENT2 = 0x1000,
};

std::uint32_t EventFlag(TRsCommEvent event);

// Line error word of GetCommStatus and OnError.
enum : int {
    CE_RXOVER = 0x0001,   // input queue overflow
    CE_OVERRUN = 0x0002,  // character overrun
    CE_RXPARITY = 0x0004, // parity error
    CE_FRAME = 0x0008,    // framing error
    CE_BREAK = 0x0010,    // break received
    CE_IOE = 0x0400,      // the device refused a transfer
};

// Purge flags of PurgeBuffers.
enum : int {
    PURGE_TXABORT = 0x0001,
    PURGE_RXABORT = 0x0002,
    PURGE_TXCLEAR = 0x0004,
    PURGE_RXCLEAR = 0x0008,
};

// A set of values of one of the enumerations above (at most 32 values).
template <typename E>
class TRsSet {
public:
    constexpr TRsSet() = default;
    constexpr TRsSet(std::initializer_list<E> values) {
        for (E v : values) bits_ |= bit(v);
    }
    constexpr bool contains(E v) const { return (bits_ & bit(v)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr void insert(E v) { bits_ |= bit(v); }
    constexpr void erase(E v) { bits_ &= ~bit(v); }
    constexpr friend bool operator==(TRsSet a, TRsSet b) { return a.bits_ == b.bits_; }

private:
    static constexpr std::uint32_t bit(E v) { return std::uint32_t(1) << static_cast<unsigned>(v); }
    std::uint32_t bits_ = 0;
};

using TRsCommOptions = TRsSet<TRsCommOption>;
using TRsCommEvents = TRsSet<TRsCommEvent>;

// What GetCommStatus reports: the line errors found since the last call (and
// cleared by it), status flags, and the bytes waiting in each direction.
struct TRsCommStatus {
    int errors = 0;
    int flags = 0;
    int inQueue = 0;
    int outQueue = 0;
};

} // namespace serial
