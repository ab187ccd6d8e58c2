#pragma once
#include "store/Dataset.h"
#include "store/GridColumn.h"

#include <QAbstractTableModel>
#include <QVector>

namespace store {

// A grid's view of one dataset: rows are read without moving the current
// record; edits and check-box toggles go through the dataset (moving to the
// row, editing, posting), so its events and validation apply as for any edit.
class DatasetTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DatasetTableModel(Dataset& ds, QVector<GridColumn> columns, QObject* parent = nullptr);

    Dataset& dataset() const { return ds_; }
    const QVector<GridColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // `text` on one line of at most `chars` characters: its lines joined by
    // " · ", the rest cut with "…".
    static QString oneLine(const QString& text, int chars);

signals:
    // The dataset's current record moved (for the view's current row).
    void currentRowChanged(int row);

private:
    int fieldOf(int column) const;

    Dataset& ds_;
    QVector<GridColumn> columns_;
};

} // namespace store
