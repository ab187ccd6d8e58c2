#include "app/tdr/TdrFolderImport.h"
#include "TdrTestImage.h"
#include "app/InterruptedOperation.h"
#include "app/tdr/ImportTdrFile.h"
#include "app/tdr/TdrFile.h"
#include "store/DataModuleHost.h"
#include "store/OperationJournal.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "support/PgServer.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <gtest/gtest.h>
#include <thread>

using app::tdr::TdrFolderImport;
using store::Dataset;

namespace {

// The main window as the data module sees it: the type filter only reopens
// the library with the "KMX-419" query.
class FilterHost : public store::DataModuleHost {
public:
    void SetWaveformViewEnabled(bool) override {}
    void SetCompareGridEnabled(bool) override {}
    void applyDeviceFilter() override {
        ++filters;
        if (module) module->applyTypeQuery(store::TDataModule1::deviceTypeOf(1));
        if (!failure.empty()) throw std::runtime_error(failure);
    }
    void updateRange() override {}
    void redraw(int) override {}
    store::TDataModule1* module = nullptr;
    int filters = 0;
    std::string failure; // thrown by the filter when set
};

class TdrFolderImportTest : public ::testing::Test {
protected:
    TdrFolderImportTest() : dm(state, host) {
        state.setTypeIndex(1);
        host.module = &dm;
    }
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        dm.DataModuleCreate();
        host.filters = 0;
        ASSERT_TRUE(QDir(home.path()).mkdir("waves"));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString wave(const QString& name) const { return home.file("waves/" + name); }

    app::tdr::TdrFolderResult importFolder() {
        TdrFolderImport import(dm.t_master, dm.t_master2, host);
        return import.importFolderOf(wave("a.b.tdr"));
    }

    // The library's rows as "REC_ID BANK_NUM MEMO".
    QStringList rows() {
        QStringList r;
        Dataset& ds = dm.t_master2;
        for (int i = 0; i < ds.recordCount(); ++i)
            r << QStringLiteral("%1 %2 %3")
                     .arg(ds.valueAt(i, ds.fieldIndex("REC_ID")).toString(),
                          ds.valueAt(i, ds.fieldIndex("BANK_NUM")).toString(),
                          ds.valueAt(i, ds.fieldIndex("MEMO")).toString());
        return r;
    }

