#pragma once
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace gui {

// Draws a grid cell as the style does, but its text from a laid-out copy
// kept per distinct text: the style lays every cell's text out afresh at
// every paint, which made a page of the library grid the slowest part of
// a page change or a type switch. A text that does not fit its cell (to be
// elided or wrapped), has more lines or shares the cell with a check box or
// an icon is left to the style.
class CellTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const QStaticText& laidOut(const QString& text, const QFont& font) const;

    mutable QHash<QString, QStaticText> texts_;
    mutable QFont font_;
};

} // namespace gui
