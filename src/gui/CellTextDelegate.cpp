#include "gui/CellTextDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QWidget>
#include <QtMath>

namespace gui {

namespace {

// Far more than a screen of cells shows; past it the copies are made afresh.
constexpr qsizetype kMaxTexts = 4096;

bool plain(const QStyleOptionViewItem& o) {
    // Word wrap, which grids have on, changes nothing on a line that fits.
    constexpr auto others = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration;
    return !o.text.isEmpty() && !(o.features & others) && !o.text.contains(QLatin1Char('\n')) &&
           !o.text.contains(QChar::LineSeparator);
}

// Where the style would draw nothing but the cell's background brush: Fusion
// marks only a selected or focused cell (and a check box or an icon, which a
// plain cell has not), and laying out an empty cell costs it more than the fill.
bool plainPanel(const QStyleOptionViewItem& o, const QStyle& style) {
    return !(o.state & (QStyle::State_Selected | QStyle::State_HasFocus)) &&
           style.name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

} // namespace

const QStaticText& CellTextDelegate::laidOut(const QString& text, const QFont& font) const {
    if (font != font_ || texts_.size() >= kMaxTexts) {
        texts_.clear();
        font_ = font;
    }
    auto it = texts_.find(text);
    if (it == texts_.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.setPerformanceHint(QStaticText::AggressiveCaching);
        laid.prepare(QTransform(), font);
        it = texts_.insert(text, laid);
    }
    return *it;
}

void CellTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    const QWidget* widget = o.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    if (!plain(o)) {
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, widget);
        return;
    }
    // The style's own text margins.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect room = o.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText& text = laidOut(o.text, o.font);
    // As the style decides to elide.
    if (text.size().width() > room.width()) {
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, widget);
        return;
    }
    o.text.clear();
    if (plainPanel(o, *style)) {
        if (o.backgroundBrush.style() != Qt::NoBrush) {
            painter->save();
            painter->setBrushOrigin(o.rect.topLeft());
            painter->fillRect(o.rect, o.backgroundBrush);
            painter->restore();
        }
    } else {
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, widget);
    }

    const QPalette::ColorGroup group = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (o.state & QStyle::State_Active) ? QPalette::Normal
                                                                          : QPalette::Inactive;
    const QPalette::ColorRole role =
        (o.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(o.font);
    painter->setPen(o.palette.color(group, role));
    painter->setClipRect(o.rect, Qt::IntersectClip);
    const QSize size(qCeil(text.size().width()), qCeil(text.size().height()));
    const QRect at = QStyle::alignedRect(o.direction, o.displayAlignment, size, room);
    painter->drawStaticText(at.topLeft(), text);
    painter->restore();
}

} // namespace gui
