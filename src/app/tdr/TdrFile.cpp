#include "app/tdr/TdrFile.h"

#include "app/tdr/FileBirthTime.h"
#include "app/tdr/TdrError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace app::tdr {

TdrFile TdrFile::read(const QString& path) {
    // A pipe or a device would block the open or the read.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw TdrError(QCoreApplication::translate("TdrFile", "it is not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TdrError(
            QCoreApplication::translate("TdrFile", "the file cannot be opened (%1)").arg(file.errorString()));
    if (!file.isSequential() && file.size() > kMaxFileSize)
        throw TdrError(
            QCoreApplication::translate("TdrFile", "the file is too large for a waveform file (%1 bytes)")
                .arg(file.size()));

    TdrFile f;
    f.path = path;
    f.image = file.read(TdrHeader::kImageSize);
    f.header = TdrHeader::decode(f.image);
    f.date = formatDate(fileBirthTime(file.handle()));
    f.memo = memoFromFileName(QFileInfo(path).fileName());
    return f;
}

QString TdrFile::memoFromFileName(const QString& fileName) {
    const int dot = fileName.lastIndexOf('.');
    return dot < 0 ? fileName : fileName.left(dot);
}

QString TdrFile::formatDate(const QDateTime& time) {
    const QDateTime local = time.toLocalTime();
    const QDate d = local.date();
    const QTime t = local.time();
    return QStringLiteral("%1.%2.%3 %4:%5:%6")
        .arg(d.day())
        .arg(d.month())
        .arg(d.year())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second());
}

} // namespace app::tdr
