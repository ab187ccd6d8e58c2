// The PR transfer of the exchange window: the instrument's table rewritten whole.
#include "exchange/DeviceTransfers.h"

#include "exchange/CommandFields.h"
#include "exchange/PrEntryBlock.h"
#include "store/DatasetWalk.h"
#include "store/FieldValue.h"
#include "store/TDataModule1.h"

namespace exchange {

void DeviceTransfers::WriteSelectedPrEntries() {
    // The short-frame protocol has no PR table: its write would land in waveform bank 0.
    if (!typeKeepsPrTable()) return;
    ClearCommands();
    store::Dataset& list = dm_.t_ku_list;
    store::Dataset& device = dm_.t_ku_list_temp;
    const QString picture = QStringLiteral("picture");
    const QString name = QStringLiteral("name_ku");
    const QString value = QStringLiteral("value_ku");

    int marked = 0;
    const int listMark = list.fieldIndex(picture);
    for (int row = 0; row < list.recordCount(); ++row)
        if (store::FieldValue::boolean(list.valueAt(row, listMark))) ++marked;
    if (device.recordCount() + marked == 0) return;

    PrEntryBlock block;
    // The entries the instrument holds first, so that its table is rewritten whole.
    const int deviceName = device.fieldIndex(name);
    const int deviceValue = device.fieldIndex(value);
    for (int row = 0; row < device.recordCount(); ++row)
        block.append(device.valueAt(row, deviceName).toString(),
                     store::FieldValue::number(device.valueAt(row, deviceValue)));
    store::DatasetWalk walk(list);
    walk.eachRow([&] {
        const QString entryName = list.fieldByName(name).asString();
        const double entryValue = list.fieldByName(value).asFloat();
        if (takeMark(list, picture)) block.append(entryName, entryValue);
    });
    walk.finish();
    executor_->commands.add(command(kCodeWrite, kObjectPrTable, 0),
                            std::make_unique<dynamicArr>(block.bytes()));
    executor_->commands.add(command(kCodeRead, kObjectPrTable, 0));
    ClearDeviceKu();
    runList();
}

} // namespace exchange
