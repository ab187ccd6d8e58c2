#include "app/MainProgram.h"
#include "store/Schema.h"
#include "support/Named.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "trace/CommaLocale.h"
#include "trace/SlotLayout.h"

#include <QAction>
#include <QComboBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
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
    ds.fieldByName("SCALE").setFloat(250);
    ds.fieldByName("SPEED").setString("1,870");
    ds.fieldByName("DATE").setString("01.02.2026 10:11");
    ds.fieldByName("SDVIG").setInteger(0);
    ds.fieldByName("ZOOM_L").setFloat(1);
    ds.fieldByName("START_PLAN").setFloat(0);
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
    EXPECT_FALSE(named<QAction>(form, "mnUndoDelete")->isEnabled()) << "nothing to undo yet";

    // "c" by the Delete key, then the marked "a" and "d" by the button.
    named<QTableView>(form, "DBGridEh1")->setFocus();
    named<QTableView>(form, "DBGridEh1")
        ->setCurrentIndex(named<QTableView>(form, "DBGridEh1")->model()->index(2, 1));
    ASSERT_EQ(currentMemo(program), "c");
    QTest::keyClick(named<QTableView>(form, "DBGridEh1"), Qt::Key_Delete);
    named<QToolButton>(form, "SpeedButton_del_ref_master")->click();
    ASSERT_EQ(dm.MasterCount, 1);
    EXPECT_TRUE(named<QAction>(form, "mnUndoDelete")->isEnabled());

    EXPECT_EQ(boxes.confirms.size(), 1) << "the two marked ones were asked for once";

    // The two deleted together come back together, unmarked; then "c".
    QTest::keyClick(named<QTableView>(form, "DBGridEh1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(dm.MasterCount, 3);
    EXPECT_EQ(currentMemo(program), "a") << "the first of them is the current row";
    EXPECT_EQ(named<QTableView>(form, "DBGridEh1")->currentIndex().row(), 0);
    QTest::keyClick(named<QTableView>(form, "DBGridEh1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(currentMemo(program), "c");
    EXPECT_EQ(named<QTableView>(form, "DBGridEh1")->currentIndex().row(), 2);

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
    EXPECT_FALSE(named<QAction>(form, "mnUndoDelete")->isEnabled());
    QTest::keyClick(named<QTableView>(form, "DBGridEh1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(storedRows(file), unmarked) << "nothing left to undo";
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST(UndoDelete, aTypeSwitchSaysItEmptiedTheCompareLibrary_andCtrlZBringsItBackInThatType) {
    CommaLocale locale;
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    store::TDataModule1& dm = *program.DataModule1;
    addWaveform(dm, "library", 'l', false);
    store::Dataset& compare = dm.t_picture;
    for (const char* memo : {"x", "y", "z"}) {
        compare.setTag(store::TagQuiet);
        compare.append();
        compare.fieldByName("REC_ID").setInteger(compare.recordCount() + 1);
        compare.fieldByName("MEMO").setString(memo);
        compare.fieldByName("SCALE").setFloat(250);
        compare.fieldByName("ZOOM_L").setFloat(1);
        compare.fieldByName("START_PLAN").setFloat(0);
        compare.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
        compare.fieldByName("POINTS").setBlob(QByteArray(385, memo[0]));
        compare.setTag(store::TagQuiet);
        compare.post();
    }
    program.controller->ApplyDeviceFilter();
    app::TForm1& form = program.Form1;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto chooseType = [&](int index) {
        named<QComboBox>(form, "ComboBox_type")->setCurrentIndex(index);
        emit named<QComboBox>(form, "ComboBox_type")->activated(index);
    };
    const auto memos = [&] {
        QStringList shown;
        for (int row = 0; row < compare.recordCount(); ++row)
            shown << compare.valueAt(row, compare.fieldIndex("MEMO")).toString();
        return shown;
    };

    chooseType(1);
    EXPECT_EQ(compare.recordCount(), 0);
    EXPECT_EQ(form.statusBar()->currentMessage(), "Compare library emptied: 3 waveforms of KMX-417");
    EXPECT_FALSE(named<QAction>(form, "mnUndoDelete")->isEnabled()) << "nothing of KMX-419 to bring back";
    QTest::keyClick(named<QTableView>(form, "DBGridEh1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(compare.recordCount(), 0) << "not into a library of the other type";

    chooseType(0);
    EXPECT_TRUE(named<QAction>(form, "mnUndoDelete")->isEnabled());
    named<QTableView>(form, "DBGridEh1")->setFocus();
    QTest::keyClick(named<QTableView>(form, "DBGridEh1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(memos(), QStringList({"x", "y", "z"}));
    EXPECT_TRUE(form.statusBar()->currentMessage().isEmpty()) << "the note that they went goes too";
    EXPECT_TRUE(named<QTableView>(form, "DBGridEh2")->isEnabled());
    EXPECT_EQ(program.DBChart1.points(trace::SlotLayout::kUpperCompare1 + 2).size(), 250)
        << "the upper chart shows them again";
    EXPECT_FALSE(named<QAction>(form, "mnUndoDelete")->isEnabled());
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}
