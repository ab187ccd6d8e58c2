#include "app/MainProgram.h"
#include "exchange/TForm2.h"
#include "report/PrintAction.h"
#include "report/ReportMemo.h"
#include "store/Numbers.h"
#include "store/OdbcRegistry.h"
#include "support/Fixtures.h"
#include "support/Named.h"
#include "support/RecordingMessages.h"
#include "support/ShownText.h"
#include "support/TempHome.h"
#include "trace/SlotLayout.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using trace::SlotLayout;

// The program with its library file dialog answered by the test.
struct ChoosingProgram : app::MainProgram {
    QString chooseLibraryFile(const std::function<void(const QString&)>&) override { return chosen; }
    QString chosen;
};

// Appends one waveform row to the whole library, as an exchange or an import does.
void addWaveform(store::TDataModule1& dm, const QString& deviceType, double scale, const QString& memo) {
    store::Dataset& ds = dm.t_master2;
    ds.setTag(store::TagQuiet);
    ds.append();
    ds.fieldByName("REC_ID").setInteger(ds.recordCount() + 1);
    ds.fieldByName("BANK_NUM").setInteger(ds.recordCount() + 1);
    ds.fieldByName("MEMO").setString(memo);
    ds.fieldByName("SCALE").setFloat(scale);
    ds.fieldByName("ZOOM_L").setFloat(deviceType == "KM-630 ver.1" ? 0 : 1);
    ds.fieldByName("SPEED").setString("2,000");
    ds.fieldByName("SDVIG").setInteger(0);
    ds.fieldByName("START_PLAN").setFloat(0);
    ds.fieldByName("METHOD").setString("pulse");
    ds.fieldByName("DEVICE_TYPE").setString(deviceType);
    ds.fieldByName("POINTS").setBlob(QByteArray(deviceType == "KM-630 ver.1" ? 8512 : 385, '\x05'));
    ds.setTag(store::TagQuiet);
    ds.post();
}

TEST(MainProgram, firstStart_createsTheStoreAndShowsAnEmptyLibraryWithoutCharts) {
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    EXPECT_EQ(program.state.title(), "Echolon 4.1   [" + home.path() + "/Data/ ]");
    EXPECT_EQ(program.DataModule1->MasterCount, 0);
    EXPECT_FALSE(named<QWidget>(program.Form1, "Panel_main")->isEnabled());
    EXPECT_FALSE(named<QToolButton>(program.Form1, "btPrint")->isEnabled());
    EXPECT_TRUE(named<QTableView>(program.Form1, "DBGridEh1")->isEnabled())
        << "the library grid stays usable";
    EXPECT_NE(named<QTableView>(program.Form1, "DBGridEh1")->model(), nullptr);
    EXPECT_EQ(program.state.editKu(), store::ShownNumber(1.5, 1));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST(MainProgram, dialogsAreCreatedInTheirStartUpOrder) {
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    QStringList order;
    for (QObject* child : program.Form1.children())
        if (child->inherits("QDialog")) order << child->objectName();
    EXPECT_EQ(order, QStringList(
                         {"Form2", "frmImport", "frmComm", "frmChkDev", "frmEdtFld", "frmAbout", "frmNote"}));
    // Worded buttons are read by their caption; glyph buttons by their hint.
    EXPECT_TRUE(named<QToolButton>(program.Form1, "btConnect")->accessibleName().isEmpty());
    EXPECT_EQ(named<QToolButton>(program.Form1, "SpeedButton_k1_inc")->accessibleName(), "K1 forward");
}

TEST(MainProgram, typeFilter_showsOneFamilyAndDrawsItsCurrentWaveform) {
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    store::TDataModule1& dm = *program.DataModule1;
    addWaveform(dm, "KM-41A1 ver.5", 1000, "plan");
    addWaveform(dm, "KM-630 ver.1", 1000, "file");
    program.controller->ApplyDeviceFilter();

    EXPECT_EQ(dm.MasterCount, 1);
    EXPECT_TRUE(named<QWidget>(program.Form1, "Panel_main")->isEnabled());
    EXPECT_TRUE(program.DBChart1.isActive(SlotLayout::kUpperCurrent));
    EXPECT_TRUE(program.TDBChart1.isActive(SlotLayout::kLowerCurrent));
    EXPECT_EQ(program.TDBChart1.points(SlotLayout::kLowerCurrent).size(), 250);
    EXPECT_EQ(named<QToolButton>(program.Form1, "btConnect")->text(), "Connect");

    named<QComboBox>(program.Form1, "ComboBox_type")->setCurrentIndex(1);
    emit named<QComboBox>(program.Form1, "ComboBox_type")->activated(1);
    EXPECT_EQ(program.state.typeIndex(), 1);
    EXPECT_EQ(dm.MasterCount, 1);
    EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), "file");
    EXPECT_EQ(named<QToolButton>(program.Form1, "btConnect")->text(), "Open waveform");
    EXPECT_FALSE(named<QToolButton>(program.Form1, "btImport")->isEnabled());
    EXPECT_FALSE(named<QAction>(program.Form1, "mnOptions")->isEnabled());
    EXPECT_TRUE(named<QPushButton>(program.Form1, "Button_zoom")->isEnabled());
    EXPECT_EQ(program.TDBChart1.points(SlotLayout::kLowerCurrent).size(), 500);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST(MainProgram, typeNamingNeitherEntry_fallsBackToTheFirst) {
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    addWaveform(*program.DataModule1, "KM-41A1 ver.5", 250, "plan");
    program.state.setTypeIndex(-1);
    program.controller->ApplyDeviceFilter();
    EXPECT_EQ(program.state.typeIndex(), 0);
    EXPECT_EQ(program.DataModule1->MasterCount, 1);
}

