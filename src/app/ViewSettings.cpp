#include "app/ViewSettings.h"

#include "store/IniFile.h"
#include "store/Numbers.h"
#include "store/ShownValues.h"

#include <cmath>

namespace app {

namespace {
const QString kSection = QStringLiteral("Form1");

// A box's text read back from the file: the boxes are parsed on every redraw,
// so a damaged value ("abc", "1e400") reads as the key's default instead.
QString readNumberText(const store::IniFile& ini, const char* key, const QString& def) {
    const QString text = ini.readString(kSection, key, def);
    const std::optional<double> value = store::parseNumber(text);
    return value && std::isfinite(*value) ? text : def;
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
    s.k1 = readNumberText(ini, "K1", "0");
    s.posK1 = ini.readInteger(kSection, "POS_K1", 0);
    s.k2 = readNumberText(ini, "K2", "0");
    s.posK2 = ini.readInteger(kSection, "POS_K2", 0);
    s.ku = store::ShownValues::pr(readNumberText(ini, "KU", "1,500")).value_or(QStringLiteral("1,500"));
    s.zoom = readNumberText(ini, "Zoom", "1");
    s.smoothing = ini.readString(kSection, "Smoothing", "False") == "True";
    s.screenHidden = ini.readString(kSection, "Screen", "False") == "True";
    s.tableHeight = ini.readInteger(kSection, "Table_Height", 110);
    s.events = ini.readString(kSection, "Events", "False") == "True";
    s.units = store::Units::fromKey(ini.readString(kSection, "Units", "m"));
    return s;
}

void ViewSettings::save(store::IniFile& ini) const {
    ini.writeString(kSection, "Type", typeCaption(typeIndex));
    ini.writeString(kSection, "K1", k1);
    ini.writeInteger(kSection, "POS_K1", posK1);
    ini.writeString(kSection, "K2", k2);
    ini.writeInteger(kSection, "POS_K2", posK2);
    ini.writeString(kSection, "KU", ku);
    ini.writeString(kSection, "Zoom", zoom);
    ini.writeString(kSection, "Smoothing", smoothing ? "True" : "False");
    ini.writeString(kSection, "Screen", screenHidden ? "True" : "False");
    ini.writeInteger(kSection, "Table_Height", tableHeight);
    ini.writeString(kSection, "Events", events ? "True" : "False");
    ini.writeString(kSection, "Units", store::Units::key(units));
}

} // namespace app
