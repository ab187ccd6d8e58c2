// Libraries across the waveform note: one written before it opens, gains the
// field at the end and keeps its rows; one written now still reads as the
// earlier builds read it.
#include "StoreFixture.h"
#include "support/PreviousLibrary.h"

#include <QDir>
#include <QSqlRecord>

using namespace store;

namespace {

class NoteColumnTest : public StoreFixture {
protected:
    QString file() const { return home.file(QStringLiteral("Data/ecl41_data.db")); }
};

} // namespace

TEST_F(NoteColumnTest, previousLibrary_gainsTheNoteAtTheEndAndKeepsItsRowsByteForByte) {
    QDir().mkpath(home.file(QStringLiteral("Data")));
    previous_library::write(file(), 3);
    const QStringList before = previous_library::rows(file());
    ASSERT_EQ(before.size(), 3);

    for (int run = 0; run < 2; ++run) { // a second opening finds the field and adds nothing
        db.connect();
        EXPECT_TRUE(db.missingFieldsReason().isEmpty()) << db.missingFieldsReason().toStdString();
        Dataset ds(db, QStringLiteral("t_master"));
        ds.setTableName(QStringLiteral("master"));
        ds.open();
        ASSERT_EQ(ds.fieldCount(), Schema::masterFields().size());
        for (int i = 0; i < ds.fieldCount(); ++i) EXPECT_EQ(ds.fieldName(i), Schema::masterFields()[i]);
        EXPECT_EQ(ds.recordCount(), 3);
        for (ds.first(); !ds.eof(); ds.next()) EXPECT_TRUE(ds.fieldByName(QStringLiteral("NOTE")).isNull());
        db.disconnect();
        EXPECT_EQ(previous_library::rows(file()), before);
    }
}

TEST_F(NoteColumnTest, libraryWrittenNow_readsAndTakesRowsAsThePreviousLayoutDid) {
    db.connect();
    Dataset ds(db, QStringLiteral("t_master"));
    ds.setTableName(QStringLiteral("master"));
    ds.open();
    addWaveform(ds, 1, QStringLiteral("feeder"));
    ds.edit();
    ds.fieldByName(QStringLiteral("NOTE")).setString(QStringLiteral("joint at 120 m\nпрокопали здесь"));
    ds.post();
    db.disconnect();

    // What the previous builds do with the file: list the fields by position,
    // insert naming only their fields, read every row.
    const QStringList& previous = previous_library::fields();
    previous_library::exec(file(), {QStringLiteral("INSERT INTO master (%1) SELECT %1 FROM master")
                                        .arg(previous.join(QLatin1Char(',')))});
    QStringList names;
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        raw.setDatabaseName(file());
        ASSERT_TRUE(raw.open());
        QSqlQuery q(QStringLiteral("SELECT * FROM master"), raw);
        for (int i = 0; i < q.record().count(); ++i) names << q.record().fieldName(i);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    EXPECT_EQ(names.mid(0, previous.size()), previous);
    const QStringList rows = previous_library::rows(file());
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].section('|', 1), rows[1].section('|', 1)) << "the copy holds every previous field";

    db.connect();
    ds.open();
    ds.first();
    EXPECT_EQ(ds.fieldByName(QStringLiteral("NOTE")).asString(),
              QStringLiteral("joint at 120 m\nпрокопали здесь"));
    ds.next();
    EXPECT_TRUE(ds.fieldByName(QStringLiteral("NOTE")).isNull());
}
