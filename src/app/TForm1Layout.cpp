// Construction of the main window's widgets. Every named control carries its
// name as objectName; controls without a visible label get an accessible name.
#include "app/TForm1.h"
#include "gui/DbNavigator.h"

#include <QActionGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace app {

namespace {
template <class W>
W* named(W* w, const char* name, const QString& hint = QString()) {
    w->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        w->setToolTip(hint);
        w->setStatusTip(hint);
    }
    return w;
}

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* b = named(new QToolButton(parent), name, hint);
    b->setText(text);
    // A screen reader reads a worded caption itself; a glyph ("<", "+") is named by its hint.
    if (!std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
        b->setAccessibleName(hint);
    return b;
}

QLineEdit* valueBox(QWidget* parent, const char* name, const QString& accessible, bool enabled) {
    auto* e = named(new QLineEdit(parent), name);
    e->setReadOnly(true);
    e->setEnabled(enabled);
    e->setAccessibleName(accessible);
    e->setMaximumWidth(90);
    return e;
}

QTableView* grid(QWidget* parent, const char* name, const QString& hint) {
    auto* g = named(new QTableView(parent), name, hint);
    g->setAccessibleName(hint);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->verticalHeader()->hide();
    return g;
}
} // namespace

void TForm1::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->setObjectName("mnFile");
    mnOpen = named(file->addAction(tr("Open database...")), "mnOpen");
    mnOpen->setShortcut(QKeySequence("Ctrl+O"));
    mnPrint = named(file->addAction(tr("Print...")), "mnPrint");
    mnPrint->setShortcut(QKeySequence("Ctrl+P"));
    mnImport = named(file->addAction(tr("Import...")), "mnImport");
    mnImport->setVisible(false);
    file->addSeparator();
    mnExportCsv = named(file->addAction(tr("Export waveform as CSV...")), "mnExportCsv");
    mnExportJson = named(file->addAction(tr("Export waveform as JSON...")), "mnExportJson");
    mnExportPng = named(file->addAction(tr("Export charts as PNG...")), "mnExportPng");
    mnExportSvg = named(file->addAction(tr("Export charts as SVG...")), "mnExportSvg");
    file->addSeparator();
    mnExit = named(file->addAction(tr("Exit")), "mnExit");
    mnExit->setShortcut(QKeySequence("Ctrl+F10"));

    QMenu* edit = menuBar()->addMenu(tr("Edit"));
    edit->setObjectName("mnEdit");
    mnUndoDelete = named(edit->addAction(tr("Undo delete")), "mnUndoDelete");
    mnUndoDelete->setShortcut(QKeySequence::Undo);
    mnUndoDelete->setEnabled(false);

    QMenu* view = menuBar()->addMenu(tr("View"));
    view->setObjectName("mnView");
    mnAproks = named(view->addAction(tr("Approximation")), "mnAproks");
    mnAproks->setCheckable(true);
    mnAproks->setChecked(true);
    mnScreen = named(view->addAction(tr("Screen")), "mnScreen");
    mnScreen->setCheckable(true);
    mnScreen->setChecked(true);
    mnDifference =
        named(view->addAction(tr("Difference")), "mnDifference",
              tr("The shown waveform minus the waveform selected in the compare table, on the lower chart"));
    mnDifference->setCheckable(true);
    mnEvents =
        named(view->addAction(tr("Events")), "mnEvents",
              tr("The shown waveform's launch end, echoes and line end, in a table and on the charts"));
    mnEvents->setCheckable(true);
    view->addSeparator();
    QMenu* units = view->addMenu(tr("Units"));
    units->setObjectName("mnUnits");
    auto* unitChoice = new QActionGroup(units);
    mnMetres = named(units->addAction(tr("Metres")), "mnMetres");
    mnFeet = named(units->addAction(tr("Feet")), "mnFeet");
    for (QAction* a : {mnMetres, mnFeet}) {
        a->setCheckable(true);
        unitChoice->addAction(a);
    }
    mnMetres->setChecked(true);

    QMenu* device = menuBar()->addMenu(tr("Device"));
    device->setObjectName("mnDevice");
    mnOptions = named(device->addAction(tr("Device connect settings...")), "mnOptions");
    mnConnect = named(device->addAction(tr("Connect...")), "mnConnect");

    mnAbout = named(menuBar()->addAction(tr("About...")), "mnAbout");
}

