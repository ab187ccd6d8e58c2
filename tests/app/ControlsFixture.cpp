#include "ControlsFixture.h"

using namespace store;

ControlsFixture::ControlsFixture() {
    window.dm = &dm;
    window.view = &view;
    dm.DataModuleCreate();
    window.calls.clear();
}

void ControlsFixture::addWaveform(Dataset& ds, const QString& memo, int sdvig, bool marked,
                                  const QByteArray& points) {
    ds.setTag(TagQuiet);
    ds.append();
    ds.fieldByName(QStringLiteral("REC_ID")).setInteger(ds.recordCount() + 1);
    ds.fieldByName(QStringLiteral("MEMO")).setString(memo);
    ds.fieldByName(QStringLiteral("DEVICE_TYPE")).setString(QStringLiteral("KM-41A1 ver.5"));
    ds.fieldByName(QStringLiteral("SCALE")).setFloat(250);
    ds.fieldByName(QStringLiteral("ZOOM_L")).setFloat(1);
    ds.fieldByName(QStringLiteral("START_PLAN")).setFloat(0);
    ds.fieldByName(QStringLiteral("SPEED")).setString(QStringLiteral("1,500"));
    ds.fieldByName(QStringLiteral("SDVIG")).setInteger(sdvig);
    ds.fieldByName(QStringLiteral("PICTURE")).setBool(marked);
    ds.fieldByName(QStringLiteral("POINTS")).setBlob(points);
    ds.setTag(TagQuiet);
    ds.post();
    ds.setTag(TagNormal);
    window.calls.clear();
}

QList<qint64> ControlsFixture::column(Dataset& ds, const QString& field) {
    QList<qint64> values;
    const int f = ds.fieldIndex(field);
    for (int row = 0; row < ds.recordCount(); ++row) values << FieldValue::integer(ds.valueAt(row, f));
    return values;
}

QStringList ControlsFixture::texts(Dataset& ds, const QString& field) {
    QStringList values;
    const int f = ds.fieldIndex(field);
    for (int row = 0; row < ds.recordCount(); ++row)
        values << FieldValue::text(ds.valueAt(row, f), ds.fieldKind(f));
    return values;
}
