#include "app/ViewToggles.h"

#include "app/WindowState.h"
#include "trace/LineStyle.h"

namespace app {

void ViewToggles::btAproksClick() {
    int tag = state_.aproksTag();
    trace::LineStyle::btAproksClick(tag, charts_);
    state_.setAproksTag(tag);
}

void ViewToggles::btScreenClick() { state_.setScreenTag(state_.screenTag() != 0 ? 0 : 1); }

} // namespace app
