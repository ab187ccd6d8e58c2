#pragma once
#include "store/ProgramFolder.h"

#include <QString>
#include <functional>

namespace app {

// Whether a program folder the user named but that does not exist may be made.
enum class Creation {
    Ask,       // ask the user once
    Refused,   // --no-create
    NoDisplay, // nobody to ask
};

// Makes sure the chosen program folder exists as a folder. The per-user folder
// is made without asking; a folder the user named only when `ask` says yes.
// Returns an empty string when the folder is ready, else why it is not.
QString prepareProgramFolder(const store::FolderChoice& folder, Creation creation,
                             const std::function<bool(const QString& question)>& ask);

} // namespace app
