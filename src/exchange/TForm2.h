#pragma once
#include "exchange/DeviceTransfers.h"
#include "exchange/WindowOpening.h"

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QTableView;
class QToolButton;

namespace store {
class DataModuleHost;
class DatasetTableModel;
class ViewState;
class TDataModule1;
} // namespace store

namespace gui {
class DbNavigator;
} // namespace gui

namespace exchange {

class TfrmComm;

// "connect with device": the database side above, the instrument side below
// and the transfer buttons between them. Shows DeviceTransfers and passes the
// user's commands to it; every exchange runs in the modal engine dialog.
class TForm2 : public QDialog, private DeviceTransfers::Window {
    Q_OBJECT
public:
    // mainWindow: the main window's type filter and redraw.
    TForm2(store::TDataModule1& dm, store::ViewState& state, store::DataModuleHost& mainWindow,
           QWidget* parent = nullptr);
    ~TForm2() override;

    DeviceTransfers& core() { return *core_; }

    // The engine dialog to run lists in (the one created at start-up); without
    // one the window makes its own on first use.
    void setEngineDialog(TfrmComm* engine) { engine_ = engine; }
    // What Open database shows to choose a library (a file or a server
    // address; empty: cancelled), given this window and the function to call
    // for every folder entered. The program gives its own Open database
    // dialog; without one the window shows a file dialog.
    using LibraryChooser =
        std::function<QString(QWidget* parent, const std::function<void(const QString&)>& folderEntered)>;
    void setLibraryChooser(LibraryChooser choose) { chooseLibrary_ = std::move(choose); }
    // Double click on the database-side waveform grid: connectGridDoubleClicked (the name editor).
    void DBGridEhConnectDblClick();

    QToolButton *SpeedButton1, *SpeedButtonCom, *SpeedButton3;
    QLabel* Label1;
    QComboBox* ComboBox_type2;
    QGroupBox *GroupBox_base, *GroupBox_device;
    QWidget *Panel_ku, *Panel_ku_dev, *Panel_transfer;
    QTableView *DBGridEh1, *DBGridEhConnect, *DBGridEh2, *DBGridEhList;
    gui::DbNavigator *Navigator_ku, *Navigator_connect, *Navigator_ku_dev, *Navigator_list;
    QToolButton *SpeedButton9, *SpeedButton5, *SpeedButton2;

signals:
    void connectGridDoubleClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildToolStrip(QWidget* strip);
    QWidget* buildTransferStrip();
    QTableView* grid(const char* name, const QString& accessible, store::DatasetTableModel* model,
                     const QStringList& hidden = {});
    void refresh();
    void FormShow(); // the window's opening: Refresh
    bool runEngine(CommandList& list) override;
    QString chooseLibraryFile(const std::function<void(const QString&)>& folderEntered) override;
    void viewChanged() override { refresh(); }

    std::unique_ptr<DeviceTransfers> core_;
    store::TDataModule1& dm_;
    TfrmComm* engine_ = nullptr;
    std::unique_ptr<TfrmComm> ownEngine_;
    WindowOpening opening_;
    LibraryChooser chooseLibrary_;
};

} // namespace exchange
