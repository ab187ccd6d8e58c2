#include "store/LibraryFileCommand.h"

#include "store/DataModuleHost.h"
#include "store/Messages.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"

namespace store {

void openChosenLibrary(TDataModule1& dm, ViewState& state, const QString& path, DataModuleHost& window) {
    if (path.isEmpty()) return;
    showErrors([&] { dm.openLibraryFile(path); });
    window.redraw(3);
}

void restoreLibraryInto(TDataModule1& dm, const QString& folder) {
    showErrors([&] { dm.restoreLibraryIntoFolder(folder); });
}

} // namespace store
