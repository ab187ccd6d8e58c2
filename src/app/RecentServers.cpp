#include "app/RecentServers.h"

#include "store/IniFile.h"
#include "store/ProgramFolder.h"
#include "store/ServerAddress.h"

namespace app {

namespace {
QString keyOf(int i) { return QStringLiteral("Server%1").arg(i + 1); }
} // namespace

QStringList RecentServers::load() {
    const store::IniFile ini(store::settingsFilePath());
    QStringList urls;
    for (int i = 0; i < kKept; ++i) {
        const QString url = ini.readString(QLatin1String(kSection), keyOf(i), QString()).trimmed();
        if (!url.isEmpty() && store::ServerAddress::refusal(url).isEmpty() && !urls.contains(url))
            urls << url;
    }
    return urls;
}

bool RecentServers::remember(const QString& url) {
    const QString address = url.trimmed();
    if (!store::ServerAddress::refusal(address).isEmpty()) return false;
    QStringList urls = load();
    if (!urls.isEmpty() && urls.first() == address) return true;
    urls.removeAll(address);
    urls.prepend(address);
    store::IniFile ini(store::settingsFilePath());
    for (int i = 0; i < kKept; ++i) {
        if (i < urls.size()) ini.writeString(QLatin1String(kSection), keyOf(i), urls.at(i));
        else ini.removeKey(QLatin1String(kSection), keyOf(i));
    }
    return ini.save();
}

} // namespace app
