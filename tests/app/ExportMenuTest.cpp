#include "ControlsFixture.h"
#include "app/ExportActions.h"
#include "trace/ScreenChart.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSize>

using Format = app::ExportActions::Format;

class ExportMenuTest : public ControlsFixture {};

// The File menu exports what the library shows: every marked waveform, else
// the current one, at the PR of the PR box, and never moves the library.
TEST_F(ExportMenuTest, marksChooseTheWaveformsElseTheCurrentOneAtThePrOfTheBox) {
    addWaveform(dm.t_master, QStringLiteral("a"), 0, false);
    addWaveform(dm.t_master, QStringLiteral("b"), 0, true);
    addWaveform(dm.t_master, QStringLiteral("c"), 0, true);
    dm.t_master.moveTo(0);
    state.editKu = "3,000";
    trace::ScreenChart shownUpper(trace::SlotLayout::kUpperCount), shownLower(trace::SlotLayout::kLowerCount);
    const app::ExportActions exports(state, windowState, dm, shownUpper, shownLower, nullptr);

    const std::vector<exporter::Waveform> marked = exports.chosenWaveforms(Format::Csv);
    ASSERT_EQ(marked.size(), 2u);
    EXPECT_EQ(marked[0].title(), QString("№ 2 b"));
    EXPECT_EQ(marked[1].title(), QString("№ 3 c"));
    EXPECT_EQ(dm.t_master.recNo(), 0) << "the library stays on its record";
    EXPECT_EQ(exports.proposedName(marked), QString("waveforms"));
    const QJsonDocument doc = QJsonDocument::fromJson(exports.contents(Format::Json, {}, marked));
    ASSERT_EQ(doc.array().size(), 2);
    EXPECT_DOUBLE_EQ(doc.array()[0].toObject()["axis"].toObject()["pr"].toDouble(), 3.0);

    // The charts show the current waveform, whatever is marked.
    const std::vector<exporter::Waveform> shown = exports.chosenWaveforms(Format::Png);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(exports.proposedName(shown), QString("a"));

    state.editKu = "abc";
    EXPECT_THROW(exports.contents(Format::Csv, {}, shown), std::exception) << "an unusable PR is said";
    EXPECT_THROW(exports.contents(Format::Png, {20, 20}, shown), std::exception) << "so is a tiny picture";
}
