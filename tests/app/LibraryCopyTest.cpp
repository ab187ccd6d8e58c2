#include "ControlsFixture.h"
#include "store/DatasetWalk.h"
#include "store/Messages.h"
#include "support/ShownText.h"

#include <QSqlQuery>
#include <map>
#include <ostream>

using app::library::CompareLibrary;

class LibraryCopyTest : public ControlsFixture {};

TEST_F(LibraryCopyTest, threeMarkedRows_areNumberedAndOffset_andUnmarked) {
    addWaveform(dm.t_master, QStringLiteral("a"), 11, true);
    addWaveform(dm.t_master, QStringLiteral("b"), 12, false);
    addWaveform(dm.t_master, QStringLiteral("c"), 13, true);
    addWaveform(dm.t_master, QStringLiteral("d"), 14, true);
    dm.t_master.moveTo(1);
    state.setEditKu(shown(QStringLiteral("2,000")));
    window.calls.clear();

    compare.SpeedButton_inc_ref_masterClick();

    EXPECT_EQ(texts(dm.t_picture, QStringLiteral("MEMO")), QStringList({"a", "c", "d"}));
    EXPECT_EQ(column(dm.t_picture, QStringLiteral("REC_ID")), QList<qint64>({1, 2, 3}));
    EXPECT_EQ(column(dm.t_picture, QStringLiteral("SDVIG")), QList<qint64>({0, 5, 10}));
    EXPECT_EQ(column(dm.t_picture, QStringLiteral("PICTURE")), QList<qint64>({0, 0, 0}));
    EXPECT_EQ(column(dm.t_master, QStringLiteral("PICTURE")), QList<qint64>({0, 0, 0, 0}));
    EXPECT_TRUE(boxes.infos.isEmpty());
    // Back on the remembered row, quietly: the boxes keep the user's PR.
    EXPECT_EQ(dm.t_master.recNo(), 1);
    EXPECT_EQ(dm.t_master.tag(), store::TagNormal);
    EXPECT_EQ(dm.t_picture.tag(), store::TagNormal);
    EXPECT_EQ(state.editKu().text(), "2,000");
    // The last redraw shows the remembered row as the current waveform, and the three copies.
    EXPECT_EQ(window.calls.last(), "redraw 0");
    EXPECT_EQ(upper.points(trace::SlotLayout::kUpperCurrent).first().y(), 12);
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(upper.points(trace::SlotLayout::kUpperCompare1 + j).first().y(), 5 * j);
    EXPECT_TRUE(window.compareGridEnabled) << "a post into the compare library enables its grid";
}

TEST_F(LibraryCopyTest, aFullCompareLibrary_refusesWithTheMessage_andKeepsTheRestMarked) {
    addWaveform(dm.t_picture, QStringLiteral("x"), 0);
    addWaveform(dm.t_picture, QStringLiteral("y"), 5);
    addWaveform(dm.t_master, QStringLiteral("a"), 1, true);
    addWaveform(dm.t_master, QStringLiteral("b"), 2, true);

    compare.SpeedButton_inc_ref_masterClick();

    EXPECT_EQ(texts(dm.t_picture, QStringLiteral("MEMO")), QStringList({"x", "y", "a"}));
    EXPECT_EQ(column(dm.t_picture, QStringLiteral("REC_ID")).last(), 3);
    EXPECT_EQ(column(dm.t_picture, QStringLiteral("SDVIG")).last(), 10);
    EXPECT_EQ(boxes.infos, QStringList{"Можно сравнивать не более 4-х рефлектограмм. Удалите ненужные "
                                       "рефлектограммы из таблицы сравнения"});
    EXPECT_EQ(column(dm.t_master, QStringLiteral("PICTURE")), QList<qint64>({0, 1}));
    EXPECT_THROW(compare.CopyToCompareLibrary(dm.t_master, dm.t_picture), app::library::CopyRefused);
    EXPECT_EQ(dm.t_picture.recordCount(), 3);
}

TEST_F(LibraryCopyTest, everyField_isCopiedAsStored_theBlobByteForByte) {
    QByteArray allBytes(256, '\0');
    for (int b = 0; b < 256; ++b) allBytes[b] = char(b);
    addWaveform(dm.t_master, QStringLiteral("Муфта 3"), 9, true, allBytes);
    store::Dataset& m = dm.t_master;
    m.edit();
    m.fieldByName(QStringLiteral("SCALE")).setFloat(62.5);
    m.fieldByName(QStringLiteral("SPEED")).setString(QStringLiteral("1,732"));
    m.fieldByName(QStringLiteral("DATE")).setString(QStringLiteral("3.7.2024 9:05:01"));
    m.fieldByName(QStringLiteral("METHOD")).setString(QStringLiteral("wave"));
    m.fieldByName(QStringLiteral("TIME_OUT")).setFloat(0.125);
    m.fieldByName(QStringLiteral("START_PLAN")).setFloat(12.75);
    m.setTag(store::TagQuiet);
    m.post();

    compare.CopyToCompareLibrary(dm.t_master, dm.t_picture);

    store::Dataset& p = dm.t_picture;
    ASSERT_EQ(p.recordCount(), 1);
    EXPECT_EQ(p.fieldByName(QStringLiteral("POINTS")).asBlob(), allBytes);
    for (const char* name : {"BANK_NUM", "SCALE", "DLIT", "AMPL", "NAKOPL", "SOGLAS", "SPEED", "DATE",
                             "ZOOM_L", "DEVICE_TYPE", "METHOD", "LEVEL", "TIME_OUT", "START_PLAN"}) {
        const QString field = QString::fromLatin1(name);
        EXPECT_EQ(p.fieldByName(field).value(), m.fieldByName(field).value()) << name;
    }
    EXPECT_EQ(p.fieldByName(QStringLiteral("MEMO")).asString(), "Муфта 3");
    EXPECT_EQ(p.fieldByName(QStringLiteral("SDVIG")).asInteger(), 0);
    EXPECT_FALSE(m.fieldByName(QStringLiteral("PICTURE")).asBool());
}

