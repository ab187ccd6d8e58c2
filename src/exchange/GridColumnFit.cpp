#include "exchange/GridColumnFit.h"

#include "store/DatasetTableModel.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <algorithm>

namespace exchange {

GridColumnFit* GridColumnFit::attach(QTableView* grid) {
    auto* fit = new GridColumnFit(grid);
    fit->fitAll();
    return fit;
}

GridColumnFit::GridColumnFit(QTableView* grid) : QObject(grid), grid_(grid) {
    QAbstractItemModel* model = grid->model();
    if (const auto* table = qobject_cast<store::DatasetTableModel*>(model))
        for (const store::GridColumn& c : table->columns()) described_.append(c.width);
    if (!model) return;
    // A reset or a removal may leave the columns wider than needed: fit afresh,
    // once per event-loop turn, as a read or an import resets many times.
    connect(model, &QAbstractItemModel::modelReset, this, &GridColumnFit::scheduleFitAll);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &GridColumnFit::scheduleFitAll);
    connect(model, &QAbstractItemModel::layoutChanged, this, &GridColumnFit::scheduleFitAll);
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { widen(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) { widen(from.row(), to.row()); });
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &GridColumnFit::widenShownRows);
    // A grid made taller shows more rows.
    grid->viewport()->installEventFilter(this);
}

bool GridColumnFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::Resize) widenShownRows();
    return QObject::eventFilter(watched, event);
}

void GridColumnFit::scheduleFitAll() {
    if (fitPending_) return;
    fitPending_ = true;
    QMetaObject::invokeMethod(this, &GridColumnFit::fitAll, Qt::QueuedConnection);
}

void GridColumnFit::fitAll() {
    fitPending_ = false;
    const auto [first, last] = shownRows();
    const QVector<int> widths = neededWidths(first, last);
    for (int c = 0; c < widths.size(); ++c)
        if (widths[c] > 0) grid_->setColumnWidth(c, widths[c]);
}

std::pair<int, int> GridColumnFit::shownRows() const {
    const int first = grid_->model() ? grid_->rowAt(0) : -1;
    if (first < 0) return {0, -1};
    // Below the last row, or while the rows are not laid out after a reset,
    // rowAt gives -1: then as many rows as the grid's height can show.
    const int height = grid_->viewport()->height();
    const int last = grid_->rowAt(height - 1);
    if (last >= 0) return {first, last};
    const int fit = height / std::max(1, grid_->verticalHeader()->minimumSectionSize());
    return {first, std::min(grid_->model()->rowCount() - 1, first + fit)};
}

void GridColumnFit::widenShownRows() {
    const auto [first, last] = shownRows();
    if (first <= last) widen(first, last);
}

void GridColumnFit::widen(int first, int last) {
    const QVector<int> widths = neededWidths(first, last);
    for (int c = 0; c < widths.size(); ++c)
        if (widths[c] > grid_->columnWidth(c)) grid_->setColumnWidth(c, widths[c]);
}

QVector<int> GridColumnFit::neededWidths(int first, int last) const {
    const QAbstractItemModel* model = grid_->model();
    if (!model) return {};
    const int columns = model->columnCount();
    QVector<int> widths(columns, 0);
    QVector<int> widestText(columns, -1), widestRow(columns, -1);
    first = std::max(first, 0);
    last = std::min(last, model->rowCount() - 1);
    // Row by row, as the table reads whole rows. The widest text decides; the
    // delegate then adds the style's margins and any check box of that row.
    const QFontMetrics metrics(grid_->font());
    for (int r = first; r <= last; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (grid_->isColumnHidden(c)) continue;
            const int text = metrics.horizontalAdvance(model->index(r, c).data().toString());
            if (text > widestText[c]) {
                widestText[c] = text;
                widestRow[c] = r;
            }
        }
    }
    QStyleOptionViewItem option;
    option.initFrom(grid_);
    option.font = grid_->font();
    option.widget = grid_;
    // The grid line takes a pixel of the column.
    const int gridLine = grid_->showGrid() ? 1 : 0;
    for (int c = 0; c < columns; ++c) {
        if (grid_->isColumnHidden(c)) continue;
        widths[c] = std::max(c < described_.size() ? described_[c] : 0,
                             grid_->horizontalHeader()->sectionSizeHint(c));
        if (widestRow[c] < 0) continue;
        const QModelIndex widest = model->index(widestRow[c], c);
        widths[c] = std::max(
            widths[c], grid_->itemDelegateForIndex(widest)->sizeHint(option, widest).width() + gridLine);
    }
    return widths;
}

} // namespace exchange
