#include "exchange/serial/TRsPersistent.h"

namespace serial {

void TRsPersistent::EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
    Changed();
}

void TRsPersistent::SetCallbacks(std::function<void()> onChanging, std::function<void()> onChanged) {
    onChanging_ = std::move(onChanging);
    onChanged_ = std::move(onChanged);
}

void TRsPersistent::Changed() {
    if (updateCount_ == 0 && onChanged_) onChanged_();
}

} // namespace serial
