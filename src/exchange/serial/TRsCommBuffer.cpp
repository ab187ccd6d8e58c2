#include "exchange/serial/TRsCommBuffer.h"

#include <algorithm>
#include <cstring>

namespace serial {

TRsCommBuffer::TRsCommBuffer(int capacity) : data_(static_cast<std::size_t>(std::max(capacity, 0))) {}

int TRsCommBuffer::Write(const void* src, int n) {
    n = std::clamp(n, 0, Free());
    if (n > 0 && src) std::memcpy(data_.data() + used_, src, static_cast<std::size_t>(n));
    else n = 0;
    used_ += n;
    return n;
}

int TRsCommBuffer::Peek(void* dest, int n) const {
    n = std::clamp(n, 0, used_);
    if (n > 0 && dest) std::memcpy(dest, data_.data(), static_cast<std::size_t>(n));
    else n = 0;
    return n;
}

int TRsCommBuffer::Read(void* dest, int n) { return Remove(Peek(dest, n)); }

int TRsCommBuffer::Remove(int n) {
    n = std::clamp(n, 0, used_);
    if (n > 0) std::memmove(data_.data(), data_.data() + n, static_cast<std::size_t>(used_ - n));
    used_ -= n;
    return n;
}

} // namespace serial
