#include "support/RecordingHost.h"
#include "support/TempHome.h"
#include "support/TestFiles.h"

#include "store/DatabaseFile.h"
#include "store/OdbcRegistry.h"
#include "store/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace store;

namespace {

QByteArray randomBytes(int n) {
    QByteArray b(n, '\0');
    for (char& c : b) c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    return b;
}

QByteArray accessFile() {
    QByteArray b(4096, '\0');
    b.replace(4, 15, "Standard Jet DB");
    return b;
}

// Runs the data module's start-up in a fresh module, as a new run of the program does.
struct ProgramRun {
    ViewState state;
    RecordingHost host{state};
    TDataModule1 dm{state, host};
    ProgramRun() { host.module = &dm; }
    void start() { dm.DataModuleCreate(); }
};

void addLibraryRecord(const QString& file, const QString& memo) {
    Database db("x", Schema::Kind::Library);
    db.setPath(file);
    Dataset ds(db, "t");
    ds.setTableName("master");
    ds.open();
    ds.append();
    ds.fieldByName("MEMO").setString(memo);
    ds.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
    ds.post();
}

class StoreOpeningTest : public ::testing::Test {
protected:
    QString data(const QString& name) const { return home.file("Data/" + name); }
    QString registered() const { return OdbcRegistry().readDbq(TDataModule1::kLibraryAlias, "<none>"); }

    TempHome home;
};

} // namespace

TEST_F(StoreOpeningTest, firstRunCreatesTheFilesAndShowsTheProgramsDataFolder) {
    ProgramRun run;
    run.start();
    const QString folder = programFolder() + "Data/";
    EXPECT_EQ(run.state.title(), "Echolon 4.1   [" + folder + " ]");
    EXPECT_EQ(DatabaseFile::inspect(data("ecl41_data.db")), DatabaseFile::Kind::Sqlite);
    EXPECT_EQ(DatabaseFile::inspect(data("ecl41_pic.db")), DatabaseFile::Kind::Sqlite);
    EXPECT_EQ(DatabaseFile::inspect(data("ecl41_list.db")), DatabaseFile::Kind::Sqlite);
    EXPECT_EQ(DatabaseFile::inspect(home.file("Save/ecl41_data.db")), DatabaseFile::Kind::Sqlite);
    EXPECT_EQ(registered(), folder + "ecl41_data.db");
    EXPECT_GE(run.dm.t_ku_list_temp.fieldIndex("NUM_ID"), 0);
    EXPECT_EQ(run.dm.t_refl_list.fieldCount(), 6);
    QStringList picFields;
    for (int i = 0; i < run.dm.t_picture.fieldCount(); ++i) picFields << run.dm.t_picture.fieldName(i);
    EXPECT_EQ(picFields, Schema::masterFields());
}

// A registered library elsewhere that is gone (a stick not plugged in),
// cut short, or of the earlier program is named with the reason, nothing is
// restored or re-registered; the local library stands in for this run only
// when asked, and the next run tries the registered one again.
TEST_F(StoreOpeningTest, aRegisteredLibraryThatCannotBeOpenedIsNamed_andStaysRegistered) {
    { ProgramRun().start(); }
    addLibraryRecord(home.file("Save/ecl41_data.db"), "from backup");
    ASSERT_TRUE(QFile::remove(data("ecl41_data.db")));
    QDir().mkpath(home.file("stick"));
    const QString good = home.file("stick/lib.db");
    Database::createFile(good, Schema::Kind::Library);
    const QByteArray whole = readAll(good);
    writeFile(home.file("stick/cut.db"), whole.left(whole.size() / 3));
    writeFile(home.file("stick/old.mdb"), accessFile());
    for (const QString& name :
         {QStringLiteral("gone.db"), QStringLiteral("cut.db"), QStringLiteral("old.mdb")}) {
        SCOPED_TRACE(name.toStdString());
        const QString stick = home.file("stick/" + name);
        const QByteArray before = QFile::exists(stick) ? readAll(stick) : QByteArray();
        OdbcRegistry().writeDbq(TDataModule1::kLibraryAlias, stick);
        ProgramRun refused;
        try {
            refused.start();
            FAIL() << "the registered library was replaced silently";
        } catch (const UnavailableLibraryError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(stick)) << e.what();
        }
        EXPECT_EQ(registered(), stick);
        EXPECT_FALSE(QFile::exists(data("ecl41_data.db"))) << "nothing restored unasked";

        ProgramRun standIn;
        standIn.dm.useLocalLibrary();
        standIn.start();
        ASSERT_EQ(standIn.dm.MasterCount, 1);
        EXPECT_EQ(standIn.dm.t_master.fieldByName("MEMO").asString(), "from backup");
        EXPECT_EQ(standIn.state.title(), "Echolon 4.1   [" + programFolder() + "Data/ ]");
        EXPECT_EQ(registered(), stick) << "the stick's library is still remembered";
        EXPECT_EQ(QFile::exists(stick) ? readAll(stick) : QByteArray(), before);
        ASSERT_TRUE(QFile::remove(data("ecl41_data.db")));
    }
}