    TempHome home;
    RecordingMessages messages;
    store::ViewState state;
    FilterHost host;
    store::TDataModule1 dm;
};

TEST_F(TdrFolderImportTest, recordTakesTheHeaderValuesAndTheImage) {
    TdrTestImage image;
    image.set(4, 3).set(8, 4).set(12, 2).set(16, 33).set(20, 5).set(24, 1500).set(32, 5).set(36, 60).set(40,
                                                                                                         68);
    ASSERT_TRUE(image.writeTo(wave("a.b.tdr")));
    const app::tdr::TdrFolderResult result = importFolder();
    EXPECT_EQ(result.imported, 1);
    EXPECT_TRUE(messages.warnings.isEmpty());
    EXPECT_EQ(host.filters, 1);

    Dataset& ds = dm.t_master2;
    ASSERT_EQ(ds.recordCount(), 1);
    ds.first();
    EXPECT_EQ(ds.fieldByName("REC_ID").asInteger(), 1);
    EXPECT_EQ(ds.fieldByName("BANK_NUM").asInteger(), 1);
    EXPECT_EQ(ds.fieldByName("MEMO").asString(), "a.b");
    EXPECT_DOUBLE_EQ(ds.fieldByName("SCALE").asFloat(), 1000);
    EXPECT_EQ(ds.fieldByName("DLIT").asInteger(), 100);
    EXPECT_EQ(ds.fieldByName("NAKOPL").asInteger(), 4);
    EXPECT_EQ(ds.fieldByName("AMPL").asInteger(), 33);
    EXPECT_EQ(ds.fieldByName("SOGLAS").asInteger(), 5);
    EXPECT_EQ(ds.fieldByName("SPEED").asString(), "1,500");
    EXPECT_DOUBLE_EQ(ds.fieldByName("TIME_OUT").asFloat(), 1.0);
    EXPECT_EQ(ds.fieldByName("LEVEL").asInteger(), 0);
    EXPECT_EQ(ds.fieldByName("METHOD").asString(), "arc");
    EXPECT_EQ(ds.fieldByName("SDVIG").asInteger(), 0);
    EXPECT_DOUBLE_EQ(ds.fieldByName("ZOOM_L").asFloat(), 0);
    EXPECT_DOUBLE_EQ(ds.fieldByName("START_PLAN").asFloat(), 0);
    EXPECT_FALSE(ds.fieldByName("PICTURE").asBool());
    EXPECT_EQ(ds.fieldByName("DEVICE_TYPE").asString(), "KM-630 ver.1");
    EXPECT_EQ(ds.fieldByName("POINTS").asBlob(), image.bytes());
    EXPECT_FALSE(ds.fieldByName("DATE").asString().isEmpty());
    // The filtered library shows it too.
    EXPECT_EQ(dm.MasterCount, 1);
}

TEST_F(TdrFolderImportTest, aFolderImportEndsWithOneLineSayingWhatItDid) {
    for (const char* name : {"a.tdr", "b.tdr", "c.tdr"}) ASSERT_TRUE(TdrTestImage().writeTo(wave(name)));
    importFolder();
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_EQ(
        messages.infos[0],
        QStringLiteral("3 waveforms imported from %1.").arg(QDir::toNativeSeparators(home.file("waves"))));
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(TdrFolderImportTest, folderImportedTwiceDoublesItsRowsWithNewNumbers) {
    ASSERT_TRUE(TdrTestImage().writeTo(wave("a.b.tdr")));
    ASSERT_TRUE(TdrTestImage().resize(9000).writeTo(wave("line 4.tdr")));
    ASSERT_TRUE(TdrTestImage().writeTo(wave("notes.txt")));
    EXPECT_EQ(importFolder().imported, 2);
    EXPECT_EQ(importFolder().imported, 2);
    const QStringList r = rows();
    ASSERT_EQ(r.size(), 4);
    EXPECT_TRUE(r[0].startsWith("1 1 ") && r[1].startsWith("2 2 ") && r[2].startsWith("3 3 ") &&
                r[3].startsWith("4 4 "))
        << r.join(" | ").toStdString();
    // The same two files each time, in the same listing order.
    EXPECT_EQ(r[0].mid(4), r[2].mid(4));
    EXPECT_EQ(r[1].mid(4), r[3].mid(4));
    EXPECT_EQ(QSet<QString>({r[0].mid(4), r[1].mid(4)}), QSet<QString>({"a.b", "line 4"}));
    EXPECT_EQ(dm.MasterCount, 4);
}

TEST_F(TdrFolderImportTest, unreadableFilesArePassedOverAndListedOnce) {
    ASSERT_TRUE(TdrTestImage().writeTo(wave("a.b.tdr")));
    ASSERT_TRUE(TdrTestImage().resize(8511).writeTo(wave("truncated.tdr")));
    ASSERT_TRUE(TdrTestImage().resize(0).writeTo(wave("empty.tdr")));
    ASSERT_TRUE(TdrTestImage().set(12, 8).writeTo(wave("averaging.tdr")));
    ASSERT_TRUE(TdrTestImage().set(24, 0).writeTo(wave("speed0.tdr")));
    ASSERT_TRUE(TdrTestImage().set(24, -1500).writeTo(wave("speedneg.tdr")));
    {
        QFile huge(wave("huge.tdr"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(10 * 1024 * 1024));
    }
    ASSERT_TRUE(QDir(home.file("waves")).mkdir("dir.tdr"));
    {
        // A name from another system's disk: no valid UTF-8, so no QString names it.
        const QByteArray bad = QFile::encodeName(wave("")) + "bad\xff\xfe.tdr";
        std::FILE* f = std::fopen(bad.constData(), "wb");
        ASSERT_NE(f, nullptr);
        const QByteArray image = TdrTestImage().bytes();
        std::fwrite(image.constData(), 1, image.size(), f);
        std::fclose(f);
    }

    const app::tdr::TdrFolderResult result = importFolder();
    EXPECT_EQ(result.imported, 1);
    EXPECT_EQ(rows().size(), 1);
    ASSERT_EQ(messages.warnings.size(), 1);
    const QString& text = messages.warnings[0];
    EXPECT_TRUE(text.startsWith(QStringLiteral("1 waveform imported from %1 (7 files skipped: ")
                                    .arg(QDir::toNativeSeparators(home.file("waves")))))
        << text.toStdString();
    EXPECT_EQ(text.section('\n', 1, 1), "These waveform files were not imported:");
    EXPECT_TRUE(text.contains("truncated.tdr: the file is shorter than 8512 bytes (8511 bytes)"));
    EXPECT_TRUE(text.contains("empty.tdr: the file is shorter than 8512 bytes (0 bytes)"));
    EXPECT_TRUE(text.contains("averaging.tdr: averaging index 8 is outside 0..7"));
    EXPECT_TRUE(text.contains("huge.tdr: the file is too large"));
    EXPECT_TRUE(text.contains("speed0.tdr: propagation ratio word 0 is not above zero"));
    EXPECT_TRUE(text.contains("speedneg.tdr: propagation ratio word -1500 is not above zero"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("bad\uFFFD\uFFFD.tdr: its name is not valid UTF-8")))
        << text.toStdString();
    EXPECT_FALSE(text.contains("dir.tdr"));
    EXPECT_FALSE(text.contains("a.b.tdr"));
    EXPECT_EQ(result.passedOver.size(), 7);
}

TEST_F(TdrFolderImportTest, longListNamesTheFirstFilesAndCountsTheRest) {
    QStringList over;
    for (int i = 0; i < 25; ++i) over << QStringLiteral("f%1.tdr: the file is shorter").arg(i);
    const QString text = TdrFolderImport::passedOverMessage(over);
    EXPECT_TRUE(text.contains("f19.tdr"));
    EXPECT_FALSE(text.contains("f20.tdr"));
    EXPECT_TRUE(text.endsWith("... and 5 more"));
}

TEST_F(TdrFolderImportTest, cancelledDialogImportsNothing) {
    ASSERT_TRUE(TdrTestImage().writeTo(wave("a.b.tdr")));
    TdrFolderImport import(dm.t_master, dm.t_master2, host);
    EXPECT_EQ(import.importFolderOf(QString()).imported, 0);
    EXPECT_EQ(rows().size(), 0);
    EXPECT_EQ(host.filters, 0);
}

TEST_F(TdrFolderImportTest, numberFollowsTheHighestRecordAndTheCurrentRecordStays) {
    Dataset& ds = dm.t_master2;
    for (int id : {7, 3}) {
        ds.append();
        ds.fieldByName("REC_ID").setInteger(id);
        ds.fieldByName("DEVICE_TYPE").setString("KM-630 ver.1");
        ds.post();
    }
    ds.first();
    const Dataset::Bookmark current = ds.bookmark();
    ASSERT_TRUE(TdrTestImage().writeTo(wave("a.b.tdr")));
    app::tdr::ImportTdrFile(ds, app::tdr::TdrFile::read(wave("a.b.tdr")));
    EXPECT_EQ(ds.bookmark(), current);
    EXPECT_EQ(ds.tag(), store::TagQuiet);
    EXPECT_FALSE(ds.controlsDisabled());
    ds.last();
    // One above the highest stored number, whatever the table order.
    EXPECT_EQ(ds.fieldByName("REC_ID").asInteger(), 8);
    EXPECT_EQ(ds.fieldByName("BANK_NUM").asInteger(), 8);
}

} // namespace

namespace {

TEST_F(TdrFolderImportTest, storeFailureEndsTheImportWithTheControlsEnabled) {
    ASSERT_TRUE(TdrTestImage().writeTo(wave("a.b.tdr")));
    dm.t_master2.close();
    EXPECT_THROW(importFolder(), store::StoreError);
    EXPECT_FALSE(dm.t_master.controlsDisabled());
    EXPECT_FALSE(dm.t_master2.controlsDisabled());
}

} // namespace

namespace {

// The redraw that enabling the controls again runs may fail too: its error
// reaches the caller (the program's error box), and while another error is
// already on its way it is dropped instead of ending the process.
TEST_F(TdrFolderImportTest, failingRedrawAfterTheImport_reachesTheCallerAndNeverEndsTheProcess) {
    ASSERT_TRUE(TdrTestImage().writeTo(wave("a.b.tdr")));
    dm.t_master.dataChange = [](Dataset&) { throw std::runtime_error("redraw failed"); };
    try {
        importFolder();
        ADD_FAILURE() << "the redraw's error was lost";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "redraw failed");
    }
    host.failure = "filter failed";
    TdrFolderImport failing(dm.t_master, dm.t_master2, host);
    try {
        failing.importFolderOf(wave("a.b.tdr"));
        ADD_FAILURE() << "the filter's error was lost";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "filter failed");
    }
    EXPECT_FALSE(dm.t_master.controlsDisabled());
}

} // namespace

