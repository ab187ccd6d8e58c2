#pragma once
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace tools {

// The rows of an Access table as read: integers as qint64, floating point as
// double, text and dates as QString, OLE and binary columns as QByteArray; an
// empty value is a null QVariant.
struct MdbTable {
    QStringList columns;
    QVector<QVariantList> rows;

    // -1 when there is no such column (names compare without regard to case).
    int columnIndex(const QString& name) const {
        for (int i = 0; i < columns.size(); ++i)
            if (columns[i].compare(name, Qt::CaseInsensitive) == 0) return i;
        return -1;
    }
};

} // namespace tools
