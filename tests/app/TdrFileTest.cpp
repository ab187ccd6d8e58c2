#include "app/tdr/TdrFile.h"
#include "TdrTestImage.h"
#include "app/tdr/TdrError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using app::tdr::TdrError;
using app::tdr::TdrFile;

namespace {

TEST(TdrFileTest, nameLosesOnlyItsLastExtension) {
    EXPECT_EQ(TdrFile::memoFromFileName("a.b.tdr"), "a.b");
    EXPECT_EQ(TdrFile::memoFromFileName("line 4.tdr"), "line 4");
    EXPECT_EQ(TdrFile::memoFromFileName(".tdr"), "");
    EXPECT_EQ(TdrFile::memoFromFileName("plain"), "plain");
}

TEST(TdrFileTest, dateHasNoLeadingZeros) {
    EXPECT_EQ(TdrFile::formatDate(QDateTime(QDate(2012, 3, 5), QTime(9, 7, 3))), "5.3.2012 9:7:3");
    EXPECT_EQ(TdrFile::formatDate(QDateTime(QDate(2021, 12, 31), QTime(23, 59, 0))), "31.12.2021 23:59:0");
}

TEST(TdrFileTest, readsTheImageNameAndDate) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.b.tdr");
    TdrTestImage image;
    image.set(40, 73).resize(9000);
    ASSERT_TRUE(image.writeTo(path));

    const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
    const TdrFile f = TdrFile::read(path);
    EXPECT_EQ(f.memo, "a.b");
    EXPECT_EQ(f.image, image.bytes().left(8512));
    EXPECT_EQ(f.header.method, "pulse");
    const QDateTime stamped = QDateTime::fromString(f.date, "d.M.yyyy H:m:s");
    ASSERT_TRUE(stamped.isValid()) << f.date.toStdString();
    EXPECT_GE(stamped, before);
    EXPECT_LE(stamped, QDateTime::currentDateTime().addSecs(2));
}

TEST(TdrFileTest, unreadableFilesAreRejectedWithAReason) {
    QTemporaryDir dir;
    const QString shortFile = dir.filePath("short.tdr");
    ASSERT_TRUE(TdrTestImage().resize(100).writeTo(shortFile));
    const QString empty = dir.filePath("empty.tdr");
    ASSERT_TRUE(TdrTestImage().resize(0).writeTo(empty));
    const QString huge = dir.filePath("huge.tdr");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(10 * 1024 * 1024));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.tdr"));

    auto reason = [](const QString& path) {
        try {
            TdrFile::read(path);
        } catch (const TdrError& e) {
            return e.text();
        }
        return QString("imported");
    };
    EXPECT_EQ(reason(shortFile), "the file is shorter than 8512 bytes (100 bytes)");
    EXPECT_EQ(reason(empty), "the file is shorter than 8512 bytes (0 bytes)");
    EXPECT_TRUE(reason(huge).startsWith("the file is too large")) << reason(huge).toStdString();
    EXPECT_TRUE(reason(dir.filePath("missing.tdr")).startsWith("the file cannot be opened"));
    EXPECT_EQ(reason(dir.filePath("folder.tdr")), "it is not a regular file");
}

} // namespace
