#pragma once
#include <QFont>
#include <QHash>
#include <QObject>
#include <QStyleOptionViewItem>
#include <QVector>
#include <utility>

class QTableView;

namespace gui {

// Keeps every shown column of a grid wide enough that neither its title nor
// any value it draws is cut: a column is the wider of its described width and
// what the grid's font and style need. A new set of rows fits the columns
// afresh from the rows in view; rows that change, arrive or come into view
// (scrolled to, or shown by a taller grid) only widen them, so the grid never
// measures more rows than it shows, whatever the library's size. Hidden
// columns are left alone (a blob column would be measured as text): fitAll()
// or scheduleFitAll() after showing one.
class GridColumnFit : public QObject {
    Q_OBJECT
public:
    // Fits the grid's columns to the model it has now (a store::DatasetTableModel
    // gives the described widths) and follows its changes; the grid owns the fit.
    static GridColumnFit* attach(QTableView* grid);

    void fitAll();
    // fitAll() when the event loop next turns, once however often asked
    // meanwhile: before the grid is painted, with the rows it will show.
    void scheduleFitAll();
    // The width each column needs for its title and for the values of rows
    // first..last; 0 for a hidden column.
    QVector<int> neededWidths(int first, int last) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Per column the widest text of some rows (-1: none) and its row.
    struct Measure {
        QVector<int> widestText, widestRow;
    };

    explicit GridColumnFit(QTableView* grid);
    // The first and last row in view; last < first when none is.
    std::pair<int, int> shownRows() const;
    void widen(int first, int last);
    // widen() for those of the rows that are in view.
    void widenShown(int first, int last);
    void widenShownRows();
    Measure measure(int first, int last) const;
    QVector<int> neededWidths(const Measure& m) const;
    QStyleOptionViewItem itemOption() const;
    int cellWidth(const QStyleOptionViewItem& option, int row, int column) const;
    // The text's width in the grid's font, remembered: a library shows the
    // same few values page after page, and laying one out costs more than
    // looking it up.
    int textWidth(const QFontMetrics& metrics, const QString& text) const;
    // What the header needs for the column's title.
    int titleWidth(int column) const;

    QTableView* grid_;
    const QObject* viewport_ = nullptr; // the grid's, watched for its height
    QVector<int> described_;
    bool fitPending_ = false;
    // Since the columns were fitted: the widest text measured in each
    // column, and the rows in view when last measured.
    QVector<int> widestText_;
    std::pair<int, int> shown_{0, -1};
    mutable QHash<QString, int> widths_;
    mutable QFont widthsFont_;
    mutable QHash<std::pair<int, QString>, int> titles_;
    mutable QFont titlesFont_;
};

} // namespace gui