namespace {

TEST_F(TdrFolderImportTest, rowDeletedThroughTheGrid_isNotNumberedAgainNorListed) {
    for (const char* name : {"a.tdr", "b.tdr", "c.tdr"}) ASSERT_TRUE(TdrTestImage().writeTo(wave(name)));
    EXPECT_EQ(importFolder().imported, 3);
    Dataset& shown = dm.t_master;
    shown.last();
    shown.deleteRecord();
    EXPECT_EQ(dm.t_master2.recordCount(), 2) << "the whole-library view drops the deleted row";
    EXPECT_EQ(importFolder().imported, 3);
    QStringList numbers;
    for (const QString& row : rows()) numbers << row.section(' ', 0, 1);
    EXPECT_EQ(numbers, QStringList({"1 1", "2 2", "3 3", "4 4", "5 5"}));
}

} // namespace

namespace {

// Killed while storing "b": "a" is ticked off in the journal, "b" is committed
// but not yet ticked. The next start offers "c", "d", "e" only, and finishing
// stores each file of the folder exactly once.
TEST_F(TdrFolderImportTest, interruptedImport_offersOnlyTheFilesNotStored_andFinishesItOnce) {
    const QStringList names{"a.tdr", "b.tdr", "c.tdr", "d.tdr", "e.tdr"};
    for (const QString& name : names) ASSERT_TRUE(TdrTestImage().writeTo(wave(name)));
    app::tdr::ImportTdrFile(dm.t_master2, app::tdr::TdrFile::read(wave("a.tdr")));
    app::tdr::ImportTdrFile(dm.t_master2, app::tdr::TdrFile::read(wave("b.tdr")));
    store::JournalEntry left;
    left.source = home.file("waves");
    left.items = names;
    left.done = {"a.tdr"};
    left.storing = "b.tdr";
    const QString journal = store::OperationJournal::defaultPath();
    ASSERT_TRUE(store::OperationJournal::save(left, journal));

    app::InterruptedOperation::check(dm, host);
    ASSERT_EQ(messages.confirms.size(), 1);
    EXPECT_TRUE(messages.confirms[0].contains("3 of 5")) << messages.confirms[0].toStdString();
    EXPECT_TRUE(messages.confirms[0].contains("(c.tdr, d.tdr, e.tdr)")) << messages.confirms[0].toStdString();
    EXPECT_EQ(rows(), QStringList({"1 1 a", "2 2 b", "3 3 c", "4 4 d", "5 5 e"}));
    EXPECT_FALSE(QFileInfo::exists(journal));

    app::InterruptedOperation::check(dm, host);
    EXPECT_EQ(messages.confirms.size(), 1) << "the journal is gone once finished";
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
}

// Cut short in the crew's library while this start opened the local one: the
// rest waits for a start with that library, and is offered there.
TEST_F(TdrFolderImportTest, interruptedImportIntoAnotherLibrary_waitsForThatLibrary) {
    for (const char* name : {"a.tdr", "b.tdr"}) ASSERT_TRUE(TdrTestImage().writeTo(wave(name)));
    store::JournalEntry left;
    left.source = home.file("waves");
    left.library = "postgresql://crew@db.example/cables";
    left.items = QStringList{"a.tdr", "b.tdr"};
    left.done = {"a.tdr"};
    const QString journal = store::OperationJournal::defaultPath();
    ASSERT_TRUE(store::OperationJournal::save(left, journal));
    app::InterruptedOperation::check(dm, host);
    EXPECT_TRUE(messages.confirms.isEmpty());
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings[0].contains("cables on db.example")) << messages.warnings[0].toStdString();
    EXPECT_TRUE(rows().isEmpty());
    ASSERT_TRUE(QFileInfo::exists(journal));

