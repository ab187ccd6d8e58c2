#pragma once
#include <QString>
#include <functional>
#include <optional>

class QCoreApplication;

namespace app {

// The language of the windows: the texts as they are written in the sources
// (Described, nothing translated) or one of the two translations.
enum class Language { Described, Russian, English };

// The --lang values "ru", "en" and "described"; nothing for anything else.
std::optional<Language> languageNamed(const QString& name);

// What the locale environment asks for: the first set one of LC_ALL,
// LC_MESSAGES and LANG, as the C library reads them. "ru..." is Russian,
// "en..." English, anything else (C, POSIX, unset) the texts as written.
Language languageOfEnvironment(const std::function<QString(const char*)>& variable);

// Installs the program's translation for `language`, and Qt's own (standard
// buttons and dialogs) when the system has it, into `app`. Nothing for
// Described. False when the program's translation is missing from the build.
bool installTranslation(QCoreApplication& app, Language language);

} // namespace app