TEST_F(LibraryCopyTest, memoPrefix_comesFromTheTitlesDataFolder) {
    EXPECT_EQ(CompareLibrary::memoPrefix(QStringLiteral("Echolon 4.1   [C:\\DATA\\ ]")), "\\DATA\\");
    EXPECT_EQ(CompareLibrary::memoPrefix(QStringLiteral("Echolon 4.1   [/srv/DATA/line 7/ ]")),
              "/DATA/line 7/");
    EXPECT_EQ(CompareLibrary::memoPrefix(QStringLiteral("Echolon 4.1   [/opt/echolon/Data/ ]")), "");
    EXPECT_EQ(CompareLibrary::memoPrefix(QStringLiteral("Echolon 4.1")), "");
    EXPECT_EQ(CompareLibrary::memoPrefix(QStringLiteral("/DATA")), "/DA");

    state.setTitle(QStringLiteral("Echolon 4.1   [/srv/DATA/ ]"));
    addWaveform(dm.t_master, QStringLiteral("joint"), 0, true);
    compare.SpeedButton_inc_ref_masterClick();
    EXPECT_EQ(texts(dm.t_picture, QStringLiteral("MEMO")), QStringList{"/DATA/joint"});
}

namespace {

// What a press of the copy button leaves for the user to see.
struct CopyOutcome {
    QStringList compared;    // the compare library's MEMO, in table order
    QList<qint64> numbers;   // its REC_ID
    QList<qint64> offsets;   // its SDVIG
    QList<qint64> marks;     // PICTURE of every library row, as the grid shows it
    QStringList infos;       // information boxes
    int current = -1;        // the library's current record
    QString ku, sdvig, zoom; // the boxes
    QStringList calls;       // the window's redraws
    int libraryTag = -1, compareTag = -1;
    bool operator==(const CopyOutcome&) const = default;
};

void PrintTo(const CopyOutcome& o, std::ostream* os) {
    *os << o.compared.join(',').toStdString() << " | marks";
    for (const qint64 m : o.marks) *os << ' ' << m;
    *os << " | current " << o.current << " | " << o.ku.toStdString() << ' ' << o.sdvig.toStdString() << ' '
        << o.zoom.toStdString() << " | " << o.calls.join(',').toStdString() << " | "
        << o.infos.join(',').toStdString();
}

// One library, made the same way for each run: 700 rows of the plan type
// beside rows of the other type, marks stored as other programs leave them
// (1, 2, "True", "False", 0, none) and far apart, more of them than the
// compare library takes.
class CopyRun : public ControlsFixture {
public:
    void TestBody() override {}

    void make(int alreadyCompared, int masterCount) {
        for (int i = 0; i < alreadyCompared; ++i)
            addWaveform(dm.t_picture, QStringLiteral("kept %1").arg(i), 0);
        // Written as another program writes, on a connection of its own.
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other program"));
        db.setDatabaseName(dm.Database1.path());
        db.open();
        db.transaction();
        QSqlQuery q(db);
        q.prepare(
            QStringLiteral("INSERT INTO master (REC_ID, MEMO, DEVICE_TYPE, SCALE, ZOOM_L, START_PLAN, "
                           "SPEED, SDVIG, PICTURE, POINTS) VALUES (?, ?, ?, 250, 2, 0, '1,500', ?, ?, ?)"));
        const std::map<int, QVariant> marks{{3, 1},   {40, QStringLiteral("False")}, {300, 2},
                                            {301, 0}, {520, QStringLiteral("True")}, {610, 1},
                                            {690, 1}};
        for (int i = 0; i < 1050; ++i) {
            const bool plan = i % 3 != 2;
            const int row = i - i / 3; // the plan row's index
            q.addBindValue(i + 1);
            q.addBindValue(QStringLiteral("w%1").arg(i + 1));
            q.addBindValue(plan ? QStringLiteral("KM-41A1 ver.5") : QStringLiteral("KM-630 ver.1"));
            q.addBindValue(i % 7);
            // The other type's rows are marked too: they are not in the view.
            q.addBindValue(plan ? (marks.count(row) ? marks.at(row) : QVariant()) : QVariant(1));
            q.addBindValue(QByteArray(385, char(i)));
            q.exec();
        }
        db.commit();
        q.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other program"));
        dm.applyTypeQuery(store::TDataModule1::deviceTypeOf(0));
        if (masterCount >= 0) dm.MasterCount = masterCount;
        dm.t_master.moveTo(450);
        state.setEditKu(shown(QStringLiteral("2,000")));
        state.setZoomCaption(shown(QStringLiteral("2")));
        window.calls.clear();
    }

