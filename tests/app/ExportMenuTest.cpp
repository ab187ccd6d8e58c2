#include "ControlsFixture.h"
#include "app/ExportActions.h"
#include "support/ShownText.h"
#include "trace/ScreenChart.h"

#include <QApplication>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSize>
#include <QTimer>

using Format = app::ExportActions::Format;

class ExportMenuTest : public ControlsFixture {};

// The File menu exports what the library shows: every marked waveform, else
// the current one, at the PR of the PR box, and never moves the library.
TEST_F(ExportMenuTest, marksChooseTheWaveformsElseTheCurrentOneAtThePrOfTheBox) {
    addWaveform(dm.t_master, QStringLiteral("a"), 0, false);
    addWaveform(dm.t_master, QStringLiteral("b"), 0, true);
    addWaveform(dm.t_master, QStringLiteral("c"), 0, true);
    dm.t_master.moveTo(0);
    state.setEditKu(shown("3,000"));
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

    state.setEditKu({-1.5, 3});
    EXPECT_THROW(exports.contents(Format::Csv, {}, shown), std::exception) << "an unusable PR is said";
    EXPECT_THROW(exports.contents(Format::Png, {20, 20}, shown), std::exception) << "so is a tiny picture";
}

// The window's export follows the command line's rule: each waveform's stored
// PR while the PR box shows the current waveform's, the box's once it was
// moved away; the save dialog says which before anything is written.
TEST_F(ExportMenuTest, storedPrsUnlessTheBoxWasMovedAway_andTheSaveDialogSaysWhich) {
    addWaveform(dm.t_master, QStringLiteral("a"), 0, false);
    addWaveform(dm.t_master, QStringLiteral("b"), 0, true);
    addWaveform(dm.t_master, QStringLiteral("c"), 0, true);
    dm.t_master.moveTo(1);
    dm.t_master.edit();
    dm.t_master.fieldByName("SPEED").setString("2,000");
    dm.t_master.post();
    dm.t_master.moveTo(0);
    state.setEditKu(shown("1,5"));
    trace::ScreenChart shownUpper(trace::SlotLayout::kUpperCount), shownLower(trace::SlotLayout::kLowerCount);
    app::ExportActions exports(state, windowState, dm, shownUpper, shownLower, nullptr);
    const std::vector<exporter::Waveform> marked = exports.chosenWaveforms(Format::Json);
    auto prsInJson = [&] {
        std::vector<std::pair<double, QString>> prs;
        for (const QJsonValue& w :
             QJsonDocument::fromJson(exports.contents(Format::Json, {}, marked)).array())
            prs.emplace_back(w["pr"].toDouble(), w["pr_source"].toString());
        return prs;
    };
    using Prs = std::vector<std::pair<double, QString>>;

    EXPECT_EQ(exports.givenPr(), std::nullopt) << "the box shows a's stored 1,500";
    EXPECT_EQ(prsInJson(), (Prs{{2.0, "stored"}, {1.5, "stored"}}));
    EXPECT_EQ(exports.prNote(marked), QString("Distances at each waveform's stored PR: 2.000, 1.500."));

    state.setEditKu(shown("1,620"));
    EXPECT_EQ(prsInJson(), (Prs{{1.62, "given"}, {1.62, "given"}}));
    EXPECT_TRUE(exports.contents(Format::Csv, {}, marked).startsWith("# PR 1.620, distance in m\n"));

    // What the save dialog shows; cancelled, it writes nothing.
    QString shownNote;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                if (auto* note = dialog->findChild<QLabel*>("ExportPrNote")) shownNote = note->text();
                dialog->reject();
            }
    });
    exports.mnExportCsvClick();
    EXPECT_EQ(shownNote, QString("Distances at PR 1.620, from the PR box."));
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(", ").toStdString();
}
