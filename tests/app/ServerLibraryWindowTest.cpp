#include "app/MainProgram.h"
#include "app/OpenLibraryDialog.h"
#include "app/RecentServers.h"
#include "store/OdbcRegistry.h"
#include "store/ProgramFolder.h"
#include "store/ServerAddress.h"
#include "support/Named.h"
#include "support/PaintCounter.h"
#include "support/PgServer.h"
#include "support/RecordingMessages.h"
#include "support/TcpRelay.h"
#include "support/TempHome.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

namespace {

const QString kPlan = QStringLiteral("KM-41A1 ver.5");

constexpr int kDeadlineMs = 20000;

// A second user of the same server library, as another copy of the program on another machine.
struct OtherCopy {
    explicit OtherCopy(const QString& url) {
        db.setPath(url);
        master.setTableName("master");
        master.open();
    }
    void add(const QString& memo) {
        master.appendNumbered("REC_ID");
        master.fieldByName("BANK_NUM").setInteger(1);
        master.fieldByName("MEMO").setString(memo);
        master.fieldByName("SCALE").setFloat(250);
        master.fieldByName("ZOOM_L").setFloat(1);
        master.fieldByName("SPEED").setString("2,000");
        master.fieldByName("SDVIG").setInteger(0);
        master.fieldByName("START_PLAN").setFloat(0);
        master.fieldByName("DEVICE_TYPE").setString(kPlan);
        master.fieldByName("POINTS").setBlob(QByteArray(385, '\x05'));
        master.post();
    }
    qint64 sdvigOf(const QString& memo) {
        master.refresh({});
        for (master.first(); !master.eof(); master.next())
            if (master.fieldByName("MEMO").asString() == memo) return master.fieldByName("SDVIG").asInteger();
        return -1;
    }
    store::Database db{QStringLiteral("ecl41_data"), store::Schema::Kind::Library};
    store::Dataset master{db, "other"};
};

// The program with its "Open database" dialog answered by the test.
struct ChoosingProgram : app::MainProgram {
    QString chooseLibraryFile(const std::function<void(const QString&)>&) override { return chosen; }
    QString chosen;
};

class ServerLibraryWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!server.available()) GTEST_SKIP() << server.unavailableReason().toStdString();
        if (!server.running()) {
            ASSERT_TRUE(server.start()) << server.error().toStdString();
        }
        url = server.createDatabase();
        ASSERT_FALSE(url.isEmpty()) << server.error().toStdString();
    }
    void startOnServer() {
        store::OdbcRegistry().writeDbq(store::TDataModule1::kLibraryAlias, url);
        program = std::make_unique<ChoosingProgram>();
        program->start();
    }
    qint64 currentRecId() { return program->DataModule1->t_master.fieldByName("REC_ID").asInteger(); }

    PgServer& server = PgServer::shared();
    TempHome home;
    RecordingMessages boxes;
    QString url;
    std::unique_ptr<ChoosingProgram> program;
};

} // namespace

TEST_F(ServerLibraryWindowTest, openedFromTheWindow_othersChangesReachTheGridsAndTheSelectionStays) {
    OtherCopy other(url);
    program = std::make_unique<ChoosingProgram>();
    program->start();
    const QString localTitle = program->state.title();

    // A password in the address is refused before the library in use is touched, and never kept.
    QString withPassword = url;
    withPassword.replace("echolon@", "echolon:secret@");
    program->chosen = withPassword;
    program->controller->btOpenClick();
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors.first().contains("password")) << boxes.errors.first().toStdString();
    EXPECT_EQ(program->state.title(), localTitle);
    EXPECT_EQ(store::OdbcRegistry().readDbq(store::TDataModule1::kLibraryAlias, {}),
              store::TDataModule1::libraryDefaultPath());
    boxes.errors.clear();

    program->chosen = url;
    program->controller->btOpenClick();
    EXPECT_EQ(store::OdbcRegistry().readDbq(store::TDataModule1::kLibraryAlias, {}), url);
    EXPECT_EQ(app::RecentServers::load(), QStringList{url});
    QFile settings(store::settingsFilePath());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_FALSE(settings.readAll().contains("secret"));

    // The library is empty when opened: its first waveforms come from the other copy.
    QTableView* grid = named<QTableView>(program->Form1, "DBGridEh1");
    for (const char* memo : {"first", "second", "third"}) other.add(memo);
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->model()->rowCount() == 3; }, kDeadlineMs));
    EXPECT_TRUE(named<QWidget>(program->Form1, "Panel_main")->isEnabled()) << "the first waveform is shown";
    grid->setCurrentIndex(grid->model()->index(1, 1));
    const qint64 selected = currentRecId();
    ASSERT_EQ(program->DataModule1->t_master.fieldByName("MEMO").asString(), "second");

    other.add("fourth");
    other.add("fifth");
    other.master.first();
    other.master.deleteRecord();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return program->DataModule1->MasterCount == 4 && grid->model()->rowCount() == 4; },
        kDeadlineMs))
        << program->DataModule1->MasterCount;
    EXPECT_EQ(currentRecId(), selected);
    EXPECT_EQ(grid->currentIndex().row(), program->DataModule1->t_master.recNo());
    EXPECT_EQ(program->DataModule1->t_master2.recordCount(), 4);

    // Waveforms imported by another program process appear in this window's grid too.
    program->controller->ComboBox_typeChange(1);
    ASSERT_EQ(grid->model()->rowCount(), 0);
    QProcess writer;
    writer.start(QStringLiteral(ECHOLON_BIN_DIR "/echolon-library-writer"), {url, "2", "imported"});
    ASSERT_TRUE(writer.waitForFinished(60000));
    ASSERT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid->model()->rowCount() == 2; }, kDeadlineMs));
    EXPECT_EQ(program->DataModule1->t_master.fieldByName("MEMO").asString(), "imported 1");
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    EXPECT_TRUE(boxes.warnings.isEmpty()) << boxes.warnings.join('\n').toStdString();
}

