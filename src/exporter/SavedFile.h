#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace exporter {

// An exported file is written whole or not at all: a failure (no permission,
// disk full) leaves whatever was there before.
class SavedFile {
    Q_DECLARE_TR_FUNCTIONS(SavedFile)
public:
    // Empty on success, else a message naming the file and the reason.
    static QString write(const QString& path, const QByteArray& bytes);
};

} // namespace exporter
