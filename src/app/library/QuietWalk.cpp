#include "app/library/QuietWalk.h"

namespace app::library {

QuietWalk::QuietWalk(store::Dataset& ds, End end) : ds_(ds), end_(end), bookmark_(ds.bookmark()) {
    ds_.disableControls();
}

QuietWalk::~QuietWalk() {
    if (finished_) return;
    // Unwinding from the pass's own error, which is the one the user sees.
    try {
        ds_.cancel();
        moveBack();
    } catch (...) {
    }
    try {
        ds_.enableControls();
    } catch (...) {
    }
    ds_.setTag(store::TagNormal);
}

void QuietWalk::moveBack() {
    if (!ds_.isOpen() || ds_.isEmpty()) return;
    ds_.setTag(store::TagQuiet);
    if (end_ == End::First) ds_.first();
    else ds_.gotoBookmark(bookmark_);
}

void QuietWalk::finish() {
    finished_ = true;
    try {
        moveBack();
    } catch (...) {
        ds_.setTag(store::TagNormal);
        ds_.enableControls();
        throw;
    }
    ds_.enableControls();
    // Every deferred event has run; a tag still set would swallow the next move.
    if (ds_.tag() == store::TagQuiet) ds_.setTag(store::TagNormal);
}

} // namespace app::library
