#pragma once
#include <QString>
#include <optional>
#include <stdexcept>

namespace store {

// Parses a number typed or stored as text, the one parser of the program. Both
// ',' and '.' are accepted as the decimal separator, so "1,500" and "1.500" are
// the same number in every locale.
std::optional<double> parseNumber(const QString& text);

// Fixed-point text with the locale's decimal separator ("1,500" in a comma locale).
QString formatFixed(double value, int decimals);

// A number kept as text ("1,5" in a box, "1.870" in a row), shown with the
// locale's decimal separator and its digits as written; text that is no
// number as it stands.
QString localNumber(const QString& text);

// A number that cannot serve where it is used, with a readable message.
struct NumberFormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace store
