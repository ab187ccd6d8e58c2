#pragma once
#include <QString>
#include <utility>
#include <vector>

namespace store {

// The PR list of a new installation: a few common cable types with their
// propagation ratio, so that "Set PR" is useful before the user has made a
// list. Only a list file that does not exist yet (or is empty) is created and
// filled; an existing list is never opened here, so its entries stay as they
// are. Throws StoreError naming the file when it cannot be created.
// Returns whether a new list was made.
bool createDefaultPrList(const QString& path);

// The cable types a new list starts with (name, PR).
std::vector<std::pair<QString, double>> defaultCableTypes();

// A cable type's name as the program's language writes it: the names of the
// list a new installation starts with in its letters ("AAShv" in English),
// any other name as stored. Only for showing: the list keeps what it stores.
QString shownCableName(const QString& stored);

} // namespace store
