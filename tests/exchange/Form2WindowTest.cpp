// The exchange window's controls, grids and their link to the datasets.
#include "Form2Fixture.h"
#include "exchange/TfrmComm.h"

#include "exchange/TForm2.h"
#include "gui/DbNavigator.h"
#include "store/DatasetTableModel.h"
#include "support/WindowSystem.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using exchange::TForm2;

namespace {

QStringList visibleTitles(QTableView* grid) {
    QStringList out;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        if (!grid->isColumnHidden(c))
            out << grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return out;
}

QStringList hiddenFields(QTableView* grid) {
    auto* model = static_cast<store::DatasetTableModel*>(grid->model());
    QStringList out;
    for (int c = 0; c < model->columnCount(); ++c)
        if (grid->isColumnHidden(c)) out << model->columns()[c].field;
    return out;
}

// An engine dialog that counts its runs and ends each at once, without an exchange.
struct CountingEngine : exchange::TfrmComm {
    using TfrmComm::TfrmComm;
    int exec() override {
        ++runs;
        return QDialog::Rejected;
    }
    int runs = 0;
};

class Form2WindowTest : public Form2Fixture {
protected:
    TForm2 form{dm, state, host};
};

} // namespace

TEST_F(Form2WindowTest, controlsCarryTheirCaptionsAndHints) {
    EXPECT_EQ(form.windowTitle(), "connect with device");
    EXPECT_EQ(form.SpeedButton1->text(), "Открыть ");
    EXPECT_EQ(form.SpeedButton1->toolTip(), "Открыть базу данных рефлектограмм");
    EXPECT_EQ(form.SpeedButtonCom->text(), "Обновить");
    EXPECT_EQ(form.SpeedButtonCom->toolTip(), "Обновить связь с прибором");
    EXPECT_EQ(form.SpeedButton3->text(), "Закрыть");
    EXPECT_EQ(form.SpeedButton3->toolTip(), "Завершить связь с прибором");
    EXPECT_EQ(form.Label1->text(), "Тип");
    EXPECT_FALSE(form.ComboBox_type2->isEnabled());
    EXPECT_FALSE(form.Label1->isEnabled());
    ASSERT_EQ(form.ComboBox_type2->count(), 1);
    EXPECT_EQ(form.ComboBox_type2->itemText(0), "KMX-417");
    EXPECT_EQ(form.ComboBox_type2->toolTip(), "Выбор типа прибора");
    EXPECT_EQ(form.SpeedButton9->toolTip(), "Записать выделенные КУ в прибор");
    EXPECT_EQ(form.SpeedButton5->toolTip(), "Записать выделенные рефлектограммы в прибор");
    EXPECT_EQ(form.SpeedButton2->toolTip(), "Прочитать выделенные рефлектограммы из прибора");
    EXPECT_EQ(form.GroupBox_base->title(), "БАЗА ДАННЫХ");
    EXPECT_EQ(form.GroupBox_device->title(), "ПРИБОР");
    const QStringList prHints = {"Первый КУ",    "Предыдущий КУ", "Следующий КУ",
                                 "Последний КУ", "Добавить КУ",   "Удалить КУ"};
    QStringList hints;
    for (auto* b : form.Navigator_ku->findChildren<QToolButton*>()) hints << b->toolTip();
    EXPECT_EQ(hints, prHints);
    EXPECT_EQ(form.Navigator_list->findChildren<QToolButton*>().size(), 4);
    EXPECT_EQ(form.Navigator_connect->findChildren<QToolButton*>().first()->toolTip(),
              "Первая рефлектограмма");
}

TEST_F(Form2WindowTest, gridsShowTheirColumnsAndHideTheRest) {
    EXPECT_EQ(visibleTitles(form.DBGridEh1), (QStringList{"", "название", "К.У."}));
    EXPECT_EQ(visibleTitles(form.DBGridEhConnect),
              (QStringList{"", "№", "№ рефл.", "имя рефлектограммы", "масш.", "дата записи"}));
    EXPECT_EQ(hiddenFields(form.DBGridEhConnect), (QStringList{"DLIT", "NAKOPL", "AMPL", "SPEED", "SOGLAS",
                                                               "SDVIG", "ZOOM_L", "POINTS", "DEVICE_TYPE"}));
    EXPECT_EQ(visibleTitles(form.DBGridEh2), (QStringList{"", "название", "К.У."}));
    EXPECT_EQ(visibleTitles(form.DBGridEhList),
              (QStringList{"", "№", "№ рефл.", "имя рефлектограммы", "масш.", "дата записи"}));
}

