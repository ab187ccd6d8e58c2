#include "ReportFixture.h"

#include "report/ReportBand.h"
#include "report/ReportChart.h"
#include "report/ReportLabel.h"
#include "store/Schema.h"

using namespace report;

namespace {

class PrintActionTest : public ReportFixture {};

} // namespace

TEST_F(PrintActionTest, bothLibrariesEmpty_leaveEveryValueColumnEmpty) {
    fill();
    for (int c = 1; c <= 5; ++c) EXPECT_TRUE(column(c).isEmpty()) << "column " << c;
    EXPECT_EQ(form.QRLabel_type->caption, QStringLiteral("Рефлектометр импульсный KMX-417"));
    EXPECT_EQ(form.GroupHeaderBand2->height, 200);
}

TEST_F(PrintActionTest, currentWaveform_fillsColumnOneFromItsFields) {
    addWaveform(library, 7, QStringLiteral("feeder 12"), 9);
    fill();
    const QStringList expected{"1",  "9",     "\\DATA\\Cables\\", "feeder 12", "250", "27", "37", "57", "47",
                               "35", "1,500", "3.7.2024 9:5:7",   "pulse",     "67",  "5"};
    EXPECT_EQ(column(1), expected);
    EXPECT_TRUE(column(2).isEmpty());
}

TEST_F(PrintActionTest, columnOneFolder_followsTheDataFolderOfTheTitle) {
    addWaveform(library, 1, QStringLiteral("a"), 1);
    const struct {
        const char* title;
        const char* folder;
    } cases[] = {
        {"Echolon 4.1   [C:\\Work\\DATA\\Cables\\ ]", "\\DATA\\Cables\\"},
        {"Echolon 4.1   [C:\\Work\\DATA\\ ]", "\\DATA\\"},
        {"Echolon 4.1   [/home/crew/DATA/Cables/ ]", "/DATA/Cables/"},
        {"Echolon 4.1   [/opt/echolon/Data/ ]", ""}, // the default folder is "Data", not "DATA"
        {"Echolon 4.1   [C:\\Work\\data\\ ]", ""},
        {"Echolon 4.1", ""},
    };
    for (const auto& c : cases) {
        state.title = QString::fromUtf8(c.title);
        fill();
        ASSERT_EQ(column(1).size(), 15);
        EXPECT_EQ(column(1)[2], QString::fromUtf8(c.folder)) << c.title;
    }
    EXPECT_EQ(ParameterTable::folderFromTitle(QString()), QString());
}

TEST_F(PrintActionTest, compareEntries_fillColumnsInTableOrderWithMemoSplit) {
    addWaveform(compare, 1, QStringLiteral("\\DATA\\Cables\\line 4"), 11);
    addWaveform(compare, 2, QStringLiteral("no folder"), 12);
    addWaveform(compare, 3, QStringLiteral("/DATA/Town/feeder 1/2"), 13);
    fill();
    EXPECT_TRUE(column(1).isEmpty());
    ASSERT_EQ(column(2).size(), 15);
    EXPECT_EQ(column(2).mid(0, 4), QStringList({"2", "11", "\\DATA\\Cables\\", "line 4"}));
    EXPECT_EQ(column(2)[9], "5");
    EXPECT_EQ(column(3).mid(0, 4), QStringList({"3", "12", "", "no folder"}));
    EXPECT_EQ(column(4).mid(0, 4), QStringList({"4", "13", "/DATA/Town/feeder 1/", "2"}));
    EXPECT_TRUE(column(5).isEmpty());

    const auto plain = ParameterTable::splitMemo(QStringLiteral("cable 3/4"));
    EXPECT_EQ(plain.directory, QString());
    EXPECT_EQ(plain.name, QStringLiteral("cable 3/4"));
    const auto trailing = ParameterTable::splitMemo(QStringLiteral("\\DATA\\"));
    EXPECT_EQ(trailing.directory, QStringLiteral("\\DATA\\"));
    EXPECT_EQ(trailing.name, QString());
}

