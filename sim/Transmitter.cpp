#include "Transmitter.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace sim {

namespace {
constexpr std::int64_t kSplitGapUs = 2000;
}

Transmitter::Transmitter(int fd, const SimOptions& options)
    : fd_(fd), pace_(options.pace), split_(options.split), byteUs_(10e6 / options.lineSpeed()) {}

void Transmitter::send(const QByteArray& bytes, std::int64_t notBefore, bool hangupAfter) {
    double t = std::max(lineFree_, double(notBefore));
    if (pace_) {
        // One piece per byte, each leaving when the byte before it has.
        for (int i = 0; i < bytes.size(); ++i) {
            t += byteUs_;
            queue_.push_back({std::int64_t(t), bytes.mid(i, 1), false});
        }
    } else if (split_ > 0) {
        for (int i = 0; i < bytes.size(); i += split_) {
            queue_.push_back({std::int64_t(t), bytes.mid(i, split_), false});
            t += kSplitGapUs;
        }
    } else {
        queue_.push_back({std::int64_t(t), bytes, false});
    }
    if (hangupAfter) queue_.push_back({std::int64_t(t), {}, true});
    lineFree_ = t;
}

bool Transmitter::flush(std::int64_t now) {
    QByteArray due;
    bool hangup = false;
    while (!queue_.empty() && queue_.front().at <= now) {
        due += queue_.front().bytes;
        hangup = hangup || queue_.front().hangup;
        queue_.pop_front();
    }
    int done = 0;
    while (done < due.size()) {
        const ssize_t n = ::write(fd_, due.constData() + done, std::size_t(due.size() - done));
        if (n > 0) {
            done += int(n);
        } else if (n < 0 && errno == EAGAIN) {
            // The line is full: the rest goes first next time.
            queue_.push_front({now, due.mid(done), hangup});
            return true;
        } else {
            break; // nobody on the line; the bytes are lost as on a real wire
        }
    }
    return !hangup;
}

std::int64_t Transmitter::idleAt(std::int64_t now) const {
    return std::max<std::int64_t>(now, queue_.empty() ? now : queue_.back().at);
}

void Transmitter::drop() {
    queue_.clear();
    lineFree_ = 0;
}

} // namespace sim
