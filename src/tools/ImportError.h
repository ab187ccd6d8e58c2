#pragma once
#include <QString>
#include <stdexcept>

namespace tools {

// A failure of the import from the previous version's database, with the text
// the application's error display shows.
class ImportError : public std::runtime_error {
public:
    explicit ImportError(const QString& message)
        : std::runtime_error(message.toStdString()), text_(message) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace tools
