#pragma once
#include "exchange/CommPort.h"
#include "exchange/ExchangeEngine.h"
#include "gui/Clock.h"

#include "exchange/WindowOpening.h"

#include <QDialog>
#include <QTimer>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace exchange {

// The modal exchange dialog "Идет обмен данными...": shows the engine's
// progress and its "Стоп" button. The caller sets the command list and runs
// exec(): Accepted when the last command completed, Rejected otherwise.
class TfrmComm : public QDialog {
    Q_OBJECT
public:
    // With the serial port of the settings file and real timers.
    explicit TfrmComm(QWidget* parent = nullptr);
    // With a given port and clock (tests, the simulated line).
    TfrmComm(std::unique_ptr<CommPort> port, std::unique_ptr<gui::Clock> clock, QWidget* parent = nullptr);
    ~TfrmComm() override;

    void setCommands(CommandList* commands) { engine_->setCommands(commands); }
    ExchangeEngine& engine() { return *engine_; }
    CommPort& port() { return *port_; }

    QLabel* lbFrameNum = nullptr;
    QLabel* lbFileNum = nullptr;
    QLabel* lbProgress = nullptr;
    QProgressBar* pbFile = nullptr;
    QProgressBar* pbTotal = nullptr;
    QPushButton* btStop = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormActivate();
    void refresh();

    // The controls follow the engine ten times a second: painting them on
    // every step would cost more than the step itself.
    static constexpr int kRefreshInterval = 100;

    std::unique_ptr<CommPort> port_;
    std::unique_ptr<gui::Clock> clock_;
    std::unique_ptr<ExchangeEngine> engine_;
    QTimer refreshTimer_;
    bool dirty_ = false;
    bool closing_ = false;
    WindowOpening opening_;
};

} // namespace exchange
