#pragma once
#include "store/DataModuleHost.h"
#include "store/MainState.h"
#include "store/TDataModule1.h"

#include <QStringList>

// Records what the data module asks of the main window; the type filter does
// the query part only, as the main window does at start-up.
class FakeHost : public store::DataModuleHost {
public:
    explicit FakeHost(store::MainState& s) : state(s) {}

    void SetWaveformViewEnabled(bool enabled) override {
        viewEnabled = enabled;
        calls << (enabled ? "view on" : "view off");
    }
    void applyDeviceFilter() override {
        calls << "filter";
        if (module) module->applyTypeQuery(store::TDataModule1::deviceTypeOf(state.typeIndex));
    }
    void updateRange() override { calls << "range"; }
    void redraw(int mode) override { calls << QStringLiteral("redraw %1").arg(mode); }

    int redraws() const { return calls.filter("redraw").size(); }

    store::MainState& state;
    store::TDataModule1* module = nullptr;
    bool viewEnabled = false;
    QStringList calls;
};
