// The waveform note as a user meets it: typed through the library grid's
// context menu on the real main window, in a library written before notes
// existed; shown in the grid and on the report, kept by the compare library,
// by "Undo delete" and across a new start of the program.
#include "app/MainProgram.h"
#include "report/PrintAction.h"
#include "report/ReportParagraph.h"
#include "report/ReportPdf.h"
#include "store/DatasetTableModel.h"
#include "support/Named.h"
#include "support/PreviousLibrary.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

const QString kNote = QStringLiteral("Joint at 120 m, dug left of the pole\nwater in the pit");

// Runs `then` once `w` is shown (a modal dialog's own event loop is running).
void whenShown(QWidget* w, std::function<void()> then) {
    QTimer::singleShot(10, w, [w, then] {
        if (w->isVisible()) then();
        else whenShown(w, then);
    });
}

int columnOf(QTableView* grid, const QString& field) {
    const auto* model = qobject_cast<store::DatasetTableModel*>(grid->model());
    for (int c = 0; c < model->columns().size(); ++c)
        if (model->columns()[c].field == field) return c;
    return -1;
}

QString noteOf(store::Dataset& ds) { return ds.fieldByName(QStringLiteral("NOTE")).asString(); }

} // namespace

TEST(WaveformNote, typedThroughTheGridMenu_showsInGridAndReport_andStaysThroughCopyUndoAndRestart) {
    TempHome home;
    RecordingMessages boxes;
    QDir().mkpath(home.file("Data"));
    previous_library::write(home.file("Data/ecl41_data.db"), 3);
    previous_library::write(home.file("Data/ecl41_pic.db"), 0);
    {
        app::MainProgram program;
        program.start();
        store::TDataModule1& dm = *program.DataModule1;
        app::TForm1& form = program.Form1;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QTableView* grid = named<QTableView>(form, "DBGridEh1");
        const int noteColumn = columnOf(grid, "NOTE");
        ASSERT_GE(noteColumn, 0);
        ASSERT_EQ(grid->model()->rowCount(), 3);
        grid->setCurrentIndex(grid->model()->index(0, 1));

        // A right click on the second waveform opens the menu on it.
        const QPoint at = grid->visualRect(grid->model()->index(1, 3)).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &click);
        QMenu* menu = program.libraryGrids->LibraryGridMenu;
        ASSERT_TRUE(menu->isVisible());
        EXPECT_EQ(dm.t_master.recNo(), 1);

        tools::WaveformNoteDialog& dialog = program.dialogs->frmNote;
        QString title;
        whenShown(&dialog, [&] {
            title = dialog.lbWaveform->text();
            QTest::keyClicks(dialog.edNote, "Joint at 120 m, dug left of the pole");
            QTest::keyClick(dialog.edNote, Qt::Key_Return);
            QTest::keyClicks(dialog.edNote, "water in the pit  ");
            QTest::keyClick(dialog.edNote, Qt::Key_Return, Qt::ControlModifier);
            if (dialog.isVisible()) {
                ADD_FAILURE() << "Ctrl+Enter left the dialog open";
                dialog.reject();
            }
        });
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(program.libraryGrids->mnNote).center());
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(title, QString::fromUtf8("Note on waveform № 2 линия 2"));
        EXPECT_EQ(noteOf(dm.t_master), kNote);
        EXPECT_EQ(dm.t_master.recordCount(), 3);
        EXPECT_EQ(grid->currentIndex().row(), 1) << "the grid stays on the waveform";
        const QModelIndex cell = grid->model()->index(1, noteColumn);
        EXPECT_EQ(cell.data().toString(), QString::fromUtf8("Joint at 120 m, dug left of the pole…"));
        EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), kNote);
        EXPECT_FALSE(grid->model()->index(0, noteColumn).data(Qt::ToolTipRole).isValid());

        // The report prints it under the parameters, the charts still on the page.
        report::PrintAction::fill(program.form_print, program.state, dm, true, QDateTime::currentDateTime());
        EXPECT_EQ(program.form_print.QRMemo_note->text, "Note: " + kNote);
        const QString pdf = home.file("report.pdf");
        report::ReportPdf::write(program.form_print, pdf);
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        ASSERT_TRUE(text.waitForFinished(120000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(printed.contains("Note: Joint at 120 m, dug left of the pole")) << printed.toStdString();
        EXPECT_TRUE(printed.contains("water in the pit"));
        EXPECT_TRUE(printed.contains("zoom start point")) << "the readouts under the lower chart";

        // Copied into the compare library with the waveform.
        dm.t_master.edit();
        dm.t_master.fieldByName("PICTURE").setBool(true);
        dm.t_master.post();
        named<QToolButton>(form, "SpeedButton_inc_ref_master")->click();
        ASSERT_EQ(dm.t_picture.recordCount(), 1);
        EXPECT_EQ(noteOf(dm.t_picture), kNote);

        // Deleted and brought back.
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 1));
        QTest::keyClick(grid, Qt::Key_Delete);
        ASSERT_EQ(dm.t_master.recordCount(), 2);
        named<QAction>(form, "mnUndoDelete")->trigger();
        ASSERT_EQ(dm.t_master.recordCount(), 3);
        EXPECT_EQ(noteOf(dm.t_master), kNote);
        EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
        EXPECT_TRUE(boxes.warnings.isEmpty()) << boxes.warnings.join('\n').toStdString();
    }

    app::MainProgram again;
    again.start();
    store::TDataModule1& dm = *again.DataModule1;
    dm.t_master.moveTo(1);
    EXPECT_EQ(noteOf(dm.t_master), kNote);
    EXPECT_EQ(noteOf(dm.t_picture), kNote);
    EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), QString::fromUtf8("линия 2"));
}
