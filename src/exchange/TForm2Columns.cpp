#include "exchange/TForm2Columns.h"

#include "store/PrListDefaults.h"

#include <QCoreApplication>

namespace exchange {

namespace {
store::GridColumn text(const char* field, const char* title, int width, bool editable = false) {
    store::GridColumn c;
    c.field = QString::fromLatin1(field);
    c.title = QCoreApplication::translate("TForm2Columns", title);
    c.width = width;
    c.editable = editable;
    return c;
}

store::GridColumn mark(const char* field, bool editable) {
    store::GridColumn c;
    c.field = QString::fromLatin1(field);
    c.width = 24;
    c.editable = editable;
    c.checkBox = true;
    c.alignment = Qt::AlignCenter;
    return c;
}

store::GridColumn hidden(const char* field) { return text(field, field, 0); }

store::GridColumn cableName(bool editable) {
    store::GridColumn c = text("name_ku", QT_TRANSLATE_NOOP("TForm2Columns", "название"), 110, editable);
    c.shown = store::shownCableName;
    return c;
}
} // namespace

QVector<store::GridColumn> TForm2Columns::prList() {
    return {mark("picture", true), cableName(true),
            text("value_ku", QT_TRANSLATE_NOOP("TForm2Columns", "К.У."), 50, true)};
}

QVector<store::GridColumn> TForm2Columns::library() {
    return {mark("PICTURE", true),
            text("REC_ID", QT_TRANSLATE_NOOP("TForm2Columns", "№"), 40),
            text("BANK_NUM", QT_TRANSLATE_NOOP("TForm2Columns", "№ рефл."), 55),
            text("MEMO", QT_TRANSLATE_NOOP("TForm2Columns", "имя рефлектограммы"), 180, true),
            text("SCALE", QT_TRANSLATE_NOOP("TForm2Columns", "масш."), 50),
            text("DATE", QT_TRANSLATE_NOOP("TForm2Columns", "дата записи"), 110),
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

QStringList TForm2Columns::libraryHidden() {
    return {"DLIT", "NAKOPL", "AMPL", "SPEED", "SOGLAS", "SDVIG", "ZOOM_L", "POINTS", "DEVICE_TYPE"};
}

QVector<store::GridColumn> TForm2Columns::devicePrList() {
    return {mark("picture", false), cableName(false),
            text("value_ku", QT_TRANSLATE_NOOP("TForm2Columns", "К.У."), 50)};
}

QVector<store::GridColumn> TForm2Columns::deviceWaveforms() {
    return {mark("PICTURE", true),
            text("REC_ID_LIST", QT_TRANSLATE_NOOP("TForm2Columns", "№"), 40),
            text("BANK_NUM", QT_TRANSLATE_NOOP("TForm2Columns", "№ рефл."), 55),
            text("MEMO", QT_TRANSLATE_NOOP("TForm2Columns", "имя рефлектограммы"), 180),
            text("SCALE", QT_TRANSLATE_NOOP("TForm2Columns", "масш."), 50),
            text("DATE", QT_TRANSLATE_NOOP("TForm2Columns", "дата записи"), 110)};
}

} // namespace exchange
