#include "app/tdr/TdrHeader.h"
#include "TdrTestImage.h"
#include "app/tdr/TdrError.h"

#include <QLocale>
#include <gtest/gtest.h>

using app::tdr::TdrError;
using app::tdr::TdrHeader;

namespace {

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

using TdrHeaderTest = CommaLocale;

TEST_F(TdrHeaderTest, speedScalesByItsSize) {
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(24, 300).bytes()).speed, "3,000");
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(24, 301).bytes()).speed, "0,301");
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(24, 1500).bytes()).speed, "1,500");
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(24, 150).bytes()).speed, "1,500");
}

TEST_F(TdrHeaderTest, methodCodes) {
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(40, 68).bytes()).method, "arc");
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(40, 73).bytes()).method, "pulse");
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(40, 75).bytes()).method, "wave");
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(40, 0).bytes()).method, "");
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(40, -68).bytes()).method, "");
}

TEST_F(TdrHeaderTest, thresholdDelayAndPlainWords) {
    const TdrHeader h =
        TdrHeader::decode(TdrTestImage().set(36, 60).set(32, 5).set(16, -7).set(20, 12345).bytes());
    EXPECT_EQ(h.level, 0);
    EXPECT_DOUBLE_EQ(h.timeOut, 1.0);
    EXPECT_EQ(h.ampl, -7);
    EXPECT_EQ(h.soglas, 12345);
    // The lowest threshold word does not wrap around.
    EXPECT_EQ(TdrHeader::decode(TdrTestImage().set(36, INT32_MIN).bytes()).level, qint64(INT32_MIN) - 60);
}

TEST_F(TdrHeaderTest, tablesAtBothEnds) {
    TdrHeader first = TdrHeader::decode(TdrTestImage().set(4, 0).set(8, 0).set(12, 0).bytes());
    EXPECT_EQ(first.dlit, 10);
    EXPECT_DOUBLE_EQ(first.scale, 62.5);
    EXPECT_EQ(first.nakopl, 1);
    TdrHeader last = TdrHeader::decode(TdrTestImage().set(4, 12).set(8, 11).set(12, 7).bytes());
    EXPECT_EQ(last.dlit, 100000);
    EXPECT_DOUBLE_EQ(last.scale, 128000);
    EXPECT_EQ(last.nakopl, 128);
}

TEST_F(TdrHeaderTest, indexOutsideItsTableIsRejected) {
    EXPECT_THROW(TdrHeader::decode(TdrTestImage().set(4, 13).bytes()), TdrError);
    EXPECT_THROW(TdrHeader::decode(TdrTestImage().set(8, 12).bytes()), TdrError);
    EXPECT_THROW(TdrHeader::decode(TdrTestImage().set(12, 8).bytes()), TdrError);
    EXPECT_THROW(TdrHeader::decode(TdrTestImage().set(8, -1).bytes()), TdrError);
    try {
        TdrHeader::decode(TdrTestImage().set(8, 14).bytes());
        FAIL();
    } catch (const TdrError& e) {
        EXPECT_EQ(e.text(), "range index 14 is outside 0..11");
    }
}

TEST_F(TdrHeaderTest, shortImageIsRejected) {
    EXPECT_THROW(TdrHeader::decode(TdrTestImage().resize(8511).bytes()), TdrError);
    EXPECT_THROW(TdrHeader::decode(QByteArray()), TdrError);
    EXPECT_NO_THROW(TdrHeader::decode(TdrTestImage().resize(9000).bytes()));
}

} // namespace
