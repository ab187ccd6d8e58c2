#pragma once
#include "SimOptions.h"

#include <QByteArray>
#include <cstdint>
#include <deque>

namespace sim {

// Sends the instrument's bytes on the line: at once, paced at the line speed
// (10 bits a byte), or in small pieces, each piece at its own time.
class Transmitter {
public:
    Transmitter(int fd, const SimOptions& options);

    // Microseconds one byte takes on the line.
    double byteTime() const { return byteUs_; }

    // Queues bytes to go out no earlier than `notBefore` (µs). With `hangupAfter`
    // the line is closed once they are out.
    void send(const QByteArray& bytes, std::int64_t notBefore, bool hangupAfter = false);
    // Writes what is due; false once the line is to be closed.
    bool flush(std::int64_t now);
    // When the next piece is due (µs); -1 when nothing is queued.
    std::int64_t nextDue() const { return queue_.empty() ? -1 : queue_.front().at; }
    // When everything queued will have left.
    std::int64_t idleAt(std::int64_t now) const;
    // The line went away: forget what was queued.
    void drop();

private:
    struct Piece {
        std::int64_t at;
        QByteArray bytes;
        bool hangup;
    };

    int fd_;
    bool pace_;
    int split_;
    double byteUs_;
    double lineFree_ = 0;
    std::deque<Piece> queue_;
};

} // namespace sim