    // The pass as the handler is described: every one of the MasterCount
    // first rows in turn, copying the marked ones until one is refused.
    void walk() {
        store::Dataset& master = dm.t_master;
        QString refusal;
        bool copied = false;
        {
            store::DatasetWalk pass(master);
            const int n = std::min(dm.MasterCount, master.recordCount());
            pass.first();
            for (int i = 0; i < n; ++i) {
                if (master.fieldByName(QStringLiteral("PICTURE")).asBool()) {
                    try {
                        compare.CopyToCompareLibrary(master, dm.t_picture);
                        copied = true;
                    } catch (const app::library::CopyRefused& e) {
                        refusal = QString::fromStdString(e.what());
                        break;
                    }
                }
                pass.next();
            }
            pass.finish();
        }
        if (copied) window.redraw(trace::TraceView::WaveformsOnly);
        if (!refusal.isEmpty()) store::messages().information(refusal);
    }

    void press() { compare.SpeedButton_inc_ref_masterClick(); }

    // The delete of the marked rows as it is described: every row in turn.
    void walkDelete() {
        store::Dataset& ds = dm.t_master;
        const int n = ds.recordCount();
        store::DatasetWalk pass(ds, store::TagQuiet, store::DatasetWalk::End::First);
        pass.first();
        for (int i = 0; i < n && !ds.isEmpty(); ++i) {
            const bool marked = ds.fieldByName(QStringLiteral("PICTURE")).asBool();
            pass.tag();
            if (marked) ds.deleteRecord();
            else ds.next();
        }
        pass.finish();
    }

    void pressDelete() { app::library::CompareLibrary::DeleteMarked(dm.t_master); }

    // The rows left, the current one and what the window was shown.
    QStringList afterDelete() {
        return QStringList{QString::number(dm.t_master.recordCount())}
               << texts(dm.t_master, QStringLiteral("MEMO")) << QString::number(dm.t_master.recNo())
               << QString::number(dm.MasterCount) << state.editKu().text()
               << QString::number(state.editSdvig()) << state.zoomCaption().text() << window.calls
               << QString::number(dm.t_master.tag());
    }

    CopyOutcome outcome() {
        CopyOutcome o{texts(dm.t_picture, QStringLiteral("MEMO")),
                      column(dm.t_picture, QStringLiteral("REC_ID")),
                      column(dm.t_picture, QStringLiteral("SDVIG")),
                      {},
                      boxes.infos,
                      dm.t_master.recNo(),
                      state.editKu().text(),
                      QString::number(state.editSdvig()),
                      state.zoomCaption().text(),
                      window.calls,
                      dm.t_master.tag(),
                      dm.t_picture.tag()};
        const int mark = dm.t_master.fieldIndex(QStringLiteral("PICTURE"));
        for (int row = 0; row < dm.t_master.recordCount(); ++row)
            o.marks << (store::FieldValue::boolean(dm.t_master.valueAt(row, mark)) ? 1 : 0);
        return o;
    }
};

} // namespace

// The copy takes the marked rows the database finds instead of reading every
// row; what the user sees afterwards is what the walk through every row left.
TEST(LibraryCopyWalk, theMarkedRowsFoundByTheDatabase_areCopiedAsTheWalkThroughEveryRowCopiesThem) {
    struct Case {
        int alreadyCompared;
        int masterCount; // -1: as the library view counts
    };
    // Room for two of the marked rows, then a refusal; room for all, the
    // last marked ones beyond the rows the library counts.
    for (const Case c : {Case{1, -1}, Case{0, 600}}) {
        CopyOutcome walked, found;
        {
            CopyRun run;
            run.make(c.alreadyCompared, c.masterCount);
            run.walk();
            walked = run.outcome();
        }
        {
            CopyRun run;
            run.make(c.alreadyCompared, c.masterCount);
            run.press();
            found = run.outcome();
        }
        EXPECT_EQ(found, walked);
        EXPECT_EQ(walked.compared.size(), 3);
        EXPECT_EQ(walked.current, 450);
    }
}

// Likewise the delete: the marked rows the database finds go, and the library
// is left as the walk through every row leaves it.
TEST(LibraryCopyWalk, theMarkedRowsFoundByTheDatabase_areDeletedAsTheWalkThroughEveryRowDeletesThem) {
    QStringList walked, found;
    {
        CopyRun run;
        run.make(0, -1);
        run.walkDelete();
        walked = run.afterDelete();
    }
    {
        CopyRun run;
        run.make(0, -1);
        run.pressDelete();
        found = run.afterDelete();
    }
    EXPECT_EQ(found, walked);
    EXPECT_EQ(walked.value(0), "695") << "five marked rows of 700 deleted";
}
