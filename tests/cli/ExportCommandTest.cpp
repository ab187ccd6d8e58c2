// `echolon export` run as a user runs it: a process without a display, on a
// program folder holding a library, while nothing else is running.
#include "CleanProcess.h"
#include "store/Database.h"
#include "store/Dataset.h"
#include "synth/ReflectionSynth.h"
#include "trace/WindowRenderer.h"

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

// A program folder whose library holds a plan stored at PR 2,000 and a
// window waveform stored at PR 1,620, with both extreme samples and a note,
// and whose window last used PR 1,100: a PR the export does not take.
QString programFolderIn(const CleanProcess& env) {
    const QString home = env.dir("HOME") + "/echolon";
    QDir().mkpath(home + "/Data");
    QFile settings(home + "/Echolon.v41");
    settings.open(QIODevice::WriteOnly);
    settings.write("[Form1]\nKU=1,100\n");
    settings.close();
    store::Database db("export-test", store::Schema::Kind::Library);
    db.setPath(home + "/Data/ecl41_data.db");
    store::Dataset master(db, "master");
    master.setTableName("master");
    master.open();
    auto add = [&](qint64 recId, const char* type, double scale, const char* pr, int header, int samples) {
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
        master.fieldByName("SPEED").setString(pr);
        master.fieldByName("NOTE").setString(QString("dug at %1 m, «муфта»").arg(recId));
        master.fieldByName("POINTS").setBlob(points);
        master.post();
    };
    add(4, "KM-41A1 ver.5", 1000, "2,000", 0, 250);
    add(9, "KM-630 ver.1", 62.5, "1,620", 512, 8000);
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
    ASSERT_EQ(lines.size(), 252);
    EXPECT_EQ(lines[0], "# PR 2.000, distance in m");
    EXPECT_EQ(lines[1], "distance_m,№ 4 cable");
    // 1000 m in 250 samples of 4 m at PR 1.5 lie 3 m apart at its stored PR 2.
    EXPECT_EQ(lines[2], "0.0000,-128");
    EXPECT_EQ(lines[3], "3.0000,127");

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
    EXPECT_DOUBLE_EQ(window["pr"].toDouble(), 1.62);
    EXPECT_DOUBLE_EQ(window["axis"].toObject()["pr"].toDouble(), 1.62);

    EXPECT_EQ(digestOf(library), before) << "the library is only read";
    EXPECT_EQ(lockHolder(home), 0) << "the program folder is not locked";
}

// One rule for every file: the waveform's stored PR unless --pr gives
// another, and each file names the PR and the unit its distances are in.
TEST(ExportCommand, distancesAreAtTheStoredPrUnlessPrIsGiven_andEveryFileSaysWhich) {
    CleanProcess env;
    const QString home = programFolderIn(env);
    auto run = [&](QStringList args) {
        const Finished f = env.run("echolon", QStringList{"export", "--home", home} + args);
        EXPECT_EQ(f.exitCode, 0) << args.join(' ').toStdString() << ": " << f.err.toStdString();
        return f;
    };
    auto json = [&](QStringList args) {
        return QJsonDocument::fromJson(run(args + QStringList{"--format", "json"}).out.toUtf8()).object();
    };

    const QStringList given = run({"--rec-id", "4", "--format", "csv", "--pr", "1,5"}).out.split('\n');
    EXPECT_EQ(given.value(0), "# PR 1.500, distance in m");
    EXPECT_EQ(given.value(3), "4.0000,127") << "4 m apart at the PR given";

    const QJsonObject stored = json({"--rec-id", "4"});
    const QJsonObject atGiven = json({"--rec-id", "4", "--pr", "1.5"});
    EXPECT_DOUBLE_EQ(stored["pr"].toDouble(), 2.0);
    EXPECT_EQ(stored["pr_source"].toString(), "stored");
    EXPECT_DOUBLE_EQ(stored["axis"].toObject()["step_m"].toDouble(), 3.0);
    EXPECT_DOUBLE_EQ(atGiven["pr"].toDouble(), 1.5);
    EXPECT_EQ(atGiven["pr_source"].toString(), "given");
    EXPECT_DOUBLE_EQ(atGiven["axis"].toObject()["step_m"].toDouble(), 4.0);
    for (const QJsonObject& o : {stored, atGiven}) EXPECT_EQ(o["distance_unit"].toString(), "m");

    // Waveforms of different stored PRs share a table, each on its own distances.
    const QStringList all = run({"--all", "--format", "csv"}).out.split('\n');
    EXPECT_EQ(all.value(0), "# PR 2.000 for № 4, 1.620 for № 9, distance in m");
    EXPECT_TRUE(all.contains("3.0000,127,")) << "the plan at PR 2";
    // The window's 0.125 m at PR 1.5 are 0.1157 m at PR 1.62.
    EXPECT_TRUE(all.contains("0.1157,,127")) << all.mid(0, 6).join('\n').toStdString();
    EXPECT_EQ(run({"--all", "--format", "csv", "--pr", "2"}).out.section('\n', 0, 0),
              "# PR 2.000, distance in m");
}

