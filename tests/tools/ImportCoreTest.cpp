#include "tools/ImportCore.h"
#include "OldDatabaseFixture.h"
#include "support/Fixtures.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "tools/ImportCommandList.h"
#include "tools/ImportError.h"
#include "tools/MdbError.h"

#include "store/IniFile.h"

#include <QDir>
#include <gtest/gtest.h>

using tools::ImportCore;
using tools::ImportEntry;

namespace {

class FakeList : public tools::ImportCommandList {
public:
    QString firstCommand() const override { return entries.isEmpty() ? QString() : entries.first().command; }
    void clear() override { entries.clear(); }
    void append(const ImportEntry& e) override { entries.push_back(e); }
    QStringList commands() const {
        QStringList c;
        for (const ImportEntry& e : entries) c << e.command;
        return c;
    }
    QVector<ImportEntry> entries;
};

class ImportCoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(home.path()).mkdir("old"));
        list.entries.push_back({"04010001", {}});
        core.setCommandList(&list);
        core.activate();
    }
    QString oldFile(const QString& name = "ecl40_data.mdb") const { return home.file("old/" + name); }
    QString registered() const {
        return store::IniFile(home.configDir() + "/echolon/odbc.ini").readString("ecl40_data", "DBQ", "");
    }

    TempHome home;
    RecordingMessages messages;
    FakeList list;
    ImportCore core;
};

TEST_F(ImportCoreTest, activationShowsNoFileYet) {
    EXPECT_FALSE(core.startEnabled);
    EXPECT_TRUE(core.fileEnabled);
    EXPECT_FALSE(core.saveEnabled);
    EXPECT_EQ(core.softVer, "Echolon 4.0");
    EXPECT_EQ(core.dir, "!!! не задан !!!");
    EXPECT_EQ(core.progressText, "");
}

TEST_F(ImportCoreTest, recognisedFileIsRegisteredAndConverted) {
    ASSERT_TRUE(
        writeOldDatabase(oldFile(), {{3, oldBlock(385)}, {10, oldBlock(385, 0x22)}, {255, oldBlock(385)}}));
    core.chooseFile(oldFile());
    EXPECT_EQ(registered(), oldFile());
    EXPECT_EQ(core.softVer, "Echolon 4.0");
    EXPECT_EQ(core.dir, oldFile());
    EXPECT_TRUE(core.startEnabled);
    EXPECT_FALSE(core.saveEnabled);
    EXPECT_EQ(core.progressMax, 3);
    EXPECT_EQ(core.progressText, "Обнаружено 3 записей. Нажмите кнопку Старт для обработки.");
    EXPECT_TRUE(messages.warnings.isEmpty());

    core.start();
    EXPECT_EQ(list.commands(), QStringList({"02010300", "02010A00", "0201FF00"}));
    EXPECT_EQ(list.entries[1].bytes, oldBlock(385, 0x22));
    EXPECT_EQ(core.progressPos, 3);
    EXPECT_EQ(core.progressText, "Обработано 3 записей из 3");
    EXPECT_FALSE(core.startEnabled);
    EXPECT_TRUE(core.fileEnabled);
    EXPECT_TRUE(core.saveEnabled);

    EXPECT_TRUE(core.save());
    EXPECT_FALSE(core.saveEnabled);
}

TEST_F(ImportCoreTest, unreadableRecordsAreSkippedAndCounted) {
    ASSERT_TRUE(writeOldDatabase(oldFile(), {{1, QVariant(QMetaType(QMetaType::QByteArray))},
                                             {256, oldBlock(385)},
                                             {-1, oldBlock(385)},
                                             {QVariant(QMetaType(QMetaType::Int)), oldBlock(385)},
                                             {2, oldBlock(100)},
                                             {"x7", oldBlock(385)},
                                             {4, oldBlock(384)},
                                             {5, oldBlock(70000)}}));
    core.chooseFile(oldFile());
    core.start();
    // Only the 384-byte block (no checksum byte) is a convertible record.
    EXPECT_EQ(list.commands(), QStringList({"02010400"}));
    EXPECT_EQ(list.entries[0].bytes.size(), 384);
    EXPECT_EQ(core.skipped, 7);
    EXPECT_EQ(core.progressPos, 8);
    EXPECT_EQ(core.progressText, "Обработано 8 записей из 8, пропущено 7 (нет данных или номера)");
    for (const QString& c : list.commands()) EXPECT_EQ(c.size(), 8);
}

