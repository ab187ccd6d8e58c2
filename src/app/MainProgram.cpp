#include "app/MainProgram.h"

#include "app/tdr/TdrFolderImport.h"
#include "report/ReportWiring.h"
#include "store/DatabaseFile.h"
#include "store/Messages.h"
#include "store/OdbcRegistry.h"
#include "tools/ImportStarter.h"
#include "trace/ButtonPictures.h"
#include "trace/LineStyle.h"
#include "trace/SlotLayout.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QLayout>
#include <QToolButton>

namespace app {

MainProgram::MainProgram()
    : DBChart1(trace::SlotLayout::UpperCount), TDBChart1(trace::SlotLayout::LowerCount),
      charts(DBChart1, TDBChart1), Form1(state) {
    DBChart1.view()->setObjectName("DBChart1");
    DBChart1.view()->setAccessibleName("Waveform overview");
    TDBChart1.view()->setObjectName("TDBChart1");
    TDBChart1.view()->setAccessibleName("Waveform detail");
    Form1.Panel_up_chart->layout()->addWidget(DBChart1.view());
    Form1.Panel_down_chart->layout()->addWidget(TDBChart1.view());
    Form1.onAproksToggle = [this] {
        trace::LineStyle::btAproksClick(state, charts);
        Form1.btAproks->setIcon(trace::ButtonPictures::aproksIcon(state.aproksTag));
    };
    Form1.onScreenToggle = [this] {
        state.screenTag = state.screenTag != 0 ? 0 : 1;
        Form1.btScreen->setIcon(trace::ButtonPictures::screenIcon(state.screenTag));
    };
    Form1.FormCreate();
}

MainProgram::~MainProgram() = default;

void MainProgram::start() {
    DataModule1 = std::make_unique<store::TDataModule1>(state, Form1);
    traceView = std::make_unique<trace::TraceView>(state, charts, DataModule1->t_master, DataModule1->t_picture);
    traceControls = std::make_unique<controls::TraceControlsWiring>(Form1, *DataModule1, *traceView, TDBChart1);
    libraryGrids = std::make_unique<library::LibraryWiring>(Form1, *DataModule1);
    controller = std::make_unique<MainController>(state, *DataModule1, charts);
    wireWindow();
    report::ReportWiring::attachCharts(form_print, charts);
    controller->printReport = report::ReportWiring::printHandler(form_print, state, *DataModule1, &Form1);
    controller->openWaveformFiles = [this] { openWaveformFiles(); };
    convertRegisteredAccessLibrary();
    DataModule1->DataModuleCreate();
    dialogs = std::make_unique<tools::InstrumentDialogs>(
        *DataModule1, state, &Form1, [this] { controller->ApplyDeviceFilter(); },
        [this](int mode) { Form1.redraw(mode); });
    controller->connectInstrument = [this] { dialogs->bConnectClick(); };
    controller->showPortSettings = [this] { dialogs->mnOptionsClick(); };
    controller->showAbout = [this] { dialogs->mnAboutClick(); };
    controller->importOldDatabase = [this] {
        tools::ImportStarter::run(dialogs->Form2.core().executor(), state.typeIndex, dialogs->frmImport);
    };
    libraryGrids->gridEvents().showNameEditor = [this] { dialogs->DBGridEh1DblClick(); };
    Form1.showState();
}

void MainProgram::convertRegisteredAccessLibrary() {
    // Registered on another machine or by hand: offered before the store refuses it.
    store::OdbcRegistry registry;
    const QString path = registry.readDbq(store::TDataModule1::LibraryAlias, QString());
    if (path.isEmpty() || store::DatabaseFile::inspect(path) != store::DatabaseFile::Kind::Access) return;
    const QString converted = controller->convertAccessLibrary(path);
    if (converted.isEmpty()) return;
    try {
        registry.writeDbq(store::TDataModule1::LibraryAlias, converted);
    } catch (const std::exception& e) {
        store::messages().error(QString::fromUtf8(e.what()));
    }
}

void MainProgram::openWaveformFiles() {
    const QString path = QFileDialog::getOpenFileName(&Form1, "Open waveform", QString(), "Waveforms (*.tdr)");
    if (path.isEmpty()) return;
    tdr::TdrFolderImport import(DataModule1->t_master, DataModule1->t_master2,
                                [this] { controller->ApplyDeviceFilter(); });
    import.importFolderOf(path);
}

void MainProgram::wireWindow() {
    MainController& c = *controller;
    Form1.onApplyDeviceFilter = [&c] { c.ApplyDeviceFilter(); };
    Form1.onRedraw = [this](int mode) { traceView->Redraw(mode); };
    Form1.onUpdateRange = [this] { traceView->UpdateRange(); };
    c.redraw = [this](int mode) { traceView->Redraw(mode); };
    c.chooseLibraryFile = [this](const std::function<void(const QString&)>& folderEntered) {
        QFileDialog dialog(&Form1, "Open database");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({"Databases (*.db *.mdb)", "All files (*)"});
        QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, folderEntered);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
    QObject::connect(Form1.btOpen, &QToolButton::clicked, [&c] { c.btOpenClick(); });
    QObject::connect(Form1.mnOpen, &QAction::triggered, [&c] { c.btOpenClick(); });
    QObject::connect(Form1.btConnect, &QToolButton::clicked, [&c] { c.bConnectClick(); });
    QObject::connect(Form1.mnConnect, &QAction::triggered, [&c] { c.bConnectClick(); });
    QObject::connect(Form1.mnOptions, &QAction::triggered, [&c] { c.mnOptionsClick(); });
    QObject::connect(Form1.btImport, &QToolButton::clicked, [&c] { c.btImportClick(); });
    QObject::connect(Form1.mnImport, &QAction::triggered, [&c] { c.btImportClick(); });
    QObject::connect(Form1.mnAbout, &QAction::triggered, [&c] { c.mnAboutClick(); });
    QObject::connect(Form1.btPrint, &QToolButton::clicked, [&c] { c.btPrintClick(); });
    QObject::connect(Form1.mnPrint, &QAction::triggered, [&c] { c.btPrintClick(); });
    QObject::connect(Form1.btAproks, &QToolButton::clicked, [this] { Form1.btAproksClick(); });
    QObject::connect(Form1.mnAproks, &QAction::triggered, [this] { Form1.btAproksClick(); });
    QObject::connect(Form1.btScreen, &QToolButton::clicked, [this] { Form1.btScreenClick(); });
    QObject::connect(Form1.mnScreen, &QAction::triggered, [this] { Form1.btScreenClick(); });
    QObject::connect(Form1.ComboBox_type, &QComboBox::activated, [&c](int index) { c.ComboBox_typeChange(index); });
}

} // namespace app
