#include "app/tdr/TdrFolderImport.h"

#include "app/tdr/ControlsDisabled.h"
#include "app/tdr/ImportTdrFile.h"
#include "app/tdr/TdrError.h"
#include "app/tdr/TdrFile.h"
#include "store/DataModuleHost.h"
#include "store/Dataset.h"
#include "store/Messages.h"

#include <QDir>
#include <QFileInfo>

namespace app::tdr {

TdrFolderImport::TdrFolderImport(store::Dataset& master, store::Dataset& master2,
                                 store::DataModuleHost& mainWindow)
    : master_(master), master2_(master2), mainWindow_(mainWindow) {}

TdrFolderResult TdrFolderImport::importFolderOf(const QString& chosenFile) {
    TdrFolderResult result;
    if (chosenFile.isEmpty()) return result;
    {
        ControlsDisabled quiet(master_);
        // Unsorted keeps the file system's own listing order; Files without
        // System leaves out pipes and devices that happen to be named *.tdr.
        const QDir folder = QFileInfo(chosenFile).absoluteDir();
        const QStringList names =
            folder.entryList({QStringLiteral("*.tdr")}, QDir::Files | QDir::Hidden, QDir::Unsorted);
        for (const QString& name : names) {
            try {
                ImportTdrFile(master2_, TdrFile::read(folder.filePath(name)));
                ++result.imported;
            } catch (const TdrError& e) {
                result.passedOver << QStringLiteral("%1: %2").arg(name, e.text());
            }
        }
        mainWindow_.applyDeviceFilter();
        quiet.done();
    }
    if (!result.passedOver.isEmpty()) store::messages().warning(passedOverMessage(result.passedOver));
    return result;
}

QString TdrFolderImport::passedOverMessage(const QStringList& passedOver) {
    QString text = QStringLiteral("These waveform files were not imported:");
    const int listed = std::min<int>(passedOver.size(), kListedFiles);
    for (int i = 0; i < listed; ++i) text += QLatin1Char('\n') + passedOver[i];
    if (passedOver.size() > listed)
        text += QStringLiteral("\n... and %1 more").arg(passedOver.size() - listed);
    return text;
}

} // namespace app::tdr
