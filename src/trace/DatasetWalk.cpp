#include "trace/DatasetWalk.h"

namespace trace {

DatasetWalk::DatasetWalk(store::Dataset& ds, int tag) : ds_(ds), tag_(tag), bookmark_(ds.bookmark()) {
    ds_.disableControls();
}

DatasetWalk::~DatasetWalk() {
    if (finished_) return;
    try {
        finish();
    } catch (...) {
        // Already unwinding from the walk's own error; that one is what the user sees.
        ds_.setTag(store::TagNormal);
    }
}

bool DatasetWalk::first() {
    if (!ds_.isOpen() || ds_.isEmpty()) return false;
    ds_.setTag(tag_);
    ds_.first();
    return true;
}

bool DatasetWalk::next() {
    if (!ds_.isOpen()) return false;
    const int before = ds_.recNo();
    ds_.setTag(tag_);
    ds_.next();
    return ds_.recNo() != before;
}

void DatasetWalk::finish() {
    finished_ = true;
    try {
        if (ds_.isOpen() && !ds_.isEmpty()) {
            ds_.setTag(tag_);
            ds_.gotoBookmark(bookmark_);
        }
    } catch (...) {
        ds_.setTag(store::TagNormal);
        ds_.enableControls();
        throw;
    }
    ds_.setTag(store::TagNormal);
    ds_.enableControls();
}

} // namespace trace
