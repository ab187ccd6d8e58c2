#pragma once
#include "store/Dataset.h"

#include <functional>

namespace exchange {

// A programmatic walk over every row of a dataset, as the exchange window's
// transfers make it: the grids are held still, and afterwards the dataset
// returns to the row that was current. `beforeReturn` runs just before that
// return (the place for a quiet tag).
class TransferWalk {
public:
    static void run(store::Dataset& ds, const std::function<void()>& eachRow,
                    const std::function<void()>& beforeReturn = {});

    // Whether the current row's mark `field` is set; clears it and posts.
    static bool takeMark(store::Dataset& ds, const QString& field);
};

} // namespace exchange
