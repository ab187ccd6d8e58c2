#pragma once
#include "exchange/TExecutionCom.h"

#include <QSet>
#include <QString>
#include <functional>
#include <memory>

namespace store {
class DataModuleHost;
class Dataset;
class ViewState;
class TDataModule1;
} // namespace store

namespace exchange {

// What the exchange window shows beyond its grids; the core fills it.
struct DeviceTransfersView {
    int typeIndex = 0;           // ComboBox_type2 (one item: any other index shows none)
    bool prPanelsVisible = true; // both PR grids, their navigators and SpeedButton9
};

// The logic of "connect with device" (TForm2) without a window: it fills the
// executor's command list for each transfer, runs it through the engine and
// has the executor store what came back.
class DeviceTransfers {
public:
    // What the core needs of its window.
    class Window {
    public:
        virtual ~Window() = default;
        // Shows the engine modally on the list; true when it closed with OK.
        virtual bool runEngine(CommandList& list) = 0;
        // Asks for a library file (empty: cancelled), calling the argument for every folder entered.
        virtual QString chooseLibraryFile(const std::function<void(const QString&)>& folderEntered) = 0;
        virtual void viewChanged() = 0;
    };

    // mainWindow: the main window's type filter and redraw.
    DeviceTransfers(store::TDataModule1& dm, store::ViewState& state, store::DataModuleHost& mainWindow,
                    Window& window);
    ~DeviceTransfers();

    TExecutionCom& executor() { return *executor_; }
    const DeviceTransfersView& view() const { return view_; }

    void Refresh();
    void ReadSelectedWaveforms();
    void WriteSelectedWaveforms();
    void WriteSelectedPrEntries();
    void OpenDatabase();
    // What OpenDatabase does with the chosen file (empty: cancelled). By default
    // the store opens it; the program hands it to the main window's Open
    // database, which offers a library in the Access format for conversion.
    void setLibraryOpener(std::function<void(const QString& path)> open) { openLibrary_ = std::move(open); }
    void OpenDialog1FolderChange(const QString& folder);
    void ComboBox_type2Change(int index);

    void ClearDeviceKu();
    void ClearDeviceList();
    void ClearCommands();

    // Gives a non-empty list to the engine and, after OK, to the executor.
    // Returns whether the list was executed.
    bool runList();

    // Device types of the commands the window builds: the type index, when the
    // engine speaks to such an instrument (0 short frames; 3 and 4 packets).
    bool typeTalks() const;
    // Types that keep a PR table: the packet instruments.
    bool typeKeepsPrTable() const;

private:
    QString command(int code, int object, int number) const;
    void hidePrPanels();
    void notify();
    void warnSkipped(const QStringList& banks, const QString& why);
    // Whether the current row's mark `field` is set; clears it and posts.
    static bool takeMark(store::Dataset& ds, const QString& field);
    // Marks again the instrument's rows of `banks`: asked for, but not stored.
    void markAgain(const QSet<int>& banks);

    store::TDataModule1& dm_;
    store::ViewState& state_;
    store::DataModuleHost& mainWindow_;
    Window& window_;
    std::unique_ptr<TExecutionCom> executor_;
    DeviceTransfersView view_;
    std::function<void(const QString& path)> openLibrary_;
};

} // namespace exchange