    left.library = dm.Database1.path();
    ASSERT_TRUE(store::OperationJournal::save(left, journal));
    app::InterruptedOperation::check(dm, host);
    EXPECT_EQ(messages.confirms.size(), 1);
    EXPECT_EQ(rows(), QStringList{"1 1 b"});
}

// A read is not resumed from here (the exchange window reads the list afresh),
// but the banks left are named; a journal cut short is set aside with one note.
TEST_F(TdrFolderImportTest, interruptedRead_namesTheBanksNotRead_andABrokenJournalIsOneNote) {
    store::JournalEntry left;
    left.kind = store::JournalEntry::Kind::Read;
    left.items = QStringList{"3", "5", "9"};
    left.done = {"3"};
    const QString journal = store::OperationJournal::defaultPath();
    ASSERT_TRUE(store::OperationJournal::save(left, journal));
    app::InterruptedOperation::check(dm, host);
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings[0].contains("2 of 3 banks")) << messages.warnings[0].toStdString();
    EXPECT_TRUE(messages.warnings[0].contains("(5, 9)")) << messages.warnings[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(journal));

    QFile cut(journal);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(R"({"operation":"import","items":["a.tdr","b.t)");
    cut.close();
    app::InterruptedOperation::check(dm, host);
    EXPECT_EQ(messages.warnings.size(), 2);
    EXPECT_TRUE(messages.confirms.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(journal));
}

