#include "store/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace store {

namespace {
QString& overrideDir() {
    static QString dir;
    return dir;
}

QString clean(const QString& dir) { return QDir::cleanPath(QDir(dir).absolutePath()); }

QString withSlash(QString dir) {
    dir = clean(dir);
    if (!dir.endsWith('/')) dir += '/';
    return dir;
}

// XDG base directories must be absolute; a relative value is ignored.
QString xdgBase(const QString& value, const QString& userHome, const QString& fallback) {
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
    return userHome + fallback;
}
} // namespace

bool isPortableFolder(const QString& dir) {
    if (dir.isEmpty()) return false;
    const QDir folder(dir);
    return QFileInfo(folder.filePath(kSettingsFileName)).isFile() ||
           QFileInfo(folder.filePath(QStringLiteral("Data"))).isDir();
}

FolderChoice chooseProgramFolder(const FolderHints& hints) {
    if (!hints.option.isEmpty()) return {clean(hints.option), FolderSource::Option};
    if (!hints.environment.isEmpty()) return {clean(hints.environment), FolderSource::Environment};
    if (isPortableFolder(hints.executableFolder))
        return {clean(hints.executableFolder), FolderSource::Portable};
    const QString base = xdgBase(hints.xdgDataHome, hints.userHome, QStringLiteral("/.local/share"));
    return {clean(base + QStringLiteral("/echolon")), FolderSource::UserData};
}

FolderHints folderHintsOf(const QString& executableFolder) {
    FolderHints hints;
    hints.environment = qEnvironmentVariable("ECHOLON_HOME");
    hints.executableFolder = executableFolder;
    hints.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    hints.userHome = QDir::homePath();
    return hints;
}

void setProgramFolderOverride(const QString& dir) { overrideDir() = dir; }

QString settingsFilePath() { return programFolder() + kSettingsFileName; }

QString programFolder() {
    if (!overrideDir().isEmpty()) return withSlash(overrideDir());
    return withSlash(chooseProgramFolder(folderHintsOf(QCoreApplication::applicationDirPath())).path);
}

QString userConfigFolder() {
    const QString base =
        xdgBase(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath(), QStringLiteral("/.config"));
    return withSlash(base + "/echolon");
}

} // namespace store
