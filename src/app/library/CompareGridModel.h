#pragma once
#include "store/DatasetTableModel.h"

namespace app::library {

// The compare library grid's model: the dataset's rows, coloured by REC_ID
// (see CompareRowColors).
class CompareGridModel : public store::DatasetTableModel {
    Q_OBJECT
public:
    CompareGridModel(store::Dataset& ds, QVector<store::GridColumn> columns, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The grid's cell drawing: background and text brush of a compare record's row.
    QVariant DBGridEh2DrawColumnCell(const QModelIndex& index, int role) const;
};

} // namespace app::library