// The library's file may hold only a few more pages: the import stops at the
// first file refused, keeps what was stored and says so in one line.
TEST_F(TdrFolderImportTest, fullDisk_stopsTheImportWithOneLineNamingTheFolder) {
    for (const char* name : {"a.tdr", "b.tdr", "c.tdr", "d.tdr", "e.tdr", "f.tdr"})
        ASSERT_TRUE(TdrTestImage().writeTo(wave(name)));
    QSqlQuery pages(dm.Database1.handle());
    ASSERT_TRUE(pages.exec("PRAGMA page_count") && pages.next());
    const int limit = pages.value(0).toInt() + 8;
    ASSERT_TRUE(pages.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(limit)));

    const app::tdr::TdrFolderResult result = importFolder();
    EXPECT_GT(result.imported, 0);
    ASSERT_FALSE(result.notStored.isEmpty());
    EXPECT_EQ(result.imported + result.notStored.size(), 6);
    EXPECT_EQ(dm.t_master2.recordCount(), result.imported) << "what was stored stays, whole";
    ASSERT_EQ(messages.warnings.size(), 1) << messages.warnings.join('\n').toStdString();
    const QString line = messages.warnings[0];
    EXPECT_FALSE(line.contains('\n'));
    EXPECT_TRUE(line.contains(QStringLiteral("%1 of 6").arg(result.notStored.size()))) << line.toStdString();
    EXPECT_TRUE(line.contains("the disk holding " + QDir::toNativeSeparators(home.file("Data")) + " is full"))
        << line.toStdString();
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(store::OperationJournal::defaultPath()));
}

} // namespace

