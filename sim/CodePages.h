#pragma once
#include <QByteArray>
#include <QString>

namespace sim {

// The instrument's own character sets, converted by the C library's iconv and
// not by the program's tables, so that a wrong table entry in the program
// shows in every test that reads names from the simulator.
// Characters the code page lacks become '?'.
QByteArray toCp866(const QString& text);
QByteArray toCp1251(const QString& text);

} // namespace sim
