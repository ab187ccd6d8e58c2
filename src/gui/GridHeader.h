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
    // What a title's picture shows.
    struct Look {
        QString text, font;
        QSize size;
        int state, position, selectedPosition, sortIndicator, alignment, elide;
        bool dragTarget;
        qint64 palette;
        qreal ratio;
        bool operator==(const Look&) const = default;
    };
    friend size_t qHash(const Look& l, size_t seed) {
        return qHashMulti(seed, l.text, l.size.width(), l.size.height(), l.state, l.palette);
    }

    mutable QHash<Look, QPixmap> sections_;
};

} // namespace gui