TEST_F(PrintActionTest, moreThanFourCompareEntries_printTheFirstFour) {
    for (int i = 1; i <= 6; ++i) addWaveform(compare, i, QStringLiteral("w%1").arg(i), 20 + i);
    fill();
    for (int c = 2; c <= 5; ++c) {
        ASSERT_EQ(column(c).size(), 15) << "column " << c;
        EXPECT_EQ(column(c)[0], QString::number(c));
        EXPECT_EQ(column(c)[3], QStringLiteral("w%1").arg(c - 1));
    }
}

TEST_F(PrintActionTest, compareLibrary_staysOnItsRecordAndItsHandlersSeeNoMove) {
    for (int i = 1; i <= 3; ++i) addWaveform(compare, i, QStringLiteral("w%1").arg(i), i);
    compare.moveTo(1);
    compare.setTag(store::TagNormal);
    // The data module's handler: the quiet tag absorbs one event, anything else is a real move.
    int realMoves = 0;
    compare.afterScroll = [&realMoves](store::Dataset& ds) {
        if (ds.tag() == store::TagQuiet) ds.setTag(store::TagNormal);
        else ++realMoves;
    };
    int resets = 0;
    QObject::connect(&compare, &store::Dataset::reset, [&resets] { ++resets; });

    fill();

    EXPECT_EQ(realMoves, 0);
    EXPECT_EQ(compare.recNo(), 1);
    EXPECT_EQ(compare.fieldByName("MEMO").asString(), "w2");
    EXPECT_EQ(compare.tag(), store::TagNormal);
    EXPECT_FALSE(compare.controlsDisabled());
    EXPECT_LE(resets, 1); // the grid is refreshed once at most, not per record
}

TEST_F(PrintActionTest, emptyCompareLibrary_isNotMovedAndKeepsItsTag) {
    fill();
    EXPECT_EQ(compare.tag(), store::TagNormal);
    EXPECT_FALSE(compare.controlsDisabled());
}

TEST_F(PrintActionTest, fieldErrorDuringTheWalk_propagatesAndStillRestoresTheLibrary) {
    // A table without MEMO in the compare library's place: reading the field fails.
    store::Database lists(QStringLiteral("ecl41_list"), store::Schema::Kind::Lists);
    lists.setPath(home.file(QStringLiteral("Data/ecl41_list.db")));
    store::Dataset odd(lists, QStringLiteral("odd"));
    odd.setTableName(QStringLiteral("list_ku"));
    odd.open();
    for (const char* name : {"a", "b"}) {
        odd.append();
        odd.fieldByName("name_ku").setString(QString::fromLatin1(name));
        odd.fieldByName("value_ku").setFloat(1.5);
        odd.post();
    }
    odd.moveTo(1);
    EXPECT_THROW(PrintAction::fill(form, ReportSources{state, 0, library, odd}, QDateTime::currentDateTime()),
                 store::StoreError);
    EXPECT_EQ(odd.recNo(), 1);
    EXPECT_FALSE(odd.controlsDisabled());
}

TEST_F(PrintActionTest, upperChartBand_followsTheScreenButton) {
    upperChartShown = false;
    fill();
    EXPECT_EQ(form.GroupHeaderBand2->height, 1);
    upperChartShown = true;
    fill();
    EXPECT_EQ(form.GroupHeaderBand2->height, 200);
}

TEST_F(PrintActionTest, title_followsTheTypeEntry) {
    state.typeIndex = 1;
    fill();
    EXPECT_EQ(form.QRLabel_type->caption, QStringLiteral("Time Domain Reflectometer KMX-419"));
    state.typeIndex = -1;
    fill();
    EXPECT_EQ(form.QRLabel_type->caption, QStringLiteral("Рефлектометр импульсный KM-41A   v.4"));
}
