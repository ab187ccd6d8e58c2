#include "TraceFixture.h"

using namespace store;

TraceFixture::TraceFixture()
    : libraryDb(QStringLiteral("ecl41_data"), Schema::Kind::Library),
      compareDb(QStringLiteral("ecl41_pic"), Schema::Kind::Library),
      master(libraryDb, QStringLiteral("t_master")), picture(compareDb, QStringLiteral("t_picture")) {
    libraryDb.setPath(home.file(QStringLiteral("Data/ecl41_data.db")));
    compareDb.setPath(home.file(QStringLiteral("Data/ecl41_pic.db")));
    master.setTableName(QStringLiteral("master"));
    picture.setTableName(QStringLiteral("master"));
    master.open();
    picture.open();
    picture.afterScroll = [this](Dataset& ds) {
        if (ds.isEmpty()) return;
        if (ds.tag() == TagScan) {
            ++scanMoves;
            const qint64 scale = ds.fieldByName(QStringLiteral("SCALE")).asInteger();
            if (scale > state.maxScale()) state.setMaxScale(double(scale));
            return;
        }
        if (ds.tag() == TagQuiet) {
            ds.setTag(TagNormal);
            return;
        }
        ++userMoves;
    };
    charts.attachCopies(upperCopy, lowerCopy);
}

void TraceFixture::addPlan(Dataset& ds, double scale, double zoomL, double startPlan, int sdvig,
                           const QByteArray& points) {
    ds.setTag(TagQuiet);
    ds.append();
    ds.fieldByName(QStringLiteral("REC_ID")).setInteger(ds.recordCount() + 1);
    ds.fieldByName(QStringLiteral("DEVICE_TYPE")).setString(QStringLiteral("KM-41A1 ver.5"));
    ds.fieldByName(QStringLiteral("SCALE")).setFloat(scale);
    ds.fieldByName(QStringLiteral("ZOOM_L")).setFloat(zoomL);
    ds.fieldByName(QStringLiteral("START_PLAN")).setFloat(startPlan);
    ds.fieldByName(QStringLiteral("SDVIG")).setInteger(sdvig);
    ds.fieldByName(QStringLiteral("SPEED")).setString(QStringLiteral("1,500"));
    ds.fieldByName(QStringLiteral("POINTS")).setBlob(points);
    ds.setTag(TagQuiet);
    ds.post();
    ds.setTag(TagNormal);
}

void TraceFixture::addWindowRecord(Dataset& ds, double scale, const QString& method, int sdvig,
                                   const QByteArray& points) {
    ds.setTag(TagQuiet);
    ds.append();
    ds.fieldByName(QStringLiteral("REC_ID")).setInteger(ds.recordCount() + 1);
    ds.fieldByName(QStringLiteral("DEVICE_TYPE")).setString(QStringLiteral("KM-630 ver.1"));
    ds.fieldByName(QStringLiteral("SCALE")).setFloat(scale);
    ds.fieldByName(QStringLiteral("METHOD")).setString(method);
    ds.fieldByName(QStringLiteral("ZOOM_L")).setFloat(0);
    ds.fieldByName(QStringLiteral("START_PLAN")).setFloat(0);
    ds.fieldByName(QStringLiteral("SDVIG")).setInteger(sdvig);
    ds.fieldByName(QStringLiteral("POINTS")).setBlob(points.isNull() ? pattern(512, 8000) : points);
    ds.setTag(TagQuiet);
    ds.post();
    ds.setTag(TagNormal);
}

QByteArray TraceFixture::pattern(int header, int samples) {
    QByteArray b(header + samples, '\0');
    for (int k = 0; k < samples; ++k) b[header + k] = char(k % 251);
    return b;
}

int TraceFixture::patternSample(int k) {
    const int byte = k % 251;
    return byte < 128 ? byte : byte - 256;
}

void TraceFixture::expectCopiesEqual() const {
    for (int s = 0; s < upper.seriesCount(); ++s) {
        EXPECT_EQ(upperCopy.points(s), upper.points(s)) << "upper slot " << s;
        EXPECT_EQ(upperCopy.isActive(s), upper.isActive(s)) << "upper slot " << s;
    }
    for (int s = 0; s < lower.seriesCount(); ++s) {
        EXPECT_EQ(lowerCopy.points(s), lower.points(s)) << "lower slot " << s;
        EXPECT_EQ(lowerCopy.isActive(s), lower.isActive(s)) << "lower slot " << s;
    }
    for (trace::Axis a : {trace::Axis::Bottom, trace::Axis::Top, trace::Axis::Left}) {
        EXPECT_EQ(upperCopy.axisMin(a), upper.axisMin(a));
        EXPECT_EQ(upperCopy.axisMax(a), upper.axisMax(a));
        EXPECT_EQ(lowerCopy.axisMin(a), lower.axisMin(a));
        EXPECT_EQ(lowerCopy.axisMax(a), lower.axisMax(a));
    }
}
