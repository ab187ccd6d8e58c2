#pragma once
// Files made elsewhere, kept beside the project in ../shared/fixtures (or where
// ECHOLON_FIXTURES_DIR points). A fresh clone has none: a test that needs one
// skips and names the missing file.
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

inline QString fixturePath(const QString& name) {
    return qEnvironmentVariable("ECHOLON_FIXTURES_DIR", QStringLiteral(ECHOLON_FIXTURES_DIR)) +
           QLatin1Char('/') + name;
}

#define SKIP_WITHOUT_FIXTURE(name)                                                                           \
    if (!QFile::exists(fixturePath(name)))                                                                   \
    GTEST_SKIP() << "the fixture " << fixturePath(name).toStdString() << " is absent (no ../shared/fixtures)"
