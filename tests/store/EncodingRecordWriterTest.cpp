#include "StoreFixture.h"

#include "store/encoding/RecordWriter.h"
#include "store/encoding/WaveformConversions.h"

using namespace store;

namespace {
class EncodingRecordWriter : public EitherEngine {};
} // namespace

TEST_P(EncodingRecordWriter, convertedColumnsArriveInTheAppendedRowWithTheirTypes) {
    Dataset ds(db, QStringLiteral("t_master2"));
    ds.setTableName(QStringLiteral("master"));
    ds.open();

    QByteArray block(kType0BlockSize, '\0');
    block[270] = 2;
    block[272] = 75;
    block[273] = 100;
    const ConversionResult r = ConvertType0(block);
    ASSERT_TRUE(r.converted());
    ds.append();
    ds.fieldByName(QStringLiteral("LEVEL")).setInteger(7); // a conversion of type 0 sets it empty
    writeRecord(ds, r.values);
    ds.post();

    ds.first();
    EXPECT_EQ(ds.fieldByName(QStringLiteral("SCALE")).asFloat(), 1000.0);
    EXPECT_EQ(ds.fieldByName(QStringLiteral("SPEED")).asFloat(), 2.0);
    EXPECT_DOUBLE_EQ(ds.fieldByName(QStringLiteral("START_PLAN")).asFloat(),
                     double(float(2.0 * 100 * 2 / 3 * 0.01)));
    EXPECT_EQ(ds.fieldByName(QStringLiteral("POINTS")).asBlob(), block);
    EXPECT_EQ(ds.fieldByName(QStringLiteral("MEMO")).asString(), " ");
    EXPECT_FALSE(ds.fieldByName(QStringLiteral("PICTURE")).asBool());
    EXPECT_TRUE(ds.fieldByName(QStringLiteral("LEVEL")).isNull());
    EXPECT_TRUE(ds.fieldByName(QStringLiteral("TIME_OUT")).isNull());

    ds.append();
    EXPECT_THROW(writeRecord(ds, {{QStringLiteral("NO_SUCH_COLUMN"), 1}}), StoreError);
    ds.cancel();
}

INSTANTIATE_ON_BOTH_ENGINES(EncodingRecordWriter);
