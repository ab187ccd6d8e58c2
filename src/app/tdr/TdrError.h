#pragma once
#include <QString>
#include <stdexcept>

namespace app::tdr {

// A waveform file that cannot be imported; the message says why, in words a
// user understands ("shorter than 8512 bytes", "range index 14 ...").
class TdrError : public std::runtime_error {
public:
    explicit TdrError(const QString& message) : std::runtime_error(message.toStdString()), text_(message) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace app::tdr
