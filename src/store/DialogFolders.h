#pragma once
#include <QString>

namespace store {

// What a file dialog is for; each purpose remembers its own folder.
enum class DialogPurpose { Database, Waveforms, OldDatabase, Report, Export };

// The folder a file dialog opens in: the last one used for its purpose, kept
// in the settings file across runs, or the program's Data folder while none
// is known or the remembered one is gone.
class DialogFolders {
public:
    static constexpr const char* kSection = "DialogFolders";

    static QString folderFor(DialogPurpose purpose);
    // Remembers the folder of `chosen`, a file or a folder the user picked.
    // An empty choice (a cancelled dialog) changes nothing. Returns false when
    // the settings file cannot be written; the choice itself is not affected.
    static bool remember(DialogPurpose purpose, const QString& chosen);
    static QString dataFolder();
};

} // namespace store