TEST_F(ServerLibraryWindowTest, aLostServerIsToldOnceRefusesStepsAndIsUsedAgainWhenBack) {
    {
        OtherCopy seed(url);
        seed.add("cable");
        seed.add("spare");
    }
    startOnServer();
    QTableView* grid = named<QTableView>(program->Form1, "DBGridEh1");
    grid->setCurrentIndex(grid->model()->index(0, 1));
    ASSERT_EQ(program->DataModule1->t_master.fieldByName("MEMO").asString(), "cable");

    ASSERT_TRUE(server.kill()) << server.error().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.warnings.isEmpty(); }, kDeadlineMs))
        << "the loss is never told";
    EXPECT_TRUE(program->connectionNotice->mark->isVisibleTo(&program->Form1));
    EXPECT_TRUE(program->Form1.windowTitle().contains("not reachable"))
        << program->Form1.windowTitle().toStdString();
    EXPECT_EQ(grid->model()->rowCount(), 2) << "the rows stay shown";

    // Held down: refused once, and the auto-repeat does not start behind the box.
    QTest::mousePress(named<QToolButton>(program->Form1, "SpeedButton_sdvig_inc"), Qt::LeftButton);
    QTest::qWait(2000);
    QTest::mouseRelease(named<QToolButton>(program->Form1, "SpeedButton_sdvig_inc"), Qt::LeftButton);
    ASSERT_EQ(boxes.errors.size(), 1) << boxes.errors.join('\n').toStdString();
    EXPECT_TRUE(boxes.errors.first().contains("is lost")) << boxes.errors.first().toStdString();
    EXPECT_EQ(boxes.warnings.size(), 1) << boxes.warnings.join('\n').toStdString();
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(program->DataModule1->t_master.fieldByName("MEMO").asString(), "cable");

    ASSERT_TRUE(server.start()) << server.error().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !program->connectionNotice->isLost(); }, kDeadlineMs))
        << "never reconnected";
    EXPECT_TRUE(program->Form1.statusBar()->currentMessage().contains("answers again"));
    EXPECT_FALSE(program->Form1.windowTitle().contains("not reachable"));
    QTest::mouseClick(named<QToolButton>(program->Form1, "SpeedButton_sdvig_inc"), Qt::LeftButton);
    EXPECT_EQ(boxes.errors.size(), 1) << boxes.errors.join('\n').toStdString();
    EXPECT_EQ(boxes.warnings.size(), 1);
    OtherCopy reader(url);
    EXPECT_EQ(reader.sdvigOf("cable"), 1) << "one step stored, none while lost";
}

