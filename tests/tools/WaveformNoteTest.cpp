#include "store/Database.h"
#include "store/Dataset.h"
#include "support/PreviousLibrary.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "tools/WaveformNoteDialog.h"

#include <QDir>
#include <gtest/gtest.h>

using store::Database;
using store::Dataset;
using tools::WaveformNote;

TEST(WaveformNoteTest, storedTrimmed_emptyRemovesIt_tooLongIsRefusedAndTheRecordStays) {
    TempHome home;
    Database db(QStringLiteral("ecl41_data"), store::Schema::Kind::Library);
    db.setPath(home.file(QStringLiteral("Data/ecl41_data.db")));
    Dataset library(db, QStringLiteral("t_master"));
    library.setTableName(QStringLiteral("master"));
    library.open();
    WaveformNote note(library);
    EXPECT_FALSE(note.refusal().isEmpty()) << "no waveform to keep a note for";
    EXPECT_THROW(note.store(QStringLiteral("x")), store::StoreError);
    EXPECT_EQ(library.recordCount(), 0) << "a note never makes a waveform";

    library.append();
    library.fieldByName(QStringLiteral("MEMO")).setString(QStringLiteral("feeder"));
    library.post();
    note.store(QStringLiteral("  \n joint at 120 m\nwet  \n"));
    EXPECT_EQ(note.current(), QStringLiteral("joint at 120 m\nwet"));

    const QString tooLong(WaveformNote::kMaxLength + 1, QLatin1Char('x'));
    try {
        note.store(tooLong);
        FAIL() << "stored a note longer than the library keeps";
    } catch (const store::StoreError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::number(WaveformNote::kMaxLength)));
    }
    EXPECT_EQ(library.state(), store::DatasetState::Browse);
    EXPECT_EQ(note.current(), QStringLiteral("joint at 120 m\nwet"));
    note.store(QString(WaveformNote::kMaxLength, QLatin1Char('y')));
    EXPECT_EQ(note.current().size(), WaveformNote::kMaxLength);

    note.store(QStringLiteral(" \n "));
    EXPECT_TRUE(library.fieldByName(QStringLiteral("NOTE")).isNull());
}

// A library left without the field (one that refused it when opened, as a
// read-only file does): the editor says why and opens nothing.
TEST(WaveformNoteTest, libraryWithoutTheField_editorSaysWhyAndStoresNothing) {
    TempHome home;
    RecordingMessages boxes;
    const QString file = home.file(QStringLiteral("old.db"));
    previous_library::write(file, 1);
    const QStringList before = previous_library::rows(file);
    {
        // Opened as the lists are, which are never given library fields.
        Database db(QStringLiteral("old"), store::Schema::Kind::Lists);
        db.setPath(file);
        Dataset library(db, QStringLiteral("t_master"));
        library.setTableName(QStringLiteral("master"));
        library.open();
        tools::WaveformNoteDialog dialog(library);
        dialog.editCurrent();
        EXPECT_FALSE(dialog.isVisible());
        ASSERT_EQ(boxes.warnings.size(), 1);
        EXPECT_TRUE(boxes.warnings[0].contains(QDir::toNativeSeparators(file)))
            << boxes.warnings[0].toStdString();
        EXPECT_TRUE(boxes.warnings[0].contains(QStringLiteral("cannot keep notes")));
        EXPECT_THROW(WaveformNote(library).store(QStringLiteral("x")), store::StoreError);
        EXPECT_TRUE(WaveformNote(library).current().isEmpty());
    }
    EXPECT_EQ(previous_library::rows(file), before);
}
