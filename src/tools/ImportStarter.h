#pragma once
#include <QString>
#include <functional>

namespace exchange {
class TExecutionCom;
}

namespace tools {

class ImportCommandList;
class TfrmImport;

// The main window's Import command (btImportClick, mnImportClick): the import
// dialog fills the executor's list, and the executor converts it into library
// records when the dialog closes with OK.
class ImportStarter {
public:
    // Shows the dialog modally over the list; true for OK.
    using ShowDialog = std::function<bool(ImportCommandList&)>;

    // Empties the executor's list, puts the import marker first and shows the
    // dialog. OK runs Execute and returns true; Cancel leaves the list as the
    // dialog left it, unconverted.
    static bool run(exchange::TExecutionCom& executor, int typeIndex, const ShowDialog& showDialog);
    // The same with the program's import dialog.
    static bool run(exchange::TExecutionCom& executor, int typeIndex, TfrmImport& dialog);

    // "040100" and the type entry's index as two hex digits (00 "KMX-417", 01 "KMX-419").
    static QString markerCommand(int typeIndex);
};

} // namespace tools
