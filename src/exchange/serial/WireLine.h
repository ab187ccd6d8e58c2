#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace serial {

// One line of a wire log. The program (--log-wire) and the simulated
// instrument (--log) write the same lines, so that their two logs can be laid
// side by side:
//   TIME tx [SPEED] HEX...   a frame this side sent
//   TIME rx [SPEED] HEX...   a frame this side received
//   TIME note TEXT           anything else (port opened, no answer, ...)
// Directions are each side's own: the program's tx is the simulator's rx.
// TIME is UTC with milliseconds in one word (2026-12-08T12:05:03.123Z), so a
// reader may skip the first word; SPEED, the line speed in bit/s, is given by
// the side that knows it, HEX is the bytes in upper-case pairs.
namespace WireLine {

QByteArray frame(const QDateTime& at, const char* direction, int speed, const QByteArray& bytes);
QByteArray note(const QDateTime& at, const QString& text);

} // namespace WireLine

} // namespace serial
