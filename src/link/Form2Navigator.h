#pragma once
#include <QStringList>
#include <QWidget>

namespace store {
class Dataset;
}

namespace exchange {

// The navigator under a grid of the exchange window: First, Prior, Next, Last
// and, when six hints are given, Insert and Delete, acting on the dataset.
class Form2Navigator : public QWidget {
    Q_OBJECT
public:
    Form2Navigator(const QString& name, store::Dataset& ds, const QStringList& hints, QWidget* parent = nullptr);
    void act(int button);

private:
    store::Dataset& ds_;
};

} // namespace exchange
