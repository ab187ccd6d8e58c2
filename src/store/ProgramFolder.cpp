#include "store/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace store {

namespace {
QString& overrideDir() {
    static QString dir;
    return dir;
}

QString withSlash(QString dir) {
    dir = QDir::cleanPath(QDir(dir).absolutePath());
    if (!dir.endsWith('/')) dir += '/';
    return dir;
}
} // namespace

void setProgramFolderOverride(const QString& dir) { overrideDir() = dir; }

QString programFolder() {
    if (!overrideDir().isEmpty()) return withSlash(overrideDir());
    const QString env = qEnvironmentVariable("ECHOLON_HOME");
    if (!env.isEmpty()) return withSlash(env);
    return withSlash(QCoreApplication::applicationDirPath());
}

QString userConfigFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + "/.config";
    return withSlash(base + "/echolon");
}

} // namespace store
