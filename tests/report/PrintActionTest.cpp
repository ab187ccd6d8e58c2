#include "ReportFixture.h"

#include "report/ReadoutLines.h"
#include "report/ReportBand.h"
#include "report/ReportChart.h"
#include "report/ReportFileName.h"
#include "report/ReportKey.h"
#include "report/ReportLabel.h"
#include "store/DialogFolders.h"
#include "store/Schema.h"
#include "trace/SlotLayout.h"

#include <QDir>
#include <QPrinter>

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
                               "35", "1.500", "3.7.2024 9:5:7",   "pulse",     "67",  "5"};
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
        {"Echolon 4.1   [/opt/echolon/Data/ ]", "/Data/"}, // the default folder, in any case
        {"Echolon 4.1   [C:\\Work\\data\\ ]", "\\data\\"},
        {"Echolon 4.1   [/mnt/cables/ ]", "/mnt/cables/"}, // no data folder: the whole folder
        {"Echolon 4.1", ""},
    };
    for (const auto& c : cases) {
        state.setTitle(QString::fromUtf8(c.title));
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
    state.setTypeIndex(1);
    fill();
    EXPECT_EQ(form.QRLabel_type->caption, QStringLiteral("Time Domain Reflectometer KMX-419"));
    state.setTypeIndex(-1);
    fill();
    EXPECT_EQ(form.QRLabel_type->caption, QStringLiteral("Рефлектометр импульсный KM-41A   v.4"));
}

TEST_F(PrintActionTest, columnKey_titlesTheFilledColumnsInTheirTracesColours) {
    using trace::SlotLayout;
    addWaveform(library, 7, QStringLiteral("feeder 12"), 9);
    addWaveform(compare, 1, QStringLiteral("\\DATA\\line 4"), 11);
    addWaveform(compare, 2, QStringLiteral("line 5"), 12);
    ReportChart& lower = *form.QRChart2;
    lower.setActive(SlotLayout::kLowerCurrent, true);
    lower.setActive(SlotLayout::kLowerCompare1, true); // the second entry's trace is not shown
    fill();
    const QList<ReportKey::Entry>& key = form.ColumnKey->entries;
    ASSERT_EQ(key.size(), 3);
    EXPECT_EQ(key[0].text, "shown waveform");
    EXPECT_EQ(key[0].colour, lower.color(SlotLayout::kLowerCurrent));
    EXPECT_EQ(key[1].text, "compare 1");
    EXPECT_EQ(key[1].colour, lower.color(SlotLayout::kLowerCompare1));
    EXPECT_FALSE(key[2].colour.isValid()) << "no colour for a trace that is not printed";
    // Each title stands over its column.
    for (int i = 0; i < key.size(); ++i)
        EXPECT_DOUBLE_EQ(form.ColumnKey->rect.left() + key[i].left, Tform_print::ColumnLefts[std::size_t(i)]);
    EXPECT_EQ(form.QRMemo3->colours.value(ReadoutLines::kK1Row), lower.color(SlotLayout::kCursorK1));
    EXPECT_EQ(form.QRMemo3->colours.value(ReadoutLines::kK2Row), lower.color(SlotLayout::kCursorK2));
    EXPECT_EQ(form.QRMemo3->lines.value(ReadoutLines::kK1Row), QString::fromUtf8("К1"));

    // An empty library leaves no title over an empty column.
    library.first();
    library.deleteRecord();
    compare.first();
    while (!compare.isEmpty()) compare.deleteRecord();
    fill();
    EXPECT_TRUE(form.ColumnKey->entries.isEmpty());
}

TEST_F(PrintActionTest, printToFile_proposesTheWaveformsNameInTheLastReportFolder) {
    addWaveform(library, 7, QStringLiteral("\\DATA\\Town\\feeder 12: A/B?"), 9);
    fill();
    EXPECT_EQ(ReportFileName::of(form), "B_");
    for (const auto& [name, file] :
         std::initializer_list<std::pair<const char*, const char*>>{{"feeder 12", "feeder 12"},
                                                                    {"cable 2.5 mm", "cable 2.5 mm"},
                                                                    {"line<1>|\"x\"*", "line_1___x__"},
                                                                    {"..hidden.pdf", "hidden"},
                                                                    {"  ", "report"},
                                                                    {"", "report"}})
        EXPECT_EQ(ReportFileName::fromWaveformName(QString::fromUtf8(name)), QString::fromUtf8(file)) << name;

    QDir(home.path()).mkpath(QStringLiteral("Data"));
    QPrinter printer;
    ReportFileName::apply(printer, QStringLiteral("feeder 12"));
    EXPECT_EQ(printer.docName(), "feeder 12");
    EXPECT_EQ(printer.outputFileName(), home.file(QStringLiteral("Data/feeder 12.pdf")));

    // A report printed into another folder makes that folder the next proposal, after a restart too.
    QDir(home.path()).mkpath(QStringLiteral("Reports"));
    printer.setOutputFileName(home.file(QStringLiteral("Reports/feeder 12.pdf")));
    ReportFileName::rememberFolder(printer);
    QPrinter next;
    ReportFileName::apply(next, QStringLiteral("line 4"));
    EXPECT_EQ(next.outputFileName(), home.file(QStringLiteral("Reports/line 4.pdf")));
}
