#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

namespace sim {

// The simulator's record of what it received and did, one line each, flushed at
// once so that a test can read it while the simulator runs. The lines are those
// of the program's wire log (exchange/serial/WireLine.h), each starting with its time:
//   TIME rx SPEED HEX...   a complete frame from the program, at the line speed then set
//   TIME tx HEX...         an acknowledgement or answer sent back
//   TIME note TEXT         anything else (stored banks, faults, time-outs)
// Directions are the simulator's own: its rx is the program's tx.
class EventLog {
public:
    bool open(const QString& path);
    void frame(const char* direction, int speed, const QByteArray& bytes);
    void note(const QString& text);

private:
    void line(const QByteArray& text);
    QFile file_;
};

} // namespace sim
