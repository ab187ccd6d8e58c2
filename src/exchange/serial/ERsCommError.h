#pragma once
#include <QString>
#include <stdexcept>

namespace serial {

// Every failure of the serial port layer. what() is the English message in
// UTF-8; message() gives the same text as a QString.
class ERsCommError : public std::runtime_error {
public:
    explicit ERsCommError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace serial
