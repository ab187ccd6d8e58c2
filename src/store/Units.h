#pragma once
#include "store/ShownNumber.h"

#include <QObject>
#include <QString>
#include <optional>

namespace store {

// The unit distances are shown and typed in. Every stored value and all the
// distance arithmetic stay in metres; only what a person reads or types is
// converted, through here.
enum class LengthUnit { Metres, Feet };

// Tells whatever shows a distance that the unit changed, so that boxes,
// charts and tables show it again at once.
class UnitsNotifier : public QObject {
    Q_OBJECT
signals:
    void changed();
};

class Units {
public:
    static constexpr double kFeetPerMetre = 3.28084;

    static LengthUnit current();
    // Emits notifier().changed() when the unit really changes.
    static void setCurrent(LengthUnit unit);
    static UnitsNotifier& notifier();

    // Metres to the shown unit and back.
    static double toShown(double metres);
    static double fromShown(double shown);
    // " m" or " ft", translated, for readouts and printed values.
    static QString suffix();
    // A distance for a box or readout: the shown unit, fixed decimals, the
    // locale's separator, without the suffix; never "-0,00".
    static QString format(double metres, int decimals = 2);
    // A box's metres as it is shown: as kept in metres (so the window reads
    // exactly as the boxes are kept), converted in feet with 2 decimals.
    static QString show(const ShownNumber& metres);
    // Edit_l's distance; empty before the cursors are placed.
    static QString show(const std::optional<ShownNumber>& metres);
    // A row's metres text (SCALE) as it is shown: the text itself in metres,
    // converted in feet; text that is no number is shown as it is.
    static QString showText(const QString& metresText);

    // The settings file's word for a unit: "m" or "ft". Anything else,
    // missing included, reads as metres.
    static QString key(LengthUnit unit);
    static LengthUnit fromKey(const QString& key);
};

} // namespace store
