#include "app/MainController.h"

#include "store/DatabaseFile.h"
#include "store/LibraryFileCommand.h"
#include "store/Messages.h"
#include "store/TDataModule1.h"
#include "tools/AccessLibraryConverter.h"
#include "trace/TypePresets.h"

namespace app {

MainController::MainController(store::MainState& state, store::TDataModule1& dm,
                               const trace::ChartSet& charts)
    : state_(state), dm_(dm), charts_(charts) {}

void MainController::ApplyDeviceFilter() {
    state_.connectCaption = "Connect";
    state_.mnConnectCaption = "Connect...";
    state_.importEnabled = true;
    state_.optionsEnabled = true;
    // A type naming neither entry is shown as the first one, so the query is
    // always complete and the library never silently empty.
    if (state_.typeIndex != 1) state_.typeIndex = 0;
    if (state_.typeIndex == 0)
        trace::TypePresets::SetPlanTypeMode(state_, charts_);
    else
        trace::TypePresets::SetWindowTypeMode(state_, charts_);
    const QString deviceType = store::TDataModule1::deviceTypeOf(state_.typeIndex);
    try {
        dm_.purgeCompareLibrary(deviceType);
        dm_.applyTypeQuery(deviceType);
        state_.maxScale = 60;
    } catch (const std::exception&) {
        // Errors while rebuilding the query leave the grids with what the
        // datasets hold; the redraw below shows that state.
    }
    state_.notify();
    if (redraw) redraw(1);
}

void MainController::ComboBox_typeChange(int index) {
    state_.typeIndex = index;
    ApplyDeviceFilter();
}

void MainController::btOpenClick() {
    if (!chooseLibraryFile) return;
    QString path = chooseLibraryFile([this](const QString& folder) { OpenDialogForm1FolderChange(folder); });
    if (!path.isEmpty() && store::DatabaseFile::inspect(path) == store::DatabaseFile::Kind::Access)
        path = convertAccessLibrary(path);
    store::openChosenLibrary(dm_, state_, path, redraw);
}

QString MainController::convertAccessLibrary(const QString& path) {
    const QString target = tools::AccessLibraryConverter::targetOf(path);
    if (!store::messages().confirm(
            QStringLiteral("%1 is a library in the Access format, which this program reads "
                           "but never writes.\nConvert it into a new library %2 and open "
                           "that? The original stays as it is.")
                .arg(path, target)))
        return {};
    try {
        return tools::AccessLibraryConverter::convert(path);
    } catch (const std::exception& e) {
        store::messages().error(QString::fromUtf8(e.what()));
        return {};
    }
}

void MainController::OpenDialogForm1FolderChange(const QString& folder) {
    store::restoreLibraryInto(dm_, folder);
}

void MainController::bConnectClick() {
    if (state_.typeIndex == 1) {
        if (openWaveformFiles) openWaveformFiles();
        return;
    }
    if (connectInstrument) connectInstrument();
}

void MainController::mnOptionsClick() {
    if (showPortSettings) showPortSettings();
}

void MainController::btImportClick() {
    if (importOldDatabase) importOldDatabase();
}

void MainController::mnAboutClick() {
    if (showAbout) showAbout();
}

void MainController::btPrintClick() {
    if (printReport) printReport();
}

} // namespace app
