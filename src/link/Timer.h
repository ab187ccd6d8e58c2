#pragma once
#include <functional>

namespace exchange {

// A single-shot main-thread timer. start() restarts it when it is running.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    std::function<void()> onTimeout;
};

} // namespace exchange
