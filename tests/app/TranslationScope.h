#pragma once
#include "app/Language.h"

#include <QApplication>
#include <QTranslator>

// Installs the program's translation for the scope's life, then removes what
// installTranslation put into the application, so that the other tests see
// the texts as written.
struct TranslationScope {
    explicit TranslationScope(app::Language language) {
        installed = app::installTranslation(*qApp, language);
    }
    ~TranslationScope() {
        for (QTranslator* t : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    TranslationScope(const TranslationScope&) = delete;
    TranslationScope& operator=(const TranslationScope&) = delete;
    bool installed = false;
};
