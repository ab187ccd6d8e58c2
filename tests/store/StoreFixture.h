#pragma once
#include "store/Database.h"
#include "store/Dataset.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

// A temporary program folder with a library database and a dataset on its master table.
class StoreFixture : public ::testing::Test {
protected:
    StoreFixture() : db(QStringLiteral("ecl41_data"), store::Schema::Kind::Library) {
        db.setPath(home.file(QStringLiteral("Data/ecl41_data.db")));
    }

    // Appends one master row through `ds` and posts it.
    static void addWaveform(store::Dataset& ds, int recId, const QString& memo,
                            const QString& type = QStringLiteral("KM-41A1 ver.5"), double scale = 250) {
        ds.append();
        ds.fieldByName(QStringLiteral("REC_ID")).setInteger(recId);
        ds.fieldByName(QStringLiteral("MEMO")).setString(memo);
        ds.fieldByName(QStringLiteral("DEVICE_TYPE")).setString(type);
        ds.fieldByName(QStringLiteral("SCALE")).setFloat(scale);
        ds.fieldByName(QStringLiteral("SPEED")).setString(QStringLiteral("1,500"));
        ds.fieldByName(QStringLiteral("SDVIG")).setInteger(recId * 5);
        ds.fieldByName(QStringLiteral("ZOOM_L")).setFloat(2);
        ds.post();
    }

    static QByteArray fileBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempHome home;
    store::Database db;
};
