#include "store/DiskFull.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QStorageInfo>

namespace store {

QString DiskFull::writeFailure(const QFileDevice& file, const QString& path) {
    // Less than this left, and a write falls short: the disk is full.
    constexpr qint64 kNoRoom = 1 << 20;
    const QString folder = QFileInfo(path).absolutePath();
    const QStorageInfo disk(folder);
    if (!path.isEmpty() && disk.isValid() && disk.bytesAvailable() < kNoRoom)
        return reasonFor(QDir::toNativeSeparators(folder));
    return file.errorString();
}

} // namespace store
