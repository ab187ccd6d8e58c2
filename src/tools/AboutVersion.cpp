#include "tools/AboutVersion.h"

#include "store/IniFile.h"

namespace tools {

const QString AboutVersion::kDefaultVersion = QStringLiteral("4.1.1.127");

QString AboutVersion::read(const QString& programFolder) {
    // IniFile reads a missing, unreadable or oversized file as empty and holds no handle afterwards.
    const store::IniFile dof(programFolder + QStringLiteral("Kestrel.dof"));
    return dof.readString(QStringLiteral("Version Info Keys"), QStringLiteral("FileVersion"),
                          kDefaultVersion);
}

QString AboutVersion::caption(const QString& programFolder) {
    return QStringLiteral("Echolon ") + read(programFolder);
}

} // namespace tools
