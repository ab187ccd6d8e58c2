// Damaged or foreign files handed to the store: each one is refused with a
// message naming it, its bytes stay as they were, and the library in use
// before stays in use.
#include "support/Fixtures.h"
#include "support/RecordingHost.h"
#include "support/TempHome.h"
#include "support/TestFiles.h"

#include "store/Database.h"
#include "store/Dataset.h"
#include "store/IniFile.h"
#include "store/OdbcRegistry.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace store;

namespace {

QByteArray randomBytes(int n, quint32 seed) {
    QRandomGenerator gen(seed);
    QByteArray b(n, '\0');
    for (char& c : b) c = static_cast<char>(gen.bounded(256));
    return b;
}

class BadFilesTest : public ::testing::Test {
protected:
    BadFilesTest() { host.module = &dm; }

    void SetUp() override {
        dm.DataModuleCreate();
        good = dm.registeredLibraryPath();
        addRecord("kept");
        dm.openLibraryFile(good);
        ASSERT_EQ(dm.MasterCount, 1);
    }

    void addRecord(const QString& memo) {
        Dataset& ds = dm.t_master2;
        ds.append();
        ds.fieldByName("REC_ID").setInteger(ds.recordCount() + 1);
        ds.fieldByName("MEMO").setString(memo);
        ds.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
        ds.fieldByName("POINTS").setBlob(QByteArray(8512, '\x11'));
        ds.post();
    }

    // Offers `path` as the library; returns the message, empty when it was taken.
    QString offer(const QString& path) {
        const QByteArray bytes = readAll(path);
        QString message;
        try {
            dm.openLibraryFile(path);
        } catch (const StoreError& e) {
            message = QString::fromUtf8(e.what());
        }
        EXPECT_EQ(readAll(path), bytes) << "the refused file was changed";
        return message;
    }

    void expectPreviousLibraryInUse() {
        EXPECT_EQ(OdbcRegistry().readDbq(TDataModule1::kLibraryAlias, "<none>"), good);
        EXPECT_EQ(dm.MasterCount, 1);
        EXPECT_TRUE(dm.t_master2.isOpen());
        EXPECT_EQ(dm.t_master2.fieldByName("MEMO").asString(), "kept");
    }

    TempHome home;
    ViewState state;
    RecordingHost host{state};
    TDataModule1 dm{state, host};
    QString good;
};

} // namespace

TEST_F(BadFilesTest, libraryOfRandomBytes) {
    const QString path = home.file("junk/random.db");
    writeFile(path, randomBytes(64 * 1024, 7));
    const QString message = offer(path);
    EXPECT_TRUE(message.contains("random.db")) << message.toStdString();
    EXPECT_TRUE(message.contains("previous one stays in use")) << message.toStdString();
    expectPreviousLibraryInUse();
}

TEST_F(BadFilesTest, databaseOfAnotherProgram_isSaidToBeNoWaveformLibrary) {
    const QString path = home.file("junk/other.db");
    QDir().mkpath(home.file("junk"));
    {
        Database db("other", Schema::Kind::Lists);
        db.setPath(path);
        db.connect(); // the tables of the lists, and no master
    }
    const QString message = offer(path);
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path) + " is not a waveform library"))
        << message.toStdString();
    expectPreviousLibraryInUse();
}

TEST_F(BadFilesTest, truncatedLibrary) {
    const QString path = home.file("junk/cut.db");
    QDir().mkpath(home.file("junk"));
    Database::createFile(path, Schema::Kind::Library);
    {
        Database db("cut", Schema::Kind::Library);
        db.setPath(path);
        Dataset ds(db, "t");
        ds.setTableName("master");
        ds.open();
        for (int i = 1; i <= 40; ++i) { // spread over many pages
            ds.append();
            ds.fieldByName("REC_ID").setInteger(i);
            ds.fieldByName("POINTS").setBlob(QByteArray(8512, char(i)));
            ds.post();
        }
        db.disconnect();
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(f.size() / 3));
    f.close();

    const QString message = offer(path);
    EXPECT_TRUE(message.contains("cut.db")) << message.toStdString();
    expectPreviousLibraryInUse();
}

TEST_F(BadFilesTest, accessFileGivenAsLibrary) {
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    const QString source = fixturePath("nwind.mdb");
    const QString path = home.file("old/nwind.mdb");
    QDir().mkpath(home.file("old"));
    ASSERT_TRUE(QFile::copy(source, path));
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QString message = offer(path);
    EXPECT_TRUE(message.contains("nwind.mdb")) << message.toStdString();
    EXPECT_TRUE(message.contains("Access")) << message.toStdString();
    EXPECT_EQ(QCryptographicHash::hash(readAll(path), QCryptographicHash::Sha256),
              QCryptographicHash::hash(readAll(source), QCryptographicHash::Sha256));
    expectPreviousLibraryInUse();
}

TEST_F(BadFilesTest, settingsFileOfBinaryGarbageIsReadWithoutHarmAndNotRewritten) {
    const QString path = home.file("Echolon.v41");
    QByteArray garbage = randomBytes(32 * 1024, 11);
    garbage += "\n[COM\nPortNum=\xff\xfe\x00\x01\n=\n[]\nDeviceName=";
    garbage += QByteArray(4096, '\0');
    writeFile(path, garbage);

    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("COM", "PortNum", 1), 1);
    EXPECT_EQ(ini.readString("Form1", "Type", "none"), "none");

    // A second run of the program in the same folder reads the file at start-up.
    ViewState freshState;
    RecordingHost freshHost{freshState};
    TDataModule1 fresh{freshState, freshHost};
    freshHost.module = &fresh;
    fresh.DataModuleCreate();
    EXPECT_EQ(fresh.MasterCount, 1);
    EXPECT_EQ(readAll(path), garbage);
}
