#pragma once
#include "store/Dataset.h"

#include <QString>

namespace store {

// A read refused because the server of a library is not reachable; the text
// is why. Whoever watches the connection tells the loss once, so a view that
// only shows what it reads (the charts, as the user moves through the grid)
// adds no message of its own.
struct UnreachableRead : StoreError {
    explicit UnreachableRead(const QString& why) : StoreError(why.toStdString()) {}
};

} // namespace store