TEST_F(Form2WindowTest, checkMarksAndNamesAreEditedThroughTheDataset) {
    addWaveform(1, 3, false, type0Block(3));
    addDeviceEntry(5, false);
    QAbstractItemModel* library = form.DBGridEhConnect->model();
    ASSERT_EQ(library->rowCount(), 1);
    EXPECT_EQ(library->data(library->index(0, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(library->setData(library->index(0, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(marks(dm.t_master), QList<bool>{true});
    EXPECT_TRUE(library->setData(library->index(0, 3), "renamed", Qt::EditRole));
    EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), "renamed");
    EXPECT_FALSE(library->flags(library->index(0, 2)) & Qt::ItemIsEditable);

    QAbstractItemModel* list = form.DBGridEhList->model();
    EXPECT_TRUE(list->setData(list->index(0, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(marks(dm.t_refl_list), QList<bool>{true});
    EXPECT_FALSE(form.DBGridEh2->model()->flags(form.DBGridEh2->model()->index(0, 0)) &
                 Qt::ItemIsUserCheckable);
}

// A cell editor left open behind the name editor would post the row again when
// committed, and the data module would then reset the PR box to the record's.
TEST_F(Form2WindowTest, doubleClickOnTheNameOpensTheNameEditorOnly_F2StillEditsInPlace_closeEndsTheWindow) {
    CountingEngine engine;
    form.setEngineDialog(&engine);
    int editors = 0;
    QObject::connect(&form, &TForm2::connectGridDoubleClicked, [&] { ++editors; });
    addWaveform(1, 3, false, type0Block(3));
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.runs == 1; }, 5000));
    QTableView* grid = form.DBGridEhConnect;
    const QModelIndex memo = grid->model()->index(0, 3);
    ASSERT_FALSE(grid->visualRect(memo).isEmpty());

    // As the window system delivers it: click, press, double click, release.
    const QPoint at = grid->visualRect(memo).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(editors, 1);
    EXPECT_EQ(grid->indexWidget(memo), nullptr) << "no cell editor behind the name editor";

    grid->setCurrentIndex(memo);
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_NE(grid->indexWidget(memo), nullptr);
    QTest::keyClick(grid->indexWidget(memo), Qt::Key_Escape);

    form.SpeedButton3->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(Form2WindowTest, refreshRunsOncePerOpening_notOnARestoreFromMinimised) {
    CountingEngine engine;
    form.setEngineDialog(&engine);
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.runs == 1; }, 5000));
    minimiseAndRestore(form);
    minimiseAndRestore(form);
    EXPECT_EQ(engine.runs, 1);
    form.SpeedButton3->click();
    form.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine.runs == 2; }, 5000));
}

TEST_F(Form2WindowTest, addPrInThePrPanel_showsTheRowToTypeInto) {
    QAbstractItemModel* model = form.DBGridEh1->model();
    form.Navigator_ku->findChild<QToolButton*>("nbInsert")->click();
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(form.DBGridEh1->currentIndex().row(), 0);
    int name = -1, value = -1;
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString field = static_cast<store::DatasetTableModel*>(model)->columns()[c].field;
        if (field == "name_ku") name = c;
        if (field == "value_ku") value = c;
    }
    ASSERT_TRUE(model->setData(model->index(0, name), QStringLiteral("ААШв")));
    ASSERT_TRUE(model->setData(model->index(0, value), QStringLiteral("1.87")));
    EXPECT_EQ(dm.t_ku_list.recordCount(), 1);
    EXPECT_DOUBLE_EQ(dm.t_ku_list.fieldByName("value_ku").asFloat(), 1.87);
}
