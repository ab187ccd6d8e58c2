// Converting a library kept in the Access format into an SQLite library:
// through the reader of an SQLite stand-in with the library's table (every
// field, blobs byte for byte) and of the real Access fixture.
#include "tools/AccessLibraryConverter.h"
#include "store/Database.h"
#include "store/Dataset.h"
#include "support/Fixtures.h"
#include "support/TempHome.h"
#include "support/TestFiles.h"
#include "tools/ImportError.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using tools::AccessLibraryConverter;

namespace {

// Every field of master in every row, as text, blobs as hex.
QStringList contents(const QString& path) {
    store::Database db("check", store::Schema::Kind::Library);
    db.setPath(path);
    db.setCreateIfMissing(false);
    store::Dataset ds(db, "master");
    ds.setTableName("master");
    ds.open();
    QStringList rows;
    for (ds.first(); !ds.eof(); ds.next()) {
        QStringList fields;
        for (int f = 0; f < ds.fieldCount(); ++f) {
            const QVariant v = ds.fieldByNumber(f).value();
            fields << (v.typeId() == QMetaType::QByteArray ? v.toByteArray().toHex() : v.toString());
        }
        rows << fields.join('|');
    }
    return rows;
}

} // namespace

TEST(AccessLibraryConverterTest, everyRowAndFieldIsCopied_theOriginalIsNeverWritten) {
    TempHome home;
    const QString source = home.file("field/library.mdb");
    QDir().mkpath(home.file("field"));
    {
        store::Database db("standin", store::Schema::Kind::Library);
        db.setPath(source);
        store::Dataset ds(db, "master");
        ds.setTableName("master");
        ds.open();
        QByteArray everyByte;
        for (int b = 0; b < 256; ++b) everyByte += char(b);
        for (int i = 1; i <= 3; ++i) {
            ds.append();
            int f = 0;
            for (const QString& field : store::Schema::masterFields()) {
                if (field == "POINTS") ds.fieldByName(field).setBlob(everyByte.repeated(i));
                else if (field == "PICTURE") ds.fieldByName(field).setBool(i == 2);
                else if (field == "SCALE" || field == "ZOOM_L") ds.fieldByName(field).setFloat(62.5 * i);
                else if (field == "SPEED" || field == "MEMO" || field == "DATE" || field == "DEVICE_TYPE" ||
                         field == "METHOD")
                    ds.fieldByName(field).setString(QStringLiteral("Линия %1 'x'").arg(i));
                else ds.fieldByName(field).setInteger(i * 10 + f);
                ++f;
            }
            ds.post();
        }
    }
    const QByteArray before = readAll(source);

    const QString target = AccessLibraryConverter::convert(source);
    EXPECT_EQ(target, home.file("field/library.db"));
    EXPECT_EQ(readAll(source), before);
    const QStringList copied = contents(target);
    EXPECT_EQ(copied.size(), 3);
    EXPECT_EQ(copied, contents(source));

    // Converting again never replaces the library made the first time.
    EXPECT_THROW(AccessLibraryConverter::convert(source), tools::ImportError);
    EXPECT_EQ(contents(target), copied);
}

TEST(AccessLibraryConverterTest, accessFileWithoutTheLibraryTable_leavesNothingBehind) {
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    TempHome home;
    const QString source = home.file("nwind.mdb");
    ASSERT_TRUE(QFile::copy(fixturePath("nwind.mdb"), source));
    const QByteArray before = readAll(source);
    EXPECT_THROW(AccessLibraryConverter::convert(source), std::exception);
    EXPECT_EQ(readAll(source), before);
    EXPECT_FALSE(QFile::exists(home.file("nwind.db")));
    EXPECT_FALSE(QFile::exists(home.file("nwind.db.part")));
}
