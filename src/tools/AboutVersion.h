#pragma once
#include <QString>

namespace tools {

// The version the About box shows: FileVersion of section "Version Info Keys"
// in Kestrel.dof in the program folder.
class AboutVersion {
public:
    static const QString kDefaultVersion; // "4.1.1.127"

    // The version text; DefaultVersion when the file, the section or the key is missing.
    static QString read(const QString& programFolder);
    // "Echolon " followed by the version text.
    static QString caption(const QString& programFolder);
};

} // namespace tools
