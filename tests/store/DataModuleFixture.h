#pragma once
#include "StoreFixture.h"
#include "support/RecordingHost.h"

#include "store/TDataModule1.h"

// A data module in a temporary program folder, driven as the main window drives it.
class DataModuleFixture : public ::testing::Test {
protected:
    DataModuleFixture() : host(state), dm(state, host) { host.module = &dm; }

    void start() {
        dm.DataModuleCreate();
        host.calls.clear();
    }

    void addWaveform(store::Dataset& ds, const QString& memo, const QString& speed, int sdvig, double zoom,
                     const QString& type = QStringLiteral("KM-41A1 ver.5")) {
        ds.setTag(store::TagQuiet);
        ds.append();
        ds.fieldByName("MEMO").setString(memo);
        ds.fieldByName("SPEED").setString(speed);
        ds.fieldByName("SDVIG").setInteger(sdvig);
        ds.fieldByName("ZOOM_L").setFloat(zoom);
        ds.fieldByName("SCALE").setFloat(250);
        ds.fieldByName("DEVICE_TYPE").setString(type);
        ds.post();
    }

    TempHome home;
    store::ViewState state;
    RecordingHost host;
    store::TDataModule1 dm;
};

// The same cases with the library registered as a file and as a server URL.
class DataModuleOnEitherEngine : public DataModuleFixture, public ::testing::WithParamInterface<Engine> {
protected:
    void SetUp() override {
        if (GetParam() == Engine::Server) {
            ASSIGN_SERVER_DATABASE(location);
            dm.registry().writeDbq(store::TDataModule1::kLibraryAlias, location);
        }
    }
    bool onServer() const { return GetParam() == Engine::Server; }

    QString location; // the registered URL; empty for the default library file
};
