#include "exchange/TExecutionCom.h"

#include "exchange/CommandFields.h"
#include "exchange/PrTable.h"
#include "store/DiskFull.h"
#include "store/Messages.h"
#include "store/TDataModule1.h"
#include "store/encoding/RecordWriter.h"
#include "store/encoding/WaveformConversions.h"

#include <QCoreApplication>

namespace exchange {

namespace {

// Appends one row numbered one above the largest stored `numberField`, fills
// it, posts it and returns to the row that was current, with the grids held still.
template <typename Fill>
void appendNumberedRow(store::Dataset& ds, const QString& numberField, Fill fill) {
    ds.disableControls();
    const store::Dataset::Bookmark mark = ds.bookmark();
    auto restore = [&] {
        if (ds.bookmarkValid(mark)) ds.gotoBookmark(mark);
        ds.enableControls();
    };
    try {
        ds.appendNumbered(numberField);
        fill();
        ds.post();
    } catch (...) {
        ds.cancel();
        restore();
        throw;
    }
    restore();
}

} // namespace

TExecutionCom::TExecutionCom(store::TDataModule1& dataModule) : dm_(dataModule) {}

QByteArray TExecutionCom::bytesOf(int index) const {
    const dynamicArr* object = commands.object(index);
    return object ? object->bytes : QByteArray();
}

void TExecutionCom::Execute() {
    if (commands.isEmpty()) return;
    report_.clear();
    const std::optional<Interruption>& interruption = commands.interruption();
    const int finished = interruption ? interruption->firstUnfinished : commands.count();
    QString diskFull;
    for (int i = 0; i < commands.count() && diskFull.isEmpty(); ++i) {
        const auto f = CommandFields::parse(commands.command(i));
        if (!f || f->code != kCodeRead) continue;
        const int bank = f->object == kObjectPrTable ? -1 : f->number;
        if (i >= finished) {
            report_.skipped(bank, QCoreApplication::translate("TExecutionCom", "not read"));
            continue;
        }
        if (!commands.problem(i).isEmpty()) {
            report_.skipped(bank, commands.problem(i));
            continue;
        }
        try {
            switch (f->key()) {
            case 0x0201: StoreWaveform(i); break;
            case 0x0202: StorePrTable(i); break;
            case 0x0204: StoreListEntry(i); break;
            default: break;
            }
        } catch (const store::DiskFull& e) {
            diskFull = diskFullMessage(i, e.reason());
        } catch (const std::exception& e) {
            report_.skipped(bank, QString::fromUtf8(e.what()));
        }
    }
    refresh();
    if (!diskFull.isEmpty()) store::messages().warning(diskFull);
    if (const QString report = report_.text(interruption); !report.isEmpty())
        store::messages().warning(report);
}

QString TExecutionCom::diskFullMessage(int from, const QString& reason) const {
    constexpr int kNamedBanks = 10;
    QStringList banks;
    int waveforms = 0;
    for (int i = 0; i < commands.count(); ++i) {
        const auto f = CommandFields::parse(commands.command(i));
        if (!f || f->key() != 0x0201) continue;
        ++waveforms;
        if (i >= from) banks << QString::number(f->number);
    }
    if (banks.isEmpty())
        return QCoreApplication::translate("TExecutionCom", "The instrument's data was not stored: %1.")
            .arg(reason);
    return QCoreApplication::translate("TExecutionCom",
                                       "%1 of %2 waveforms read from the instrument were not stored "
                                       "(banks %3): %4.")
        .arg(banks.size())
        .arg(waveforms)
        .arg(store::namesInLine(banks, kNamedBanks), reason);
}

void TExecutionCom::refresh() {
    // Disconnecting closes the two library views; the compare library lives on
    // another connection and stays as it is when already open.
    dm_.Database1.disconnect();
    dm_.Database1.connect();
    dm_.t_picture.open();
    dm_.t_master.open();
    dm_.t_master2.open();
}

void TExecutionCom::StoreWaveform(int index) {
    const auto f = CommandFields::parse(commands.command(index));
    if (!f) return;
    const QByteArray block = bytesOf(index);
    if (block.isEmpty()) {
        report_.skipped(f->number, QCoreApplication::translate("TExecutionCom", "прибор не передал данных"));
        return;
    }
    store::ConversionResult values;
    switch (f->devType) {
    case 0: values = store::ConvertType0(block); break;
    case 3: values = store::ConvertType3(block); break;
    case 4: values = store::ConvertType4(block); break;
    default: break; // the row keeps REC_ID and BANK_NUM only
    }
    if (!values.converted()) {
        report_.skipped(f->number, values.problem);
        return;
    }
    store::Dataset& ds = dm_.t_master2;
    appendNumberedRow(ds, QStringLiteral("REC_ID"), [&] {
        ds.fieldByName(QStringLiteral("BANK_NUM")).setInteger(f->number);
        store::writeRecord(ds, values.values);
    });
    report_.stored(f->number);
    if (waveformStored) waveformStored(f->number);
    if (!values.warning.isEmpty())
        report_.doubtful(values.has("BANK_NUM") ? values.value("BANK_NUM").toInt() : f->number,
                         values.warning);
}

void TExecutionCom::StorePrTable(int index) {
    store::Dataset& ds = dm_.t_ku_list_temp;
    const QVector<PrTable::Record> records = PrTable::parse(bytesOf(index));
    ds.disableControls();
    try {
        ds.first();
        while (!ds.isEmpty()) ds.deleteRecord();
        for (const PrTable::Record& r : records) {
            ds.append();
            ds.fieldByName(QStringLiteral("NUM_ID")).setInteger(r.number);
            ds.fieldByName(QStringLiteral("name_ku")).setString(r.name);
            ds.fieldByName(QStringLiteral("value_ku")).setFloat(double(r.value));
            ds.fieldByName(QStringLiteral("picture")).setBool(false);
            ds.post();
        }
    } catch (...) {
        ds.cancel();
        ds.enableControls();
        throw;
    }
    ds.enableControls();
}

void TExecutionCom::StoreListEntry(int index) {
    const auto f = CommandFields::parse(commands.command(index));
    if (!f || f->devType != 0) return;
    const QByteArray block = bytesOf(index);
    // An empty bank is an ordinary answer, not a fault.
    if (block.size() > store::kType0ScaleOffset &&
        static_cast<unsigned char>(block[store::kType0ScaleOffset]) == store::kEmptyBank)
        return;
    const store::ConversionResult values = store::ConvertListEntry(block);
    if (!values.converted()) {
        report_.skipped(f->number, values.problem);
        return;
    }
    store::Dataset& ds = dm_.t_refl_list;
    appendNumberedRow(ds, QStringLiteral("REC_ID_LIST"), [&] {
        ds.fieldByName(QStringLiteral("BANK_NUM")).setInteger(f->number);
        store::writeRecord(ds, values.values);
    });
}

} // namespace exchange
