#pragma once
#include <QLabel>
#include <QObject>
#include <QPointer>

class QTableView;

namespace gui {

// A grid without rows says what it would hold and how to fill it: a hint in
// the middle of its empty area, gone as soon as the model has a row.
class GridPlaceholder : public QObject {
    Q_OBJECT
public:
    // The grid owns the placeholder; call after the grid has its model.
    static GridPlaceholder* attach(QTableView* grid, const QString& text);

    QLabel* label() const { return label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GridPlaceholder(QTableView* grid, const QString& text);
    void update();

    QTableView* grid_;
    // Held apart from the grid: the grid's destructor deletes the viewport,
    // whose last events still pass the filter when the grid is no longer a
    // table view.
    QWidget* viewport_;
    QPointer<QLabel> label_;
};

} // namespace gui
