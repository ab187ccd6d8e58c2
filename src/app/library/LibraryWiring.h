#pragma once
#include "app/controls/HandlerGuard.h"
#include "app/library/CompareLibrary.h"
#include "app/library/LibraryGridEvents.h"

#include <QObject>
#include <QStringList>
#include <QVector>

class QAction;
class QMenu;
class QPoint;
class QTableView;

namespace gui {
class GridColumnFit;
class GridPlaceholder;
} // namespace gui

namespace store {
class DatasetTableModel;
}

namespace app {
class TForm1;
}

namespace app::library {

// Connects the main window's three grids, their navigators and the buttons
// under them to the datasets and to CompareLibrary / LibraryGridEvents:
// columns, widths, hidden fields, row colours, the grids' current rows
// following the datasets and back, the mouse and key events of the two
// library grids, and the compare grid's enabled state.
class LibraryWiring : public QObject {
    Q_OBJECT
public:
    // window: the main window's redraw entry points.
    LibraryWiring(TForm1& form, store::TDataModule1& dm, store::DataModuleHost& window);
    ~LibraryWiring() override;

    CompareLibrary& compareLibrary() { return compare_; }
    LibraryGridEvents& gridEvents() { return events_; }

    // The library grid's context menu (right click, the menu key) and its entries.
    QMenu* LibraryGridMenu;
    QAction* mnNote;

signals:
    // A double click on the library grid: the waveform name editor.
    void libraryGridDoubleClicked();
    // "Note..." of the library grid's context menu: the note editor on the current waveform.
    void libraryNoteRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupGrid(QTableView* grid, store::DatasetTableModel* model, const QStringList& hidden);
    void connectButtons();
    // Method, threshold and delay hold nothing for the "KMX-417" type: hidden while it is
    // selected. The empty library's hint names the buttons of the type shown.
    void showTypeColumns();
    static void showCurrentRow(QTableView* grid);
    // Makes the row under `pos` (viewport coordinates) current, when there is one, and opens the menu there.
    void DBGridEh1ContextPopup(const QPoint& pos, bool atPointer);

    controls::HandlerGuard guard_;
    CompareLibrary compare_;
    LibraryGridEvents events_;
    TForm1& form_;
    QVector<gui::GridColumnFit*> fits_; // DBGridEh1, DBGridEh2, DBGridEh3
    gui::GridPlaceholder* libraryHint_ = nullptr;
    int columnsShownFor_ = -1; // the type the columns were last shown for
};

} // namespace app::library