TEST_F(StoreOpeningTest, restoreNeverOverwritesAndASecondFailureSaysWhy) {
    { ProgramRun().start(); }
    const QByteArray junk = randomBytes(5000);
    writeFile(data("ecl41_data.db"), junk);
    ProgramRun run;
    try {
        run.start();
        FAIL() << "start-up should fail";
    } catch (const StoreError& e) {
        const QString msg = QString::fromUtf8(e.what());
        EXPECT_TRUE(msg.contains("ecl41_data.db")) << msg.toStdString();
        EXPECT_TRUE(msg.contains("not a database file")) << msg.toStdString();
        EXPECT_TRUE(msg.contains("was left as it is")) << msg.toStdString();
        EXPECT_FALSE(msg.contains("After restoring")) << "nothing was restored: " << msg.toStdString();
    }
    EXPECT_EQ(readAll(data("ecl41_data.db")), junk);
}

TEST_F(StoreOpeningTest, libraryElsewhereStaysCurrentAcrossRuns) {
    const QString other = home.file("field/2024/lib.db");
    QDir().mkpath(home.file("field/2024"));
    Database::createFile(other, Schema::Kind::Library);
    addLibraryRecord(other, "field record");
    OdbcRegistry().writeDbq(TDataModule1::kLibraryAlias, other);
    for (int i = 0; i < 2; ++i) {
        ProgramRun run;
        run.start();
        EXPECT_EQ(run.state.title(), "Echolon 4.1   [" + home.file("field/2024/") + " ]");
        EXPECT_EQ(run.dm.MasterCount, 1);
    }
    EXPECT_EQ(registered(), other);
}

TEST_F(StoreOpeningTest, openingAnotherLibraryKeepsTheFilterAndRefusesForeignFiles) {
    ProgramRun run;
    run.start();
    const QString other = home.file("other/lib.db");
    QDir().mkpath(home.file("other"));
    Database::createFile(other, Schema::Kind::Library);
    addLibraryRecord(other, "other");
    run.dm.openLibraryFile(other);
    EXPECT_EQ(registered(), other);
    EXPECT_EQ(run.state.title(), "Echolon 4.1   [" + home.file("other/") + " ]");
    EXPECT_EQ(run.dm.MasterCount, 1);
    EXPECT_TRUE(run.dm.t_master2.isOpen());
    EXPECT_EQ(run.dm.t_master.sql(), TDataModule1::queryFor("KM-41A1 ver.5"));

    const QString mdb = home.file("other/old.mdb");
    writeFile(mdb, accessFile());
    try {
        run.dm.openLibraryFile(mdb);
        FAIL() << "an Access file must be refused";
    } catch (const StoreError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("old.mdb"));
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("Access"));
    }
    EXPECT_EQ(readAll(mdb), accessFile());
    EXPECT_EQ(registered(), other);
    EXPECT_EQ(run.state.title(), "Echolon 4.1   [" + home.file("other/") + " ]");
    EXPECT_EQ(run.dm.MasterCount, 1);
}

TEST_F(StoreOpeningTest, folderUnderDataGetsTheBackupWithoutOverwriting) {
    ProgramRun run;
    run.start();
    const QString sub = home.file("Data/archive");
    QDir().mkpath(sub);
    for (const char* other : {"elsewhere", "DataOld", "Database", "x/Data"}) {
        QDir().mkpath(home.file(other));
        run.dm.restoreLibraryIntoFolder(home.file(other));
        EXPECT_FALSE(QFile::exists(home.file(other) + "/ecl41_data.db")) << other;
    }
    run.dm.restoreLibraryIntoFolder(sub);
    EXPECT_EQ(readAll(sub + "/ecl41_data.db"), readAll(home.file("Save/ecl41_data.db")));
    writeFile(sub + "/ecl41_data.db", "mine");
    run.dm.restoreLibraryIntoFolder(sub);
    EXPECT_EQ(readAll(sub + "/ecl41_data.db"), "mine");
}
