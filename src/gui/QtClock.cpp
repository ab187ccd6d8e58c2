#include "gui/QtClock.h"

#include <QTimer>

namespace gui {

namespace {
class QtTimer final : public Timer {
public:
    explicit QtTimer(std::function<void()> onTimeout) : Timer(std::move(onTimeout)) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { timeout(); });
    }
    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};
} // namespace

std::unique_ptr<Timer> QtClock::createTimer(std::function<void()> onTimeout) {
    return std::make_unique<QtTimer>(std::move(onTimeout));
}

} // namespace gui
