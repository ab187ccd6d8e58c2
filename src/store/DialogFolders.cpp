#include "store/DialogFolders.h"

#include "store/IniFile.h"
#include "store/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace store {

namespace {
QString keyOf(DialogPurpose purpose) {
    switch (purpose) {
    case DialogPurpose::Database: return QStringLiteral("Database");
    case DialogPurpose::Waveforms: return QStringLiteral("Waveforms");
    case DialogPurpose::OldDatabase: return QStringLiteral("OldDatabase");
    case DialogPurpose::Report: return QStringLiteral("Report");
    case DialogPurpose::Export: return QStringLiteral("Export");
    }
    return QStringLiteral("Other");
}
} // namespace

QString DialogFolders::dataFolder() { return QDir::cleanPath(programFolder() + QStringLiteral("Data")); }

QString DialogFolders::folderFor(DialogPurpose purpose) {
    const IniFile ini(settingsFilePath());
    const QString kept = ini.readString(QLatin1String(kSection), keyOf(purpose), QString()).trimmed();
    if (!kept.isEmpty() && QFileInfo(kept).isDir()) return QDir::cleanPath(kept);
    const QString data = dataFolder();
    return QFileInfo(data).isDir() ? data : QDir::cleanPath(programFolder());
}

bool DialogFolders::remember(DialogPurpose purpose, const QString& chosen) {
    if (chosen.trimmed().isEmpty()) return true;
    const QFileInfo info(chosen);
    const QString folder = QDir::cleanPath(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
    IniFile ini(settingsFilePath());
    if (ini.readString(QLatin1String(kSection), keyOf(purpose), QString()) == folder) return true;
    ini.writeString(QLatin1String(kSection), keyOf(purpose), folder);
    return ini.save();
}

} // namespace store
