#pragma once
#include "exchange/CommPort.h"
#include "exchange/DeviceDetection.h"
#include "exchange/PortChoices.h"
#include "gui/Clock.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace serial {
class ERsCommError;
}

namespace store {
class DataModuleHost;
class ViewState;
} // namespace store

namespace exchange {

// What the port-settings dialog shows; the core fills it and the dialog mirrors it.
struct PortSettingsView {
    QStringList portItems; // cb_PortNum: the ports found, then "COM1".."COM256"
    int portIndex = 0;     // selected entry of cb_PortNum
    QStringList devTypeItems;
    int devTypeIndex = 0; // -1: no selection
    bool devTypeEnabled = false;
    bool show = true; // chbShow
    bool okEnabled = true;
    bool okVisible = true;
    bool connectEnabled = true;
    bool connectVisible = true;
    bool typeEnabled = false; // btType: nothing enables it
};

// The logic of "Настройка параметров связи" (TfrmChkDev) without a window:
// the port list tested on change, section "COM" of Echolon.v41 written on
// OK, Cancel restoring what activation found, and instrument detection. A
// port found on the machine is kept as key "Device"; a numbered one as
// "PortNum", with "Device" removed.
class PortSettings {
public:
    static constexpr int kPortCount = 256;
    static const QString kWaitText; // "определяется, пожалуйста подождите..."
    static const QString kNotDetectedText; // "!!!не определен!!!"
    static const QString kPortBusyText;    // "Порт уже используется"
    static const QString kPortMissingText; // "Порт не найден"
    // The type list of the detection, entry 5 being NotDetectedText.
    static const QStringList kDetectedTypes;

    // What the core needs of its window.
    class Window {
    public:
        virtual ~Window() = default;
        virtual void viewChanged() = 0;
        // The dialog is to close: true for OK, false for Cancel.
        virtual void closeDialog(bool accepted) = 0;
    };

    using Discovery = std::function<QList<serial::SerialPortInfo>()>;
    // mainWindow's type filter is applied after OK copies the type index.
    // `discover` lists the machine's ports; by default the running system's.
    PortSettings(CommPort& port, gui::Clock& clock, store::ViewState& state,
                 store::DataModuleHost& mainWindow, Window& window, Discovery discover = {});

    const PortSettingsView& view() const { return view_; }
    int portNum() const { return portNum_; }
    const QString& device() const { return device_; }
    DeviceDetection& detection() { return detection_; }

    // Connect command: OK hidden, "Связь" shown. Settings command: the reverse.
    void prepareForConnect();
    void prepareForSettings();

    void FormCreate();
    void FormActivate();
    void cb_PortNumChange(int index);
    void setShow(bool checked);
    // Writes section "COM"; throws std::runtime_error when the file cannot be written.
    void btOKClick();
    void btConnectClick() { btOKClick(); }
    void BitBtn1Click();
    void btTypeClick();
    void cbDevTypeChange(int index);
    // Looks for ports again (adapters plugged in or out); the choice stays.
    void rescan();
    void setDiscovery(Discovery discover);

private:
    void readSettings(const QList<serial::SerialPortInfo>& found);
    void selectCurrent();
    void useChoice(const PortChoice& choice);
    static QString openFailureText(const serial::ERsCommError& error);
    void restoreWaitEntry();
    void detectionFinished(int entry);
    void detectionFailed(const QString& why);
    void notify();

    CommPort& port_;
    store::ViewState& state_;
    store::DataModuleHost& mainWindow_;
    Window& window_;
    DeviceDetection detection_;
    PortSettingsView view_;
    Discovery discover_;
    PortChoices choices_{kPortCount};
    int portNum_ = 1;
    QString device_;
    // Remembered at activation for Cancel.
    bool savedShow_ = true;
    int savedPortNum_ = 1;
    QString savedDevice_;
    int savedDevTypeIndex_ = 0;
};

} // namespace exchange