// A row can hold anything, however it got into the library: an answer garbled
// on the line gave PR 150 and the date 00.03.02, an edited file PR -1,5.
TEST(MainProgram, rowsWithPrOrDateOutsideTheirRange_reachNeitherThePrBoxNorTheReport_andCanBeWorkedOn) {
    TempHome home;
    RecordingMessages boxes;
    {
        app::MainProgram first;
        first.start();
        const char* const rows[][3] = {{"garbled", "150,000", "00.03.02 00:00:00"},
                                       {"negative", "-1,500", "31.02.24 10:00:00"},
                                       {"good", "2,000", "05.03.12 09:30:15"}};
        for (const auto& row : rows) addWaveform(*first.DataModule1, "KM-41A1 ver.5", 250, row[0]);
        store::Dataset& all = first.DataModule1->t_master2;
        all.first();
        for (const auto& row : rows) {
            all.edit();
            all.fieldByName("SPEED").setString(row[1]);
            all.fieldByName("DATE").setString(row[2]);
            all.post();
            all.next();
        }
    }
    app::MainProgram program;
    program.start();
    ASSERT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    // The PR box, and the PR and date lines of the report's first column.
    const auto shown = [&program] {
        report::PrintAction::fill(program.form_print, program.state, *program.DataModule1, true, QDateTime());
        const QStringList printed = program.form_print.valueColumn(1)->lines;
        return QStringList{named<QLineEdit>(program.Form1, "Edit_ku")->text(), printed.value(10),
                           printed.value(11)};
    };
    store::Dataset& ds = program.DataModule1->t_master;
    // Shown with the locale's separator (the tests' locale writes '.').
    EXPECT_EQ(shown(), (QStringList{"1.5", "", ""}));
    EXPECT_TRUE(program.TDBChart1.isActive(SlotLayout::kLowerCurrent)) << "drawn at the default PR";
    ds.next();
    EXPECT_EQ(shown(), (QStringList{"1.5", "", ""}));
    ds.next();
    EXPECT_EQ(shown(), (QStringList{"2.000", "2.000", "05.03.12 09:30:15"}));

    ds.first();
    ds.edit();
    ds.fieldByName("MEMO").setString("renamed");
    ds.post();
    ds.deleteRecord();
    EXPECT_EQ(program.DataModule1->MasterCount, 2);
    EXPECT_EQ(ds.fieldByName("MEMO").asString(), "negative");
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

} // namespace

