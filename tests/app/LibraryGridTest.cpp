#include "ControlsFixture.h"
#include "support/Named.h"

#include "app/TForm1.h"
#include "app/TypeCommands.h"
#include "app/library/LibraryColumns.h"
#include "app/library/LibrarySelectionDelegate.h"
#include "app/library/LibraryWiring.h"

#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QStyledItemDelegate>
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
    // The "KMX-419" type, which uses every field.
    state.setTypeIndex(1);
    const QStringList expected = {
        "",          "№",  "№ wf",      "waveform name", "scale",  "pulse",     "gain",  "average",
        "impedance", "PR", "save data", "shift",         "method", "threshold", "delay", "note"};
    EXPECT_EQ(titles(named<QTableView>(form, "DBGridEh1")), expected);
    EXPECT_EQ(titles(named<QTableView>(form, "DBGridEh2")), expected);
    // The described widths, or wider where the font needs it.
    EXPECT_EQ(named<QTableView>(form, "DBGridEh1")
                  ->columnWidth(columnOf(named<QTableView>(form, "DBGridEh1"), "MEMO")),
              212);
    EXPECT_GE(named<QTableView>(form, "DBGridEh1")
                  ->columnWidth(columnOf(named<QTableView>(form, "DBGridEh1"), "PICTURE")),
              18);
    EXPECT_GE(named<QTableView>(form, "DBGridEh2")
                  ->columnWidth(columnOf(named<QTableView>(form, "DBGridEh2"), "DATE")),
              107);
    for (const char* hidden : {"ZOOM_L", "POINTS", "DEVICE_TYPE"})
        EXPECT_TRUE(named<QTableView>(form, "DBGridEh1")
                        ->isColumnHidden(columnOf(named<QTableView>(form, "DBGridEh1"), hidden)))
            << hidden;
    EXPECT_EQ(titles(named<QTableView>(form, "DBGridEh3")), QStringList({"cable type", "PR"}));
    EXPECT_GE(named<QTableView>(form, "DBGridEh3")->columnWidth(0), 83);
    EXPECT_GE(named<QTableView>(form, "DBGridEh3")->columnWidth(1), 37);
}

TEST_F(LibraryGridTest, compareRows_takeTheirTraceColours) {
    for (int i = 0; i < 4; ++i) addWaveform(dm.t_picture, QStringLiteral("w%1").arg(i), 0);
    QAbstractItemModel* model = named<QTableView>(form, "DBGridEh2")->model();
    const auto background = [&](int row) {
        return model->index(row, 2).data(Qt::BackgroundRole).value<QBrush>().color();
    };
    const auto text = [&](int row) {
        return model->index(row, 2).data(Qt::ForegroundRole).value<QBrush>().color();
    };
    // Each row wears the colour of its trace on the charts, its text readable on it.
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(background(row), upper.color(trace::SlotLayout::kUpperCompare1 + row)) << "row " << row;
        EXPECT_GT(std::abs(qGray(background(row).rgb()) - qGray(text(row).rgb())), 100) << "row " << row;
    }
    EXPECT_FALSE(model->index(3, 2).data(Qt::BackgroundRole).isValid())
        << "REC_ID 4 keeps the grid's colours";
}

TEST_F(LibraryGridTest, selectedLibraryRow_isLime_andFollowsTheDataset) {
    addWaveform(dm.t_master, QStringLiteral("a"), 1);
    addWaveform(dm.t_master, QStringLiteral("b"), 2);
    dm.t_master.moveTo(1);
    EXPECT_EQ(named<QTableView>(form, "DBGridEh1")->currentIndex().row(), 1);
    named<QTableView>(form, "DBGridEh1")
        ->setCurrentIndex(named<QTableView>(form, "DBGridEh1")->model()->index(0, 3));
    EXPECT_EQ(dm.t_master.recNo(), 0);
    QApplication::processEvents();

    const QImage shot = named<QTableView>(form, "DBGridEh1")->viewport()->grab().toImage();
    const QRect cell =
        named<QTableView>(form, "DBGridEh1")
            ->visualRect(named<QTableView>(form, "DBGridEh1")
                             ->model()
                             ->index(0, columnOf(named<QTableView>(form, "DBGridEh1"), "DATE")));
    EXPECT_EQ(QColor(shot.pixel(cell.center())), QColor(0, 255, 0));
}

namespace {

// What the style alone draws, with the library grid's lime selection.
class StyleDrawn : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (parent()->objectName() == QLatin1String("DBGridEh1"))
            app::library::LibrarySelectionDelegate::DBGridEh1DrawColumnCell(*option);
    }
};

