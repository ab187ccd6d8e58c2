#pragma once
#include <QStringList>

namespace app {

// The server libraries opened last, newest first, kept in section
// "ServerLibraries" of the settings file for the "Open database" dialog.
// Only addresses the store accepts are kept or read back, so a password
// never reaches the file, nor a damaged entry the dialog.
class RecentServers {
public:
    static constexpr const char* kSection = "ServerLibraries";
    static constexpr int kKept = 8;

    static QStringList load();
    // Puts `url` first (once). False when the settings file cannot be
    // written or the address is refused.
    static bool remember(const QString& url);
};

} // namespace app