namespace {

// The same import into a crew's library whose server is killed part-way.
class TdrServerImportTest : public TdrFolderImportTest {
protected:
    void SetUp() override {
        if (!PgServer::shared().available())
            GTEST_SKIP() << PgServer::shared().unavailableReason().toStdString();
        url = PgServer::shared().createDatabase();
        ASSERT_FALSE(url.isEmpty()) << PgServer::shared().error().toStdString();
        dm.registry().writeDbq(store::TDataModule1::kLibraryAlias, url);
        TdrFolderImportTest::SetUp();
    }
    void TearDown() override {
        if (!PgServer::shared().running()) PgServer::shared().start();
        TdrFolderImportTest::TearDown();
    }

    // The library's names in number order, read on a connection of its own.
    QStringList storedNames() {
        QStringList names;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "stored-names");
            PgServer::shared().configure(db, url);
            QSqlQuery q(db);
            if (db.open() && q.exec(R"(SELECT "MEMO", "REC_ID" FROM master ORDER BY "REC_ID")"))
                while (q.next()) names << q.value(0).toString() + '=' + q.value(1).toString();
        }
        QSqlDatabase::removeDatabase("stored-names");
        return names;
    }

    QString url;
};

// The server dies once ten files are in: the message says how many were
// stored, the journal stays, and the next start stores the rest once each.
// Enough files that the import cannot finish while a loaded machine keeps
// the thread that kills the server waiting.
TEST_F(TdrServerImportTest, lostServer_saysWhatWasStored_andTheNextStartStoresTheRestOnce) {
    constexpr int kFiles = 100;
    QStringList expected;
    for (int i = 0; i < kFiles; ++i) {
        const QString name = QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0'));
        ASSERT_TRUE(TdrTestImage().writeTo(wave(name + ".tdr")));
        expected << name;
    }
    std::atomic<bool> killed{false};
    std::thread killer([&] {
        while (storedNames().size() < 10) QThread::msleep(2);
        killed = PgServer::shared().kill();
    });
    QStringList files;
    for (const QString& name : expected) files << name + ".tdr";
    app::tdr::TdrFolderResult result;
    try {
        result = TdrFolderImport(dm.t_master, dm.t_master2, host).importFiles(home.file("waves"), files);
    } catch (const std::exception& e) {
        ADD_FAILURE() << "the import ended with: " << e.what();
    }
    killer.join();
    ASSERT_TRUE(killed);
    ASSERT_GE(result.imported, 10);
    ASSERT_FALSE(result.notStored.isEmpty());
    EXPECT_EQ(result.imported + result.notStored.size(), kFiles);
    ASSERT_EQ(messages.warnings.size(), 1) << messages.warnings.join('\n').toStdString();
    const QString message = messages.warnings[0];
    EXPECT_TRUE(message.contains(QStringLiteral("%1 waveform files were stored, %2 were not")
                                     .arg(result.imported)
                                     .arg(result.notStored.size())))
        << message.toStdString();
    EXPECT_TRUE(message.contains(dm.Database1.lostReason())) << "the loss is told in the same message";
    EXPECT_FALSE(message.contains("nothing was stored")) << message.toStdString();
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
    ASSERT_TRUE(QFileInfo::exists(store::OperationJournal::defaultPath()));

    ASSERT_TRUE(PgServer::shared().start()) << PgServer::shared().error().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dm.Database1.lostReason().isEmpty(); }, 20000));
    messages.answer = true;
    app::InterruptedOperation::check(dm, host);
    ASSERT_EQ(messages.confirms.size(), 1);
    QStringList numbered;
    for (int i = 0; i < kFiles; ++i) numbered << expected[i] + '=' + QString::number(i + 1);
    EXPECT_EQ(storedNames(), numbered);
    EXPECT_FALSE(QFileInfo::exists(store::OperationJournal::defaultPath()));
}

} // namespace
