#include "gui/GridHeader.h"

#include <QPaintDevice>
#include <QPainter>
#include <QStyleOptionHeaderV2>

namespace gui {

namespace {

// Far more than a grid's titles in all their states; past it they are drawn afresh.
constexpr qsizetype kMaxSections = 512;

} // namespace

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    // As a table view's own header.
    setSectionsClickable(true);
    setHighlightSections(true);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) return;
    QStyleOptionHeaderV2 opt;
    initStyleOption(&opt);
    const QBrush button = opt.palette.brush(QPalette::Button), window = opt.palette.brush(QPalette::Window);
    initStyleOptionForIndex(&opt, logicalIndex);
    const QPaintDevice* device = painter->device();
    if (!opt.icon.isNull() || opt.palette.brush(QPalette::Button) != button ||
        opt.palette.brush(QPalette::Window) != window || !device ||
        painter->deviceTransform().type() > QTransform::TxTranslate) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    const qreal ratio = device->devicePixelRatioF();
    const Look key{opt.text,
                   painter->font().key(),
                   rect.size(),
                   int(opt.state),
                   int(opt.position),
                   int(opt.selectedPosition),
                   int(opt.sortIndicator),
                   int(opt.textAlignment),
                   int(opt.textElideMode),
                   opt.isSectionDragTarget,
                   opt.palette.cacheKey(),
                   ratio};
    auto it = sections_.constFind(key);
    if (it == sections_.constEnd()) {
        if (sections_.size() >= kMaxSections) sections_.clear();
        QPixmap picture((QSizeF(rect.size()) * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setFont(painter->font());
        opt.rect = QRect(QPoint(0, 0), rect.size());
        style()->drawControl(QStyle::CE_Header, &opt, &p, this);
        p.end();
        it = sections_.insert(key, picture);
    }
    painter->drawPixmap(rect.topLeft(), *it);
}

} // namespace gui
