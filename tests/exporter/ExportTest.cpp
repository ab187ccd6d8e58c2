// Waveforms written as CSV and JSON from a real library, and the charts as
// pictures, read back the way a user's tools would read them.
#include "exporter/ChartPicture.h"
#include "exporter/CsvTable.h"
#include "exporter/JsonExport.h"
#include "exporter/SavedFile.h"
#include "store/Database.h"
#include "store/Dataset.h"
#include "support/TempHome.h"
#include "trace/ScreenChart.h"
#include "trace/SlotLayout.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>
#include <gtest/gtest.h>

using namespace exporter;

namespace {

class ExportTest : public ::testing::Test {
protected:
    ExportTest() : db(QStringLiteral("ecl41_data"), store::Schema::Kind::Library), master(db, "t_master") {
        db.setPath(home.file(QStringLiteral("Data/ecl41_data.db")));
        master.setTableName(QStringLiteral("master"));
        master.open();
    }

    void add(const QString& deviceType, double scale, double zoomL, const QString& memo,
             const QByteArray& points, bool marked) {
        master.append();
        master.fieldByName("REC_ID").setInteger(master.recordCount() + 1);
        master.fieldByName("DEVICE_TYPE").setString(deviceType);
        master.fieldByName("SCALE").setFloat(scale);
        master.fieldByName("ZOOM_L").setFloat(zoomL);
        master.fieldByName("START_PLAN").setFloat(130);
        master.fieldByName("METHOD").setString("pulse");
        master.fieldByName("MEMO").setString(memo);
        master.fieldByName("SPEED").setString("1,500");
        master.fieldByName("PICTURE").setBool(marked);
        master.fieldByName("POINTS").setBlob(points);
        master.post();
    }

    // Stored bytes that hold both extremes and every value in between.
    static QByteArray extremes(int header, int samples) {
        QByteArray b(header + samples, '\0');
        for (int k = 0; k < samples; ++k) b[header + k] = char(quint8((k * 7 + 128) % 256));
        return b;
    }

    std::vector<Waveform> markedWaveforms() {
        std::vector<Waveform> all;
        for (int row : DatasetRows::marked(master)) all.push_back(DatasetRows::at(master, row, std::nullopt));
        return all;
    }

    TempHome home;
    store::Database db;
    store::Dataset master;
};

} // namespace