// Pixels that differ between two pictures of the same size.
int differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

// The grids draw their cells' texts themselves, for speed: they must look
// as the style draws them, coloured compare rows, the lime current row and
// a value elided in a column the user narrowed included.
TEST_F(LibraryGridTest, cellsLookAsTheStyleDrawsThem) {
    for (int i = 0; i < 4; ++i) {
        addWaveform(dm.t_picture, QStringLiteral("compare waveform %1").arg(i), i);
        addWaveform(dm.t_master, QStringLiteral("library waveform %1").arg(i), i);
    }
    dm.t_master.moveTo(1);
    dm.t_picture.moveTo(2);
    for (const char* name : {"DBGridEh1", "DBGridEh2"}) {
        auto* grid = named<QTableView>(form, name);
        grid->setColumnWidth(columnOf(grid, "MEMO"), 60);
        QApplication::processEvents();
        const QImage own = grid->viewport()->grab().toImage();
        QAbstractItemDelegate* kept = grid->itemDelegate();
        StyleDrawn style(grid);
        grid->setItemDelegate(&style);
        const QImage styled = grid->viewport()->grab().toImage();
        grid->setItemDelegate(kept);
        ASSERT_EQ(own.size(), styled.size());
        EXPECT_EQ(differing(own, styled), 0) << name;

        // The titles too, the current column's highlighted among them, and
        // again after the columns changed, as a type switch changes them.
        for (int round = 0; round < 2; ++round) {
            QHeaderView* header = grid->horizontalHeader();
            QTableView view;
            view.setModel(grid->model());
            view.setSelectionModel(grid->selectionModel());
            QHeaderView& plain = *view.horizontalHeader();
            plain.setMinimumSectionSize(header->minimumSectionSize());
            for (int c = 0; c < header->count(); ++c) {
                plain.setSectionHidden(c, header->isSectionHidden(c));
                plain.resizeSection(c, header->sectionSize(c));
            }
            view.setFont(grid->font());
            view.setAttribute(Qt::WA_DontShowOnScreen);
            view.resize(grid->size());
            view.show();
            // The sections only: the two headers' sizes differ by the frames around them.
            const QRect sections(0, 0, header->length(), header->height());
            const QImage ownTitles = header->grab(sections).toImage(),
                         styledTitles = plain.grab(sections).toImage();
            ASSERT_EQ(ownTitles.size(), styledTitles.size());
            EXPECT_EQ(differing(ownTitles, styledTitles), 0) << name << " titles, round " << round;
            header->resizeSection(columnOf(grid, "MEMO"), 90);
            grid->setCurrentIndex(grid->model()->index(0, columnOf(grid, "MEMO")));
            QApplication::processEvents();
        }
    }
}

TEST_F(LibraryGridTest, deleteKeyInTheGrid_deletesTheCurrentRow) {
    addWaveform(dm.t_master, QStringLiteral("a"), 1);
    addWaveform(dm.t_master, QStringLiteral("b"), 2);
    dm.t_master.moveTo(0);
    named<QTableView>(form, "DBGridEh1")->setFocus();
    QTest::keyClick(named<QTableView>(form, "DBGridEh1"), Qt::Key_Delete);
    EXPECT_EQ(texts(dm.t_master, QStringLiteral("MEMO")), QStringList{"b"});
    EXPECT_EQ(named<QTableView>(form, "DBGridEh1")->model()->rowCount(), 1);
}

namespace {

// Every shown title and value fits its column with the style's margins, so
// nothing is drawn elided.
void expectNothingCut(QTableView* grid) {
    QAbstractItemModel* model = grid->model();
    QStyle* style = grid->style();
    const QFontMetrics titleFont(grid->horizontalHeader()->font()), cellFont(grid->font());
    const int titleMargins =
        2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, grid->horizontalHeader());
    const int cellMargins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 1;
    for (int c = 0; c < model->columnCount(); ++c) {
        if (grid->isColumnHidden(c)) continue;
        const QString title = model->headerData(c, Qt::Horizontal).toString();
        EXPECT_LE(titleFont.horizontalAdvance(title) + titleMargins, grid->columnWidth(c))
            << grid->objectName().toStdString() << " title " << title.toStdString();
        for (int r = 0; r < model->rowCount(); ++r) {
            const QString text = model->index(r, c).data().toString();
            EXPECT_LE(cellFont.horizontalAdvance(text) + cellMargins, grid->columnWidth(c))
                << grid->objectName().toStdString() << " row " << r << " " << text.toStdString();
        }
    }
}

