#pragma once
#include <QString>
#include <stdexcept>

namespace tools {

// An Access file that cannot be opened or read; the message names the file.
class MdbError : public std::runtime_error {
public:
    explicit MdbError(const QString& message) : std::runtime_error(message.toStdString()), text_(message) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace tools