void TForm1::buildToolbar() {
    QToolBar* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btOpen = toolButton(bar, "btOpen", tr("Open database"), tr("To open a database"));
    btPrint = toolButton(bar, "btPrint", tr("Print"), tr("To print the report"));
    btImport = toolButton(bar, "btImport", tr("Import"), tr("Import waveform"));
    btConnect = toolButton(bar, "btConnect", tr("Connect"), tr("To open a waveforms "));
    btAproks = toolButton(bar, "btAproks", tr("Approximation"), tr("To display with approximation"));
    btScreen = toolButton(bar, "btScreen", tr("Screen"), tr("To show the second screen"));
    for (QToolButton* b : {btOpen, btPrint, btImport, btConnect, btAproks, btScreen}) bar->addWidget(b);
    bar->addSeparator();
    auto* typeLabel = named(new QLabel(tr(" Type "), bar), "Label_type");
    bar->addWidget(typeLabel);
    ComboBox_type = named(new QComboBox(bar), "ComboBox_type", tr("Device type selection"));
    ComboBox_type->addItems({"KMX-417", "KMX-419"});
    ComboBox_type->setAccessibleName(tr("Device type"));
    typeLabel->setBuddy(ComboBox_type);
    bar->addWidget(ComboBox_type);
}

QWidget* TForm1::buildControls() {
    Panel_controls = named(new QWidget(this), "Panel_controls");
    auto* g = new QGridLayout(Panel_controls);
    g->setContentsMargins(4, 4, 4, 4);
    Label_k1 = named(new QLabel(tr(" K1 "), Panel_controls), "Label_k1");
    Label_k1->setStyleSheet("background: yellow; color: black;");
    Label_k2 = named(new QLabel(tr(" К2 "), Panel_controls), "Label_k2");
    // The K2 line's colour: pure blue is hardly seen on the black plot.
    Label_k2->setStyleSheet("background: rgb(80, 160, 255); color: black;");
    SpeedButton_k1_dec = toolButton(Panel_controls, "SpeedButton_k1_dec", "<", tr("K1 back"));
    SpeedButton_k1_inc = toolButton(Panel_controls, "SpeedButton_k1_inc", ">", tr("K1 forward"));
    SpeedButton_k2_dec = toolButton(Panel_controls, "SpeedButton_k2_dec", "<", tr("K2 back"));
    SpeedButton_k2_inc = toolButton(Panel_controls, "SpeedButton_k2_inc", ">", tr("K2 forward"));
    Edit_k1 = valueBox(Panel_controls, "Edit_k1", tr("K1 distance"), true);
    Edit_k2 = valueBox(Panel_controls, "Edit_k2", tr("K2 distance"), true);
    Edit_l = valueBox(Panel_controls, "Edit_l", tr("Distance between cursors"), false);
    SpeedButton_ku_dec = toolButton(Panel_controls, "SpeedButton_ku_dec", "-", tr("Decrement PR"));
    SpeedButton_ku_inc = toolButton(Panel_controls, "SpeedButton_ku_inc", "+", tr("Increment PR"));
    Edit_ku = valueBox(Panel_controls, "Edit_ku", tr("PR"), false);
    SpeedButton3 = toolButton(Panel_controls, "SpeedButton3", tr("Set PR"), tr("Set PR"));
    SpeedButton_sdvig_dec = toolButton(Panel_controls, "SpeedButton_sdvig_dec", "v", tr("Vertical Offset"));
    SpeedButton_sdvig_inc = toolButton(Panel_controls, "SpeedButton_sdvig_inc", "^", tr("Vertical Offset"));
    Edit_sdvig = valueBox(Panel_controls, "Edit_sdvig", tr("Vertical offset"), false);
    SpeedButton_zoom_dec = toolButton(Panel_controls, "SpeedButton_zoom_dec", "-", tr("Zoom out"));
    SpeedButton_zoom_inc = toolButton(Panel_controls, "SpeedButton_zoom_inc", "+", tr("Zoom in"));
    Button_zoom = named(new QPushButton("1", Panel_controls), "Button_zoom", tr("Clear zoom"));
    Button_zoom->setAccessibleName(tr("Zoom factor"));

    int r = 0;
    auto row = [&](QWidget* label, QWidget* dec, QWidget* box, QWidget* inc) {
        if (label) g->addWidget(label, r, 0);
        g->addWidget(dec, r, 1);
        g->addWidget(box, r, 2);
        g->addWidget(inc, r, 3);
        ++r;
    };
    row(Label_k1, SpeedButton_k1_dec, Edit_k1, SpeedButton_k1_inc);
    row(Label_k2, SpeedButton_k2_dec, Edit_k2, SpeedButton_k2_inc);
    g->addWidget(named(new QLabel(tr(" L "), Panel_controls), "Label_l"), r, 0);
    g->addWidget(Edit_l, r++, 2);
    row(named(new QLabel(tr(" PR "), Panel_controls), "Label_ku"), SpeedButton_ku_dec, Edit_ku,
        SpeedButton_ku_inc);
    g->addWidget(SpeedButton3, r++, 2);
    row(named(new QLabel(tr(" Offset "), Panel_controls), "Label_sdvig"), SpeedButton_sdvig_dec, Edit_sdvig,
        SpeedButton_sdvig_inc);
    row(named(new QLabel(tr(" Zoom "), Panel_controls), "Label_zoom"), SpeedButton_zoom_dec, Button_zoom,
        SpeedButton_zoom_inc);

    DBGridEh3 = grid(Panel_controls, "DBGridEh3", tr("PR list"));
    g->addWidget(DBGridEh3, r++, 0, 1, 4);
    Navigator_ku = new gui::DbNavigator(
        "DBNavigator3",
        {tr("First PR"), tr("Previous PR"), tr("Next PR"), tr("Last PR"), tr("Add PR"), tr("Delete PR")},
        Panel_controls);
    g->addWidget(Navigator_ku, r++, 0, 1, 4);
    g->setRowStretch(r - 2, 1);
    Panel_controls->setFixedWidth(240);
    return Panel_controls;
}

