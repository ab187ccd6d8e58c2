#include "tools/TfrmImport.h"
#include "OldDatabaseFixture.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "tools/ImportCommandList.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

using tools::TfrmImport;

namespace {

class VectorList : public tools::ImportCommandList {
public:
    QString firstCommand() const override { return entries.isEmpty() ? QString() : entries.first().command; }
    void clear() override { entries.clear(); }
    void append(const tools::ImportEntry& e) override { entries.push_back(e); }
    QVector<tools::ImportEntry> entries;
};

template <typename W>
W* child(QWidget& form, const char* name) {
    W* w = form.findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(TfrmImportTest, controlsCarryTheirNamesAndTexts) {
    TfrmImport form;
    EXPECT_EQ(form.windowTitle(), "Импорт данных из ранней версии Echolon");
    EXPECT_EQ(child<QLabel>(form, "lbVer")->text(), "Версия Echolon");
    EXPECT_EQ(child<QLabel>(form, "lbFile")->text(), "Путь к файлам БД");
    EXPECT_FALSE(child<QComboBox>(form, "cbSoftVer")->isEnabled());
    EXPECT_EQ(child<QPushButton>(form, "btFile")->text(), "Открыть");
    EXPECT_EQ(child<QPushButton>(form, "btFile")->toolTip(), "Открыть файл(ы) БД для импортирования");
    EXPECT_EQ(child<QPushButton>(form, "btStart")->text(), "Старт");
    EXPECT_EQ(child<QPushButton>(form, "btStart")->toolTip(), "Начать обработку файла");
    EXPECT_EQ(child<QPushButton>(form, "btSave")->text(), "Записать в БД");
    EXPECT_EQ(child<QPushButton>(form, "BitBtn1")->text(), "Отмена");
    child<QProgressBar>(form, "pbImport");
    child<QLabel>(form, "lbProgress");

    form.FormActivate();
    EXPECT_EQ(child<QLineEdit>(form, "edDir")->text(), "!!! не задан !!!");
    EXPECT_EQ(child<QComboBox>(form, "cbSoftVer")->currentText(), "Echolon 4.0");
    EXPECT_FALSE(child<QPushButton>(form, "btStart")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(form, "btSave")->isEnabled());
}

TEST(TfrmImportTest, buttonsDriveTheImportAndSaveAccepts) {
    TempHome home;
    RecordingMessages messages;
    const QString file = home.file("ecl40_data.mdb");
    ASSERT_TRUE(writeOldDatabase(file, {{1, oldBlock(385)}, {2, oldBlock(385)}}));
    VectorList list;
    list.entries.push_back({"04010001", {}});

    TfrmImport form;
    form.core().setCommandList(&list);
    form.FormActivate();
    int asked = 0;
    form.setFileChooser([&] {
        ++asked;
        return asked == 1 ? QString() : file;
    });
    child<QPushButton>(form, "btFile")->click(); // cancelled: nothing changes
    EXPECT_EQ(child<QLineEdit>(form, "edDir")->text(), "!!! не задан !!!");
    child<QPushButton>(form, "btFile")->click();
    EXPECT_EQ(child<QLineEdit>(form, "edDir")->text(), file);
    ASSERT_TRUE(child<QPushButton>(form, "btStart")->isEnabled());

    child<QPushButton>(form, "btStart")->click();
    EXPECT_EQ(list.entries.size(), 2);
    EXPECT_EQ(child<QProgressBar>(form, "pbImport")->value(), 2);
    EXPECT_EQ(child<QLabel>(form, "lbProgress")->text(), "Обработано 2 записей из 2");
    ASSERT_TRUE(child<QPushButton>(form, "btSave")->isEnabled());

    child<QPushButton>(form, "btSave")->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(child<QPushButton>(form, "btSave")->isEnabled());
}

TEST(TfrmImportTest, failureGoesToTheErrorDisplayAndTheDialogStays) {
    TempHome home;
    RecordingMessages messages;
    TfrmImport form;
    form.FormActivate();
    form.setFileChooser([&] { return home.file("nowhere/ecl40_data.mdb"); });
    child<QPushButton>(form, "btFile")->click();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].startsWith("Один или несколько файлов базы данных не найдены"));
    EXPECT_FALSE(child<QPushButton>(form, "btStart")->isEnabled());
}

} // namespace
