#include "app/MainProgram.h"

#include "app/InterruptedOperation.h"
#include "app/OpenLibraryDialog.h"
#include "app/tdr/TdrFolderImport.h"
#include "report/PrintAction.h"
#include "report/ReportChart.h"
#include "store/DatabaseFile.h"
#include "store/DialogFolders.h"
#include "store/Messages.h"
#include "store/OdbcRegistry.h"
#include "store/ServerAddress.h"
#include "store/Units.h"
#include "tools/ImportStarter.h"
#include "trace/SlotLayout.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLayout>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

namespace app {

MainProgram::MainProgram()
    : DBChart1(trace::SlotLayout::kUpperCount), TDBChart1(trace::SlotLayout::kLowerCount),
      charts(DBChart1, TDBChart1), toggles(windowState, charts), Form1(state, windowState) {
    Form1.Panel_up_chart->layout()->addWidget(DBChart1.view());
    Form1.Panel_down_chart->layout()->addWidget(TDBChart1.view());
    // Before the settings: the unit they hold titles the charts' distance axes.
    QObject::connect(&store::Units::notifier(), &store::UnitsNotifier::changed, &Form1, [this] {
        for (trace::Chart* chart :
             {static_cast<trace::Chart*>(&DBChart1), static_cast<trace::Chart*>(&TDBChart1),
              charts.upperCopy(), charts.lowerCopy()})
            if (chart) trace::SlotLayout::showDistanceUnit(*chart);
    });
    Form1.LoadSettings();
    // The settings give the toggles' inverse state: one run of each sets
    // picture, check mark and line style from the same path as a click.
    toggles.btScreenClick();
    toggles.btAproksClick();
    Form1.FormCreate();
}

MainProgram::~MainProgram() = default;

void MainProgram::start() {
    connectionNotice = std::make_unique<LibraryConnectionNotice>(Form1, state);
    DataModule1 = std::make_unique<store::TDataModule1>(state, *this);
    traceView =
        std::make_unique<trace::TraceView>(state, charts, DataModule1->t_master, DataModule1->t_picture);
    traceControls =
        std::make_unique<controls::TraceControlsWiring>(Form1, *DataModule1, *this, *traceView, TDBChart1);
    libraryGrids = std::make_unique<library::LibraryWiring>(Form1, *DataModule1, *this);
    events = std::make_unique<events::EventsWiring>(Form1, *DataModule1, *traceView, DBChart1, TDBChart1);
    controller = std::make_unique<MainController>(state, windowState, *DataModule1, charts, *this, *this);
    exports = std::make_unique<ExportActions>(state, windowState, *DataModule1, DBChart1, TDBChart1, &Form1);
    connectWindow();
    charts.attachCopies(*form_print.QRChart1, *form_print.QRChart2);
    convertRegisteredAccessLibrary();
    createDataModule();
    dialogs = std::make_unique<InstrumentDialogs>(*DataModule1, state, *this, &Form1);
    // The exchange window's Open database is the main window's: its dialog with
    // the server tab, and the conversion of an Access library.
    dialogs->Form2.setLibraryChooser([](QWidget* parent, const std::function<void(const QString&)>& entered) {
        OpenLibraryDialog dialog(parent, entered);
        return dialog.choose();
    });
    dialogs->Form2.core().setLibraryOpener([this](const QString& path) { controller->openLibrary(path); });
    QObject::connect(libraryGrids.get(), &library::LibraryWiring::libraryGridDoubleClicked, &Form1,
                     [this] { dialogs->DBGridEh1DblClick(); });
    QObject::connect(libraryGrids.get(), &library::LibraryWiring::libraryNoteRequested, &Form1,
                     [this] { dialogs->mnNoteClick(); });
    Form1.showState();
    store::showErrors([this] { InterruptedOperation::check(*DataModule1, *this); });
}

void MainProgram::SetWaveformViewEnabled(bool enabled) { Form1.SetWaveformViewEnabled(enabled); }

void MainProgram::SetCompareGridEnabled(bool enabled) { Form1.DBGridEh2->setEnabled(enabled); }

void MainProgram::applyDeviceFilter() { controller->ApplyDeviceFilter(); }

void MainProgram::updateRange() { traceView->UpdateRange(); }

void MainProgram::redraw(int mode) { traceView->Redraw(mode); }

QString MainProgram::chooseLibraryFile(const std::function<void(const QString&)>& folderEntered) {
    OpenLibraryDialog dialog(&Form1, folderEntered);
    return dialog.choose();
}

void MainProgram::openWaveformFiles() {
    const QString path =
        QFileDialog::getOpenFileName(&Form1, QCoreApplication::translate("MainProgram", "Open waveform"),
                                     store::DialogFolders::folderFor(store::DialogPurpose::Waveforms),
                                     QCoreApplication::translate("MainProgram", "Waveforms (*.tdr)"));
    if (path.isEmpty()) return;
    store::DialogFolders::remember(store::DialogPurpose::Waveforms, path);
    tdr::TdrFolderImport import(DataModule1->t_master, DataModule1->t_master2, *this);
    import.importFolderOf(path);
}

void MainProgram::connectInstrument() { dialogs->bConnectClick(); }

void MainProgram::showPortSettings() { dialogs->mnOptionsClick(); }

void MainProgram::importOldDatabase() {
    tools::ImportStarter::run(dialogs->Form2.core().executor(), state.typeIndex(), dialogs->frmImport);
}

void MainProgram::showAbout() { dialogs->mnAboutClick(); }

void MainProgram::showNotice(const QString& text) {
    // Long enough to be read after the charts have settled.
    constexpr int kNoticeMs = 20000;
    if (text.isEmpty()) Form1.statusBar()->clearMessage();
    else Form1.statusBar()->showMessage(text, kNoticeMs);
}

void MainProgram::printReport() {
    form_print.showEvents(events->events.reportLines());
    report::PrintAction::btPrintClick(form_print, state, *DataModule1, windowState.screenTag() == 0, &Form1);
}

void MainProgram::convertRegisteredAccessLibrary() {
    // Registered on another machine or by hand: offered before the store refuses it.
    store::OdbcRegistry registry;
    const QString path = registry.readDbq(store::TDataModule1::kLibraryAlias, QString());
    if (path.isEmpty() || store::DatabaseFile::inspect(path) != store::DatabaseFile::Kind::Access) return;
    const QString converted = controller->convertAccessLibrary(path);
    if (converted.isEmpty()) return;
    store::showErrors([&] { registry.writeDbq(store::TDataModule1::kLibraryAlias, converted); });
}

void MainProgram::createDataModule() {
    try {
        DataModule1->DataModuleCreate();
    } catch (const store::UnavailableLibraryError& e) {
        const QString registered = DataModule1->registeredLibraryPath();
        const QString local = QDir::toNativeSeparators(store::TDataModule1::libraryDefaultPath());
        const bool server = dynamic_cast<const store::ServerLibraryError*>(&e) != nullptr;
        const QString question =
            server ? QCoreApplication::translate(
                         "MainProgram", "%1\n\nOpen the local library %2 instead? The server library %3 "
                                        "can be opened again later with Open database.")
                         .arg(QString::fromUtf8(e.what()), local, store::ServerAddress::describe(registered))
                   : QCoreApplication::translate(
                         "MainProgram",
                         "%1\n\nOpen the local library %2 for this run instead? %3 stays the registered "
                         "library: "
                         "the next start opens it again once it is back (a USB stick plugged in, a network "
                         "folder reachable).")
                         .arg(QString::fromUtf8(e.what()), local, QDir::toNativeSeparators(registered));
        if (!store::messages().confirm(question)) throw;
        DataModule1->useLocalLibrary();
        DataModule1->DataModuleCreate();
    }
}

void MainProgram::libraryConnectionLost(const QString& why) { connectionNotice->lost(why); }

void MainProgram::libraryConnectionRestored(const QString& library) { connectionNotice->restored(library); }

void MainProgram::connectWindow() {
    MainController& c = *controller;
    QObject::connect(Form1.btOpen, &QToolButton::clicked, [&c] { c.btOpenClick(); });
    QObject::connect(Form1.mnOpen, &QAction::triggered, [&c] { c.btOpenClick(); });
    QObject::connect(Form1.btConnect, &QToolButton::clicked, [&c] { c.bConnectClick(); });
    QObject::connect(Form1.mnConnect, &QAction::triggered, [&c] { c.bConnectClick(); });
    QObject::connect(Form1.mnOptions, &QAction::triggered, [&c] { c.mnOptionsClick(); });
    QObject::connect(Form1.btImport, &QToolButton::clicked, [&c] { c.btImportClick(); });
    QObject::connect(Form1.mnImport, &QAction::triggered, [&c] { c.btImportClick(); });
    QObject::connect(Form1.mnAbout, &QAction::triggered, [&c] { c.mnAboutClick(); });
    QObject::connect(Form1.mnUndoDelete, &QAction::triggered, [&c] { c.mnUndoDeleteClick(); });
    QObject::connect(DataModule1.get(), &store::TDataModule1::undoDeleteAvailable, Form1.mnUndoDelete,
                     &QAction::setEnabled);
    QObject::connect(Form1.btPrint, &QToolButton::clicked, [&c] { c.btPrintClick(); });
    QObject::connect(Form1.mnPrint, &QAction::triggered, [&c] { c.btPrintClick(); });
    ExportActions& e = *exports;
    QObject::connect(Form1.mnExportCsv, &QAction::triggered, [&e] { e.mnExportCsvClick(); });
    QObject::connect(Form1.mnExportJson, &QAction::triggered, [&e] { e.mnExportJsonClick(); });
    QObject::connect(Form1.mnExportPng, &QAction::triggered, [&e] { e.mnExportPngClick(); });
    QObject::connect(Form1.mnExportSvg, &QAction::triggered, [&e] { e.mnExportSvgClick(); });
    QObject::connect(Form1.btAproks, &QToolButton::clicked, [this] { toggles.btAproksClick(); });
    QObject::connect(Form1.mnAproks, &QAction::triggered, [this] { toggles.btAproksClick(); });
    QObject::connect(Form1.btScreen, &QToolButton::clicked, [this] { toggles.btScreenClick(); });
    QObject::connect(Form1.mnScreen, &QAction::triggered, [this] { toggles.btScreenClick(); });
    QObject::connect(Form1.mnDifference, &QAction::toggled, [this](bool on) {
        state.setShowDifference(on);
        store::showErrors([this] { redraw(0); });
    });
    QObject::connect(Form1.ComboBox_type, &QComboBox::activated,
                     [&c](int index) { c.ComboBox_typeChange(index); });
}

} // namespace app
