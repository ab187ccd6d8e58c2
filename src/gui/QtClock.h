#pragma once
#include "gui/Clock.h"

#include <QElapsedTimer>

namespace gui {

// Timers on QTimer, for the running program.
class QtClock final : public Clock {
public:
    QtClock() { elapsed_.start(); }
    std::unique_ptr<Timer> createTimer(std::function<void()> onTimeout) override;
    std::int64_t now() const override { return elapsed_.elapsed(); }

private:
    QElapsedTimer elapsed_;
};

} // namespace gui
