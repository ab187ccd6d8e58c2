#include "support/TempHome.h"

#include "store/DialogFolders.h"
#include "store/IniFile.h"
#include "store/ProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using store::DialogFolders;
using store::DialogPurpose;

TEST(DialogFolders, eachPurposeOffersItsLastFolderAfterARestart_elseTheDataFolder) {
    TempHome home;
    QDir(home.path()).mkpath(QStringLiteral("Data"));
    QDir(home.path()).mkpath(QStringLiteral("Cables/2024"));
    {
        store::IniFile ini(store::settingsFilePath());
        ini.writeInteger(QStringLiteral("COM"), QStringLiteral("PortNum"), 3);
        ASSERT_TRUE(ini.save());
    }
    const QString data = home.file(QStringLiteral("Data"));
    EXPECT_EQ(DialogFolders::folderFor(DialogPurpose::Waveforms), data);

    // A file chosen leaves its folder, a folder chosen itself; a cancelled dialog nothing.
    ASSERT_TRUE(
        DialogFolders::remember(DialogPurpose::Waveforms, home.file(QStringLiteral("Cables/2024/a.tdr"))));
    ASSERT_TRUE(DialogFolders::remember(DialogPurpose::OldDatabase, home.file(QStringLiteral("Cables"))));
    ASSERT_TRUE(DialogFolders::remember(DialogPurpose::Waveforms, QString()));

    // Read back from the file, as the next run does; other sections keep their keys.
    const store::IniFile written(store::settingsFilePath());
    EXPECT_EQ(written.readInteger(QStringLiteral("COM"), QStringLiteral("PortNum"), 1), 3);
    EXPECT_EQ(
        written.readString(QLatin1String(DialogFolders::kSection), QStringLiteral("Waveforms"), QString()),
        home.file(QStringLiteral("Cables/2024")));
    EXPECT_EQ(DialogFolders::folderFor(DialogPurpose::Waveforms), home.file(QStringLiteral("Cables/2024")));
    EXPECT_EQ(DialogFolders::folderFor(DialogPurpose::OldDatabase), home.file(QStringLiteral("Cables")));
    EXPECT_EQ(DialogFolders::folderFor(DialogPurpose::Database), data) << "a purpose never used";

    // A remembered folder removed since is not offered.
    ASSERT_TRUE(QDir(home.file(QStringLiteral("Cables/2024"))).removeRecursively());
    EXPECT_EQ(DialogFolders::folderFor(DialogPurpose::Waveforms), data);
}
