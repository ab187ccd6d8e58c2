#include "gui/GridPlaceholder.h"

#include <QEvent>
#include <QLabel>
#include <QTableView>

namespace gui {

namespace {
constexpr int kMargin = 8;
} // namespace

GridPlaceholder* GridPlaceholder::attach(QTableView* grid, const QString& text) {
    return new GridPlaceholder(grid, text);
}

GridPlaceholder::GridPlaceholder(QTableView* grid, const QString& text)
    : QObject(grid), grid_(grid), viewport_(grid->viewport()), label_(new QLabel(text, viewport_)) {
    label_->setObjectName(grid->objectName() + QStringLiteral("_placeholder"));
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    label_->setForegroundRole(QPalette::PlaceholderText);
    // Clicks reach the grid as if the hint were not there.
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    viewport_->installEventFilter(this);
    if (QAbstractItemModel* model = grid->model()) {
        connect(model, &QAbstractItemModel::modelReset, this, &GridPlaceholder::update);
        connect(model, &QAbstractItemModel::layoutChanged, this, &GridPlaceholder::update);
        connect(model, &QAbstractItemModel::rowsInserted, this, &GridPlaceholder::update);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &GridPlaceholder::update);
    }
    update();
}

void GridPlaceholder::update() {
    const QAbstractItemModel* model = grid_->model();
    label_->setVisible(!model || model->rowCount() == 0);
}

bool GridPlaceholder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Resize && label_) {
        label_->setGeometry(viewport_->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gui
