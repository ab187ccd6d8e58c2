#pragma once
#include "store/Dataset.h"

#include <QCoreApplication>
#include <QString>

class QFileDevice;

namespace store {

// A write refused because the disk holding the database file is full: every
// further write there fails the same way, so an operation stops at the first.
struct DiskFull : StoreError {
    explicit DiskFull(const QString& folder) : StoreError(reasonFor(folder).toStdString()), folder(folder) {}

    // "the disk holding <folder> is full", to follow what was not stored.
    static QString reasonFor(const QString& folder) {
        return QCoreApplication::translate("DiskFull", "the disk holding %1 is full").arg(folder);
    }
    QString reason() const { return reasonFor(folder); }

    // Why a write of `file` (to `path`) fell short: the full disk when its
    // disk has no room left (the system then often gives no reason of its
    // own), else the file's error.
    static QString writeFailure(const QFileDevice& file, const QString& path);

    QString folder; // the database file's folder, in the system's notation
};

} // namespace store
