#pragma once
#include "exchange/PortSettings.h"

#include "exchange/WindowOpening.h"

#include <QDialog>
#include <QTimer>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace store {
class DataModuleHost;
class ViewState;
} // namespace store

namespace exchange {

// "Настройка параметров связи": shows PortSettings and passes the user's
// choices to it. Closing the window or Escape acts as "Отмена".
class TfrmChkDev : public QDialog, private PortSettings::Window {
    Q_OBJECT
public:
    // With the serial port named by the settings file and real timers.
    // mainWindow's type filter is applied after OK.
    TfrmChkDev(store::ViewState& state, store::DataModuleHost& mainWindow, QWidget* parent = nullptr);
    // With a given port and clock (tests).
    TfrmChkDev(store::ViewState& state, store::DataModuleHost& mainWindow, std::unique_ptr<CommPort> port,
               std::unique_ptr<gui::Clock> clock, QWidget* parent = nullptr);
    ~TfrmChkDev() override;

    PortSettings& core() { return *core_; }
    CommPort& port() { return *port_; }

    QLabel* Label2;
    QComboBox* cb_PortNum;
    QLabel* Label1;
    QComboBox* cbDevType;
    QPushButton* btType;
    QCheckBox* chbShow;
    QPushButton* btOK;
    QPushButton* btConnect;
    QPushButton* BitBtn1;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void refresh();
    void viewChanged() override { refresh(); }
    void closeDialog(bool accepted) override;
    void confirm();

    std::unique_ptr<CommPort> port_;
    std::unique_ptr<gui::Clock> clock_;
    std::unique_ptr<PortSettings> core_;
    WindowOpening opening_;
    QTimer rescanTimer_;
    static constexpr int kRescanInterval = 1000;
};

} // namespace exchange
