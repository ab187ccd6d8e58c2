#pragma once
// The exchange window's logic over a real data module in a temporary home.
#include "Type0Block.h"
#include "exchange/DeviceTransfers.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "support/RecordingHost.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <QStringList>
#include <gtest/gtest.h>

// The exchange window's own window for tests of its core: each call goes to
// the function set here.
struct ScriptedTransfersWindow : exchange::DeviceTransfers::Window {
    std::function<bool(exchange::CommandList&)> engine = [](exchange::CommandList&) { return false; };
    std::function<QString(const std::function<void(const QString&)>&)> chooser =
        [](const std::function<void(const QString&)>&) { return QString(); };
    bool runEngine(exchange::CommandList& list) override { return engine(list); }
    QString chooseLibraryFile(const std::function<void(const QString&)>& folderEntered) override {
        return chooser(folderEntered);
    }
    void viewChanged() override {}
};

class Form2Fixture : public ::testing::Test {
protected:
    Form2Fixture() : dm(state, host) {
        dm.openStore();
        dm.applyTypeQuery(store::TDataModule1::deviceTypeOf(0));
    }

    void addDeviceEntry(int bank, bool marked) {
        store::Dataset& ds = dm.t_refl_list;
        ds.append();
        ds.fieldByName("REC_ID_LIST").setInteger(ds.recordCount() + 1);
        ds.fieldByName("BANK_NUM").setInteger(bank);
        ds.fieldByName("MEMO").setString(QStringLiteral("bank %1").arg(bank));
        ds.fieldByName("PICTURE").setBool(marked);
        ds.post();
    }

    void addWaveform(int recId, int bank, bool marked, const QByteArray& points) {
        store::Dataset& ds = dm.t_master;
        ds.append();
        ds.fieldByName("REC_ID").setInteger(recId);
        ds.fieldByName("BANK_NUM").setInteger(bank);
        ds.fieldByName("MEMO").setString(QStringLiteral("w%1").arg(recId));
        ds.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
        ds.fieldByName("SPEED").setString("1,500");
        ds.fieldByName("POINTS").setBlob(points);
        ds.fieldByName("PICTURE").setBool(marked);
        ds.post();
    }

    void addPr(store::Dataset& ds, const QString& name, double value, bool marked) {
        ds.append();
        ds.fieldByName("name_ku").setString(name);
        ds.fieldByName("value_ku").setFloat(value);
        ds.fieldByName("picture").setBool(marked);
        ds.post();
    }

    static QList<bool> marks(store::Dataset& ds, const QString& field = "PICTURE") {
        QList<bool> out;
        const int f = ds.fieldIndex(field);
        for (int row = 0; row < ds.recordCount(); ++row) out << ds.valueAt(row, f).toBool();
        return out;
    }

    static QStringList commandsOf(const exchange::CommandList& list) {
        QStringList out;
        for (int i = 0; i < list.count(); ++i) out << list.command(i);
        return out;
    }

    TempHome home;
    RecordingMessages messages;
    store::ViewState state;
    RecordingHost host;
    store::TDataModule1 dm;
};
