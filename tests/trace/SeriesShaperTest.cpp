#include "trace/SeriesShaper.h"

#include <gtest/gtest.h>

using namespace trace;

TEST(SeriesShaper, stairsHoldTheEarlierValueAndInvertedStairsStepFirst) {
    const QList<QPointF> pts{{0, 1}, {1, 5}, {2, 3}};
    EXPECT_EQ(SeriesShaper::stairs(pts, false), (QList<QPointF>{{0, 1}, {1, 1}, {1, 5}, {2, 5}, {2, 3}}));
    EXPECT_EQ(SeriesShaper::stairs(pts, true), (QList<QPointF>{{0, 1}, {0, 5}, {1, 5}, {1, 3}, {2, 3}}));
    EXPECT_EQ(SeriesShaper::stairs({{4, 4}}, false), (QList<QPointF>{{4, 4}}));
    EXPECT_EQ(SeriesShaper::stairs({{0, 2}, {1, 2}, {1, 7}, {2, 3}}, false),
              (QList<QPointF>{{0, 2}, {1, 2}, {1, 7}, {2, 7}, {2, 3}}));
}

TEST(SeriesShaper, shortListsAndEmptyRangesAreLeftAlone) {
    QList<QPointF> pts;
    for (int i = 0; i < 40; ++i) pts.append({double(i), double(i % 7)});
    EXPECT_EQ(SeriesShaper::thin(pts, 0, 39, 10), pts);
    EXPECT_EQ(SeriesShaper::thin(pts, 5, 5, 2), pts);
    EXPECT_EQ(SeriesShaper::thin(pts, 0, 39, 0), pts);
}

TEST(SeriesShaper, thinningKeepsEachColumnsExtremesAndTheLinesIntoTheRange) {
    // 50,000 points from 0 to 49,999 with a spike, shown over 100..200 in 10 columns.
    QList<QPointF> pts;
    for (int i = 0; i < 50000; ++i)
        pts.append({double(i), i == 150 ? 99.0 : (i == 151 ? -99.0 : double(i % 3))});
    const QList<QPointF> out = SeriesShaper::thin(pts, 100, 200, 10);
    EXPECT_LT(out.size(), 60);
    EXPECT_EQ(out.first(), pts.first());
    EXPECT_EQ(out.last(), pts.last());
    // The points just outside both ends stay, so the line runs into the range.
    EXPECT_TRUE(out.contains(QPointF(99, 0)));
    EXPECT_TRUE(out.contains(QPointF(201, 0)));
    EXPECT_TRUE(out.contains(QPointF(150, 99)));
    EXPECT_TRUE(out.contains(QPointF(151, -99)));
    // Order of distance is kept.
    for (qsizetype i = 1; i < out.size(); ++i) EXPECT_LE(out[i - 1].x(), out[i].x());
    // Every column keeps its lowest and highest value.
    for (int col = 0; col < 10; ++col) {
        double lo = 1e9, hi = -1e9, tlo = 1e9, thi = -1e9;
        for (const QPointF& p : pts)
            if (p.x() >= 100 + col * 10 && p.x() < 110 + col * 10)
                lo = std::min(lo, p.y()), hi = std::max(hi, p.y());
        for (const QPointF& p : out)
            if (p.x() >= 100 + col * 10 && p.x() < 110 + col * 10)
                tlo = std::min(tlo, p.y()), thi = std::max(thi, p.y());
        EXPECT_EQ(lo, tlo) << "column " << col;
        EXPECT_EQ(hi, thi) << "column " << col;
    }
}

TEST(SeriesShaper, thinningFollowsPolylinesThatRunBackwards) {
    // A frame side drawn right to left among many points keeps both ends.
    QList<QPointF> pts;
    for (int i = 0; i < 100; ++i) pts.append({double(i), 0});
    pts.append({80, 5});
    pts.append({20, 5});
    const QList<QPointF> out = SeriesShaper::thin(pts, 0, 100, 5);
    EXPECT_EQ(out.mid(out.size() - 2), (QList<QPointF>{{80, 5}, {20, 5}}));
}