QWidget* TForm1::buildCentral() {
    auto* central = named(new QWidget(this), "Panel_central");
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);

    auto* compare = named(new QWidget(central), "Panel_picture_table");
    auto* cl = new QVBoxLayout(compare);
    cl->setContentsMargins(0, 0, 0, 0);
    DBGridEh2 = grid(compare, "DBGridEh2", tr("Compare waveforms library"));
    cl->addWidget(DBGridEh2);
    auto* cbar = new QHBoxLayout;
    Navigator_picture = new gui::DbNavigator(
        "DBNavigator2",
        {tr("First waveform"), tr("Previous waveform"), tr("Next waveform"), tr("Last waveform")}, compare);
    SpeedButton_del_ref_picture =
        toolButton(compare, "SpeedButton_del_ref_picture", tr("Delete"), tr("Delete waveform"));
    cbar->addWidget(Navigator_picture);
    cbar->addWidget(SpeedButton_del_ref_picture);
    cl->addLayout(cbar);
    compare->setMaximumHeight(130);

    // Panel_main holds the charts; the waveform view switch shows or hides it
    // while the controls and the grids stay usable.
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildControls());
    Panel_main = named(new QWidget(central), "Panel_main");
    auto* charts = new QVBoxLayout(Panel_main);
    charts->setContentsMargins(0, 0, 0, 0);
    Panel_up_chart = named(new QWidget(Panel_main), "Panel_up_chart");
    Panel_up_chart->setLayout(new QVBoxLayout);
    Panel_up_chart->layout()->setContentsMargins(0, 0, 0, 0);
    Panel_down_chart = named(new QWidget(Panel_main), "Panel_down_chart");
    Panel_down_chart->setLayout(new QVBoxLayout);
    Panel_down_chart->layout()->setContentsMargins(0, 0, 0, 0);
    charts->addWidget(Panel_up_chart, 2);
    charts->addWidget(Panel_down_chart, 3);
    middle->addWidget(Panel_main, 1);
    EventGrid = grid(central, "EventGrid", tr("Events"));
    EventGrid->setMaximumWidth(380);
    EventGrid->setVisible(false);
    middle->addWidget(EventGrid);
    middle->addStretch(0);

    Panel_master_table = named(new QWidget(central), "Panel_master_table");
    auto* ml = new QVBoxLayout(Panel_master_table);
    ml->setContentsMargins(0, 0, 0, 0);
    DBGridEh1 = grid(Panel_master_table, "DBGridEh1", tr("Wavefroms library"));
    DBGridEh1->setAccessibleName(tr("Waveform library"));
    ml->addWidget(DBGridEh1);
    auto* mbar = new QHBoxLayout;
    Navigator_master = new gui::DbNavigator(
        "DBNavigator1",
        {tr("First waveform"), tr("Previous waveform"), tr("Next waveform"), tr("Last waveform")},
        Panel_master_table);
    SpeedButton_inc_ref_master = toolButton(Panel_master_table, "SpeedButton_inc_ref_master", tr("Add"),
                                            tr("Add in \"Compare waveforms library\""));
    SpeedButton_del_ref_master =
        toolButton(Panel_master_table, "SpeedButton_del_ref_master", tr("Delete"), tr("Delete waveform"));
    mbar->addWidget(Navigator_master);
    mbar->addWidget(SpeedButton_inc_ref_master);
    mbar->addWidget(SpeedButton_del_ref_master);
    ml->addLayout(mbar);

    auto* split = new QSplitter(Qt::Vertical, central);
    split->setObjectName("Splitter_master");
    auto* top = new QWidget(split);
    auto* tl = new QVBoxLayout(top);
    tl->setContentsMargins(0, 0, 0, 0);
    tl->addWidget(compare);
    tl->addLayout(middle, 1);
    split->addWidget(top);
    split->addWidget(Panel_master_table);
    split->setStretchFactor(0, 1);
    outer->addWidget(split);
    return central;
}

} // namespace app
