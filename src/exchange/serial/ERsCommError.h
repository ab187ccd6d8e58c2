#pragma once
#include <QString>
#include <stdexcept>

namespace serial {

// Every failure of the serial port layer. what() is the message in UTF-8;
// message() gives the same text as a QString. The message is translated, so
// a caller that acts on the kind of failure reads kind(), never the words.
class ERsCommError : public std::runtime_error {
public:
    enum class Kind {
        Other,
        DeviceMissing, // no such device, or no hardware behind its node
        DeviceBusy,    // another program (or another port of this one) holds it
        AccessRefused, // this user may not open it
        LineLost,      // the open line failed: the adapter or the instrument went away
    };

    explicit ERsCommError(const QString& message, Kind kind = Kind::Other)
        : std::runtime_error(message.toStdString()), message_(message), kind_(kind) {}
    const QString& message() const { return message_; }
    Kind kind() const { return kind_; }

private:
    QString message_;
    Kind kind_;
};

} // namespace serial
