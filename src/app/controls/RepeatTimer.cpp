#include "app/controls/RepeatTimer.h"

namespace app::controls {

RepeatTimer::RepeatTimer(gui::Clock& clock, int interval, std::function<void()> onTimer)
    : onTimer_(std::move(onTimer)), timer_(clock.createTimer([this] {
          // Re-armed before the handler runs, so that a handler may stop it.
          timer_->start(interval_);
          onTimer_();
      })),
      interval_(interval) {}

void RepeatTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    if (timer_->isActive()) timer_->start(interval_);
}

void RepeatTimer::start() { timer_->start(interval_); }

void RepeatTimer::stop() { timer_->stop(); }

} // namespace app::controls
