#pragma once
#include "store/OperationJournal.h"

#include <QString>

namespace store {
class DataModuleHost;
class TDataModule1;
} // namespace store

namespace app {

// At start-up: an operation the program did not live to finish (its journal
// is still there) is named in one message with what it left undone, and the
// journal is removed. The rest of a file import is offered and, when
// accepted, imported; for a read from the instrument the message says which
// banks to read again, since the exchange window reads the instrument's list
// afresh on opening. An import into a library other than the one open
// (a crew's, whose server was lost) is named and kept for a start with it.
class InterruptedOperation {
public:
    static void check(store::TDataModule1& dm, store::DataModuleHost& mainWindow,
                      const QString& journalPath = store::OperationJournal::defaultPath());

    // Names a message lists before "…".
    static constexpr int kNamed = 5;
};

} // namespace app
