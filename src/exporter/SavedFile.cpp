#include "exporter/SavedFile.h"

#include "store/DiskFull.h"

#include <QDir>
#include <QSaveFile>

namespace exporter {

QString SavedFile::write(const QString& path, const QByteArray& bytes) {
    const QString shown = QDir::toNativeSeparators(path);
    if (path.trimmed().isEmpty()) return tr("No file name was given.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return tr("Cannot write %1: %2").arg(shown, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = store::DiskFull::writeFailure(file, path);
        file.cancelWriting();
        return tr("Cannot write %1: %2").arg(shown, why);
    }
    if (!file.commit())
        return tr("Cannot write %1: %2").arg(shown, store::DiskFull::writeFailure(file, path));
    return {};
}

} // namespace exporter
