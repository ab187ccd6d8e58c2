#include "app/TForm1.h"

#include "app/ViewSettings.h"
#include "app/WindowState.h"
#include "store/IniFile.h"
#include "store/Messages.h"
#include "store/ProgramFolder.h"
#include "store/ProgramTitle.h"
#include "store/Units.h"
#include "store/ViewState.h"
#include "trace/ButtonPictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

namespace app {

TForm1::TForm1(store::ViewState& state, WindowState& window, QWidget* parent)
    : QMainWindow(parent), state_(state), window_(window) {
    setObjectName("Form1");
    setWindowTitle(store::programTitle());
    setMinimumSize(800, 600);
    buildMenus();
    buildToolbar();
    setCentralWidget(buildCentral());

    StatusPanel0 = new QLabel(this);
    StatusPanel0->setObjectName("StatusBar1_Panel0");
    StatusPanel0->setFixedWidth(300);
    StatusPanel1 = new QLabel(this);
    StatusPanel1->setObjectName("StatusBar1_Panel1");
    // At least 250 pixels wide; it grows for a note that needs more.
    StatusPanel1->setMinimumWidth(250);
    statusBar()->setObjectName("StatusBar1");
    statusBar()->addWidget(StatusPanel0);
    // Permanent, so that a control's hint never covers a note on why nothing is drawn.
    statusBar()->addPermanentWidget(StatusPanel1);

    Edit_k1->installEventFilter(this);
    Edit_k2->installEventFilter(this);
    connect(&state_, &store::ViewState::changed, this, &TForm1::showState);
    connect(&window_, &WindowState::changed, this, &TForm1::showState);
    connect(mnExit, &QAction::triggered, this, &TForm1::mnExitClick);
    connect(mnMetres, &QAction::triggered, this, [] { store::Units::setCurrent(store::LengthUnit::Metres); });
    connect(mnFeet, &QAction::triggered, this, [] { store::Units::setCurrent(store::LengthUnit::Feet); });
    connect(&store::Units::notifier(), &store::UnitsNotifier::changed, this, &TForm1::showState);
}

void TForm1::LoadSettings() {
    const ViewSettings s = ViewSettings::load(store::IniFile(store::settingsFilePath()));
    const store::ViewState::Batch batch(state_);
    state_.setTypeIndex(s.typeIndex);
    ComboBox_type->setCurrentIndex(s.typeIndex);
    state_.setEditK1(s.k1);
    state_.setPosK1(s.posK1);
    state_.setEditK2(s.k2);
    state_.setPosK2(s.posK2);
    state_.setEditKu(s.ku);
    state_.setZoomCaption(s.zoom);
    // The toggles run once on the inverse state so that picture, check mark and
    // line style all follow from one path.
    window_.setAproksTag(s.smoothing ? 1 : 0);
    window_.setScreenTag(s.screenHidden ? 0 : 1);
    Panel_master_table->resize(Panel_master_table->width(), s.tableHeight);
    tableHeight_ = s.tableHeight;
    store::Units::setCurrent(s.units);
    window_.setEventsShown(s.events);
}

void TForm1::SaveSettings() {
    store::IniFile ini(store::settingsFilePath());
    ViewSettings s;
    s.typeIndex = state_.typeIndex() < 0 ? 0 : state_.typeIndex();
    s.k1 = state_.editK1();
    s.posK1 = state_.posK1();
    s.k2 = state_.editK2();
    s.posK2 = state_.posK2();
    s.ku = state_.editKu();
    s.zoom = state_.zoomCaption();
    s.smoothing = window_.aproksTag() == 0;
    s.screenHidden = window_.screenTag() != 0;
    s.tableHeight = Panel_master_table->isVisible() ? Panel_master_table->height() : tableHeight_;
    s.units = store::Units::current();
    s.events = window_.eventsShown();
    s.save(ini);
    if (!ini.save()) store::messages().error(ini.errorString());
}

void TForm1::FormCreate() {
    state_.setWaveSource(1);
    DBGridEh1->setFocus();
    state_.setZoomMin(1);
    state_.setZoomMax(1);
    showState();
}

void TForm1::mnExitClick() { close(); }

void TForm1::closeEvent(QCloseEvent* e) {
    if (FormClose()) e->accept();
    else e->ignore();
}

bool TForm1::FormClose() {
    if (!store::messages().confirm(tr("Exit?"))) return false;
    SaveSettings();
    return true;
}

void TForm1::Panel_master_tableResize() { Panel_master_table->setMaximumHeight(qMax(0, height() - 450)); }

void TForm1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    Panel_master_tableResize();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress && window_.cursorLabelsEnabled()) {
        if (watched == Edit_k1) window_.setActiveCursor(1);
        if (watched == Edit_k2) window_.setActiveCursor(2);
        if (watched == Edit_k1 || watched == Edit_k2) showState();
    }
    return QMainWindow::eventFilter(watched, e);
}

