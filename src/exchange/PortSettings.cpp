#include "exchange/PortSettings.h"

#include "exchange/ExchangeEngine.h"
#include "exchange/serial/ERsCommError.h"
#include "store/DataModuleHost.h"
#include "store/IniFile.h"
#include "store/Messages.h"
#include "store/ProgramFolder.h"
#include "store/Translated.h"
#include "store/ViewState.h"

#include <QCoreApplication>
#include <algorithm>
#include <stdexcept>

using namespace serial;

namespace exchange {

namespace {
const QString kSection = QStringLiteral("COM");
const QString kPortNum = QStringLiteral("PortNum");
const QString kShow = QStringLiteral("Show");
const QString kDevice = QStringLiteral("Device");
constexpr int kFirstDisabledEntry = 5; // activation: OK only below this type entry
constexpr int kMainTypeEntries = 2;    // the main window's type list: "KMX-417", "KMX-419"
} // namespace

const QString PortSettings::kWaitText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("PortSettings", "определяется, пожалуйста подождите..."));
const QString PortSettings::kNotDetectedText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("PortSettings", "!!!не определен!!!"));
const QString PortSettings::kPortBusyText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("PortSettings", "Порт уже используется"));
const QString PortSettings::kPortMissingText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("PortSettings", "Порт не найден"));
const QStringList PortSettings::kDetectedTypes = {
    QStringLiteral("KMX-417"), QStringLiteral("KMX-417M"), QStringLiteral("KMX-41A1"),
    QStringLiteral("KMX-52A"), QStringLiteral("KMX-52A1"), kNotDetectedText,
};

namespace {
QString shown(const QString& text) { return store::translated("PortSettings", text); }

// The type list as shown: the "not detected" entry in the user's language.
QStringList shownTypes() {
    QStringList types = PortSettings::kDetectedTypes;
    for (QString& type : types) type = shown(type);
    return types;
}
} // namespace

PortSettings::PortSettings(CommPort& port, gui::Clock& clock, store::ViewState& state,
                           store::DataModuleHost& mainWindow, Window& window, Discovery discover)
    : port_(port), state_(state), mainWindow_(mainWindow), window_(window), detection_(port, clock),
      discover_(discover ? std::move(discover) : Discovery([] { return PortDiscovery::scan(); })) {
    QObject::connect(&detection_, &DeviceDetection::finished,
                     [this](int entry) { detectionFinished(entry); });
    QObject::connect(&detection_, &DeviceDetection::failed,
                     [this](const QString& why) { detectionFailed(why); });
}

void PortSettings::notify() { window_.viewChanged(); }

void PortSettings::prepareForConnect() {
    view_.okVisible = false;
    view_.connectVisible = true;
    notify();
}

void PortSettings::prepareForSettings() {
    view_.okVisible = true;
    view_.connectVisible = false;
    notify();
}

void PortSettings::selectCurrent() { view_.portIndex = std::max(0, choices_.indexOf(device_, portNum_)); }

void PortSettings::setDiscovery(Discovery discover) {
    discover_ = std::move(discover);
    rescan();
}

void PortSettings::rescan() {
    choices_.rebuild(discover_(), device_);
    const QStringList items = choices_.labels();
    if (items == view_.portItems) return;
    view_.portItems = items;
    selectCurrent();
    notify();
}

void PortSettings::readSettings(const QList<SerialPortInfo>& found) {
    const store::IniFile ini(store::settingsFilePath());
    const int stored = ini.readInteger(kSection, kPortNum, 1);
    // A number the list cannot show would be written back as 0 by OK; the first port stands in.
    portNum_ = stored >= 1 && stored <= kPortCount ? stored : 1;
    device_ = ini.readString(kSection, kDevice, QString()).trimmed();
    choices_.rebuild(found, device_);
    view_.portItems = choices_.labels();
    selectCurrent();
    view_.show = ini.readInteger(kSection, kShow, 1) != 0;
}

void PortSettings::useChoice(const PortChoice& choice) {
    if (choice.device.isEmpty()) port_.setPortNum(choice.portNum);
    else port_.setDevice(choice.device);
}

QString PortSettings::openFailureText(const ERsCommError& error) {
    switch (error.kind()) {
    case ERsCommError::Kind::DeviceBusy: return shown(kPortBusyText);
    case ERsCommError::Kind::DeviceMissing: return shown(kPortMissingText);
    // The fix for a refused port is one command, which the message gives exactly.
    case ERsCommError::Kind::AccessRefused:
    case ERsCommError::Kind::LineLost:
    case ERsCommError::Kind::Other: break;
    }
    return error.message(); // an empty box would tell the user nothing
}

void PortSettings::FormCreate() {
    view_.devTypeItems = {kDetectedTypes.first(), shown(kWaitText)};
    view_.devTypeIndex = 0;
    view_.devTypeEnabled = false;
    view_.typeEnabled = false;
    // The machine's ports are looked for when the dialog opens, not at start-up.
    readSettings({});
    notify();
}

