#include "exchange/TransferWalk.h"

namespace exchange {

void TransferWalk::run(store::Dataset& ds, const std::function<void()>& eachRow,
                       const std::function<void()>& beforeReturn) {
    ds.disableControls();
    const store::Dataset::Bookmark mark = ds.bookmark();
    auto restore = [&] {
        if (beforeReturn) beforeReturn();
        if (ds.bookmarkValid(mark)) ds.gotoBookmark(mark);
        ds.enableControls();
    };
    try {
        // By index: a row whose post is refused must not stop the walk or repeat it.
        const int rows = ds.recordCount();
        for (int row = 0; row < rows && row < ds.recordCount(); ++row) {
            ds.moveTo(row);
            eachRow();
        }
    } catch (...) {
        ds.cancel();
        restore();
        throw;
    }
    restore();
}

bool TransferWalk::takeMark(store::Dataset& ds, const QString& field) {
    if (!ds.fieldByName(field).asBool()) return false;
    ds.edit();
    ds.fieldByName(field).setBool(false);
    ds.post();
    return true;
}

} // namespace exchange