TEST_F(ServerLibraryWindowTest, aFrozenNetworkNeverHoldsTheWindowIsToldWithinTwoSecondsAndHealsByItself) {
    {
        OtherCopy seed(url);
        seed.add("cable");
        seed.add("spare");
    }
    TcpRelay relay(server.socketFolder() + "/.s.PGSQL." + QString::number(server.port()));
    ASSERT_TRUE(relay.listening()) << relay.error().toStdString();
    url =
        QStringLiteral("postgresql://echolon@127.0.0.1:%1/%2").arg(relay.port()).arg(QUrl(url).path().mid(1));
    startOnServer();
    program->Form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->Form1));
    QTableView* grid = named<QTableView>(program->Form1, "DBGridEh1");
    grid->setCurrentIndex(grid->model()->index(0, 1));
    grid->setFocus();
    QTest::qWait(300);
    PaintCounter painted(grid->viewport());

    // Without an end of its own a program that never notices would hang the test.
    relay.freeze(std::chrono::seconds(12));
    QElapsedTimer frozen;
    frozen.start();
    qint64 markedAfter = -1, worstMs = 0;
    for (int i = 0; i < 25; ++i) {
        // The user presses a key every 0.1 s; a window held elsewhere answers late.
        const qint64 due = (i + 1) * 100;
        QTest::qWait(static_cast<int>(std::max<qint64>(0, due - frozen.elapsed())));
        const int before = painted.paints;
        QTest::keyClick(grid, i % 2 ? Qt::Key_Up : Qt::Key_Down);
        ASSERT_TRUE(QTest::qWaitFor([&] { return painted.paints > before; }, kDeadlineMs));
        worstMs = std::max(worstMs, frozen.elapsed() - due);
        if (markedAfter < 0 && program->connectionNotice->mark->isVisibleTo(&program->Form1))
            markedAfter = frozen.elapsed();
    }
    EXPECT_LT(worstMs, 2000) << "the window did not answer a key for " << worstMs << " ms";
    ASSERT_GE(markedAfter, 0) << "not marked unreachable while frozen";
    EXPECT_LT(markedAfter, 2000);
    EXPECT_TRUE(program->Form1.windowTitle().contains("not reachable"));
    QTest::mouseClick(named<QToolButton>(program->Form1, "SpeedButton_sdvig_inc"), Qt::LeftButton);
    EXPECT_EQ(boxes.warnings.size() + boxes.errors.size(), 2)
        << "one message for the loss and one for the step: "
        << (boxes.warnings + boxes.errors).join('\n').toStdString();
    EXPECT_TRUE(boxes.errors.join('\n').contains("is lost")) << boxes.errors.join('\n').toStdString();

    relay.thaw();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !program->connectionNotice->isLost(); }, kDeadlineMs))
        << "never reconnected";
    grid->setCurrentIndex(grid->model()->index(0, 1));
    const QString stepped = program->DataModule1->t_master.fieldByName("MEMO").asString();
    QTest::mouseClick(named<QToolButton>(program->Form1, "SpeedButton_sdvig_inc"), Qt::LeftButton);
    OtherCopy reader(url);
    EXPECT_EQ(reader.sdvigOf(stepped), 1) << "one step stored, none while frozen";
    std::multiset<QString> shown;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        shown.insert(grid->model()->index(row, 1).data().toString());
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(std::set<QString>(shown.begin(), shown.end()).size(), 2u) << "a row is listed twice";
}

TEST_F(ServerLibraryWindowTest, anUnreachableServerAtStartUpOffersTheLocalLibrary) {
    const QString unreachable =
        "postgresql://echolon@/nosuchlibrary?host=" + home.file("no-server") + "&port=5432";
    store::OdbcRegistry().writeDbq(store::TDataModule1::kLibraryAlias, unreachable);
    boxes.answer = false;
    {
        app::MainProgram declined;
        EXPECT_THROW(declined.start(), store::ServerLibraryError);
    }
    ASSERT_EQ(boxes.confirms.size(), 1);
    EXPECT_TRUE(boxes.confirms.first().contains("nosuchlibrary")) << boxes.confirms.first().toStdString();
    EXPECT_EQ(store::OdbcRegistry().readDbq(store::TDataModule1::kLibraryAlias, {}), unreachable);

    boxes.answer = true;
    program = std::make_unique<ChoosingProgram>();
    program->start();
    EXPECT_EQ(boxes.confirms.size(), 2);
    EXPECT_EQ(store::OdbcRegistry().readDbq(store::TDataModule1::kLibraryAlias, {}),
              store::TDataModule1::libraryDefaultPath());
    EXPECT_EQ(program->state.title(), "Echolon 4.1   [" + home.path() + "/Data/ ]");
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST_F(ServerLibraryWindowTest, theExchangeWindowsOpenDatabase_opensAServerLibraryAsTheMainWindowsDoes) {
    program = std::make_unique<ChoosingProgram>();
    program->start();
    exchange::TForm2& exchangeWindow = program->dialogs->Form2;
    QTimer::singleShot(0, &exchangeWindow, [&] {
        auto* dialog = exchangeWindow.findChild<app::OpenLibraryDialog*>("OpenLibraryDialog");
        ASSERT_NE(dialog, nullptr);
        dialog->tabs->setCurrentWidget(dialog->findChild<QWidget*>("ServerPage"));
        dialog->serverAddress->setText(url);
        dialog->serverOpen->click();
    });
    exchangeWindow.SpeedButton1->click();
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
    EXPECT_EQ(program->DataModule1->registeredLibraryPath(), url);
    EXPECT_TRUE(program->DataModule1->Database1.isServer());
    EXPECT_TRUE(program->state.title().contains(store::ServerAddress::describe(url)))
        << program->state.title().toStdString();
}
