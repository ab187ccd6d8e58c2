#include "store/Schema.h"

namespace store {

// Column types follow what the program writes: integers, floating point
// (SCALE 62.5), SPEED as text ("1,500"), the sample image as a blob and the
// row marks as booleans, the user's note as text (null: none). No column is
// the key: every backend keeps its own hidden row key that keeps table order
// and bookmarks stable while REC_ID is renumbered.

const QStringList& Schema::masterFields() {
    static const QStringList fields = {"REC_ID", "BANK_NUM", "MEMO",    "SCALE",       "DLIT",
                                       "AMPL",   "NAKOPL",   "SOGLAS",  "SPEED",       "DATE",
                                       "SDVIG",  "ZOOM_L",   "POINTS",  "DEVICE_TYPE", "METHOD",
                                       "LEVEL",  "TIME_OUT", "PICTURE", "START_PLAN",  "NOTE"};
    return fields;
}

std::vector<Schema::Table> Schema::tables(Kind kind) {
    const QString integer = QStringLiteral("INTEGER"), real = QStringLiteral("REAL"),
                  text = QStringLiteral("TEXT"), blob = QStringLiteral("BLOB"),
                  boolean = QStringLiteral("BOOLEAN");
    if (kind == Kind::Library) {
        const QStringList& f = masterFields();
        const QString types[] = {integer, integer, text, real,    integer, integer, integer,
                                 integer, text,    text, integer, real,    blob,    text,
                                 text,    integer, real, boolean, real,    text};
        Table master{
            QStringLiteral("master"), {}, {QStringLiteral("DEVICE_TYPE")}, QStringLiteral("PICTURE")};
        for (int i = 0; i < f.size(); ++i) master.columns.push_back({f[i], types[i]});
        // The library is always read filtered on the device type, in table order.
        return {master};
    }
    // NUM_ID last in list_ku_dev, so that the three fields shared with list_ku keep their positions.
    return {
        {QStringLiteral("list_ku"),
         {{QStringLiteral("name_ku"), text},
          {QStringLiteral("value_ku"), real},
          {QStringLiteral("picture"), boolean}},
         {},
         {}},
        {QStringLiteral("list_ku_dev"),
         {{QStringLiteral("name_ku"), text},
          {QStringLiteral("value_ku"), real},
          {QStringLiteral("picture"), boolean},
          {QStringLiteral("NUM_ID"), integer}},
         {},
         {}},
        {QStringLiteral("list_ref_dev"),
         {{QStringLiteral("PICTURE"), boolean},
          {QStringLiteral("REC_ID_LIST"), integer},
          {QStringLiteral("BANK_NUM"), integer},
          {QStringLiteral("MEMO"), text},
          {QStringLiteral("SCALE"), real},
          {QStringLiteral("DATE"), text}},
         {},
         {}},
    };
}

std::vector<Schema::Column> Schema::addedColumns(const QString& table) {
    if (table.compare(QLatin1String("master"), Qt::CaseInsensitive) != 0) return {};
    // Each goes at the end, so every earlier field keeps its position and a
    // program that knows only the earlier fields still reads them.
    return {{QStringLiteral("NOTE"), QStringLiteral("TEXT")}};
}

} // namespace store