TEST_F(ExportTest, csvOfMarkedWaveformsOfBothFamiliesReadsBackExactlyOnTheirOwnDistances) {
    add("KM-41A1 ver.5", 1000, 2, "feeder 7, \"north\"", extremes(0, 250), true);
    add("KM-41A1 ver.5", 1000, 2, "not marked", extremes(0, 250), false);
    add("KM-630 ver.1", 62.5, 1, "window", extremes(512, 8000), true);
    const std::vector<Waveform> chosen = markedWaveforms();
    ASSERT_EQ(chosen.size(), 2u);
    ASSERT_EQ(chosen[0].trace.size(), 250);
    ASSERT_EQ(chosen[1].trace.size(), 500);
    for (const Waveform& w : chosen) {
        EXPECT_EQ(*std::min_element(w.trace.samples.begin(), w.trace.samples.end()), -128);
        EXPECT_EQ(*std::max_element(w.trace.samples.begin(), w.trace.samples.end()), 127);
    }

    const QString path = home.file("out.csv");
    ASSERT_EQ(SavedFile::write(path, CsvTable::write(chosen, 2.0)), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const CsvTable::Table back = CsvTable::read(file.readAll());
    ASSERT_EQ(back.error, QString());
    ASSERT_EQ(back.columns.size(), 2u);
    EXPECT_EQ(back.columns[0].name, QString("№ 1 feeder 7, \"north\""));
    EXPECT_EQ(back.columns[1].name, QString("№ 3 window"));
    for (size_t i = 0; i < chosen.size(); ++i) {
        const trace::StoredTrace& t = chosen[i].trace;
        EXPECT_EQ(back.columns[i].samples, t.samples) << i;
        ASSERT_EQ(back.columns[i].distances.size(), t.samples.size());
        for (int k = 0; k < t.size(); ++k)
            ASSERT_NEAR(back.columns[i].distances[size_t(k)], t.metresAt(k, 2.0), 0.6e-4) << i << " " << k;
    }

    // Damaged files are refused with the place of the damage.
    EXPECT_TRUE(CsvTable::read("distance_m,a\n1.0,128\n").error.contains("Line 2")) << "out of range";
    EXPECT_TRUE(CsvTable::read("distance_m,a\n1.0\n").error.contains("Line 2")) << "cell missing";
    EXPECT_FALSE(CsvTable::read("time,a\n").error.isEmpty());
    EXPECT_TRUE(SavedFile::write(home.file("no/such/folder/out.csv"), "x").contains("out.csv"));
}

TEST_F(ExportTest, jsonHoldsEveryStoredFieldTheSamplesAndTheAxis) {
    add("KM-41A1 ver.5", 1000, 2, "feeder", extremes(0, 250), true);
    add("KM-630 ver.1", 62.5, 1, "window", extremes(512, 8000), true);
    const std::vector<Waveform> chosen = markedWaveforms();
    const QJsonDocument doc = QJsonDocument::fromJson(JsonExport::write(chosen, 2.0, true));
    ASSERT_TRUE(doc.isArray());
    ASSERT_EQ(doc.array().size(), 2);
    const QJsonObject plan = doc.array()[0].toObject();
    const QJsonObject fields = plan["fields"].toObject();
    for (int i = 0; i < master.fieldCount(); ++i)
        EXPECT_TRUE(fields.contains(master.fieldName(i))) << master.fieldName(i).toStdString();
    EXPECT_EQ(fields["REC_ID"].toInteger(), 1);
    EXPECT_EQ(fields["MEMO"].toString(), QString("feeder"));
    EXPECT_EQ(fields["SPEED"].toString(), QString("1,500"));
    EXPECT_DOUBLE_EQ(fields["SCALE"].toDouble(), 1000);
    EXPECT_EQ(fields["PICTURE"], QJsonValue(true));
    EXPECT_EQ(QByteArray::fromBase64(fields["POINTS"].toString().toLatin1()), extremes(0, 250));

    const QJsonArray samples = plan["samples"].toArray();
    ASSERT_EQ(samples.size(), 250);
    for (int k = 0; k < 250; ++k) ASSERT_EQ(samples[k].toInt(), chosen[0].trace.samples[size_t(k)]) << k;
    const QJsonObject axis = plan["axis"].toObject();
    EXPECT_DOUBLE_EQ(axis["pr"].toDouble(), 2.0);
    EXPECT_NEAR(axis["start_m"].toDouble(), chosen[0].trace.metresAt(0, 2.0), 1e-6);
    EXPECT_NEAR(axis["step_m"].toDouble(), chosen[0].trace.step * 0.75, 1e-6);
    EXPECT_NEAR(axis["step_m_pr15"].toDouble(), chosen[0].trace.step, 1e-6);
    EXPECT_EQ(doc.array()[1].toObject()["samples"].toArray().size(), 500);

    // A single waveform is one object.
    EXPECT_TRUE(QJsonDocument::fromJson(JsonExport::write({chosen[0]}, 2.0, false)).isObject());

    // Without a PR given, the stored one; a stored PR no PR box takes places
    // the waveform at 1.5, and says so.
    master.moveTo(1);
    master.edit();
    master.fieldByName("SPEED").setString("9,9");
    master.post();
    const QJsonArray stored = QJsonDocument::fromJson(JsonExport::write(markedWaveforms(), {}, true)).array();
    EXPECT_DOUBLE_EQ(stored[0]["pr"].toDouble(), 1.5);
    EXPECT_EQ(stored[0]["pr_source"].toString(), QString("stored"));
    EXPECT_DOUBLE_EQ(stored[1]["axis"]["pr"].toDouble(), 1.5);
    EXPECT_EQ(stored[1]["pr_source"].toString(), QString("default"));
}

TEST(ChartPictureTest, picturesHaveTheChosenSizeWithOrWithoutTheOverview) {
    trace::ScreenChart upper(trace::SlotLayout::kUpperCount), lower(trace::SlotLayout::kLowerCount);
    upper.view()->resize(500, 150);
    lower.view()->resize(500, 300);
    const ChartPicture both(&upper, lower);
    EXPECT_EQ(both.shownSize(), QSize(500, 450));

    const QImage png = QImage::fromData(both.png({1200, 900}), "PNG");
    EXPECT_EQ(png.size(), QSize(1200, 900));
    const QImage alone = QImage::fromData(ChartPicture(nullptr, lower).png({640, 200}), "PNG");
    EXPECT_EQ(alone.size(), QSize(640, 200));
    EXPECT_EQ(lower.view()->size(), QSize(500, 300)) << "the window's chart keeps its size";

    const QByteArray svg = both.svg({800, 600}, "№ 1");
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 800 600\"")) << svg.left(400).toStdString();

    EXPECT_TRUE(both.png({50, 600}).isEmpty());
    EXPECT_TRUE(both.svg({800, 9000}, {}).isEmpty());
    EXPECT_TRUE(ChartPicture::refusal({50, 600}).contains("100"));
}
