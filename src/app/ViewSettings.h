#pragma once
#include "store/ShownNumber.h"
#include "store/Units.h"

#include <QString>

namespace store {
class IniFile;
}

namespace app {

// The view settings of the main window, section "Form1" of Echolon.v41.
struct ViewSettings {
    int typeIndex = 0;             // "Type": "KMX-417" -> 0, "KMX-419" -> 1
    store::ShownNumber k1{0, 0};   // "K1"
    int posK1 = 0;                 // "POS_K1"
    store::ShownNumber k2{0, 0};   // "K2"
    int posK2 = 0;                 // "POS_K2"
    store::ShownNumber ku{1.5, 3}; // "KU"
    store::ShownNumber zoom{1, 0}; // "Zoom"
    bool smoothing = false;        // "Smoothing": approximation on
    bool screenHidden = false;     // "Screen": upper chart hidden
    int tableHeight = 110;         // "Table_Height"
    bool events = false;           // "Events": the event table and marks shown
    // "Units": "m" or "ft"
    store::LengthUnit units = store::LengthUnit::Metres;

    // The numbers are kept as their boxes show them, written with the
    // locale's separator and read with either. Missing keys give the defaults
    // above; a number that is none (or a PR outside 1..3) gives its default,
    // a type naming neither entry selects entry 0, a position or height that
    // is not an integer gives its default and a unit other than "ft" reads as
    // metres, so a damaged file can never leave the window without a usable
    // state.
    static ViewSettings load(const store::IniFile& ini);
    // Writes the twelve keys in their fixed order.
    void save(store::IniFile& ini) const;
};

QString typeCaption(int typeIndex);

} // namespace app