namespace {

void addCompare(store::TDataModule1& dm, const QString& deviceType) {
    store::Dataset& ds = dm.t_picture;
    ds.setTag(store::TagQuiet);
    ds.append();
    ds.fieldByName("REC_ID").setInteger(ds.recordCount() + 1);
    ds.fieldByName("SCALE").setFloat(250);
    ds.fieldByName("ZOOM_L").setFloat(1);
    ds.fieldByName("DEVICE_TYPE").setString(deviceType);
    ds.fieldByName("POINTS").setBlob(QByteArray(385, '\x01'));
    ds.setTag(store::TagQuiet);
    ds.post();
}

TEST(MainProgram, changingTheFamily_emptiesTheCompareLibraryAndTheSameFamilyKeepsIt) {
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    store::TDataModule1& dm = *program.DataModule1;
    addCompare(dm, "KM-41A1 ver.5");
    addCompare(dm, "KM-41A1 ver.5");
    program.controller->ApplyDeviceFilter();
    EXPECT_EQ(dm.t_picture.recordCount(), 2);
    program.state.setTypeIndex(1);
    program.controller->ApplyDeviceFilter();
    EXPECT_EQ(dm.t_picture.recordCount(), 0);
}

TEST(MainProgram, openingAnotherLibrary_keepsTheTypeFilterAndRegistersIt) {
    TempHome home;
    RecordingMessages boxes;
    const QString other = home.file("elsewhere/DATA/other.db");
    {
        ChoosingProgram program;
        program.start();
        QDir().mkpath(home.file("elsewhere/DATA"));
        QFile::copy(home.file("Save/ecl41_data.db"), other);
        program.state.setTypeIndex(1);
        program.controller->ApplyDeviceFilter();
        program.chosen = other;
        program.controller->btOpenClick();
        store::TDataModule1& dm = *program.DataModule1;
        addWaveform(dm, "KM-41A1 ver.5", 250, "plan");
        addWaveform(dm, "KM-630 ver.1", 1000, "file");
        program.controller->ApplyDeviceFilter();
        EXPECT_EQ(dm.Database1.path(), other);
        EXPECT_EQ(dm.MasterCount, 1);
        EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), "file");
        EXPECT_EQ(program.state.title(), "Echolon 4.1   [" + home.file("elsewhere/DATA/") + " ]");
    }
    app::MainProgram again;
    again.start();
    EXPECT_EQ(again.DataModule1->Database1.path(), other)
        << "the library file stays the current one across runs";
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

} // namespace

namespace {

// A new installation has an empty PR list: "Add PR" must give a row to type
// into, stored once it holds a name and a PR within 1..3.
TEST(MainProgram, addPr_givesARowToTypeIntoAndSetPrAppliesIt) {
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    addWaveform(*program.DataModule1, "KM-41A1 ver.5", 250, "plan");
    program.controller->ApplyDeviceFilter();
    QTableView* grid = named<QTableView>(program.Form1, "DBGridEh3");
    QAbstractItemModel* model = grid->model();
    auto* insert = named<QWidget>(program.Form1, "Navigator_ku")->findChild<QToolButton*>("nbInsert");
    ASSERT_NE(insert, nullptr);

    insert->click();
    ASSERT_EQ(model->rowCount(), 1) << "the pending row is shown";
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_TRUE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    ASSERT_TRUE(model->setData(model->index(0, 0), QStringLiteral("АСБ 3x95")));
    EXPECT_EQ(program.DataModule1->t_ku_list.state(), store::DatasetState::Insert)
        << "no PR yet: still pending";
    ASSERT_TRUE(model->setData(model->index(0, 1), QStringLiteral("2,1")));
    EXPECT_EQ(program.DataModule1->t_ku_list.state(), store::DatasetState::Browse);
    EXPECT_EQ(program.DataModule1->t_ku_list.recordCount(), 1);
    EXPECT_EQ(model->data(model->index(0, 0)).toString(), QStringLiteral("АСБ 3x95"));

    named<QToolButton>(program.Form1, "SpeedButton3")->click();
    EXPECT_EQ(program.state.editKu().text(), store::formatFixed(2.1, 3));

    // A PR that is no number or outside 1..3 is refused as it is typed, saying
    // why; the row stays pending, and moving away drops it.
    insert->click();
    ASSERT_EQ(model->rowCount(), 2);
    model->setData(model->index(1, 0), QStringLiteral("bad"));
    EXPECT_FALSE(model->setData(model->index(1, 1), QStringLiteral("abc")));
    EXPECT_FALSE(model->setData(model->index(1, 1), QStringLiteral("7")));
    ASSERT_EQ(boxes.warnings.size(), 2);
    EXPECT_TRUE(boxes.warnings[0].contains("\"abc\" is not a PR")) << boxes.warnings[0].toStdString();
    EXPECT_TRUE(boxes.warnings[1].contains("PR 7 is outside " + store::formatFixed(1, 3) + " to " +
                                           store::formatFixed(3, 3)))
        << boxes.warnings[1].toStdString();
    const QString stored = model->data(model->index(0, 1)).toString();
    EXPECT_FALSE(model->setData(model->index(0, 1), QStringLiteral("3,5"))) << "nor in a stored row";
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), stored);
    EXPECT_EQ(model->rowCount(), 2);
    named<QWidget>(program.Form1, "Navigator_ku")->findChild<QToolButton*>("nbFirst")->click();
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(program.DataModule1->t_ku_list.recordCount(), 1);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

} // namespace

