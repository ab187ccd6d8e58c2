#pragma once
#include <QObject>

namespace store {

// A state that a window shows. Every setter that changes a value emits
// changed(), on which the window shows the state again, so no handler has to
// remember to tell it; within a Batch, changed() comes once, when the
// outermost batch ends, so that an event that sets many values has the window
// shown once.
class ShownState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    class Batch {
    public:
        explicit Batch(ShownState& state) : state_(state) { ++state_.batches_; }
        ~Batch() {
            if (--state_.batches_ == 0 && state_.pending_) {
                state_.pending_ = false;
                emit state_.changed();
            }
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ShownState& state_;
    };

signals:
    void changed();

protected:
    template <typename T>
    void set(T& field, const T& value) {
        if (field == value) return;
        field = value;
        if (batches_ > 0) pending_ = true;
        else emit changed();
    }

private:
    int batches_ = 0;
    bool pending_ = false;
};

} // namespace store
