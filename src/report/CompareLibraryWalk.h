#pragma once
#include "store/Dataset.h"

#include <functional>

namespace report {

// A programmatic walk over the compare library that the data module does not
// see: the attached controls are frozen and the current record remembered for
// the walk's life; every move is preceded by the quiet tag. When the walk ends,
// also through an error, the library is back on the remembered record.
class CompareLibraryWalk {
public:
    explicit CompareLibraryWalk(store::Dataset& ds);
    ~CompareLibraryWalk();
    CompareLibraryWalk(const CompareLibraryWalk&) = delete;
    CompareLibraryWalk& operator=(const CompareLibraryWalk&) = delete;

    // Visits the first `limit` records in table order; `visit` gets 1, 2, ...
    void forEach(int limit, const std::function<void(int n)>& visit);

private:
    store::Dataset& ds_;
    store::Dataset::Bookmark bookmark_;
    bool moved_ = false;
};

} // namespace report
