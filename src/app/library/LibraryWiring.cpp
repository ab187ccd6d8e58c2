#include "app/library/LibraryWiring.h"

#include "app/TForm1.h"
#include "app/library/CompareGridModel.h"
#include "app/library/LibraryColumns.h"
#include "app/library/LibrarySelectionDelegate.h"
#include "gui/CellTextDelegate.h"
#include "gui/DbNavigator.h"
#include "gui/GridColumnFit.h"
#include "gui/GridHeader.h"
#include "gui/GridPlaceholder.h"
#include "store/DatasetTableModel.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace app::library {

LibraryWiring::LibraryWiring(TForm1& form, store::TDataModule1& dm, store::DataModuleHost& window)
    : compare_(form.state(), dm, window), events_(form.state(), dm, window, compare_), form_(form) {
    setObjectName(QStringLiteral("LibraryWiring"));
    setupGrid(form.DBGridEh1, new store::DatasetTableModel(dm.t_master, LibraryColumns::waveforms(), this),
              LibraryColumns::hiddenWaveformFields());
    setupGrid(form.DBGridEh2, new CompareGridModel(dm.t_picture, LibraryColumns::waveforms(), this),
              LibraryColumns::hiddenWaveformFields());
    setupGrid(form.DBGridEh3, new store::DatasetTableModel(dm.t_ku_list, LibraryColumns::prList(), this),
              LibraryColumns::hiddenPrFields());
    form.DBGridEh1->setItemDelegate(new LibrarySelectionDelegate(form.DBGridEh1));
    form.DBGridEh2->setItemDelegate(new gui::CellTextDelegate(form.DBGridEh2));
    form.DBGridEh3->setItemDelegate(new gui::CellTextDelegate(form.DBGridEh3));
    libraryHint_ = gui::GridPlaceholder::attach(form.DBGridEh1, QString());
    gui::GridPlaceholder::attach(form.DBGridEh2,
                                 tr("Compare library — mark waveforms in the library below and press Add"));
    gui::GridPlaceholder::attach(form.DBGridEh3, tr("Cable types and their PR — press + to add one"));
    fits_ = {gui::GridColumnFit::attach(form.DBGridEh1), gui::GridColumnFit::attach(form.DBGridEh2),
             gui::GridColumnFit::attach(form.DBGridEh3)};
    showTypeColumns();
    connect(&form.state(), &store::ViewState::changed, this, &LibraryWiring::showTypeColumns);

    if (auto* nav = qobject_cast<gui::DbNavigator*>(form.Navigator_master)) nav->setDataset(&dm.t_master);
    if (auto* nav = qobject_cast<gui::DbNavigator*>(form.Navigator_picture)) nav->setDataset(&dm.t_picture);
    if (auto* nav = qobject_cast<gui::DbNavigator*>(form.Navigator_ku)) {
        nav->setDataset(&dm.t_ku_list);
        nav->setGrid(form.DBGridEh3);
    }
    connectButtons();

    LibraryGridMenu = new QMenu(form.DBGridEh1);
    LibraryGridMenu->setObjectName(QStringLiteral("LibraryGridMenu"));
    mnNote = LibraryGridMenu->addAction(tr("Note..."));
    mnNote->setObjectName(QStringLiteral("mnNote"));
    connect(mnNote, &QAction::triggered, this,
            [this] { guard_.run([this] { emit libraryNoteRequested(); }); });

    form.DBGridEh1->installEventFilter(this);
    form.DBGridEh1->viewport()->installEventFilter(this);
    form.DBGridEh2->installEventFilter(this);
}

void LibraryWiring::showTypeColumns() {
    // The view changes with every step of a control; the columns only with the type.
    if (form_.state().typeIndex() == columnsShownFor_) return;
    columnsShownFor_ = form_.state().typeIndex();
    const bool hide = columnsShownFor_ == 0;
    // What fills the library names the toolbar's buttons of the type shown.
    libraryHint_->label()->setText(
        hide ? tr("Waveform library — press Connect to read waveforms from the instrument, or Import")
             : tr("Waveform library — press Open waveform to add waveform files (.tdr)"));
    const QStringList& fields = LibraryColumns::unusedByPlanTypeFields();
    const QVector<store::GridColumn> columns = LibraryColumns::waveforms();
    for (int g = 0; g < 2; ++g) {
        QTableView* grid = g == 0 ? form_.DBGridEh1 : form_.DBGridEh2;
        bool changed = false;
        for (int c = 0; c < columns.size(); ++c) {
            if (!fields.contains(columns[c].field) || grid->isColumnHidden(c) == hide) continue;
            grid->setColumnHidden(c, hide);
            changed = true;
        }
        if (!changed) continue;
        // The rows of the new type are fitted after the reset that brings them.
        fits_[g]->scheduleFitAll();
        // The grid lays out its changed columns on a timer of its own and
        // paints all its rows again then: it waits for that timer, so that
        // the new rows are painted once. (A timer started now runs after it.)
        grid->viewport()->setUpdatesEnabled(false);
        auto* laidOut = new QTimer(grid);
        laidOut->setSingleShot(true);
        connect(laidOut, &QTimer::timeout, grid, [grid, laidOut] {
            grid->viewport()->setUpdatesEnabled(true);
            laidOut->deleteLater();
        });
        laidOut->start(0);
    }
}

