#pragma once
#include <QString>

namespace store {

// The one query form the program uses: "SELECT * FROM <table>", optionally
// followed by " WHERE <column> = '<literal>'" (a doubled quote inside the literal
// stands for one quote). The literal is kept as a value to bind, never pasted.
class SelectStatement {
public:
    // Throws StoreError for any other text.
    static SelectStatement parse(const QString& sql);

    // Whether a table or column name is a plain identifier that may be quoted into SQL.
    static bool isIdentifier(const QString& name);

    QString table;
    QString whereColumn; // empty without a WHERE part
    QString whereValue;

    bool hasFilter() const { return !whereColumn.isEmpty(); }
    QString text() const; // the query in its canonical form
};

} // namespace store
