#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

// The simulator's record of what it received and did, one line each, flushed at
// once so that a test can read it while the simulator runs:
//   rx SPEED HEX...   a complete frame from the program, at the line speed then set
//   tx HEX...         an acknowledgement or answer header sent back
//   note TEXT         anything else (stored banks, faults, time-outs)
class EventLog {
public:
    bool open(const QString& path);
    void frame(const char* direction, int speed, const QByteArray& bytes);
    void note(const QString& text);

private:
    void line(const QByteArray& text);
    QFile file_;
};
