#include "app/ViewSettings.h"

#include "store/IniFile.h"
#include "store/ShownValues.h"

namespace app {

namespace {
const QString kSection = QStringLiteral("Form1");

// A box's number read back from the file with the decimals it was written
// with; a damaged value ("abc", "1e400") reads as the key's default instead.
store::ShownNumber readNumber(const store::IniFile& ini, const char* key, const store::ShownNumber& def) {
    return store::ShownNumber::read(ini.readString(kSection, key, QString())).value_or(def);
}
} // namespace

QString typeCaption(int typeIndex) {
    switch (typeIndex) {
    case 0: return QStringLiteral("KMX-417");
    case 1: return QStringLiteral("KMX-419");
    default: return QString();
    }
}

ViewSettings ViewSettings::load(const store::IniFile& ini) {
    ViewSettings s;
    s.typeIndex = ini.readString(kSection, "Type", "KMX-417") == "KMX-419" ? 1 : 0;
    s.k1 = readNumber(ini, "K1", s.k1);
    s.posK1 = ini.readInteger(kSection, "POS_K1", 0);
    s.k2 = readNumber(ini, "K2", s.k2);
    s.posK2 = ini.readInteger(kSection, "POS_K2", 0);
    const store::ShownNumber ku = readNumber(ini, "KU", s.ku);
    if (store::ShownValues::prInRange(ku.value())) s.ku = ku;
    s.zoom = readNumber(ini, "Zoom", s.zoom);
    s.smoothing = ini.readString(kSection, "Smoothing", "False") == "True";
    s.screenHidden = ini.readString(kSection, "Screen", "False") == "True";
    s.tableHeight = ini.readInteger(kSection, "Table_Height", 110);
    s.events = ini.readString(kSection, "Events", "False") == "True";
    s.units = store::Units::fromKey(ini.readString(kSection, "Units", "m"));
    return s;
}

void ViewSettings::save(store::IniFile& ini) const {
    ini.writeString(kSection, "Type", typeCaption(typeIndex));
    ini.writeString(kSection, "K1", k1.text());
    ini.writeInteger(kSection, "POS_K1", posK1);
    ini.writeString(kSection, "K2", k2.text());
    ini.writeInteger(kSection, "POS_K2", posK2);
    ini.writeString(kSection, "KU", ku.text());
    ini.writeString(kSection, "Zoom", zoom.text());
    ini.writeString(kSection, "Smoothing", smoothing ? "True" : "False");
    ini.writeString(kSection, "Screen", screenHidden ? "True" : "False");
    ini.writeInteger(kSection, "Table_Height", tableHeight);
    ini.writeString(kSection, "Events", events ? "True" : "False");
    ini.writeString(kSection, "Units", store::Units::key(units));
}

} // namespace app
