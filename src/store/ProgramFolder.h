#pragma once
#include <QString>

namespace store {

// The folder that holds Data/, Save/, Echolon.v41, Kestrel.dof and the button
// pictures: the option --home DIR, else $ECHOLON_HOME, else the executable's folder.
// Returned with a trailing '/'.
QString programFolder();
void setProgramFolderOverride(const QString& dir);

// $XDG_CONFIG_HOME/echolon (default ~/.config/echolon), with a trailing '/'.
QString userConfigFolder();

} // namespace store