void PortSettings::FormActivate() {
    savedShow_ = view_.show;
    savedPortNum_ = portNum_;
    savedDevice_ = device_;
    savedDevTypeIndex_ = view_.devTypeIndex;
    readSettings(discover_());
    const int type = state_.typeIndex();
    view_.devTypeIndex = type >= 0 && type < view_.devTypeItems.size() ? type : -1;
    view_.okEnabled = view_.devTypeIndex < kFirstDisabledEntry;
    view_.connectEnabled = view_.okEnabled;
    notify();
}

void PortSettings::cb_PortNumChange(int index) {
    if (index < 0 || index >= choices_.count()) return;
    if (detection_.running()) {
        // The port is about to be reused for the test: the probe ends without a result.
        detection_.stop();
        detectionFinished(DeviceDetection::EntryKeep);
    }
    const int previousNum = portNum_;
    const QString previousDevice = device_;
    const PortChoice choice = choices_.at(index);
    if (choice.device.isEmpty()) portNum_ = choice.portNum;
    device_ = choice.device;
    view_.portIndex = index;
    QString text;
    bool failed = false;
    try {
        useChoice(choice);
        port_.open();
        port_.close();
    } catch (const ERsCommError& e) {
        failed = true;
        text = openFailureText(e);
    } catch (const std::exception& e) {
        failed = true;
        text = QString::fromUtf8(e.what());
    }
    if (failed) {
        store::messages().information(text);
        try {
            port_.close();
        } catch (const std::exception&) {
        }
        portNum_ = previousNum;
        device_ = previousDevice;
        selectCurrent();
    }
    notify();
}

void PortSettings::setShow(bool checked) { view_.show = checked; }

void PortSettings::btOKClick() {
    store::IniFile ini(store::settingsFilePath());
    const PortChoice& choice = choices_.at(std::clamp(view_.portIndex, 0, choices_.count() - 1));
    if (choice.device.isEmpty()) {
        ini.writeInteger(kSection, kPortNum, choice.portNum);
        ini.removeKey(kSection, kDevice);
    } else {
        ini.writeString(kSection, kDevice, choice.device);
    }
    ini.writeInteger(kSection, kShow, view_.show ? 1 : 0);
    if (!ini.save())
        throw std::runtime_error(
            QCoreApplication::translate("PortSettings", "Cannot write the settings file %1: %2")
                .arg(ini.path(), ini.errorString())
                .toStdString());
    detection_.stop();
    // Only an entry that the main window's type list has is copied to it.
    if (view_.devTypeIndex >= 0 && view_.devTypeIndex < kMainTypeEntries)
        state_.setTypeIndex(view_.devTypeIndex);
    mainWindow_.applyDeviceFilter();
    window_.closeDialog(true);
}

void PortSettings::BitBtn1Click() {
    detection_.stop();
    view_.show = savedShow_;
    portNum_ = savedPortNum_;
    device_ = savedDevice_;
    selectCurrent();
    restoreWaitEntry();
    view_.devTypeIndex = savedDevTypeIndex_ < view_.devTypeItems.size() ? savedDevTypeIndex_ : -1;
    notify();
    window_.closeDialog(false);
}

void PortSettings::btTypeClick() {
    view_.devTypeItems = shownTypes();
    view_.devTypeItems[DeviceDetection::EntryFullBlock] = shown(kWaitText);
    view_.devTypeIndex = -1;
    view_.okEnabled = false;
    view_.connectEnabled = false;
    view_.devTypeEnabled = false;
    notify();
    // The port shown in the list, not the one tested last (a refused one stays set on the port).
    detection_.stop();
    useChoice(choices_.at(std::clamp(view_.portIndex, 0, choices_.count() - 1)));
    detection_.start();
}

void PortSettings::restoreWaitEntry() {
    // During a detection entry 2 shows the waiting text instead of its model.
    if (view_.devTypeItems.size() == kDetectedTypes.size())
        view_.devTypeItems[DeviceDetection::EntryFullBlock] = kDetectedTypes[DeviceDetection::EntryFullBlock];
}

void PortSettings::detectionFinished(int entry) {
    restoreWaitEntry();
    if (entry == DeviceDetection::EntryUnknown)
        store::messages().information(
            store::translated("exchange::ExchangeEngine", ExchangeEngine::kNoAnswer));
    if (entry >= 0) view_.devTypeIndex = entry;
    cbDevTypeChange(view_.devTypeIndex);
    view_.devTypeEnabled = true;
    notify();
}

void PortSettings::detectionFailed(const QString& why) {
    // The port could not be opened for a probe: the type stays undetermined, without the no-answer message.
    store::messages().error(why);
    restoreWaitEntry();
    view_.devTypeIndex = DeviceDetection::EntryUnknown;
    cbDevTypeChange(view_.devTypeIndex);
    view_.devTypeEnabled = true;
    notify();
}

void PortSettings::cbDevTypeChange(int index) {
    view_.devTypeIndex = index;
    view_.okEnabled = index < DeviceDetection::EntryFullBlock;
    view_.connectEnabled = view_.okEnabled;
    notify();
}

} // namespace exchange
