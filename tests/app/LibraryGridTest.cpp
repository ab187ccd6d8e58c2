#include "ControlsFixture.h"

#include "app/TForm1.h"
#include "app/library/LibraryColumns.h"
#include "app/library/LibraryWiring.h"

#include <QHeaderView>
#include <QImage>
#include <QTableView>
#include <QTest>

class LibraryGridTest : public ControlsFixture {
protected:
    LibraryGridTest() {
        form.resize(1200, 900);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    static QStringList titles(QTableView* grid) {
        QStringList shown;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            if (!grid->isColumnHidden(c))
                shown << grid->model()->headerData(c, Qt::Horizontal).toString().trimmed();
        return shown;
    }
    static int columnOf(QTableView* grid, const QString& field) {
        const auto columns = app::library::LibraryColumns::waveforms();
        for (int c = 0; c < columns.size(); ++c)
            if (columns[c].field == field) return c;
        return -1;
    }

    app::TForm1 form{state, windowState};
    app::library::LibraryWiring wiring{form, dm, window};
};

TEST_F(LibraryGridTest, columns_titlesWidthsAndHiddenFields) {
    const QStringList expected = {"",          "№",     "№ wf",    "waveform name", "scale",
                                  "pulse",     "gain",  "average", "impedance",     "PR",
                                  "save data", "shift", "method",  "threshold",     "delay"};
    EXPECT_EQ(titles(form.DBGridEh1), expected);
    EXPECT_EQ(titles(form.DBGridEh2), expected);
    EXPECT_EQ(form.DBGridEh1->columnWidth(columnOf(form.DBGridEh1, "MEMO")), 212);
    EXPECT_EQ(form.DBGridEh1->columnWidth(columnOf(form.DBGridEh1, "PICTURE")), 18);
    EXPECT_EQ(form.DBGridEh2->columnWidth(columnOf(form.DBGridEh2, "DATE")), 107);
    for (const char* hidden : {"ZOOM_L", "POINTS", "DEVICE_TYPE"})
        EXPECT_TRUE(form.DBGridEh1->isColumnHidden(columnOf(form.DBGridEh1, hidden))) << hidden;
    EXPECT_EQ(titles(form.DBGridEh3), QStringList({"cable type", "PR"}));
    EXPECT_EQ(form.DBGridEh3->columnWidth(0), 83);
    EXPECT_EQ(form.DBGridEh3->columnWidth(1), 37);
}

TEST_F(LibraryGridTest, compareRows_takeTheirTraceColours) {
    for (int i = 0; i < 4; ++i) addWaveform(dm.t_picture, QStringLiteral("w%1").arg(i), 0);
    QAbstractItemModel* model = form.DBGridEh2->model();
    const auto background = [&](int row) {
        return model->index(row, 2).data(Qt::BackgroundRole).value<QBrush>().color();
    };
    const auto text = [&](int row) {
        return model->index(row, 2).data(Qt::ForegroundRole).value<QBrush>().color();
    };
    EXPECT_EQ(background(0), QColor(0, 255, 255));
    EXPECT_EQ(text(0), QColor(Qt::black));
    EXPECT_EQ(background(1), QColor(255, 0, 255));
    EXPECT_EQ(text(1), QColor(Qt::white));
    EXPECT_EQ(background(2), QColor(255, 128, 0));
    EXPECT_EQ(text(2), QColor(Qt::white));
    EXPECT_FALSE(model->index(3, 2).data(Qt::BackgroundRole).isValid())
        << "REC_ID 4 keeps the grid's colours";
}

TEST_F(LibraryGridTest, selectedLibraryRow_isLime_andFollowsTheDataset) {
    addWaveform(dm.t_master, QStringLiteral("a"), 1);
    addWaveform(dm.t_master, QStringLiteral("b"), 2);
    dm.t_master.moveTo(1);
    EXPECT_EQ(form.DBGridEh1->currentIndex().row(), 1);
    form.DBGridEh1->setCurrentIndex(form.DBGridEh1->model()->index(0, 3));
    EXPECT_EQ(dm.t_master.recNo(), 0);
    QApplication::processEvents();

    const QImage shot = form.DBGridEh1->viewport()->grab().toImage();
    const QRect cell =
        form.DBGridEh1->visualRect(form.DBGridEh1->model()->index(0, columnOf(form.DBGridEh1, "DATE")));
    EXPECT_EQ(QColor(shot.pixel(cell.center())), QColor(0, 255, 0));
}

TEST_F(LibraryGridTest, deleteKeyInTheGrid_deletesTheCurrentRow) {
    addWaveform(dm.t_master, QStringLiteral("a"), 1);
    addWaveform(dm.t_master, QStringLiteral("b"), 2);
    dm.t_master.moveTo(0);
    form.DBGridEh1->setFocus();
    QTest::keyClick(form.DBGridEh1, Qt::Key_Delete);
    EXPECT_EQ(texts(dm.t_master, QStringLiteral("MEMO")), QStringList{"b"});
    EXPECT_EQ(form.DBGridEh1->model()->rowCount(), 1);
}
