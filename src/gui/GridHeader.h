#pragma once
#include <QHash>
#include <QHeaderView>
#include <QPixmap>

namespace gui {

// A grid's column titles as the style draws them, each kept as a picture
// while its text, size and look stay: the style lays every title's text out
// afresh at every paint, and a type switch, which changes the columns,
// repaints them all. A title with an icon, or with brushes of its own, is
// left to the style.
class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit GridHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    mutable QHash<QString, QPixmap> sections_;
};

} // namespace gui
