#pragma once
#include <QString>

namespace store {

// The unit distances are shown and typed in. Every stored value and all the
// distance arithmetic stay in metres; only what a person reads or types is
// converted, through here.
enum class LengthUnit { Metres, Feet };

class Units {
public:
    static constexpr double kFeetPerMetre = 3.28084;

    static LengthUnit current();
    static void setCurrent(LengthUnit unit);

    // Metres to the shown unit and back.
    static double toShown(double metres);
    static double fromShown(double shown);
    // " m" or " ft", translated, for readouts and printed values.
    static QString suffix();
    // A distance for a box or readout: the shown unit, fixed decimals, the
    // locale's separator, without the suffix.
    static QString format(double metres, int decimals = 2);
};

} // namespace store