TEST_F(ImportCoreTest, fileWithoutRecordsWarnsAndCannotStart) {
    ASSERT_TRUE(writeOldDatabase(oldFile(), {}));
    core.chooseFile(oldFile());
    EXPECT_FALSE(core.startEnabled);
    EXPECT_EQ(core.progressText, "");
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_EQ(messages.warnings[0],
              "В файле " + oldFile() + " не найдено ни одной записи. Импорт данного файла не возможен.");
}

TEST_F(ImportCoreTest, otherNameIsNotRecognisedAndShowsTheRegisteredFile) {
    ASSERT_TRUE(writeOldDatabase(oldFile(), {{1, oldBlock(385)}, {2, oldBlock(385)}}));
    ASSERT_TRUE(writeOldDatabase(oldFile("other.mdb"), {{9, oldBlock(385)}}));
    core.chooseFile(oldFile());
    core.chooseFile(oldFile("other.mdb"));
    EXPECT_EQ(core.softVer, "");
    EXPECT_EQ(core.dir, oldFile("other.mdb"));
    EXPECT_EQ(registered(), oldFile());
    EXPECT_EQ(core.progressMax, 2);

    // The name must match exactly.
    core.chooseFile(oldFile("ECL40_DATA.MDB"));
    EXPECT_EQ(core.softVer, "");
}

TEST_F(ImportCoreTest, otherNameWithNothingRegisteredIsAnError) {
    ASSERT_TRUE(writeOldDatabase(oldFile("other.mdb"), {{9, oldBlock(385)}}));
    EXPECT_THROW(core.chooseFile(oldFile("other.mdb")), tools::ImportError);
    EXPECT_FALSE(core.startEnabled);
}

TEST_F(ImportCoreTest, missingRecognisedFileRaisesTheLookUpError) {
    try {
        core.chooseFile(oldFile());
        FAIL();
    } catch (const tools::ImportError& e) {
        EXPECT_EQ(e.text(), ImportCore::kNotFound + "2");
    }
    EXPECT_EQ(registered(), "");
    EXPECT_FALSE(core.startEnabled);
}

TEST_F(ImportCoreTest, fileThatIsNoDatabaseIsAnErrorAndStartStaysOff) {
    ASSERT_TRUE(writeOldDatabase(oldFile(), {{1, oldBlock(385)}}));
    core.chooseFile(oldFile());
    ASSERT_TRUE(core.startEnabled);
    QFile junk(oldFile("junk/ecl40_data.mdb"));
    ASSERT_TRUE(QDir(home.file("old")).mkdir("junk"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a database at all");
    junk.close();
    EXPECT_THROW(core.chooseFile(junk.fileName()), tools::ImportError);
    EXPECT_FALSE(core.startEnabled);
    // An Access file without the old table.
    SKIP_WITHOUT_FIXTURE("nwind.mdb");
    ASSERT_TRUE(QDir(home.file("old")).mkdir("nw"));
    ASSERT_TRUE(QFile::copy(fixturePath("nwind.mdb"), home.file("old/nw/ecl40_data.mdb")));
    EXPECT_THROW(core.chooseFile(home.file("old/nw/ecl40_data.mdb")), tools::MdbError);
}

TEST_F(ImportCoreTest, startAgainReplacesThePreviousEntries) {
    ASSERT_TRUE(writeOldDatabase(oldFile(), {{1, oldBlock(385)}, {2, oldBlock(385)}}));
    core.chooseFile(oldFile());
    core.start();
    ASSERT_EQ(list.entries.size(), 2);
    core.chooseFile(oldFile());
    core.start();
    EXPECT_EQ(list.commands(), QStringList({"02010100", "02010200"}));

    // With nothing in the list to take the object from, waveforms are meant.
    list.entries.clear();
    core.chooseFile(oldFile());
    core.start();
    EXPECT_EQ(list.commands(), QStringList({"02010100", "02010200"}));
}

} // namespace
