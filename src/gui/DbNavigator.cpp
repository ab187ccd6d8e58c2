#include "gui/DbNavigator.h"

#include "store/Dataset.h"
#include "store/Messages.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QToolButton>

namespace gui {

namespace {
const char* const kGlyphs[] = {"|<", "<", ">", ">|", "+", "-"};
const char* const kNames[] = {"nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete"};
} // namespace

DbNavigator::DbNavigator(const QString& name, const QStringList& hints, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (int i = 0; i < hints.size() && i < 6; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(kNames[i]);
        b->setText(kGlyphs[i]);
        b->setToolTip(hints[i]);
        b->setStatusTip(hints[i]);
        b->setAccessibleName(hints[i]);
        connect(b, &QToolButton::clicked, this, [this, i] { act(i); });
        row->addWidget(b);
    }
    row->addStretch();
}

void DbNavigator::act(int button) {
    if (!ds_ || !ds_->isOpen()) return;
    store::showErrors([this, button] {
        switch (button) {
        case 0: ds_->first(); break;
        case 1: ds_->prior(); break;
        case 2: ds_->next(); break;
        case 3: ds_->last(); break;
        case 4:
            ds_->append();
            editNewRow();
            break;
        case 5:
            if (!ds_->isEmpty()) ds_->deleteRecord();
            break;
        }
    });
}

void DbNavigator::editNewRow() {
    if (!grid_ || !grid_->model()) return;
    const QAbstractItemModel* model = grid_->model();
    const int row = ds_->recordCount();
    for (int c = 0; c < model->columnCount(); ++c) {
        const QModelIndex cell = model->index(row, c);
        if (!(model->flags(cell) & Qt::ItemIsEditable)) continue;
        grid_->setFocus();
        grid_->setCurrentIndex(cell);
        grid_->edit(cell);
        return;
    }
}

} // namespace gui
