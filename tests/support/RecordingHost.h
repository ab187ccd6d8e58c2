#pragma once
#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"

#include <QStringList>

// The main window as the data module, the exchange window and the port dialog
// see it: every call is recorded. Given the state and a module, the type
// filter runs the type query, as the main window does at start-up.
class RecordingHost final : public store::DataModuleHost {
public:
    RecordingHost() = default;
    explicit RecordingHost(store::ViewState& s) : state(&s) {}

    void SetWaveformViewEnabled(bool enabled) override {
        viewEnabled = enabled;
        calls << (enabled ? "view on" : "view off");
    }
    void SetCompareGridEnabled(bool enabled) override {
        compareGridEnabled = enabled;
        calls << (enabled ? "compare grid on" : "compare grid off");
    }
    void applyDeviceFilter() override {
        calls << "filter";
        if (module && state) module->applyTypeQuery(store::TDataModule1::deviceTypeOf(state->typeIndex()));
    }
    void updateRange() override { calls << "range"; }
    void redraw(int mode) override { calls << QStringLiteral("redraw %1").arg(mode); }
    void libraryConnectionLost(const QString& why) override { lost << why; }
    void libraryConnectionRestored(const QString& library) override { restored << library; }

    int redraws() const { return int(calls.filter("redraw").size()); }
    int filters() const { return int(calls.filter("filter").size()); }

    store::ViewState* state = nullptr;
    store::TDataModule1* module = nullptr;
    bool viewEnabled = false;
    bool compareGridEnabled = true;
    QStringList calls;
    QStringList lost, restored; // the server library's connection reports
};
