// Waits for the frame an input produced, so that a measurement ends with the
// paint. A widget's update() posts an UpdateRequest to its window, in which
// the dirty widgets are painted and the backing store is flushed; a chart's
// scene first posts its own change, which the view turns into such an update.
// Running the event dispatcher until one pass finds nothing left to do
// therefore ends after the last paint and flush the input caused. The paints
// inside one area (the charts, say) are counted, so that a caller can check
// that a frame was really drawn there.
#pragma once
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace bench {

class FrameWait : public QObject {
public:
    explicit FrameWait(QWidget* area) : area_(area) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~FrameWait() override { QCoreApplication::instance()->removeEventFilter(this); }
    FrameWait(const FrameWait&) = delete;
    FrameWait& operator=(const FrameWait&) = delete;

    // Delivers everything pending; returns the paints in the area since the last call.
    int settle() {
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        int passes = 0;
        while (dispatcher->processEvents(QEventLoop::AllEvents)) {
            // A timer that is always due would keep this loop going forever.
            if (++passes > kMaxPasses) {
                std::fprintf(stderr, "The event queue does not become empty after an input.\n");
                std::exit(1);
            }
        }
        const int paints = paints_;
        paints_ = 0;
        return paints;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && area_) {
            const auto* w = qobject_cast<const QWidget*>(watched);
            if (w && (w == area_ || area_->isAncestorOf(w))) ++paints_;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr int kMaxPasses = 100000;
    QPointer<QWidget> area_;
    int paints_ = 0;
};

} // namespace bench
