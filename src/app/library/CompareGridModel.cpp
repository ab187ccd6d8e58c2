#include "app/library/CompareGridModel.h"

#include "app/library/CompareRowColors.h"
#include "store/FieldValue.h"

#include <QBrush>

namespace app::library {

CompareGridModel::CompareGridModel(store::Dataset& ds, QVector<store::GridColumn> columns, QObject* parent)
    : store::DatasetTableModel(ds, std::move(columns), parent) {}

QVariant CompareGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::BackgroundRole && role != Qt::ForegroundRole)
        return store::DatasetTableModel::data(index, role);
    return DBGridEh2DrawColumnCell(index, role);
}

QVariant CompareGridModel::DBGridEh2DrawColumnCell(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const int recIdField = dataset().fieldIndex(QStringLiteral("REC_ID"));
    if (recIdField < 0) return {};
    QVariant recId;
    try {
        recId = dataset().valueAt(index.row(), recIdField);
    } catch (const store::StoreError&) {
        // Painting must not throw; an unreadable row keeps the grid's colours.
        return {};
    }
    const std::optional<CompareRowColors> colors =
        CompareRowColors::forRecId(store::FieldValue::integer(recId));
    if (!colors) return {};
    return QBrush(role == Qt::BackgroundRole ? colors->background : colors->text);
}

} // namespace app::library
