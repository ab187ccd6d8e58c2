#pragma once
#include "tools/ImportEntry.h"

#include <QString>

namespace tools {

// The command executor's list as the import dialog works on it: the dialog
// holds a reference to the executor's own list, never a copy.
class ImportCommandList {
public:
    virtual ~ImportCommandList() = default;
    // The first command string, empty when the list is empty.
    virtual QString firstCommand() const = 0;
    // Removes every entry and frees the attached byte arrays.
    virtual void clear() = 0;
    // Appends the command with a new byte array holding a copy of the bytes.
    virtual void append(const ImportEntry& entry) = 0;
};

} // namespace tools
