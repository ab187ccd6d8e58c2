#pragma once
#include <functional>
#include <utility>

namespace gui {

// A single-shot main-thread timer. start() restarts it when it is running.
// What it runs on time-out is given when it is made.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

protected:
    explicit Timer(std::function<void()> onTimeout) : onTimeout_(std::move(onTimeout)) {}
    void timeout() const { onTimeout_(); }

private:
    std::function<void()> onTimeout_;
};

} // namespace gui