namespace {

TEST(MainProgram, openingAnAccessLibrary_offersToConvertItAndNeverWritesIt) {
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    TempHome home;
    RecordingMessages boxes;
    ChoosingProgram program;
    program.start();
    const QString access = home.file("brought/nwind.mdb");
    QDir().mkpath(home.file("brought"));
    ASSERT_TRUE(QFile::copy(fixturePath("nwind.mdb"), access));
    const QString title = program.state.title();
    program.chosen = access;

    boxes.answer = false;
    program.controller->btOpenClick();
    ASSERT_EQ(boxes.confirms.size(), 1);
    EXPECT_TRUE(boxes.confirms[0].contains(home.file("brought/nwind.db"))) << boxes.confirms[0].toStdString();
    EXPECT_EQ(program.state.title(), title) << "declined: the library in use stays";

    // This Access file holds no waveform table: the conversion says so and leaves nothing.
    boxes.answer = true;
    program.controller->btOpenClick();
    EXPECT_EQ(boxes.errors.size(), 1);
    EXPECT_FALSE(QFile::exists(home.file("brought/nwind.db")));
    EXPECT_EQ(program.state.title(), title);

    // Registered as the library: offered at the next start, before the store
    // refuses it; then the local library is offered in its place, for this run.
    store::OdbcRegistry().writeDbq("ecl41_data", access);
    boxes.confirms.clear();
    boxes.answer = false;
    {
        app::MainProgram next;
        EXPECT_THROW(next.start(), store::UnavailableLibraryError)
            << "declined twice: nothing opened instead";
    }
    ASSERT_EQ(boxes.confirms.size(), 2);
    EXPECT_TRUE(boxes.confirms[1].contains(access) && boxes.confirms[1].contains("Access"))
        << boxes.confirms[1].toStdString();
    EXPECT_FALSE(QFile::exists(home.file("brought/nwind.db")));
    boxes.answer = true;
    boxes.confirms.clear();
    app::MainProgram standIn;
    standIn.start();
    EXPECT_EQ(standIn.state.title(), "Echolon 4.1   [" + home.file("Data/") + " ]");
    EXPECT_EQ(store::OdbcRegistry().readDbq("ecl41_data", {}), access) << "still the registered library";
}

TEST(MainProgram, theExchangeWindowsOpenDatabase_offersAnAccessLibraryForConversionToo) {
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    TempHome home;
    RecordingMessages boxes;
    app::MainProgram program;
    program.start();
    const QString access = home.file("brought/nwind.mdb");
    QDir().mkpath(home.file("brought"));
    ASSERT_TRUE(QFile::copy(fixturePath("nwind.mdb"), access));
    const QString library = program.DataModule1->registeredLibraryPath();
    exchange::TForm2& exchangeWindow = program.dialogs->Form2;
    QTimer::singleShot(0, &exchangeWindow, [&] {
        auto* files = exchangeWindow.findChild<QFileDialog*>("LibraryFiles");
        ASSERT_NE(files, nullptr);
        files->selectFile(access);
        static_cast<QDialog*>(files)->accept(); // as the Open button does
    });
    boxes.answer = false;
    exchangeWindow.SpeedButton1->click();
    ASSERT_EQ(boxes.confirms.size(), 1) << boxes.errors.join('\n').toStdString();
    EXPECT_TRUE(boxes.confirms[0].contains(home.file("brought/nwind.db"))) << boxes.confirms[0].toStdString();
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    EXPECT_EQ(program.DataModule1->registeredLibraryPath(), library) << "declined: the library in use stays";
}

} // namespace
