#pragma once
#include <QString>
#include <optional>

namespace store {

// A number as a box shows it: its value and the decimals it is shown with.
// Whatever is computed from a box uses the value the box reads, so a value
// given with fewer decimals than it has is rounded as its text would be.
class ShownNumber {
public:
    ShownNumber() = default;
    // The value exactly; `decimals` only says how it is shown.
    ShownNumber(double value, int decimals) : value_(value), decimals_(decimals) {}

    // `value` rounded to `decimals` as its text shows it.
    static ShownNumber rounded(double value, int decimals);
    // Typed or stored text (parseNumber), with the decimals it is written
    // with: "1.5" is 1,5 and "12,50" is 12,50; nothing for no number.
    static std::optional<ShownNumber> read(const QString& text);

    double value() const { return value_; }
    int decimals() const { return decimals_; }
    // With the locale's decimal separator ("1,500" in a comma locale).
    QString text() const;

    bool operator==(const ShownNumber&) const = default;

private:
    double value_ = 0;
    int decimals_ = 0;
};

} // namespace store
