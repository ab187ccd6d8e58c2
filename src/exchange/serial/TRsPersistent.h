#pragma once
#include <functional>

namespace serial {

// Base of the port's property groups. The owning port installs two callbacks:
// `onChanging` runs before a new value is stored and may refuse it by
// throwing (a group that cannot change while the port is open), `onChanged`
// runs after it, unless an update is in progress.
class TRsPersistent {
public:
    virtual ~TRsPersistent() = default;

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    void SetCallbacks(std::function<void()> onChanging, std::function<void()> onChanged);

protected:
    void Changed();

    template <typename T>
    void SetField(T& field, const T& value) {
        if (field == value) return;
        if (onChanging_) onChanging_();
        field = value;
        Changed();
    }

private:
    int updateCount_ = 0;
    std::function<void()> onChanging_;
    std::function<void()> onChanged_;
};

} // namespace serial
