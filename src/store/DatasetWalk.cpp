#include "store/DatasetWalk.h"

namespace store {

DatasetWalk::DatasetWalk(Dataset& ds, int tag, End end)
    : ds_(ds), tag_(tag), end_(end), bookmark_(ds.bookmark()) {
    ds_.disableControls();
}

DatasetWalk::~DatasetWalk() {
    if (finished_) return;
    try {
        ds_.cancel();
        moveBack();
    } catch (...) {
    }
    try {
        ds_.enableControls();
    } catch (...) {
    }
    ds_.setTag(TagNormal);
}

bool DatasetWalk::first() {
    if (!ds_.isOpen() || ds_.isEmpty()) return false;
    tag();
    ds_.first();
    return true;
}

bool DatasetWalk::next() {
    if (!ds_.isOpen()) return false;
    const int before = ds_.recNo();
    tag();
    ds_.next();
    return ds_.recNo() != before;
}

void DatasetWalk::moveTo(int row) {
    tag();
    ds_.moveTo(row);
}

void DatasetWalk::tag() { ds_.setTag(tag_); }

void DatasetWalk::eachRow(const std::function<void()>& visit) {
    const int rows = ds_.recordCount();
    for (int row = 0; row < rows && row < ds_.recordCount(); ++row) {
        moveTo(row);
        visit();
    }
}

void DatasetWalk::moveBack() {
    if (!ds_.isOpen() || ds_.isEmpty()) return;
    tag();
    if (end_ == End::First) ds_.first();
    else ds_.gotoBookmark(bookmark_);
}

void DatasetWalk::finish() {
    finished_ = true;
    try {
        moveBack();
    } catch (...) {
        ds_.setTag(TagNormal);
        ds_.enableControls();
        throw;
    }
    ds_.enableControls();
    if (ds_.tag() == tag_) ds_.setTag(TagNormal);
}

} // namespace store
