#include "app/MainProgram.h"
#include "store/Schema.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <QAction>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

void addWaveform(store::TDataModule1& dm, const QString& memo, char sample, bool marked) {
    store::Dataset& ds = dm.t_master2;
    ds.setTag(store::TagQuiet);
    ds.append();
    ds.fieldByName("REC_ID").setInteger(ds.recordCount() + 1);
    ds.fieldByName("BANK_NUM").setInteger(ds.recordCount() + 7);
    ds.fieldByName("MEMO").setString(memo);
    ds.fieldByName("SCALE").setFloat(62.5);
    ds.fieldByName("SPEED").setString("1,870");
    ds.fieldByName("DATE").setString("01.02.2026 10:11");
    ds.fieldByName("SDVIG").setInteger(0);
    ds.fieldByName("ZOOM_L").setFloat(1);
    ds.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
    ds.fieldByName("PICTURE").setBool(marked);
    QByteArray points(385, sample);
    points[0] = '\0';
    ds.fieldByName("POINTS").setBlob(points);
    ds.setTag(store::TagQuiet);
    ds.post();
}

// Every library row as the engine holds it: rowid and each field's SQL literal
// (type and bytes), in table order.
QStringList storedRows(const QString& file) {
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "undo-check");
        db.setDatabaseName(file);
        EXPECT_TRUE(db.open());
        QStringList quoted;
        for (const QString& f : store::Schema::masterFields()) quoted << "quote(" + f + ")";
        QSqlQuery q("SELECT rowid, " + quoted.join(',') + " FROM master ORDER BY rowid", db);
        while (q.next()) {
            QStringList values;
            for (int i = 0; i <= quoted.size(); ++i) values << q.value(i).toString();
            rows << values.join('|');
        }
    }
    QSqlDatabase::removeDatabase("undo-check");
    return rows;
}

QString currentMemo(app::MainProgram& p) { return p.DataModule1->t_master.fieldByName("MEMO").asString(); }

} // namespace

TEST(UndoDelete, ctrlZ_bringsDeletedWaveformsBackWholeNewestFirst) {
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    store::TDataModule1& dm = *program.DataModule1;
    for (const char* memo : {"a", "b", "c", "d"})
        addWaveform(dm, memo, memo[0], memo[0] == 'a' || memo[0] == 'd');
    program.controller->ApplyDeviceFilter();
    const QString file = home.file("Data/ecl41_data.db");
    const QStringList before = storedRows(file);
    ASSERT_EQ(before.size(), 4);

    app::TForm1& form = program.Form1;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_FALSE(form.mnUndoDelete->isEnabled()) << "nothing to undo yet";

    // "c" by the Delete key, then the marked "a" and "d" by the button.
    form.DBGridEh1->setFocus();
    form.DBGridEh1->setCurrentIndex(form.DBGridEh1->model()->index(2, 1));
    ASSERT_EQ(currentMemo(program), "c");
    QTest::keyClick(form.DBGridEh1, Qt::Key_Delete);
    form.SpeedButton_del_ref_master->click();
    ASSERT_EQ(dm.MasterCount, 1);
    EXPECT_TRUE(form.mnUndoDelete->isEnabled());

    EXPECT_EQ(boxes.confirms.size(), 1) << "the two marked ones were asked for once";

    // The two deleted together come back together, unmarked; then "c".
    QTest::keyClick(form.DBGridEh1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(dm.MasterCount, 3);
    EXPECT_EQ(currentMemo(program), "a") << "the first of them is the current row";
    EXPECT_EQ(form.DBGridEh1->currentIndex().row(), 0);
    QTest::keyClick(form.DBGridEh1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(currentMemo(program), "c");
    EXPECT_EQ(form.DBGridEh1->currentIndex().row(), 2);

    // The marks were the deletion's; as stored before them, "a" and "d" are unmarked.
    const int picture = int(store::Schema::masterFields().indexOf("PICTURE")) + 1;
    QStringList unmarked = before;
    for (QString& row : unmarked) {
        QStringList values = row.split('|');
        values[picture] = "0";
        row = values.join('|');
    }
    EXPECT_EQ(storedRows(file), unmarked) << "every other field, the waveform and its place as they were";
    EXPECT_EQ(dm.MasterCount, 4);
    EXPECT_FALSE(form.mnUndoDelete->isEnabled());
    QTest::keyClick(form.DBGridEh1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(storedRows(file), unmarked) << "nothing left to undo";
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}
