#include "app/StartupFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace app {

QString prepareProgramFolder(const store::FolderChoice& folder, Creation creation,
                             const std::function<bool(const QString& question)>& ask) {
    const QString where = QDir::toNativeSeparators(folder.path);
    const QFileInfo info(folder.path);
    if (info.exists())
        return info.isDir() ? QString()
                            : QCoreApplication::translate("StartupFolder", "%1: not a folder").arg(where);

    if (folder.source == store::FolderSource::Option || folder.source == store::FolderSource::Environment) {
        switch (creation) {
        case Creation::Refused:
            return QCoreApplication::translate("StartupFolder", "%1: no such folder (not made: --no-create)")
                .arg(where);
        case Creation::NoDisplay:
            return QCoreApplication::translate(
                       "StartupFolder",
                       "%1: no such folder (not made without a display to ask; make it first)")
                .arg(where);
        case Creation::Ask:
            if (!ask(QCoreApplication::translate("StartupFolder",
                                                 "The program folder %1 does not exist.\n"
                                                 "Make it and start with an empty waveform library?")
                         .arg(where)))
                return QCoreApplication::translate("StartupFolder", "%1: no such folder (not made)")
                    .arg(where);
            break;
        }
    }
    if (!QDir().mkpath(folder.path))
        return QCoreApplication::translate("StartupFolder", "%1: cannot make the folder").arg(where);
    return {};
}

} // namespace app
