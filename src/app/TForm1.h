#pragma once
#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class QWidget;

namespace store {
class ViewState;
}

namespace app {

class WindowState;
namespace controls {
class TraceControlsWiring;
}
namespace events {
class EventsWiring;
}
namespace library {
class LibraryWiring;
}

// The main window: toolbar, menus, status bar, trace controls, the three grids
// and the places of the two charts. It shows the waveform's and its own state
// and forwards events; the logic lives in the classes it is wired to.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(store::ViewState& state, WindowState& window, QWidget* parent = nullptr);

    store::ViewState& state() { return state_; }
    WindowState& windowState() { return window_; }

    // Settings file Echolon.v41, section Form1: read once at creation, written
    // once on a confirmed exit.
    void LoadSettings();
    void SaveSettings();
    // After LoadSettings and the two toggles' first run: the start-up state.
    void FormCreate();
    void mnExitClick();
    void Panel_master_tableResize();
    // The waveform panel and the commands that need a waveform.
    void SetWaveformViewEnabled(bool enabled);

    // Shows the state again (boxes, captions, enabled commands, title).
    void showState();

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
    void showToggles();

    store::ViewState& state_;
    WindowState& window_;
    int shownAproksTag_ = -1;
    int shownScreenTag_ = -1;
    int tableHeight_ = 110;

    // The named controls. Only the wiring classes named here touch them; tests find
    // them as the user's tools do, by their objectName.
    friend class MainProgram;
    friend class controls::TraceControlsWiring;
    friend class events::EventsWiring;
    friend class library::LibraryWiring;

    QAction *mnOpen, *mnPrint, *mnImport, *mnExit, *mnAproks, *mnScreen, *mnOptions, *mnConnect, *mnAbout;
    QAction *mnExportCsv, *mnExportJson, *mnExportPng, *mnExportSvg;
    QAction* mnUndoDelete;      // enabled while a deleted waveform can be restored
    QAction* mnDifference;      // the difference trace, off at start
    QAction* mnEvents;          // the event table beside the charts, off at start
    QAction *mnMetres, *mnFeet; // the unit distances are shown and typed in
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
    QTableView* EventGrid; // the shown waveform's events
    QWidget *Navigator_master, *Navigator_picture, *Navigator_ku;
    QToolButton *SpeedButton_inc_ref_master, *SpeedButton_del_ref_master, *SpeedButton_del_ref_picture;
    QLabel *StatusPanel0, *StatusPanel1;
};

} // namespace app