// A crew's fault list: the events of a 62.5-m record with a short-like joint
// at sample 160 and an open end at 320, at the PR given, as CSV, and the same
// events in its JSON.
TEST(ExportCommand, eventsGoOutAsCsvAndInTheJson_atTheirLeadingEdgesAndThePrUsed) {
    CleanProcess env;
    const QString home = env.dir("HOME") + "/events";
    QDir().mkpath(home + "/Data");
    {
        store::Database db("export-events", store::Schema::Kind::Library);
        db.setPath(home + "/Data/ecl41_data.db");
        store::Dataset master(db, "master");
        master.setTableName("master");
        master.open();
        std::mt19937 rng(5);
        const std::vector<int> samples =
            synth::ReflectionSynth::render(500, {{160, -60, false}, {320, 90, true}}, 4, true, 2, 1.2, rng);
        QByteArray points(trace::WindowRenderer::kBlobBytes, '\0');
        for (size_t k = 0; k < samples.size(); ++k)
            points[trace::WindowRenderer::kSamplesOffset + int(k)] = char(samples[k]);
        master.append();
        master.fieldByName("REC_ID").setInteger(7);
        master.fieldByName("DEVICE_TYPE").setString("KM-630 ver.1");
        master.fieldByName("SCALE").setFloat(62.5);
        master.fieldByName("METHOD").setString("pulse");
        master.fieldByName("SPEED").setString("1,500");
        master.fieldByName("POINTS").setBlob(points);
        master.post();
    }
    const QStringList args{"export", "--home", home, "--rec-id", "7", "--pr", "2"};
    const Finished csv = env.run("echolon", args + QStringList{"--events"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    const QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << csv.out.toStdString();
    EXPECT_EQ(lines[0], "# PR 2.000, distance in m");
    EXPECT_EQ(lines[1], "rec_id,distance_m,kind,level,polarity");
    const QStringList launch = lines[2].split(',');
    EXPECT_EQ(launch.mid(2), QStringList({"launch_end", "", ""})) << "no level, no polarity";

    // 0.125 m a sample at PR 1.5 are 0.09375 m at PR 2: the joint at 15 m, the end at 30 m.
    struct Known {
        const char* kind;
        double metres;
        int level;
        const char* polarity;
    };
    const Known known[] = {{"reflection", 15.0, -60, "short"}, {"end_of_line", 30.0, 90, "open"}};
    for (int i = 0; i < 2; ++i) {
        const QStringList cells = lines[3 + i].split(',');
        ASSERT_EQ(cells.size(), 5) << lines[3 + i].toStdString();
        EXPECT_EQ(cells[0], "7");
        EXPECT_NEAR(cells[1].toDouble(), known[i].metres, 2 * 0.09375) << "within two samples";
        EXPECT_EQ(cells[2], known[i].kind);
        EXPECT_NEAR(cells[3].toInt(), known[i].level, 10);
        EXPECT_EQ(cells[4], known[i].polarity);
    }

    const Finished json = env.run("echolon", args + QStringList{"--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonArray events = QJsonDocument::fromJson(json.out.toUtf8()).object()["events"].toArray();
    ASSERT_EQ(events.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QStringList cells = lines[2 + i].split(',');
        const QJsonObject e = events[i].toObject();
        EXPECT_EQ(e["kind"].toString(), cells[2]);
        EXPECT_EQ(QString::number(e["distance_m"].toDouble(), 'f', 4), cells[1])
            << "the same place both ways";
        EXPECT_EQ(e["level"].isNull() ? QString() : QString::number(e["level"].toInt()), cells[3]);
        EXPECT_EQ(e["polarity"].toString(), cells[4]);
    }
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
          QStringList{"export", "--home", home, "--rec-id", "4", "--format", "csv", "--pr", "0,5"},
          QStringList{"export", "--home", home, "--rec-id", "4", "--format", "csv", "--pr", "fast"},
          QStringList{"export", "--home", home, "--rec-id", "4", "--format", "json", "--events"},
          QStringList{"--pr", "1.5"}, QStringList{"--rec-id", "4"}}) {
        const Finished f = env.run("echolon", args);
        EXPECT_EQ(f.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(f.err.contains("Usage:")) << f.err.toStdString();
    }
}
