#pragma once
#include <QString>
#include <QStringList>

namespace app::tdr {

// The *.tdr files of a folder whose names are no valid UTF-8 (written by
// another system): the program's file listing cannot name them, nor open
// them by name. Each comes back as "name: reason", the name shown with
// replacement characters, for the list of files passed over.
QStringList undecodableTdrFiles(const QString& folder);

} // namespace app::tdr
