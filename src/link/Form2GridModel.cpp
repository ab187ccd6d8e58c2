#include "link/Form2GridModel.h"

#include "store/Dataset.h"
#include "store/FieldValue.h"
#include "store/Messages.h"

namespace exchange {

Form2GridModel::Form2GridModel(store::Dataset& ds, QVector<Form2Column> columns, QObject* parent)
    : QAbstractTableModel(parent), ds_(ds), columns_(std::move(columns)) {
    connect(&ds_, &store::Dataset::reset, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&ds_, &store::Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount()) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(&ds_, &store::Dataset::currentChanged, this, &Form2GridModel::currentRowChanged);
}

int Form2GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ds_.recordCount(); }

int Form2GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns_.size()); }

int Form2GridModel::fieldOf(int column) const {
    if (column < 0 || column >= columns_.size()) return -1;
    return ds_.fieldIndex(columns_[column].field);
}

QVariant Form2GridModel::data(const QModelIndex& index, int role) const {
    const int field = fieldOf(index.column());
    if (!index.isValid() || field < 0 || index.row() >= rowCount()) return {};
    const Form2Column& c = columns_[index.column()];
    const store::ColumnKind kind = ds_.fieldKind(field);
    // Blobs are read only when asked for by name, never to fill a grid cell.
    if (kind == store::ColumnKind::Blob) return {};
    try {
        if (c.check) {
            if (role != Qt::CheckStateRole) return {};
            return store::FieldValue::boolean(ds_.valueAt(index.row(), field)) ? Qt::Checked : Qt::Unchecked;
        }
        if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
        return store::FieldValue::text(ds_.valueAt(index.row(), field), kind);
    } catch (const std::exception&) {
        return {};
    }
}

QVariant Form2GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < columns_.size() ? QVariant(columns_[section].title) : QVariant();
}

Qt::ItemFlags Form2GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!index.isValid() || index.column() >= columns_.size()) return f;
    const Form2Column& c = columns_[index.column()];
    if (c.editable) f |= c.check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return f;
}

bool Form2GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int field = fieldOf(index.column());
    if (!index.isValid() || field < 0 || index.row() >= rowCount()) return false;
    const Form2Column& c = columns_[index.column()];
    if (!c.editable) return false;
    try {
        if (c.check && role == Qt::CheckStateRole)
            ds_.setValueAt(index.row(), field, value.toInt() == Qt::Checked);
        else if (!c.check && role == Qt::EditRole)
            ds_.setValueAt(index.row(), field, value.toString());
        else
            return false;
    } catch (const std::exception& e) {
        store::messages().error(QString::fromUtf8(e.what()));
        return false;
    }
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(columnCount() - 1));
    return true;
}

} // namespace exchange
