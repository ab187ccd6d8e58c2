#pragma once
#include <QString>
#include <functional>

namespace app {

// The windows and file dialogs behind the main window's commands; the
// program's composition root provides them.
class CommandWindows {
public:
    virtual ~CommandWindows() = default;
    // Asks for a library file; an empty text is a cancelled dialog. The
    // argument is called for every folder the dialog enters.
    virtual QString chooseLibraryFile(const std::function<void(const QString&)>& folderEntered) = 0;
    virtual void openWaveformFiles() = 0; // "Open waveform" in the "KMX-419" mode
    virtual void connectInstrument() = 0; // the exchange path of "Connect"
    virtual void showPortSettings() = 0;  // "Device connect settings..."
    virtual void importOldDatabase() = 0; // "Import"
    virtual void showAbout() = 0;         // "About..."
    virtual void printReport() = 0;       // "Print"
    // A note on what a command did, shown for a while in the status bar; an
    // empty one takes the last note away.
    virtual void showNotice(const QString& text) = 0;
};

} // namespace app
