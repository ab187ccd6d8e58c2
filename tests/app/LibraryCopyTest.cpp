#include "ControlsFixture.h"

using app::library::CompareLibrary;

class LibraryCopyTest : public ControlsFixture {};

TEST_F(LibraryCopyTest, threeMarkedRows_areNumberedAndOffset_andUnmarked) {
    addWaveform(dm.t_master, QStringLiteral("a"), 11, true);
    addWaveform(dm.t_master, QStringLiteral("b"), 12, false);
    addWaveform(dm.t_master, QStringLiteral("c"), 13, true);
    addWaveform(dm.t_master, QStringLiteral("d"), 14, true);
    dm.t_master.moveTo(1);
    state.editKu = QStringLiteral("2,000");
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
    EXPECT_EQ(state.editKu, "2,000");
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

    state.title = QStringLiteral("Echolon 4.1   [/srv/DATA/ ]");
    addWaveform(dm.t_master, QStringLiteral("joint"), 0, true);
    compare.SpeedButton_inc_ref_masterClick();
    EXPECT_EQ(texts(dm.t_picture, QStringLiteral("MEMO")), QStringList{"/DATA/joint"});
}
