#pragma once
#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

// The program's wire log: the frames of the exchange and the instrument
// detection, each with its time (exchange/serial/WireLine.h has the line format).
// Off unless QT_LOGGING_RULES="echolon.wire.debug=true" (lines go to Qt's
// message output) or --log-wire FILE (a WireLogFile; lines go to the file).
Q_DECLARE_LOGGING_CATEGORY(lcWire)

namespace exchange::wirelog {

// A frame the program sent at `speed` bit/s.
void sent(int speed, const QByteArray& frame);
// A frame (or the part of one that came) the program received.
void received(const QByteArray& frame);
void note(const QString& text);

} // namespace exchange::wirelog

namespace exchange {

// While it exists, the wire log is on and its lines go to a file, each
// flushed at once so that nothing is lost when the program ends abruptly.
class WireLogFile {
public:
    WireLogFile() = default;
    ~WireLogFile();
    WireLogFile(const WireLogFile&) = delete;
    WireLogFile& operator=(const WireLogFile&) = delete;

    // Empty on success, else why the file cannot be written.
    QString open(const QString& path);

private:
    bool open_ = false;
};

} // namespace exchange
