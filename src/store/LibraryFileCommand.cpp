#include "store/LibraryFileCommand.h"

#include "store/MainState.h"
#include "store/Messages.h"
#include "store/TDataModule1.h"

namespace store {

void openChosenLibrary(TDataModule1& dm, MainState& state, const QString& path,
                       const std::function<void(int)>& redraw) {
    if (path.isEmpty()) return;
    try {
        dm.openLibraryFile(path);
    } catch (const std::exception& e) {
        messages().error(QString::fromUtf8(e.what()));
    }
    state.notify();
    if (redraw) redraw(3);
}

void restoreLibraryInto(TDataModule1& dm, const QString& folder) {
    try {
        dm.restoreLibraryIntoFolder(folder);
    } catch (const std::exception& e) {
        messages().error(QString::fromUtf8(e.what()));
    }
}

} // namespace store
