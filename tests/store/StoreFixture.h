#pragma once
#include "store/Database.h"
#include "store/Dataset.h"
#include "support/PgServer.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>
#include <string>

// Where a library lives: a file in the program folder, or a database on the
// test server.
enum class Engine { File, Server };

// Suites of TEST_P cases that hold on both engines are instantiated with this.
#define INSTANTIATE_ON_BOTH_ENGINES(Suite)                                                                   \
    INSTANTIATE_TEST_SUITE_P(, Suite, ::testing::Values(Engine::File, Engine::Server),                       \
                             [](const ::testing::TestParamInfo<Engine>& info) {                              \
                                 return std::string(info.param == Engine::File ? "File" : "Server");         \
                             })

// The URL of a fresh empty database on the shared test server; skips the
// calling test, saying why, when there is none.
#define ASSIGN_SERVER_DATABASE(url)                                                                          \
    do {                                                                                                     \
        if (!PgServer::shared().available())                                                                 \
            GTEST_SKIP() << PgServer::shared().unavailableReason().toStdString();                            \
        url = PgServer::shared().createDatabase();                                                           \
        ASSERT_FALSE(url.isEmpty()) << PgServer::shared().error().toStdString();                             \
    } while (false)

// A temporary program folder with a library database and a dataset on its master table.
class StoreFixture : public ::testing::Test {
protected:
    StoreFixture() : db(QStringLiteral("ecl41_data"), store::Schema::Kind::Library) {
        db.setPath(home.file(QStringLiteral("Data/ecl41_data.db")));
    }

    // Appends one master row through `ds` and posts it.
    static void addWaveform(store::Dataset& ds, int recId, const QString& memo,
                            const QString& type = QStringLiteral("KM-41A1 ver.5"), double scale = 250) {
        ds.append();
        ds.fieldByName(QStringLiteral("REC_ID")).setInteger(recId);
        ds.fieldByName(QStringLiteral("MEMO")).setString(memo);
        ds.fieldByName(QStringLiteral("DEVICE_TYPE")).setString(type);
        ds.fieldByName(QStringLiteral("SCALE")).setFloat(scale);
        ds.fieldByName(QStringLiteral("SPEED")).setString(QStringLiteral("1,500"));
        ds.fieldByName(QStringLiteral("SDVIG")).setInteger(recId * 5);
        ds.fieldByName(QStringLiteral("ZOOM_L")).setFloat(2);
        ds.post();
    }

    static QByteArray fileBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempHome home;
    store::Database db;
};

// The same cases against a library file and against a server database.
class EitherEngine : public StoreFixture, public ::testing::WithParamInterface<Engine> {
protected:
    void SetUp() override {
        if (GetParam() == Engine::Server) {
            ASSIGN_SERVER_DATABASE(location);
            db.setPath(location);
        } else {
            location = db.path();
        }
    }
    bool onServer() const { return GetParam() == Engine::Server; }

    QString location; // the library's file path or URL
};