void TForm1::SetWaveformViewEnabled(bool enabled) {
    Panel_main->setEnabled(enabled);
    Panel_main->setVisible(enabled);
    for (QToolButton* b : {btPrint, btAproks, btScreen}) b->setEnabled(enabled);
    for (QAction* a :
         {mnPrint, mnAproks, mnScreen, mnDifference, mnExportCsv, mnExportJson, mnExportPng, mnExportSvg})
        a->setEnabled(enabled);
    mnEvents->setEnabled(enabled);
    EventGrid->setVisible(enabled && window_.eventsShown());
}

void TForm1::showState() {
    setWindowTitle(state_.title());
    // The boxes keep metres; feet are shown here only.
    Edit_k1->setText(store::Units::show(state_.editK1()));
    Edit_k2->setText(store::Units::show(state_.editK2()));
    Edit_l->setText(store::Units::show(state_.editL()));
    mnMetres->setChecked(store::Units::current() == store::LengthUnit::Metres);
    mnFeet->setChecked(store::Units::current() == store::LengthUnit::Feet);
    Edit_ku->setText(state_.editKu().text());
    Edit_sdvig->setText(QString::number(state_.editSdvig()));
    StatusPanel1->setText(state_.statusNote());
    StatusPanel1->setToolTip(state_.statusNote());
    Button_zoom->setText(state_.zoomCaption().text());
    if (ComboBox_type->currentIndex() != state_.typeIndex())
        ComboBox_type->setCurrentIndex(state_.typeIndex());
    btConnect->setText(window_.connectCaption());
    mnConnect->setText(window_.mnConnectCaption());
    btImport->setEnabled(window_.importEnabled());
    mnImport->setEnabled(window_.importEnabled());
    mnOptions->setEnabled(window_.optionsEnabled());
    for (QWidget* w : {static_cast<QWidget*>(SpeedButton_zoom_dec),
                       static_cast<QWidget*>(SpeedButton_zoom_inc), static_cast<QWidget*>(Button_zoom)})
        w->setEnabled(window_.zoomControlsEnabled());
    showToggles();
    Label_k1->setEnabled(window_.cursorLabelsEnabled());
    Label_k2->setEnabled(window_.cursorLabelsEnabled());
    auto style = [](QLabel* l, bool active) {
        QFont f = l->font();
        f.setBold(active);
        f.setUnderline(active);
        l->setFont(f);
    };
    style(Label_k1, window_.activeCursor() == 1);
    style(Label_k2, window_.activeCursor() == 2);
}

// The pictures are loaded only when a tag changes: the state changes with every
// auto-repeat step.
void TForm1::showToggles() {
    if (shownAproksTag_ != window_.aproksTag()) {
        btAproks->setIcon(trace::ButtonPictures::aproksIcon(window_.aproksTag()));
        shownAproksTag_ = window_.aproksTag();
    }
    if (shownScreenTag_ != window_.screenTag()) {
        btScreen->setIcon(trace::ButtonPictures::screenIcon(window_.screenTag()));
        shownScreenTag_ = window_.screenTag();
    }
    mnAproks->setChecked(window_.aproksTag() == 0);
    mnScreen->setChecked(window_.screenTag() == 0);
    Panel_up_chart->setVisible(window_.screenTag() == 0);
    mnEvents->setChecked(window_.eventsShown());
    EventGrid->setVisible(window_.eventsShown() && Panel_main->isEnabled());
}

} // namespace app
