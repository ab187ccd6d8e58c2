#pragma once
#include "store/Dataset.h"

namespace trace {

// A programmatic walk over a dataset: attached grids are detached and the
// current record is bookmarked for the walk's length. finish() returns to the
// bookmark under the walk's tag and leaves the tag at 0, so the data module's
// handlers neither react to the walk nor swallow the user's next move. If the
// walk ends by an exception, the destructor does the same quietly.
class DatasetWalk {
public:
    DatasetWalk(store::Dataset& ds, int tag);
    ~DatasetWalk();
    DatasetWalk(const DatasetWalk&) = delete;
    DatasetWalk& operator=(const DatasetWalk&) = delete;

    // Moves to the first record (false when there is none) and to the next
    // one (false at the end), each under the walk's tag.
    bool first();
    bool next();
    void finish();

private:
    store::Dataset& ds_;
    int tag_;
    store::Dataset::Bookmark bookmark_;
    bool finished_ = false;
};

} // namespace trace
