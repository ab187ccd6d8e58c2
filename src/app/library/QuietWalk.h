#pragma once
#include "store/Dataset.h"

namespace app::library {

// A programmatic pass over a dataset under the quiet tag: the grids are
// detached and the current record is remembered. The caller sets the quiet
// tag before each move, delete or append it makes. finish() moves back (to
// the remembered record, or to the first one) under the quiet tag and
// attaches the grids again, which fires the deferred data change that the
// tag absorbs. If the pass ends by an error, a pending insert or edit is
// cancelled, the walk returns the same way and no quiet tag is left to
// swallow the user's next move.
class QuietWalk {
public:
    enum class End { Remembered, First };

    QuietWalk(store::Dataset& ds, End end);
    ~QuietWalk();
    QuietWalk(const QuietWalk&) = delete;
    QuietWalk& operator=(const QuietWalk&) = delete;

    void finish();

private:
    void moveBack();

    store::Dataset& ds_;
    End end_;
    store::Dataset::Bookmark bookmark_;
    bool finished_ = false;
};

} // namespace app::library
