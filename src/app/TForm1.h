#pragma once
#include "store/DataModuleHost.h"
#include "store/MainState.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class QWidget;

namespace app {

// The main window: toolbar, menus, status bar, trace controls, the three grids
// and the places of the two charts. It shows MainState and forwards events;
// the logic lives in the classes it is wired to.
class TForm1 : public QMainWindow, public store::DataModuleHost {
    Q_OBJECT
public:
    explicit TForm1(store::MainState& state, QWidget* parent = nullptr);

    store::MainState& state() { return state_; }

    // Settings file Echolon.v41, section Form1: read once at creation, written
    // once on a confirmed exit.
    void LoadSettings();
    void SaveSettings();
    void FormCreate();
    void mnExitClick();
    void Panel_master_tableResize();
    void btScreenClick();
    void btAproksClick();

    // DataModuleHost
    void SetWaveformViewEnabled(bool enabled) override;
    void applyDeviceFilter() override;
    void updateRange() override;
    void redraw(int mode) override;

    // Entry points installed by the start-up wiring (trace view, dialogs).
    std::function<void()> onApplyDeviceFilter;
    std::function<void()> onUpdateRange;
    std::function<void(int)> onRedraw;
    std::function<void()> onAproksToggle;
    std::function<void()> onScreenToggle;

    // Shows the state again (boxes, captions, enabled commands, title).
    void showState();

    // Named controls, reachable by tests and wiring.
    QAction *mnOpen, *mnPrint, *mnImport, *mnExit, *mnAproks, *mnScreen, *mnOptions, *mnConnect, *mnAbout;
    QToolButton *btOpen, *btPrint, *btImport, *btConnect, *btAproks, *btScreen;
    QComboBox* ComboBox_type;
    QWidget *Panel_main, *Panel_up_chart, *Panel_down_chart, *Panel_master_table, *Panel_controls;
    QLabel *Label_k1, *Label_k2;
    QToolButton *SpeedButton_k1_dec, *SpeedButton_k1_inc, *SpeedButton_k2_dec, *SpeedButton_k2_inc;
    QLineEdit *Edit_k1, *Edit_k2, *Edit_l, *Edit_ku, *Edit_sdvig;
    QToolButton *SpeedButton_ku_dec, *SpeedButton_ku_inc, *SpeedButton3;
    QToolButton *SpeedButton_sdvig_dec, *SpeedButton_sdvig_inc;
    QToolButton *SpeedButton_zoom_dec, *SpeedButton_zoom_inc;
    QPushButton* Button_zoom;
    QTableView *DBGridEh1, *DBGridEh2, *DBGridEh3;
    QWidget *Navigator_master, *Navigator_picture, *Navigator_ku;
    QToolButton *SpeedButton_inc_ref_master, *SpeedButton_del_ref_master, *SpeedButton_del_ref_picture;
    QLabel *StatusPanel0, *StatusPanel1;

protected:
    void closeEvent(QCloseEvent* e) override;
    // Leaving needs the user's yes; the view settings are saved then.
    bool FormClose();
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus();
    void buildToolbar();
    QWidget* buildControls();
    QWidget* buildCentral();

    store::MainState& state_;
    int tableHeight_ = 110;
};

} // namespace app
