#include "ChkDevFixture.h"
#include "support/WindowSystem.h"

#include "exchange/ConnectCommand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using exchange::PortSettings;

TEST_F(ChkDevFixture, createdDialogShowsEveryControlWithItsText) {
    auto& d = dialog();
    EXPECT_EQ(d.windowTitle(), "Настройка параметров связи");
    EXPECT_EQ(d.Label2->text(), "Порт:");
    EXPECT_EQ(d.Label1->text(), "Тип прибора:");
    ASSERT_EQ(d.cb_PortNum->count(), 256);
    EXPECT_EQ(d.cb_PortNum->itemText(0), "COM1");
    EXPECT_EQ(d.cb_PortNum->itemText(255), "COM256");
    ASSERT_EQ(d.cbDevType->count(), 2);
    EXPECT_EQ(d.cbDevType->itemText(0), "KMX-417");
    EXPECT_EQ(d.cbDevType->itemText(1), "определяется, пожалуйста подождите...");
    EXPECT_FALSE(d.cbDevType->isEnabled());
    EXPECT_EQ(d.btType->text(), "Определить тип");
    EXPECT_FALSE(d.btType->isEnabled());
    EXPECT_EQ(d.chbShow->text(), "показывать это окно перед сеансом связи");
    EXPECT_EQ(d.btConnect->text(), "Связь");
    EXPECT_EQ(d.BitBtn1->text(), "Отмена");
    for (const char* name : {"cb_PortNum", "cbDevType", "chbShow", "btOK", "btConnect", "BitBtn1", "btType"})
        EXPECT_NE(d.findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(ChkDevFixture, settingsWithoutComSectionGivePortOneAndShownDialog_outOfRangePortFallsBackToOne) {
    writeSettings("[Form1]\nTop=1\n");
    auto& d = dialog();
    EXPECT_EQ(d.cb_PortNum->currentIndex(), 0);
    EXPECT_TRUE(d.chbShow->isChecked());

    writeSettings("[COM]\nPortNum=7\nShow=0\n");
    d.core().FormActivate();
    EXPECT_EQ(d.cb_PortNum->currentIndex(), 6);
    EXPECT_FALSE(d.chbShow->isChecked());

    writeSettings("[COM]\nPortNum=999\n");
    d.core().FormActivate();
    EXPECT_EQ(d.cb_PortNum->currentIndex(), 0);
    EXPECT_EQ(d.core().portNum(), 1);
}

TEST_F(ChkDevFixture, busyPortIsReportedAndPreviousPortReselected_settingsUntouched) {
    auto& d = dialog();
    d.core().FormActivate();
    const QByteArray before = settingsText();
    d.core().cb_PortNumChange(1); // COM2: held by another opener
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_EQ(messages.infos[0], "Порт уже используется");
    EXPECT_EQ(d.cb_PortNum->currentIndex(), 0);
    EXPECT_EQ(d.core().portNum(), 1);
    EXPECT_FALSE(d.port().active());
    EXPECT_EQ(settingsText(), before);
}

TEST_F(ChkDevFixture, missingPortIsReported_freePortIsTakenSilently) {
    auto& d = dialog();
    d.core().FormActivate();
    d.core().cb_PortNumChange(3); // COM4: no device
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_EQ(messages.infos[0], "Порт не найден");
    EXPECT_EQ(d.core().portNum(), 1);

    d.core().cb_PortNumChange(2); // COM3: free
    EXPECT_EQ(messages.infos.size(), 1);
    EXPECT_EQ(d.core().portNum(), 3);
    EXPECT_EQ(d.cb_PortNum->currentIndex(), 2);
    EXPECT_FALSE(d.port().active());
}

TEST_F(ChkDevFixture, okWritesPortAndShowKeepsOtherKeys_andAppliesTheTypeFilter) {
    auto& d = dialog();
    d.core().prepareForSettings();
    d.core().FormActivate();
    d.core().cb_PortNumChange(2);
    d.chbShow->setChecked(false);
    d.btOK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(settingsValue("PortNum"), 3);
    EXPECT_EQ(settingsValue("Show"), 0);
    const store::IniFile ini(home.file("Echolon.v41"));
    EXPECT_EQ(ini.readString("Form1", "Top", ""), "10");
    EXPECT_EQ(ini.readString("COM", "DeviceName", ""), home.file("tty%d"));
    EXPECT_EQ(host.filters(), 1);
    EXPECT_EQ(state.typeIndex(), 0);
}

TEST_F(ChkDevFixture, cancelRestoresPortAndCheckBoxFoundAtActivation) {
    auto& d = dialog();
    d.core().FormActivate();
    d.core().cb_PortNumChange(2);
    d.chbShow->setChecked(false);
    d.BitBtn1->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(d.cb_PortNum->currentIndex(), 0);
    EXPECT_EQ(d.core().portNum(), 1);
    EXPECT_TRUE(d.chbShow->isChecked());
    EXPECT_EQ(settingsValue("PortNum"), -99);
    EXPECT_EQ(host.filters(), 0);

    // Escape or the window's close button cancel the same way.
    d.core().FormActivate();
    d.chbShow->setChecked(false);
    d.reject();
    EXPECT_TRUE(d.chbShow->isChecked());
}

TEST_F(ChkDevFixture, restoreFromMinimised_keepsTheUnsavedChoice) {
    auto& d = dialog();
    d.show();
    d.chbShow->setChecked(false);
    minimiseAndRestore(d);
    EXPECT_FALSE(d.chbShow->isChecked());
    d.reject();
}

TEST_F(ChkDevFixture, activationFollowsMainTypeAndButtonsFollowTheMode) {
    auto& d = dialog();
    state.setTypeIndex(0);
    d.core().prepareForConnect();
    d.core().FormActivate();
    EXPECT_EQ(d.cbDevType->currentIndex(), 0);
    EXPECT_TRUE(d.core().view().okEnabled);
    EXPECT_TRUE(d.core().view().connectEnabled);
    EXPECT_FALSE(d.core().view().okVisible);
    EXPECT_TRUE(d.core().view().connectVisible);
    d.core().prepareForSettings();
    EXPECT_TRUE(d.core().view().okVisible);
    EXPECT_FALSE(d.core().view().connectVisible);

    d.core().cbDevTypeChange(2);
    EXPECT_FALSE(d.core().view().okEnabled);
    EXPECT_FALSE(d.core().view().connectEnabled);
    d.core().cbDevTypeChange(1);
    EXPECT_TRUE(d.core().view().connectEnabled);
}

TEST_F(ChkDevFixture, connectGoesStraightToExchangeWhenDialogIsSwitchedOff) {
    auto& d = dialog();
    int dialogs = 0, exchanges = 0;
    bool answer = true;
    exchange::ConnectCommand connect(
        d.core(),
        [&] {
            ++dialogs;
            d.core().FormActivate();
            if (!answer) return false;
            d.core().cb_PortNumChange(2);
            d.chbShow->setChecked(false);
            d.core().btConnectClick();
            return true;
        },
        [&] { ++exchanges; });

    answer = false;
    connect.bConnectClick(); // shown, cancelled: no exchange
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(exchanges, 0);

    answer = true;
    connect.bConnectClick(); // shown, Связь with port 3 and the box cleared
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(exchanges, 1);
    EXPECT_EQ(settingsValue("PortNum"), 3);
    EXPECT_EQ(settingsValue("Show"), 0);

    connect.bConnectClick(); // now straight to the exchange window
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(exchanges, 2);

    connect.mnOptionsClick();
    EXPECT_EQ(dialogs, 3);
    EXPECT_EQ(exchanges, 2);
    EXPECT_TRUE(d.core().view().okVisible);
}