LibraryWiring::~LibraryWiring() = default;

void LibraryWiring::setupGrid(QTableView* grid, store::DatasetTableModel* model, const QStringList& hidden) {
    grid->setHorizontalHeader(new gui::GridHeader(grid));
    grid->setModel(model);
    // The check-box column is narrower than the style's default minimum.
    grid->horizontalHeader()->setMinimumSectionSize(12);
    const QVector<store::GridColumn>& columns = model->columns();
    for (int c = 0; c < columns.size(); ++c) {
        grid->setColumnHidden(c, hidden.contains(columns[c].field));
        if (columns[c].width > 0) grid->setColumnWidth(c, columns[c].width);
    }
    // The grid's current row and the dataset's current record follow each other.
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, model](const QModelIndex& current) {
                store::Dataset& ds = model->dataset();
                if (current.isValid() && ds.isOpen() && current.row() != ds.recNo())
                    guard_.run([&] { ds.moveTo(current.row()); });
            });
    connect(model, &store::DatasetTableModel::currentRowChanged, grid, [grid, model](int row) {
        if (row < 0 || row >= model->rowCount() || grid->currentIndex().row() == row) return;
        const int column = grid->currentIndex().isValid() ? grid->currentIndex().column() : 1;
        grid->setCurrentIndex(model->index(row, column));
    });
    // A reset (a read, an import, the start) forgets the grid's current row:
    // mark the dataset's current record again and bring it into view.
    connect(
        model, &QAbstractItemModel::modelReset, grid, [grid] { showCurrentRow(grid); }, Qt::QueuedConnection);
    grid->installEventFilter(this);
}

void LibraryWiring::showCurrentRow(QTableView* grid) {
    const auto* model = qobject_cast<store::DatasetTableModel*>(grid->model());
    if (!model) return;
    const int row = model->dataset().recNo();
    if (row < 0 || row >= model->rowCount()) return;
    if (grid->currentIndex().row() != row) {
        const int column = grid->currentIndex().isValid() ? grid->currentIndex().column() : 1;
        grid->setCurrentIndex(model->index(row, column));
    }
    grid->scrollTo(grid->currentIndex());
}

void LibraryWiring::DBGridEh1ContextPopup(const QPoint& pos, bool atPointer) {
    QTableView* grid = form_.DBGridEh1;
    QPoint at = pos;
    if (atPointer) {
        // The menu acts on the row clicked, as a left click would have chosen it.
        const QModelIndex clicked = grid->indexAt(pos);
        if (clicked.isValid() && clicked.row() != grid->currentIndex().row()) grid->setCurrentIndex(clicked);
    } else if (grid->currentIndex().isValid()) {
        // From the keyboard: at the current row.
        at = grid->visualRect(grid->currentIndex()).center();
    }
    mnNote->setEnabled(grid->model() && grid->model()->rowCount() > 0);
    LibraryGridMenu->popup(grid->viewport()->mapToGlobal(at));
}

void LibraryWiring::connectButtons() {
    connect(form_.SpeedButton_inc_ref_master, &QToolButton::clicked, this,
            [this] { guard_.run([this] { compare_.SpeedButton_inc_ref_masterClick(); }); });
    connect(form_.SpeedButton_del_ref_master, &QToolButton::clicked, this,
            [this] { guard_.run([this] { compare_.SpeedButton_del_ref_masterClick(); }); });
    connect(form_.SpeedButton_del_ref_picture, &QToolButton::clicked, this,
            [this] { guard_.run([this] { compare_.SpeedButton_del_ref_pictureClick(); }); });
}

bool LibraryWiring::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show) {
        // Scrolling needs the grid's final size, which it has after the show.
        if (auto* grid = qobject_cast<QTableView*>(watched))
            QTimer::singleShot(0, grid, [grid] { showCurrentRow(grid); });
    }
    if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        bool handled = false;
        if (watched == form_.DBGridEh1) guard_.run([&] { handled = events_.DBGridEh1KeyDown(key); });
        if (watched == form_.DBGridEh2) guard_.run([&] { handled = events_.DBGridEh2KeyDown(key); });
        if (handled) return true;
    } else if (watched == form_.DBGridEh1->viewport()) {
        if (type == QEvent::ContextMenu) {
            const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            DBGridEh1ContextPopup(menuEvent->pos(), menuEvent->reason() == QContextMenuEvent::Mouse);
            return true;
        }
        if (type == QEvent::MouseButtonPress) {
            // After the grid has moved to the clicked row, as the waveform shown is that row's.
            QTimer::singleShot(0, this, [this] { guard_.run([this] { events_.DBGridEh1MouseDown(); }); });
        } else if (type == QEvent::MouseButtonDblClick) {
            // The name editor replaces the grid's own cell editor.
            guard_.run([this] { emit libraryGridDoubleClicked(); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app::library
