#include "tools/MdbFile.h"
#include "support/Fixtures.h"
#include "tools/MdbError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tools::MdbError;
using tools::MdbFile;

namespace {

const QString kNorthwind = fixturePath(QStringLiteral("nwind.mdb"));

TEST(MdbFileTest, listsTheUserTables) {
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    MdbFile file(kNorthwind);
    const QStringList tables = file.tableNames();
    EXPECT_TRUE(tables.contains("Employees"));
    EXPECT_TRUE(tables.contains("Orders"));
    for (const QString& t : tables) EXPECT_FALSE(t.startsWith("MSys")) << t.toStdString();
}

TEST(MdbFileTest, readsIntegerTextAndOleColumns) {
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    MdbFile file(kNorthwind);
    const tools::MdbTable t = file.readTable("Employees", {"EmployeeID", "LastName", "Photo", "ReportsTo"});
    EXPECT_EQ(t.columns, QStringList({"EmployeeID", "LastName", "Photo", "ReportsTo"}));
    ASSERT_EQ(t.rows.size(), 9);
    for (int i = 0; i < t.rows.size(); ++i) {
        const QVariantList& row = t.rows[i];
        EXPECT_EQ(row[0].typeId(), QMetaType::LongLong);
        EXPECT_EQ(row[0].toLongLong(), i + 1);
        EXPECT_EQ(row[2].typeId(), QMetaType::QByteArray);
        // Each photo is an embedded bitmap of about 21 KB, spread over several pages.
        EXPECT_GT(row[2].toByteArray().size(), 20000);
    }
    EXPECT_EQ(t.rows[0][1].toString(), "Davolio");
    EXPECT_TRUE(t.rows[1][3].isNull()); // the vice president reports to nobody
    EXPECT_EQ(t.rows[0][3].toLongLong(), 2);
}

TEST(MdbFileTest, oleValueMatchesEveryRowReadAlone) {
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    MdbFile file(kNorthwind);
    const tools::MdbTable all = file.readTable("Employees");
    const tools::MdbTable photos = file.readTable("Employees", {"Photo"});
    const int photo = all.columnIndex("photo");
    ASSERT_GE(photo, 0);
    ASSERT_EQ(all.rows.size(), photos.rows.size());
    for (int i = 0; i < all.rows.size(); ++i) EXPECT_EQ(all.rows[i][photo], photos.rows[i][0]);
}

TEST(MdbFileTest, missingTableOrColumnIsAnError) {
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    MdbFile file(kNorthwind);
    EXPECT_THROW(file.readTable("master"), MdbError);
    EXPECT_THROW(file.readTable("Employees", {"POINTS"}), MdbError);
}

TEST(MdbFileTest, fileThatIsNotAccessIsRejectedClearly) {
    QTemporaryDir dir;
    const QString text = dir.filePath("ecl40_data.mdb");
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("SQLite format 3\0 and some more bytes to look like a database", 60);
    }
    const QString empty = dir.filePath("empty.mdb");
    QFile(empty).open(QIODevice::WriteOnly);
    try {
        MdbFile file(text);
        FAIL();
    } catch (const MdbError& e) {
        EXPECT_EQ(e.text(), text + ": not an Access database file");
    }
    EXPECT_THROW(MdbFile{empty}, MdbError);
    EXPECT_THROW(MdbFile{dir.filePath("missing.mdb")}, MdbError);
    EXPECT_FALSE(MdbFile::hasAccessHeader(text));
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    EXPECT_TRUE(MdbFile::hasAccessHeader(kNorthwind));
}

} // namespace
