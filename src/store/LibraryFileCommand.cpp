#include "store/LibraryFileCommand.h"

#include "store/DataModuleHost.h"
#include "store/ViewState.h"
#include "store/Messages.h"
#include "store/TDataModule1.h"

namespace store {

void openChosenLibrary(TDataModule1& dm, ViewState& state, const QString& path, DataModuleHost& window) {
    if (path.isEmpty()) return;
    try {
        dm.openLibraryFile(path);
    } catch (const std::exception& e) {
        messages().error(QString::fromUtf8(e.what()));
    }
    state.notify();
    window.redraw(3);
}

void restoreLibraryInto(TDataModule1& dm, const QString& folder) {
    try {
        dm.restoreLibraryIntoFolder(folder);
    } catch (const std::exception& e) {
        messages().error(QString::fromUtf8(e.what()));
    }
}

} // namespace store
