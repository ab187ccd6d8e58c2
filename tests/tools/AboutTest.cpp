#include "support/TempHome.h"
#include "tools/AboutLogo.h"
#include "tools/TfrmAbout.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using tools::TfrmAbout;

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

TEST(AboutTest, withoutVersionFileShowsDefaultVersion) {
    TempHome home;
    TfrmAbout dlg;
    EXPECT_EQ(dlg.windowTitle(), "About... ");
    EXPECT_EQ(dlg.lbVer->text(), "Echolon 4.1.1.127");
}

TEST(AboutTest, versionComesFromKestrelDofOnlyWhenSectionAndKeyArePresent) {
    TempHome home;
    writeFile(home.file("Kestrel.dof"), "[Directories]\r\nFileVersion=9.9\r\n[Version Info Keys]\r\n"
                                        "CompanyName=x\r\nFileVersion=4.1.2.5\r\n");
    EXPECT_EQ(TfrmAbout().lbVer->text(), "Echolon 4.1.2.5");

    writeFile(home.file("Kestrel.dof"), "[Version Info Keys]\r\nProductVersion=4.2\r\n");
    EXPECT_EQ(TfrmAbout().lbVer->text(), "Echolon 4.1.1.127");

    writeFile(home.file("Kestrel.dof"), QByteArray("\0\xff\xfe garbage", 11));
    EXPECT_EQ(TfrmAbout().lbVer->text(), "Echolon 4.1.1.127");
}

TEST(AboutTest, versionIsReadOnceAtCreation) {
    TempHome home;
    TfrmAbout dlg;
    writeFile(home.file("Kestrel.dof"), "[Version Info Keys]\nFileVersion=4.1.2.5\n");
    dlg.show();
    EXPECT_EQ(dlg.lbVer->text(), "Echolon 4.1.1.127");
    dlg.hide();
}

TEST(AboutTest, showsLogoFiveContactLinesAndDefaultOk) {
    TempHome home;
    TfrmAbout dlg;
    EXPECT_EQ(dlg.Memo1->toPlainText().split('\n').size(), 5);
    EXPECT_TRUE(dlg.Memo1->isReadOnly());
    // The program's logo, whole: scaled into its place, not cut.
    ASSERT_FALSE(dlg.ProgramIcon->pixmap().isNull());
    EXPECT_EQ(dlg.ProgramIcon->pixmap().toImage(), tools::AboutLogo::picture().toImage());
    EXPECT_TRUE(dlg.ProgramIcon->hasScaledContents());
    EXPECT_TRUE(dlg.OKButton->isDefault());
    dlg.OKButton->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}
