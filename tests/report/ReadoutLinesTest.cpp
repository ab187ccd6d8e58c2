#include "ReportFixture.h"
#include "support/ShownText.h"

#include "report/ReadoutLines.h"
#include "report/ReportChart.h"

#include <QLocale>

using namespace report;

namespace {

// Runs a test in a locale whose decimal separator is a comma.
class CommaLocale {
public:
    CommaLocale() : previous_(QLocale()) { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    ~CommaLocale() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

class ReadoutLinesTest : public ReportFixture {
protected:
    CommaLocale comma;
};

} // namespace

TEST_F(ReadoutLinesTest, valuesStandBesideTheirLabels) {
    state.setEditKu(shown("1,870"));
    state.setZoomCaption(shown("4"));
    state.setEditK1(shown("12,50"));
    state.setEditK2(shown("40,00"));
    state.setEditL(shown("27,50"));
    form.QRChart2->setAxisRange(trace::Axis::Bottom, 100, 225);
    fill();
    EXPECT_EQ(form.QRMemo3->lines, QStringList({"PR", "zoom", "length resolution", "zoom start point",
                                                "velocity, half", "К1", "К2", "L"}));
    EXPECT_EQ(form.QRMemo4->lines, QStringList({"1,870", "4", "0,50 m", "100,00 m", "160,3 / 80,2 m/µs",
                                                "12,50 m", "40,00 m", "27,50 m"}));
}

TEST_F(ReadoutLinesTest, lengthResolution_usesThePointsPerRangeOfTheType) {
    form.QRChart2->setAxisRange(trace::Axis::Bottom, 0, 1000);
    state.setTypeIndex(0);
    fill();
    EXPECT_EQ(form.QRMemo4->lines[2], "4,00 m");
    state.setTypeIndex(1);
    fill();
    EXPECT_EQ(form.QRMemo4->lines[2], "2,00 m");
    // No type entry: the line stays, empty, so the values below keep their labels.
    state.setTypeIndex(-1);
    fill();
    ASSERT_EQ(form.QRMemo4->lines.size(), 8);
    EXPECT_EQ(form.QRMemo4->lines[2], "");
    EXPECT_EQ(form.QRMemo4->lines[3], "0,00 m");
}

TEST_F(ReadoutLinesTest, fixedPoint_roundsToSevenSignificantDigitsFirst) {
    EXPECT_EQ(ReadoutLines::fixed7(62.5), "62,50");
    // 12.344999 is 12.34500 at seven digits, which then rounds up.
    EXPECT_EQ(ReadoutLines::fixed7(12.344999), "12,35");
    EXPECT_EQ(ReadoutLines::fixed7(123456.789), "123456,80");
}
