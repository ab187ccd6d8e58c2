#include "store/DatasetTableModel.h"

#include "store/Messages.h"

#include <QSize>

namespace store {

DatasetTableModel::DatasetTableModel(Dataset& ds, QVector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), ds_(ds), columns_(std::move(columns)) {
    connect(&ds_, &Dataset::reset, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&ds_, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount() && !columns_.isEmpty())
            emit dataChanged(index(row, 0), index(row, columns_.size() - 1));
    });
    connect(&ds_, &Dataset::currentChanged, this, &DatasetTableModel::currentRowChanged);
}

int DatasetTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    // A record being inserted is a row of its own until it is posted or cancelled.
    return ds_.recordCount() + (ds_.state() == DatasetState::Insert ? 1 : 0);
}

int DatasetTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_.size();
}

QString DatasetTableModel::oneLine(const QString& text, int chars) {
    QStringList parts = text.split(QLatin1Char('\n'));
    for (QString& part : parts) part = part.trimmed();
    parts.removeAll(QString());
    const QString joined = parts.join(QStringLiteral(" · "));
    if (chars <= 0 || joined.size() <= chars) return joined;
    QString cut = joined.left(chars - 1);
    // At a word's end where one is near; never half of a character that takes two code units.
    const int space = int(cut.lastIndexOf(QLatin1Char(' ')));
    if (space > chars / 2) cut.truncate(space);
    else if (!cut.isEmpty() && cut.back().isHighSurrogate()) cut.chop(1);
    while (!cut.isEmpty() && (cut.back().isSpace() || cut.back() == QChar(0x00B7))) cut.chop(1);
    return cut + QStringLiteral("…");
}

int DatasetTableModel::fieldOf(int column) const {
    if (column < 0 || column >= columns_.size()) return -1;
    return ds_.fieldIndex(columns_[column].field);
}

QVariant DatasetTableModel::data(const QModelIndex& index, int role) const {
    const int field = fieldOf(index.column());
    if (!index.isValid() || field < 0 || index.row() >= rowCount()) return {};
    const GridColumn& col = columns_[index.column()];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(col.alignment);
    const bool tip = role == Qt::ToolTipRole && col.oneLineChars > 0;
    const bool wantsValue =
        tip || role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::CheckStateRole;
    if (!wantsValue || (role == Qt::CheckStateRole) != col.checkBox) return {};
    try {
        const QVariant v = ds_.valueAt(index.row(), field);
        if (col.checkBox) return FieldValue::boolean(v) ? Qt::Checked : Qt::Unchecked;
        const QString text = FieldValue::text(v, ds_.fieldKind(field));
        if (col.oneLineChars > 0 && role == Qt::DisplayRole) return oneLine(text, col.oneLineChars);
        if (col.shown && role == Qt::DisplayRole) return col.shown(text);
        if (tip && text.trimmed().isEmpty()) return {};
        return text;
    } catch (const StoreError&) {
        // A row that cannot be read shows empty; painting must not throw.
        return {};
    }
}

bool DatasetTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int field = fieldOf(index.column());
    if (!index.isValid() || field < 0 || index.row() >= rowCount()) return false;
    const GridColumn& col = columns_[index.column()];
    if (!col.editable) return false;
    QVariant stored;
    if (col.checkBox && role == Qt::CheckStateRole) stored = value.toInt() == Qt::Checked;
    else if (!col.checkBox && role == Qt::EditRole) stored = value;
    else return false;
    if (col.refusal) {
        if (const QString why = col.refusal(stored); !why.isEmpty()) {
            messages().warning(why);
            return false;
        }
    }
    return showErrors([&] { ds_.setValueAt(index.row(), field, stored); });
}

Qt::ItemFlags DatasetTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.column() >= columns_.size()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const GridColumn& col = columns_[index.column()];
    if (col.editable) f |= col.checkBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return f;
}

QVariant DatasetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size()) return {};
    const GridColumn& col = columns_[section];
    if (role == Qt::DisplayRole) return col.title;
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(col.alignment);
    return {};
}

} // namespace store
