// `echolon export` run as a user runs it: a process without a display, on a
// program folder holding a library, while nothing else is running.
#include "CleanProcess.h"
#include "store/Database.h"
#include "store/Dataset.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QByteArray digestOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A program folder whose library holds a plan and a window waveform with both
// extreme samples and a note, and whose window last used PR 2,000.
QString programFolderIn(const CleanProcess& env) {
    const QString home = env.dir("HOME") + "/echolon";
    QDir().mkpath(home + "/Data");
    QFile settings(home + "/Echolon.v41");
    settings.open(QIODevice::WriteOnly);
    settings.write("[Form1]\nKU=2,000\n");
    settings.close();
    store::Database db("export-test", store::Schema::Kind::Library);
    db.setPath(home + "/Data/ecl41_data.db");
    store::Dataset master(db, "master");
    master.setTableName("master");
    master.open();
    auto add = [&](qint64 recId, const char* type, double scale, int header, int samples) {
        QByteArray points(header + samples, '\0');
        points[header] = char(0x80);     // -128
        points[header + 1] = char(0x7f); // 127
        master.append();
        master.fieldByName("REC_ID").setInteger(recId);
        master.fieldByName("DEVICE_TYPE").setString(type);
        master.fieldByName("SCALE").setFloat(scale);
        master.fieldByName("ZOOM_L").setFloat(1);
        master.fieldByName("START_PLAN").setFloat(0);
        master.fieldByName("METHOD").setString("pulse");
        master.fieldByName("MEMO").setString("cable");
        master.fieldByName("NOTE").setString(QString("dug at %1 m, «муфта»").arg(recId));
        master.fieldByName("POINTS").setBlob(points);
        master.post();
    };
    add(4, "KM-41A1 ver.5", 1000, 0, 250);
    add(9, "KM-630 ver.1", 62.5, 512, 8000);
    return home;
}

} // namespace

TEST(ExportCommand, writesOneWaveformOrTheWholeLibraryWithoutTouchingIt) {
    CleanProcess env;
    const QString home = programFolderIn(env);
    const QString library = home + "/Data/ecl41_data.db";
    const QByteArray before = digestOf(library);

    const Finished csv = env.run("echolon", {"export", "--home", home, "--rec-id", "4", "--format", "csv"});
    ASSERT_TRUE(csv.ended);
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    const QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 251);
    EXPECT_EQ(lines[0], "distance_m,№ 4 cable");
    // 1000 m in 250 samples of 4 m at PR 1.5 lie 3 m apart at PR 2.
    EXPECT_EQ(lines[1], "0.0000,-128");
    EXPECT_EQ(lines[2], "3.0000,127");

    const QString out = env.dir("HOME") + "/all.json";
    const Finished json =
        env.run("echolon", {"export", "--home", home, "--all", "--format", "json", "--out", out});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    ASSERT_TRUE(doc.isArray()) << error.errorString().toStdString();
    ASSERT_EQ(doc.array().size(), 2);
    const QJsonObject window = doc.array()[1].toObject();
    EXPECT_EQ(window["fields"].toObject()["REC_ID"].toInteger(), 9);
    EXPECT_EQ(window["fields"].toObject()["NOTE"].toString(), "dug at 9 m, «муфта»") << "the note goes along";
    EXPECT_EQ(window["samples"].toArray().size(), 500);
    EXPECT_EQ(window["samples"].toArray()[0].toInt(), -128);
    EXPECT_DOUBLE_EQ(window["axis"].toObject()["pr"].toDouble(), 2.0);

    EXPECT_EQ(digestOf(library), before) << "the library is only read";
    EXPECT_EQ(lockHolder(home), 0) << "the program folder is not locked";
}

TEST(ExportCommand, refusesWhatItCannotDoWithAMessageAndWritesNothing) {
    CleanProcess env;
    const QString home = programFolderIn(env);
    const QString out = env.dir("HOME") + "/x.csv";

    const Finished unknown =
        env.run("echolon", {"export", "--home", home, "--rec-id", "77", "--format", "csv", "--out", out});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("REC_ID 77")) << unknown.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    const Finished unwritable = env.run(
        "echolon", {"export", "--home", home, "--all", "--format", "csv", "--out", home + "/no/such/x.csv"});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("no/such/x.csv")) << unwritable.err.toStdString();

    const Finished noLibrary =
        env.run("echolon", {"export", "--home", env.dir("XDG_DATA_HOME"), "--all", "--format", "json"});
    EXPECT_EQ(noLibrary.exitCode, 1);
    EXPECT_TRUE(noLibrary.err.contains("ecl41_data.db")) << noLibrary.err.toStdString();

    // A library file of 0 bytes (a copy cut off before it began): said, both ways.
    const QString emptyHome = env.dir("HOME") + "/empty";
    QDir().mkpath(emptyHome + "/Data");
    QFile(emptyHome + "/Data/ecl41_data.db").open(QIODevice::WriteOnly);
    const Finished empty =
        env.run("echolon", {"export", "--home", emptyHome, "--all", "--format", "json", "--out", out});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains("is empty (0 bytes)")) << empty.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    const Finished copied = env.run("echolon", {"copy-library", "--from", emptyHome + "/Data/ecl41_data.db",
                                                "--to", env.dir("HOME") + "/copy.db"});
    EXPECT_EQ(copied.exitCode, 1);
    EXPECT_TRUE(copied.err.contains("is empty (0 bytes)")) << copied.err.toStdString();
    EXPECT_FALSE(QFile::exists(env.dir("HOME") + "/copy.db"));

    for (const QStringList& args :
         {QStringList{"export", "--home", home, "--rec-id", "4", "--format", "xml"},
          QStringList{"export", "--home", home, "--format", "csv"},
          QStringList{"export", "--home", home, "--rec-id", "four", "--format", "csv"},
          QStringList{"--rec-id", "4"}}) {
        const Finished f = env.run("echolon", args);
        EXPECT_EQ(f.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(f.err.contains("Usage:")) << f.err.toStdString();
    }
}
