#include "report/CompareLibraryWalk.h"

#include <algorithm>

namespace report {

CompareLibraryWalk::CompareLibraryWalk(store::Dataset& ds) : ds_(ds), bookmark_(ds.bookmark()) {
    ds_.disableControls();
}

CompareLibraryWalk::~CompareLibraryWalk() {
    try {
        // Without a move there is nothing to return from, and a quiet tag that
        // no event absorbs would swallow the next real one.
        if (moved_ && ds_.isOpen()) {
            ds_.setTag(store::TagQuiet);
            ds_.gotoBookmark(bookmark_);
        }
    } catch (...) {
        // Leaving through an error already: that error is the one to report.
    }
    try {
        ds_.enableControls();
    } catch (...) {
        // Nothing may leave a destructor; the report's own error is reported.
    }
}

void CompareLibraryWalk::forEach(int limit, const std::function<void(int n)>& visit) {
    if (!ds_.isOpen()) return;
    const int count = std::min(limit, ds_.recordCount());
    if (count <= 0) return;
    moved_ = true;
    ds_.setTag(store::TagQuiet);
    ds_.first();
    for (int n = 1; n <= count; ++n) {
        visit(n);
        ds_.setTag(store::TagQuiet);
        ds_.next();
    }
}

} // namespace report
