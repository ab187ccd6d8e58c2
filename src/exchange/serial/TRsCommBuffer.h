#pragma once
#include <cstdint>
#include <vector>

namespace serial {

// A byte queue of fixed capacity. Every count is checked against what the
// queue holds: Write stores only what fits, Peek/Read/Remove take only what is there.
class TRsCommBuffer {
public:
    explicit TRsCommBuffer(int capacity);

    int Capacity() const { return static_cast<int>(data_.size()); }
    int Used() const { return used_; }
    int Free() const { return Capacity() - used_; }

    // Appends up to n bytes; returns how many were stored.
    int Write(const void* src, int n);
    // Copies up to n bytes from the front; returns how many were copied.
    int Peek(void* dest, int n) const;
    // Peek followed by Remove.
    int Read(void* dest, int n);
    // Drops up to n bytes from the front and moves the rest there.
    int Remove(int n);
    void Clear() { used_ = 0; }

    const std::uint8_t* DataPtr() const { return data_.data(); }

private:
    std::vector<std::uint8_t> data_;
    int used_ = 0;
};

} // namespace serial
