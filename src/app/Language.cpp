#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

std::optional<Language> languageNamed(const QString& name) {
    if (name == QLatin1String("ru")) return Language::Russian;
    if (name == QLatin1String("en")) return Language::English;
    if (name == QLatin1String("described")) return Language::Described;
    return std::nullopt;
}

Language languageOfEnvironment(const std::function<QString(const char*)>& variable) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = variable(name);
        if (value.isEmpty()) continue;
        if (value.startsWith(QLatin1String("ru"))) return Language::Russian;
        if (value.startsWith(QLatin1String("en"))) return Language::English;
        return Language::Described;
    }
    return Language::Described;
}

bool installTranslation(QCoreApplication& app, Language language) {
    if (language == Language::Described) return true;
    const QString suffix = language == Language::Russian ? QStringLiteral("ru") : QStringLiteral("en");
    auto* own = new QTranslator(&app);
    if (!own->load(QStringLiteral(":/i18n/echolon_") + suffix)) {
        delete own;
        return false;
    }
    app.installTranslator(own);
    // Qt's texts (Yes, No, Cancel, the file dialog) are English as written, so
    // only Russian needs Qt's catalogue; a system without it keeps them English.
    if (language == Language::Russian) {
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            app.installTranslator(qt);
        else delete qt;
    }
    return true;
}

} // namespace app
