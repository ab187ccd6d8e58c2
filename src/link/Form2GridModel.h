#pragma once
#include <QAbstractTableModel>
#include <QString>
#include <QVector>

namespace store {
class Dataset;
}

namespace exchange {

// One column of a grid of the exchange window.
struct Form2Column {
    QString field;
    QString title;
    bool check = false;    // shown as a check mark
    bool editable = false;
    bool hidden = false;
};

// A grid's table model over one dataset of the data module: rows are the
// dataset's rows, edits go through the dataset (one post each), and the
// dataset's signals keep the grid current.
class Form2GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    Form2GridModel(store::Dataset& ds, QVector<Form2Column> columns, QObject* parent = nullptr);

    store::Dataset& dataset() const { return ds_; }
    const QVector<Form2Column>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The dataset's current row moved (-1: none).
    void currentRowChanged(int row);

private:
    int fieldOf(int column) const;

    store::Dataset& ds_;
    QVector<Form2Column> columns_;
};

} // namespace exchange
