#pragma once
#include <QStringList>
#include <QWidget>

namespace store {
class Dataset;
}

namespace app {

// A row of navigation buttons under a grid: First, Prior, Next, Last and, when
// hints for them are given, Insert and Delete. The buttons act on the dataset.
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    // hints: 4 or 6 texts, in button order.
    DbNavigator(const QString& name, const QStringList& hints, QWidget* parent = nullptr);
    void setDataset(store::Dataset* ds) { ds_ = ds; }

private:
    void act(int button);
    store::Dataset* ds_ = nullptr;
};

} // namespace app
