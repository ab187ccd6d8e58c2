#pragma once
#include "store/Dataset.h"

#include <functional>

namespace store {

// The one way the program walks a dataset by itself: the attached grids are
// held still and the current record is remembered for the walk's length.
// Every move the walk makes is under its tag, and so is every move, delete,
// append or post that the caller makes after tag(), so that the data
// module's handlers do not take the walk for the user's moves. finish()
// moves back (to the remembered record, or to the first) under the tag, lets
// the grids go, which fires the deferred data change the tag absorbs, and
// leaves no tag behind to swallow the user's next move. A walk that ends by
// an error cancels a pending insert or edit and ends the same way, quietly:
// that error is the one the user sees.
class DatasetWalk {
public:
    enum class End { Remembered, First };

    explicit DatasetWalk(Dataset& ds, int tag = TagQuiet, End end = End::Remembered);
    ~DatasetWalk();
    DatasetWalk(const DatasetWalk&) = delete;
    DatasetWalk& operator=(const DatasetWalk&) = delete;

    // Moves to the first record (false when there is none) and to the next
    // one (false at the end).
    bool first();
    bool next();
    void moveTo(int row);
    // Tags what the caller does next to the dataset.
    void tag();
    // Visits every row by its index: a row whose post is refused neither
    // stops the walk nor is visited twice.
    void eachRow(const std::function<void()>& visit);
    void finish();

private:
    void moveBack();

    Dataset& ds_;
    int tag_;
    End end_;
    Dataset::Bookmark bookmark_;
    bool finished_ = false;
};

} // namespace store
