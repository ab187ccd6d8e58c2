#pragma once
#include <mutex>

namespace serial {

// A lock that its holder may take again, usable with std::lock_guard.
class TRsCriticalSection {
public:
    void lock() { mutex_.lock(); }
    void unlock() { mutex_.unlock(); }
    bool try_lock() { return mutex_.try_lock(); }

private:
    std::recursive_mutex mutex_;
};

} // namespace serial
