#include "fakes/RecordingChart.h"
#include "store/ViewState.h"
#include "support/ShownText.h"
#include "support/TempHome.h"
#include "trace/ButtonPictures.h"
#include "trace/ChartSet.h"
#include "trace/LineStyle.h"
#include "trace/SlotLayout.h"
#include "trace/TypePresets.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace trace;

namespace {

struct PresetsTest : ::testing::Test {
    store::ViewState state;
    RecordingChart upper{SlotLayout::kUpperCount}, lower{SlotLayout::kLowerCount};
    RecordingChart upperCopy{SlotLayout::kUpperCount}, lowerCopy{SlotLayout::kLowerCount};
    ChartSet charts{upper, lower};
    PresetsTest() { charts.attachCopies(upperCopy, lowerCopy); }

    std::vector<RecordingChart*> all() { return {&upper, &lower, &upperCopy, &lowerCopy}; }
};

} // namespace

TEST_F(PresetsTest, approximationToggleSwitchesStairsOnEverySlotAndTogglingTwiceRestores) {
    int aproksTag = 1;
    LineStyle::btAproksClick(aproksTag, charts);
    EXPECT_EQ(aproksTag, 0);
    for (RecordingChart* c : all())
        for (int s = 0; s < c->seriesCount(); ++s) EXPECT_FALSE(c->stairs(s));

    LineStyle::btAproksClick(aproksTag, charts);
    EXPECT_EQ(aproksTag, 1);
    for (RecordingChart* c : all())
        for (int s = 0; s < c->seriesCount(); ++s) EXPECT_TRUE(c->stairs(s)) << c->name().toStdString() << s;
}

TEST_F(PresetsTest, windowTypeModeHasFreeZoomAndInvertedStairsOnTracesOnly) {
    state.setZoomCaption(shown("10"));
    TypePresets::SetWindowTypeMode(state, charts);
    EXPECT_EQ(state.zoomCaption().text(), "1");
    EXPECT_EQ(state.maxScale(), 62.5);
    for (RecordingChart* c : {&upper, &upperCopy})
        for (int s = 0; s < c->seriesCount(); ++s) EXPECT_EQ(c->invertedStairs(s), s <= 3) << s;
    for (RecordingChart* c : {&lower, &lowerCopy})
        for (int s = 0; s < c->seriesCount(); ++s) EXPECT_EQ(c->invertedStairs(s), s >= 2 && s <= 5) << s;

    TypePresets::SetPlanTypeMode(state, charts);
    EXPECT_EQ(state.zoomCaption().text(), "1"); // kept until a record is selected
    EXPECT_EQ(state.maxScale(), 250);
    for (RecordingChart* c : all())
        for (int s = 0; s < c->seriesCount(); ++s) EXPECT_FALSE(c->invertedStairs(s));
}

TEST(ButtonPictures, builtInPicturesUnlessTheProgramFolderHoldsTheNamedBmp) {
    TempHome home;
    const auto image = [](const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage builtIn[2] = {image(ButtonPictures::aproks(0)), image(ButtonPictures::aproks(1))};
    const QImage builtInScreen[2] = {image(ButtonPictures::screen(0)), image(ButtonPictures::screen(1))};
    for (int tag : {0, 1}) {
        EXPECT_FALSE(builtIn[tag].isNull());
        EXPECT_FALSE(builtInScreen[tag].isNull());
    }
    EXPECT_NE(builtIn[0], builtIn[1]);

    QImage custom(24, 20, QImage::Format_RGB32);
    custom.fill(Qt::red);
    ASSERT_TRUE(custom.save(home.file("APROCSIM.BMP"), "BMP"));
    ASSERT_TRUE(custom.save(home.file("down_one.BMP"), "BMP"));
    EXPECT_EQ(image(ButtonPictures::aproks(0)), custom) << "the folder's picture is shown";
    EXPECT_EQ(image(ButtonPictures::aproks(1)), builtIn[1]) << "a picture the folder lacks stays built in";
    EXPECT_EQ(image(ButtonPictures::screen(1)), custom);
    EXPECT_EQ(image(ButtonPictures::screen(0)), builtInScreen[0]);

    // A file that is no picture falls back to the built-in one.
    QFile junk(home.file("NOT_APROCSIM.BMP"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a bitmap");
    junk.close();
    EXPECT_EQ(image(ButtonPictures::aproks(1)), builtIn[1]);
}
