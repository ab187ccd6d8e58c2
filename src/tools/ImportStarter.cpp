#include "tools/ImportStarter.h"

#include "exchange/TExecutionCom.h"
#include "tools/ExecutorCommandList.h"
#include "tools/TfrmImport.h"

namespace tools {

QString ImportStarter::markerCommand(int typeIndex) {
    return QStringLiteral("040100") +
           QStringLiteral("%1").arg(qBound(0, typeIndex, 255), 2, 16, QLatin1Char('0')).toUpper();
}

bool ImportStarter::run(exchange::TExecutionCom& executor, int typeIndex, const ShowDialog& showDialog) {
    executor.commands.clear();
    executor.commands.add(markerCommand(typeIndex));
    ExecutorCommandList list(executor.commands);
    if (!showDialog(list)) return false;
    executor.Execute();
    return true;
}

bool ImportStarter::run(exchange::TExecutionCom& executor, int typeIndex, TfrmImport& dialog) {
    return run(executor, typeIndex, [&dialog](ImportCommandList& list) {
        dialog.core().setCommandList(&list);
        const bool ok = dialog.exec() == QDialog::Accepted;
        dialog.core().setCommandList(nullptr);
        return ok;
    });
}

} // namespace tools
