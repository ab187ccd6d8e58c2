#include "link/TForm2Columns.h"

namespace exchange {

namespace {
Form2Column text(const char* field, const char* title, bool editable = false) {
    return {QString::fromLatin1(field), QString::fromUtf8(title), false, editable, false};
}
Form2Column mark(const char* field, bool editable) { return {QString::fromLatin1(field), QString(), true, editable, false}; }
Form2Column hidden(const char* field) { return {QString::fromLatin1(field), QString::fromLatin1(field), false, false, true}; }
} // namespace

QVector<Form2Column> TForm2Columns::prList() {
    return {mark("picture", true), text("name_ku", "название", true), text("value_ku", "К.У.", true)};
}

QVector<Form2Column> TForm2Columns::library() {
    return {mark("PICTURE", true),
            text("REC_ID", "№"),
            text("BANK_NUM", "№ рефл."),
            text("MEMO", "имя рефлектограммы", true),
            text("SCALE", "масш."),
            text("DATE", "дата записи"),
            hidden("DLIT"),
            hidden("NAKOPL"),
            hidden("AMPL"),
            hidden("SPEED"),
            hidden("SOGLAS"),
            hidden("SDVIG"),
            hidden("ZOOM_L"),
            hidden("POINTS"),
            hidden("DEVICE_TYPE")};
}

QVector<Form2Column> TForm2Columns::devicePrList() {
    return {mark("picture", false), text("name_ku", "название"), text("value_ku", "К.У.")};
}

QVector<Form2Column> TForm2Columns::deviceWaveforms() {
    return {mark("PICTURE", true),          text("REC_ID_LIST", "№"), text("BANK_NUM", "№ рефл."),
            text("MEMO", "имя рефлектограммы"), text("SCALE", "масш."),  text("DATE", "дата записи")};
}

} // namespace exchange
