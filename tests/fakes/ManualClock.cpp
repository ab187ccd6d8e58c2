#include "fakes/ManualClock.h"

#include <algorithm>

namespace exchange {

class ManualClock::ManualTimer final : public gui::Timer {
public:
    ManualTimer(ManualClock* clock, std::function<void()> onTimeout)
        : gui::Timer(std::move(onTimeout)), clock_(clock) {
        clock_->timers_.push_back(this);
    }
    void fire() const { timeout(); }
    ~ManualTimer() override {
        if (clock_ == nullptr) return;
        auto& all = clock_->timers_;
        all.erase(std::remove(all.begin(), all.end(), this), all.end());
    }
    void start(int milliseconds) override {
        active_ = true;
        due_ = clock_->now_ + std::max(0, milliseconds);
        order_ = ++clock_->sequence_;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    void detach() { clock_ = nullptr; }

    ManualClock* clock_;
    bool active_ = false;
    std::int64_t due_ = 0;
    std::uint64_t order_ = 0;
};

ManualClock::~ManualClock() {
    for (ManualTimer* t : timers_) t->detach();
}

std::unique_ptr<gui::Timer> ManualClock::createTimer(std::function<void()> onTimeout) {
    return std::make_unique<ManualTimer>(this, std::move(onTimeout));
}

ManualClock::ManualTimer* ManualClock::nextDue() const {
    ManualTimer* best = nullptr;
    for (ManualTimer* t : timers_) {
        if (!t->active_) continue;
        if (best == nullptr || t->due_ < best->due_ || (t->due_ == best->due_ && t->order_ < best->order_))
            best = t;
    }
    return best;
}

std::int64_t ManualClock::untilNext() const {
    const ManualTimer* t = nextDue();
    return t ? std::max<std::int64_t>(0, t->due_ - now_) : -1;
}

bool ManualClock::fireNext() {
    ManualTimer* t = nextDue();
    if (t == nullptr) return false;
    now_ = std::max(now_, t->due_);
    t->active_ = false;
    t->fire();
    return true;
}

void ManualClock::advance(std::int64_t milliseconds) {
    const std::int64_t end = now_ + milliseconds;
    for (ManualTimer* t = nextDue(); t != nullptr && t->due_ <= end; t = nextDue()) fireNext();
    now_ = end;
}

} // namespace exchange
