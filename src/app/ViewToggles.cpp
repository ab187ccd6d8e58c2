#include "app/ViewToggles.h"

#include "app/WindowState.h"
#include "trace/LineStyle.h"

namespace app {

void ViewToggles::btAproksClick() {
    trace::LineStyle::btAproksClick(state_.aproksTag, charts_);
    state_.notify();
}

void ViewToggles::btScreenClick() {
    state_.screenTag = state_.screenTag != 0 ? 0 : 1;
    state_.notify();
}

} // namespace app
