#include "app/MainController.h"

#include "app/CommandWindows.h"
#include "app/RecentServers.h"
#include "app/TypeCommands.h"
#include "app/ViewSettings.h"
#include "app/WindowState.h"
#include "store/DataModuleHost.h"
#include "store/ViewState.h"

#include "store/DatabaseFile.h"
#include "store/LibraryFileCommand.h"
#include "store/Messages.h"
#include "store/ServerAddress.h"
#include "store/TDataModule1.h"
#include "tools/AccessLibraryConverter.h"
#include "trace/TypePresets.h"

#include <QCoreApplication>

namespace app {

MainController::MainController(store::ViewState& state, WindowState& windowState, store::TDataModule1& dm,
                               const trace::ChartSet& charts, store::DataModuleHost& window,
                               CommandWindows& windows)
    : state_(state), windowState_(windowState), dm_(dm), charts_(charts), window_(window), windows_(windows) {
}

void MainController::ApplyDeviceFilter() {
    const store::ViewState::Batch batch(state_);
    // A type naming neither entry is shown as the first one, so the query is
    // always complete and the library never silently empty.
    if (state_.typeIndex() != 1) state_.setTypeIndex(0);
    showTypeCommands(windowState_, state_.typeIndex());
    if (state_.typeIndex() == 0) trace::TypePresets::SetPlanTypeMode(state_, charts_);
    else trace::TypePresets::SetWindowTypeMode(state_, charts_);
    const QString deviceType = store::TDataModule1::deviceTypeOf(state_.typeIndex());
    try {
        const store::TDataModule1::Purged purged = dm_.purgeCompareLibrary(deviceType);
        if (purged.count > 0) windows_.showNotice(compareEmptiedNotice(purged));
        dm_.applyTypeQuery(deviceType);
        state_.setMaxScale(60);
    } catch (const std::exception&) {
        // Errors while rebuilding the query leave the grids with what the
        // datasets hold; the redraw below shows that state.
    }
    window_.redraw(1);
}

QString MainController::compareEmptiedNotice(const store::TDataModule1::Purged& purged) {
    QString type = purged.deviceType;
    for (int index : {0, 1})
        if (store::TDataModule1::deviceTypeOf(index) == purged.deviceType) type = typeCaption(index);
    return purged.count == 1
               ? QCoreApplication::translate("MainController", "Compare library emptied: 1 waveform of %1")
                     .arg(type)
               : QCoreApplication::translate("MainController", "Compare library emptied: %1 waveforms of %2")
                     .arg(purged.count)
                     .arg(type);
}

void MainController::ComboBox_typeChange(int index) {
    state_.setTypeIndex(index);
    ApplyDeviceFilter();
}

void MainController::btOpenClick() {
    openLibrary(
        windows_.chooseLibraryFile([this](const QString& folder) { OpenDialogForm1FolderChange(folder); }));
}

void MainController::openLibrary(QString path) {
    const bool server = store::ServerAddress::isServerUrl(path);
    if (server) {
        // Told before anything is closed: the library in use stays open.
        const QString refusal = store::ServerAddress::refusal(path);
        if (!refusal.isEmpty()) {
            store::messages().error(refusal);
            return;
        }
    } else if (!path.isEmpty() && store::DatabaseFile::inspect(path) == store::DatabaseFile::Kind::Access) {
        path = convertAccessLibrary(path);
    }
    store::openChosenLibrary(dm_, state_, path, window_);
    if (server && dm_.registeredLibraryPath() == path) RecentServers::remember(path);
}

QString MainController::convertAccessLibrary(const QString& path) {
    const QString target = tools::AccessLibraryConverter::targetOf(path);
    if (!store::messages().confirm(
            QCoreApplication::translate("MainController",
                                        "%1 is a library in the Access format, which this program reads "
                                        "but never writes.\nConvert it into a new library %2 and open "
                                        "that? The original stays as it is.")
                .arg(path, target)))
        return {};
    QString converted;
    store::showErrors([&] { converted = tools::AccessLibraryConverter::convert(path); });
    return converted;
}

void MainController::OpenDialogForm1FolderChange(const QString& folder) {
    store::restoreLibraryInto(dm_, folder);
}

void MainController::bConnectClick() {
    if (state_.typeIndex() == 1) windows_.openWaveformFiles();
    else windows_.connectInstrument();
}

void MainController::mnOptionsClick() { windows_.showPortSettings(); }

void MainController::btImportClick() { windows_.importOldDatabase(); }

void MainController::mnAboutClick() { windows_.showAbout(); }

void MainController::btPrintClick() { windows_.printReport(); }

void MainController::mnUndoDeleteClick() {
    store::showErrors([this] {
        const int compare = dm_.t_picture.recordCount();
        dm_.undoDelete();
        // The note that the compare library was emptied is no longer true.
        if (dm_.t_picture.recordCount() > compare) windows_.showNotice(QString());
    });
}

} // namespace app
