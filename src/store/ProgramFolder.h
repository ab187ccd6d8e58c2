#pragma once
#include <QString>

namespace store {

// Where the choice of the program folder came from. Start-up treats a folder
// the user named (option, environment) differently from one it picked itself.
enum class FolderSource { Option, Environment, Portable, UserData };

// What the choice depends on, given explicitly so that it can be checked
// without touching the real environment.
struct FolderHints {
    QString option;           // --home DIR
    QString environment;      // $ECHOLON_HOME
    QString executableFolder; // the folder of the running executable
    QString xdgDataHome;      // $XDG_DATA_HOME
    QString userHome;         // $HOME
};

struct FolderChoice {
    QString path; // absolute and clean, without a trailing '/'
    FolderSource source;
};

// --home DIR, else $ECHOLON_HOME, else the executable's folder when it is a
// portable folder, else $XDG_DATA_HOME/echolon (~/.local/share/echolon).
FolderChoice chooseProgramFolder(const FolderHints& hints);

// A folder that already holds the settings file or Data/ is used in place.
bool isPortableFolder(const QString& dir);

// The hints of this process, with the executable's folder as given.
FolderHints folderHintsOf(const QString& executableFolder);

// The folder that holds Data/, Save/, Echolon.v41, Kestrel.dof and the button
// pictures: the one start-up settled on, else chooseProgramFolder() for this
// process. Returned with a trailing '/'.
QString programFolder();
void setProgramFolderOverride(const QString& dir);

// The settings file's name, and its path in the program folder.
inline const QString kSettingsFileName = QStringLiteral("Echolon.v41");
QString settingsFilePath();

// $XDG_CONFIG_HOME/echolon (default ~/.config/echolon), with a trailing '/'.
QString userConfigFolder();

} // namespace store
