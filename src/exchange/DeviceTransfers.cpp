#include "exchange/DeviceTransfers.h"

#include "exchange/CommandFields.h"
#include "store/DataModuleHost.h"
#include "store/DatasetWalk.h"
#include "store/LibraryFileCommand.h"
#include "store/Messages.h"
#include "store/OperationJournal.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "store/encoding/WaveformConversions.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace exchange {

namespace {
constexpr int kBanks = 100;
const QString kPicture = QStringLiteral("PICTURE");
const QString kBankNum = QStringLiteral("BANK_NUM");
const QString kPoints = QStringLiteral("POINTS");

// A bank number that fits the command's two digits, or -1.
int bankOf(store::Dataset& ds) {
    const qint64 bank = ds.fieldByName(kBankNum).asInteger();
    return bank >= 0 && bank <= 0xFF ? int(bank) : -1;
}

void deleteAll(store::Dataset& ds) {
    ds.disableControls();
    try {
        ds.first();
        while (!ds.isEmpty()) ds.deleteRecord();
    } catch (...) {
        ds.enableControls();
        throw;
    }
    ds.enableControls();
}
} // namespace

DeviceTransfers::DeviceTransfers(store::TDataModule1& dm, store::ViewState& state,
                                 store::DataModuleHost& mainWindow, Window& window)
    : dm_(dm), state_(state), mainWindow_(mainWindow), window_(window),
      executor_(std::make_unique<TExecutionCom>(dm)), openLibrary_([this](const QString& path) {
          store::openChosenLibrary(dm_, state_, path, mainWindow_);
      }) {}

DeviceTransfers::~DeviceTransfers() { ClearCommands(); }

void DeviceTransfers::notify() { window_.viewChanged(); }

QString DeviceTransfers::command(int code, int object, int number) const {
    return CommandFields{code, object, number, view_.typeIndex}.toString();
}

bool DeviceTransfers::typeTalks() const {
    const int t = view_.typeIndex;
    return t == 0 || typeKeepsPrTable();
}

bool DeviceTransfers::typeKeepsPrTable() const { return view_.typeIndex == 3 || view_.typeIndex == 4; }

void DeviceTransfers::ClearDeviceKu() { deleteAll(dm_.t_ku_list_temp); }

void DeviceTransfers::ClearDeviceList() { deleteAll(dm_.t_refl_list); }

void DeviceTransfers::ClearCommands() { executor_->commands.clear(); }

void DeviceTransfers::hidePrPanels() { view_.prPanelsVisible = false; }

void DeviceTransfers::warnSkipped(const QStringList& banks, const QString& why) {
    if (banks.isEmpty()) return;
    store::messages().warning(
        QCoreApplication::translate("DeviceTransfers", "Рефлектограммы не переданы (%1): %2")
            .arg(why, banks.join(QStringLiteral(", "))));
}

bool DeviceTransfers::runList() {
    CommandList& list = executor_->commands;
    if (list.isEmpty()) return false;
    const bool ok = window_.runEngine(list);
    // An interrupted list is executed only when its caller keeps what arrived whole.
    if (!ok && !(list.callerTellsInterruption() && list.interruption())) return false;
    executor_->Execute();
    return true;
}

void DeviceTransfers::Refresh() {
    ClearDeviceKu();
    ClearDeviceList();
    ClearCommands();
    view_.typeIndex = state_.typeIndex();
    // Only the short-frame instrument has a list of waveforms to read; for any
    // other type the list stays empty and no exchange starts.
    if (view_.typeIndex == 0) {
        for (int bank = 0; bank < kBanks; ++bank)
            executor_->commands.add(command(kCodeRead, kObjectWaveformList, bank));
        hidePrPanels();
    }
    notify();
    runList();
}

