#include "app/tdr/UndecodableNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace app::tdr {

QStringList undecodableTdrFiles(const QString& folder) {
    QStringList found;
    const QByteArray path = QFile::encodeName(folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(path.constData()), closedir);
    if (!dir) return found;
    while (const dirent* entry = readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (!name.toLower().endsWith(".tdr")) continue;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString shown = utf8(name);
        if (!utf8.hasError()) continue;
        struct stat st {};
        if (stat((path + '/' + name).constData(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        found << QCoreApplication::translate(
                     "TdrFolderImport",
                     "%1: its name is not valid UTF-8 (written by another system); rename it "
                     "to import it")
                     .arg(shown);
    }
    return found;
}

} // namespace app::tdr
