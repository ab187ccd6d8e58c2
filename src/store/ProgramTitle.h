#pragma once
#include <QString>

namespace store {

// The program's name and version as its windows, reports and messages show it.
inline QString programTitle() { return QStringLiteral("Echolon 4.1"); }

} // namespace store