void DeviceTransfers::ReadSelectedWaveforms() {
    store::Dataset& list = dm_.t_refl_list;
    if (list.recordCount() == 0 || !typeTalks()) return;
    ClearCommands();
    QStringList skipped;
    store::JournalEntry entry;
    entry.kind = store::JournalEntry::Kind::Read;
    store::DatasetWalk walk(list);
    walk.eachRow([&] {
        if (!list.fieldByName(kPicture).asBool()) return;
        const int bank = bankOf(list);
        if (bank < 0) {
            skipped << list.fieldByName(kBankNum).asString();
            return;
        }
        executor_->commands.add(command(kCodeRead, kObjectWaveform, bank));
        entry.items << QString::number(bank);
        takeMark(list, kPicture);
    });
    walk.finish();
    warnSkipped(skipped, QCoreApplication::translate("DeviceTransfers", "номер вне 0..255"));
    if (entry.items.isEmpty()) return;
    // The marks are gone already: should the program not live to store the
    // waveforms, the journal is what says which banks to read again.
    store::OperationJournal journal(entry);
    QSet<int> notStored;
    for (const QString& bank : entry.items) notStored.insert(bank.toInt());
    executor_->waveformStored = [&](int bank) {
        journal.stored(QString::number(bank));
        notStored.remove(bank);
    };
    const auto unhook = qScopeGuard([this] { executor_->waveformStored = nullptr; });
    // Whatever arrived whole is stored even when the line fails, and the
    // executor's one message tells what was stored and what not.
    executor_->commands.setCallerTellsInterruption(true);
    try {
        runList();
    } catch (...) {
        markAgain(notStored);
        throw;
    }
    markAgain(notStored);
}

bool DeviceTransfers::takeMark(store::Dataset& ds, const QString& field) {
    if (!ds.fieldByName(field).asBool()) return false;
    ds.edit();
    ds.fieldByName(field).setBool(false);
    ds.post();
    return true;
}

void DeviceTransfers::markAgain(const QSet<int>& banks) {
    if (banks.isEmpty()) return;
    store::Dataset& list = dm_.t_refl_list;
    store::DatasetWalk walk(list);
    walk.eachRow([&] {
        if (!banks.contains(bankOf(list)) || list.fieldByName(kPicture).asBool()) return;
        list.edit();
        list.fieldByName(kPicture).setBool(true);
        list.post();
    });
    walk.finish();
}

void DeviceTransfers::WriteSelectedWaveforms() {
    store::Dataset& view = dm_.t_master;
    if (dm_.MasterCount < 1 || view.recordCount() < 1 || !typeTalks()) return;
    ClearCommands();
    QStringList badNumber, shortBlock;
    store::DatasetWalk walk(view);
    // The marked rows in table order, as a walk through the whole library
    // would meet them; the database finds them, and only those are visited.
    for (const int row : view.markedRows(kPicture, view.recordCount())) {
        walk.moveTo(row);
        const int bank = bankOf(view);
        if (bank < 0) {
            badNumber << view.fieldByName(kBankNum).asString();
            continue;
        }
        QByteArray points = view.fieldByName(kPoints).asBlob();
        // A short frame carries 384 data bytes; a shorter block would be refused mid-exchange.
        if (view_.typeIndex == 0 && points.size() < store::kType0DataSize) {
            shortBlock << QString::number(bank);
            continue;
        }
        executor_->commands.add(command(kCodeWrite, kObjectWaveform, bank),
                                std::make_unique<dynamicArr>(std::move(points)));
        takeMark(view, kPicture);
    }
    walk.finish();
    warnSkipped(badNumber, QCoreApplication::translate("DeviceTransfers", "номер вне 0..255"));
    warnSkipped(shortBlock, QCoreApplication::translate("DeviceTransfers", "нет полного блока данных"));
    if (executor_->commands.isEmpty()) return;
    executor_->commands.add(command(kCodeRead, kObjectWaveformList, 0));
    ClearDeviceList();
    runList();
}

void DeviceTransfers::OpenDatabase() {
    openLibrary_(
        window_.chooseLibraryFile([this](const QString& folder) { OpenDialog1FolderChange(folder); }));
}

void DeviceTransfers::OpenDialog1FolderChange(const QString& folder) {
    store::restoreLibraryInto(dm_, folder);
}

void DeviceTransfers::ComboBox_type2Change(int index) {
    view_.typeIndex = index;
    state_.setTypeIndex(index);
    mainWindow_.applyDeviceFilter();
    if (index == 0) hidePrPanels();
    notify();
}

} // namespace exchange
