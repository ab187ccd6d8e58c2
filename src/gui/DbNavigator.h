#pragma once
#include <QStringList>
#include <QWidget>

class QAbstractItemView;

namespace store {
class Dataset;
}

namespace gui {

// A row of navigation buttons under a grid of the main window or the exchange
// window: First, Prior, Next, Last and, when six hints are given, Insert and
// Delete. The buttons act on the dataset, which may be given after creation
// (the main window exists before the data module).
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    // hints: 4 or 6 texts, in button order.
    DbNavigator(const QString& name, const QStringList& hints, QWidget* parent = nullptr);
    void setDataset(store::Dataset* ds) { ds_ = ds; }
    // The grid that shows the dataset: Insert puts the typing cursor into the
    // new row's first editable cell.
    void setGrid(QAbstractItemView* grid) { grid_ = grid; }
    void act(int button);

private:
    void editNewRow();

    store::Dataset* ds_ = nullptr;
    QAbstractItemView* grid_ = nullptr;
};

} // namespace gui
