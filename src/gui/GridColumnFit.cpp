#include "gui/GridColumnFit.h"

#include "store/DatasetTableModel.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <algorithm>

namespace gui {

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
            [this](const QModelIndex&, int first, int last) { widenShown(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) { widenShown(from.row(), to.row()); });
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &GridColumnFit::widenShownRows);
    // A column the user narrowed is widened again by the next value it cuts.
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int c, int before, int now) {
        if (now < before && c < widestText_.size()) widestText_[c] = -1;
    });
    // A grid made taller shows more rows.
    grid->viewport()->installEventFilter(this);
    viewport_ = grid->viewport();
}

bool GridColumnFit::eventFilter(QObject* watched, QEvent* event) {
    // Compared with the viewport kept, not asked of the grid: while the grid
    // is destroyed its viewport still sends events, and the grid is no
    // scroll area any more.
    if (event->type() == QEvent::Resize && watched == viewport_) widenShownRows();
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
    const Measure m = measure(first, last);
    const QVector<int> widths = neededWidths(m);
    for (int c = 0; c < widths.size(); ++c)
        if (widths[c] > 0) grid_->setColumnWidth(c, widths[c]);
    widestText_ = m.widestText;
    shown_ = {first, last};
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
    // The rows that came into view; those in view before are measured already.
    const auto [before, after] = shown_;
    if (first <= last && (last < before || first > after)) {
        widen(first, last);
    } else if (first <= last) {
        if (first < before) widen(first, before - 1);
        if (last > after) widen(after + 1, last);
    }
    shown_ = {first, last};
}

void GridColumnFit::widenShown(int first, int last) {
    // Rows out of view are measured when they come into view.
    const auto [top, bottom] = shownRows();
    first = std::max(first, top);
    last = std::min(last, bottom);
    if (first <= last) widen(first, last);
}

void GridColumnFit::widen(int first, int last) {
    // A value no wider than the widest one measured in its column fits it:
    // the column was made wide enough for that one with the same margins.
    const Measure m = measure(first, last);
    const int columns = std::min(m.widestText.size(), widestText_.size());
    QStyleOptionViewItem option = itemOption();
    for (int c = 0; c < columns; ++c) {
        if (m.widestRow[c] < 0 || m.widestText[c] <= widestText_[c]) continue;
        widestText_[c] = m.widestText[c];
        const int width = cellWidth(option, m.widestRow[c], c);
        if (width > grid_->columnWidth(c)) grid_->setColumnWidth(c, width);
    }
}

GridColumnFit::Measure GridColumnFit::measure(int first, int last) const {
    const QAbstractItemModel* model = grid_->model();
    const int columns = model ? model->columnCount() : 0;
    Measure m{QVector<int>(columns, -1), QVector<int>(columns, -1)};
    if (!model) return m;
    first = std::max(first, 0);
    last = std::min(last, model->rowCount() - 1);
    // Row by row, as the table reads whole rows. The widest text decides; the
    // delegate then adds the style's margins and any check box of that row.
    const QFontMetrics metrics(grid_->font());
    for (int r = first; r <= last; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (grid_->isColumnHidden(c)) continue;
            const int text = textWidth(metrics, model->index(r, c).data().toString());
            if (text > m.widestText[c]) {
                m.widestText[c] = text;
                m.widestRow[c] = r;
            }
        }
    }
    return m;
}

int GridColumnFit::textWidth(const QFontMetrics& metrics, const QString& text) const {
    // Bounded: far more than the distinct values of many pages.
    constexpr qsizetype kMaxWidths = 8192;
    if (grid_->font() != widthsFont_ || widths_.size() >= kMaxWidths) {
        widths_.clear();
        widthsFont_ = grid_->font();
    }
    auto it = widths_.constFind(text);
    if (it == widths_.constEnd()) it = widths_.insert(text, metrics.horizontalAdvance(text));
    return *it;
}

int GridColumnFit::titleWidth(int column) const {
    // The titles stay while the rows come and go: measured once per title and font.
    const QHeaderView* header = grid_->horizontalHeader();
    const QString title = grid_->model()->headerData(column, Qt::Horizontal).toString();
    if (header->font() != titlesFont_) {
        titles_.clear();
        titlesFont_ = header->font();
    }
    const auto key = std::pair(column, title);
    auto it = titles_.constFind(key);
    if (it == titles_.constEnd()) it = titles_.insert(key, header->sectionSizeHint(column));
    return *it;
}

QStyleOptionViewItem GridColumnFit::itemOption() const {
    QStyleOptionViewItem option;
    option.initFrom(grid_);
    option.font = grid_->font();
    option.widget = grid_;
    return option;
}

int GridColumnFit::cellWidth(const QStyleOptionViewItem& option, int row, int column) const {
    const QModelIndex cell = grid_->model()->index(row, column);
    // The grid line takes a pixel of the column.
    const int gridLine = grid_->showGrid() ? 1 : 0;
    return grid_->itemDelegateForIndex(cell)->sizeHint(option, cell).width() + gridLine;
}

QVector<int> GridColumnFit::neededWidths(int first, int last) const {
    return neededWidths(measure(first, last));
}

QVector<int> GridColumnFit::neededWidths(const Measure& m) const {
    const int columns = m.widestText.size();
    QVector<int> widths(columns, 0);
    const QStyleOptionViewItem option = itemOption();
    for (int c = 0; c < columns; ++c) {
        if (grid_->isColumnHidden(c)) continue;
        widths[c] = std::max(c < described_.size() ? described_[c] : 0, titleWidth(c));
        if (m.widestRow[c] >= 0) widths[c] = std::max(widths[c], cellWidth(option, m.widestRow[c], c));
    }
    return widths;
}

} // namespace gui
