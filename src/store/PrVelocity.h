#pragma once
#include <QString>
#include <optional>

namespace store {

// The propagation ratio read as the velocity of the pulse in the cable:
// v = c / PR, and its half, the figure some instruments show because the pulse
// travels to the fault and back.
class PrVelocity {
public:
    static constexpr double kLightMetresPerMicrosecond = 299.792458;

    // Metres per microsecond; nothing for a PR that is not a number above zero.
    static std::optional<double> metresPerMicrosecond(double pr);
    // "160,3 m/µs, half 80,2 m/µs", in feet mode with the ft/µs figures as
    // well; empty for a PR that is not a number above zero.
    static QString describe(double pr);
    // "160,3 / 80,2 m/µs", or in ft/µs in feet mode: short, for the printed
    // readouts; empty for a PR that is not a number above zero.
    static QString brief(double pr);
};

} // namespace store
