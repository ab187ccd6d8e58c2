#include "store/Database.h"
#include "store/Dataset.h"
#include "support/TempHome.h"
#include "support/WindowSystem.h"
#include "tools/TfrmEdtFld.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using store::Database;
using store::Dataset;
using tools::TfrmEdtFld;

namespace {

class EdtFldTest : public ::testing::Test {
protected:
    EdtFldTest() : db(QStringLiteral("ecl41_data"), store::Schema::Kind::Library), library(db, "t_master") {
        db.setPath(home.file(QStringLiteral("Data/ecl41_data.db")));
        library.setSql(QStringLiteral("SELECT * FROM master WHERE DEVICE_TYPE = 'KM-41A1 ver.5'"));
        library.open();
    }

    void addWaveform(int recId, const QString& memo) {
        library.append();
        library.fieldByName("REC_ID").setInteger(recId);
        library.fieldByName("MEMO").setString(memo);
        library.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
        library.post();
    }

    QString memoAt(int row) { return library.valueAt(row, library.fieldIndex("MEMO")).toString(); }

    TempHome home;
    Database db;
    Dataset library;
};

} // namespace

TEST_F(EdtFldTest, controlsCarryTheirNamesAndTexts) {
    TfrmEdtFld dlg(library);
    EXPECT_EQ(dlg.windowTitle(), "Edit waveform name");
    ASSERT_NE(dlg.findChild<QLineEdit*>("edName"), nullptr);
    EXPECT_EQ(dlg.findChild<QPushButton*>("BitBtn1")->text(), "OK");
    EXPECT_EQ(dlg.findChild<QPushButton*>("BitBtn2")->text(), "Clear");
}

TEST_F(EdtFldTest, okStoresFirstHundredCharactersAndPosts) {
    addWaveform(1, "old");
    TfrmEdtFld dlg(library);
    dlg.FormActivate();
    EXPECT_EQ(dlg.edName->text(), "old");
    const QString longName = QString(100, QChar(u'Ж')) + QString(50, 'x');
    dlg.edName->setText(longName);
    dlg.BitBtn1Click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(library.state(), store::DatasetState::Browse);
    EXPECT_EQ(memoAt(0), QString(100, QChar(u'Ж')));
}

TEST_F(EdtFldTest, eachActivationShowsTheCurrentRecordsOwnName) {
    addWaveform(1, "first");
    addWaveform(2, "second");
    TfrmEdtFld dlg(library);
    library.first();
    dlg.show();
    EXPECT_EQ(dlg.edName->text(), "first");
    dlg.hide();
    library.last();
    dlg.show();
    EXPECT_EQ(dlg.edName->text(), "second");
    // A restore from minimised is no new activation: the typed name stays.
    dlg.edName->setText("typed");
    minimiseAndRestore(dlg);
    EXPECT_EQ(dlg.edName->text(), "typed");
    dlg.hide();
}

TEST_F(EdtFldTest, clearButtonClosesWithoutTouchingTheRecord) {
    addWaveform(1, "keep");
    TfrmEdtFld dlg(library);
    dlg.FormActivate();
    dlg.edName->setText("changed");
    dlg.BitBtn2->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(memoAt(0), "keep");
    EXPECT_EQ(dlg.edName->text(), "changed");
}

TEST_F(EdtFldTest, emptyLibraryShowsEmptyNameAndOkCreatesNoRecord) {
    TfrmEdtFld dlg(library);
    dlg.FormActivate();
    EXPECT_TRUE(dlg.edName->text().isEmpty());
    dlg.edName->setText("ghost");
    dlg.BitBtn1Click();
    EXPECT_EQ(library.recordCount(), 0);
}