void fillLongValues(store::Dataset& ds, int row, bool windowType) {
    ds.setTag(store::TagQuiet);
    ds.moveTo(row);
    ds.setTag(store::TagQuiet);
    ds.edit();
    const auto set = [&](const char* field, const QString& value) {
        ds.fieldByName(QString::fromLatin1(field)).setString(value);
    };
    set("DATE", QStringLiteral("28.12.26 23:59:58"));
    set("SCALE", QStringLiteral("128000"));
    set("DLIT", QStringLiteral("20480"));
    set("AMPL", QStringLiteral("155"));
    set("NAKOPL", QStringLiteral("4096"));
    set("SOGLAS", QStringLiteral("1000"));
    set("SPEED", QStringLiteral("2,999"));
    set("SDVIG", QStringLiteral("-130"));
    if (windowType) {
        set("METHOD", QStringLiteral("pulse"));
        set("LEVEL", QStringLiteral("-60"));
        set("TIME_OUT", QStringLiteral("1638,2"));
    }
    ds.setTag(store::TagQuiet);
    ds.post();
    ds.setTag(store::TagNormal);
}

} // namespace

TEST_F(LibraryGridTest, at1024x768_noTitleOrValueIsCut_andTheCurrentRowIsShownAfterAStart) {
    form.resize(1024, 768);
    const QString longName = QStringLiteral("Кабельная линия 10 кВ ТП-117 — РП-3 (Ф)");
    for (int i = 0; i < 60; ++i) addWaveform(dm.t_master, longName.left(20 + i % 19), i % 50);
    fillLongValues(dm.t_master, 59, false);
    for (int i = 0; i < 3; ++i)
        addWaveform(dm.t_picture, QStringLiteral("\\DATA\\Archive 2026\\") + longName, i);
    fillLongValues(dm.t_picture, 2, false);
    dm.t_ku_list.setTag(store::TagQuiet);
    dm.t_ku_list.append();
    dm.t_ku_list.fieldByName(QStringLiteral("name_ku"))
        .setString(QStringLiteral("Coaxial RK-75-9-12, foamed"));
    dm.t_ku_list.fieldByName(QStringLiteral("value_ku")).setString(QStringLiteral("2,999"));
    dm.t_ku_list.setTag(store::TagQuiet);
    dm.t_ku_list.post();
    dm.t_ku_list.setTag(store::TagNormal);
    QApplication::processEvents();
    for (QTableView* grid : {named<QTableView>(form, "DBGridEh1"), named<QTableView>(form, "DBGridEh2"),
                             named<QTableView>(form, "DBGridEh3")})
        expectNothingCut(grid);
    // "KMX-417" records leave method, threshold and delay empty.
    EXPECT_TRUE(named<QTableView>(form, "DBGridEh1")
                    ->isColumnHidden(columnOf(named<QTableView>(form, "DBGridEh1"), "METHOD")));

    // The window's first showing scrolls to the record the library opened on.
    form.hide();
    dm.t_master.moveTo(55);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    EXPECT_EQ(named<QTableView>(form, "DBGridEh1")->currentIndex().row(), 55);
    const QRect shown = named<QTableView>(form, "DBGridEh1")->viewport()->rect();
    EXPECT_TRUE(shown.contains(named<QTableView>(form, "DBGridEh1")
                                   ->visualRect(named<QTableView>(form, "DBGridEh1")->model()->index(55, 3))
                                   .center()));

    // The other type shows its fields, every one of them whole.
    state.setTypeIndex(1);
    window.applyDeviceFilter();
    addWaveform(dm.t_master, longName, 0);
    fillLongValues(dm.t_master, 0, true);
    QApplication::processEvents();
    EXPECT_FALSE(named<QTableView>(form, "DBGridEh1")
                     ->isColumnHidden(columnOf(named<QTableView>(form, "DBGridEh1"), "TIME_OUT")));
    expectNothingCut(named<QTableView>(form, "DBGridEh1"));
}

TEST_F(LibraryGridTest, theEmptyLibrarysHint_namesTheButtonTheTypeShows) {
    auto* hint = named<QTableView>(form, "DBGridEh1")->findChild<QLabel*>("DBGridEh1_placeholder");
    ASSERT_NE(hint, nullptr);
    for (int type : {1, 0}) {
        state.setTypeIndex(type);
        app::showTypeCommands(windowState, type);
        EXPECT_TRUE(hint->isVisible());
        EXPECT_TRUE(hint->text().contains(windowState.connectCaption())) << hint->text().toStdString();
    }
    EXPECT_TRUE(hint->text().contains("Import"));
}
