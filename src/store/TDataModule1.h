#pragma once
#include "store/DataModuleHost.h"
#include "store/Database.h"
#include "store/Dataset.h"
#include "store/DeletedRows.h"
#include "store/OdbcRegistry.h"
#include "store/ViewState.h"

#include <QObject>
#include <QSet>
#include <QTimer>
#include <map>

namespace store {

// The registered library (a file elsewhere: a USB stick, a network folder;
// or a server) cannot be opened now; nothing was restored or re-registered.
struct UnavailableLibraryError : StoreError {
    using StoreError::StoreError;
};
// ... and it is on a server.
struct ServerLibraryError : UnavailableLibraryError {
    using UnavailableLibraryError::UnavailableLibraryError;
};

// The data module: owns the three data sources and the six datasets, opens
// the store at start-up (restoring the library from Save/ once after a
// database error), and keeps the main window's state in step with the
// library through its event handlers. It reaches the window only through
// ViewState and DataModuleHost, so tests drive it without one.
class TDataModule1 : public QObject {
    Q_OBJECT
public:
    static const QString kLibraryAlias; // ecl41_data
    static const QString kCompareAlias; // ecl41_pic
    static const QString kListAlias;    // ecl41_list

    TDataModule1(ViewState& state, DataModuleHost& host, QObject* parent = nullptr);
    ~TDataModule1() override;

    Database Database1; // ecl41_data: the waveform library (path from DBQ)
    Database Database2; // ecl41_pic: the compare library
    Database Database3; // ecl41_list: the PR list (beside a server library: the crew's)
    // ecl41_list on this machine: the instrument's mirror tables, the program's
    // own whichever library is open, so that crew members reading their
    // instruments at once never see each other's lists.
    Database Database4;

    Dataset t_ku_list;      // list_ku
    Dataset t_picture;      // compare library master
    Dataset t_ku_list_temp; // list_ku_dev of Database4
    Dataset t_refl_list;    // list_ref_dev of Database4
    Dataset t_master;       // library master filtered to one device type
    Dataset t_master2;      // the whole library master

    int MasterCount = 0;

    OdbcRegistry& registry() { return registry_; }

    // Files in the program folder: Data/ecl41_data.db and its backup Save/ecl41_data.db.
    static QString libraryDefaultPath();
    static QString backupPath();
    static QString listPath();             // Data/ecl41_list.db
    QString registeredLibraryPath() const; // DBQ, or the default library
    // The library this run opens: the registered one, or the local one while
    // it stands in for a registered file that could not be opened.
    QString libraryPath() const;
    static QString titleFor(const QString& libraryPath);
    // DEVICE_TYPE shown by a type entry (0 "KMX-417", 1 "KMX-419"; anything else as 0).
    static QString deviceTypeOf(int typeIndex);
    // A row's SDVIG and ZOOM_L as their boxes show them: an empty or
    // unreadable value shows the box's default (0 and 1).
    static int shownOffset(const Field& sdvig);
    static ShownNumber shownZoom(const Field& zoomL);
    static QString queryFor(const QString& deviceType);

    // Start-up: opens the store, sets the title, applies the type filter
    // through the host, fills the boxes and draws. Throws StoreError when the
    // store cannot be opened even after restoring the library.
    void DataModuleCreate();
    // The store opening alone (open order, restore of the local library from
    // its backup, title). Throws UnavailableLibraryError (ServerLibraryError
    // for a server), nothing restored or re-registered, when the registered
    // library is not the local one and cannot be opened.
    void openStore();
    // The local library (Data/ecl41_data.db) instead of the registered one
    // that could not be opened; openStore() then opens it. A server library
    // is replaced in the registration; a file stays registered, so that the
    // next run opens it again once it is back.
    void useLocalLibrary();
    // "Open database...": registers `path` as the library and reopens the
    // library views. A file that cannot be opened is not kept: the previous
    // library is registered and opened again, and StoreError says why.
    void openLibraryFile(const QString& path);
    // The query part of the type filter: t_master shows `deviceType`;
    // Database1 is connected when it is not, and t_picture, t_master and
    // t_master2 are opened, the two library views anew.
    void applyTypeQuery(const QString& deviceType);
    // Empties the compare library unless it holds waveforms of `deviceType`;
    // the waveforms taken out are kept for undoing while their type is shown
    // again. Says how many went, and of which type.
    struct Purged {
        int count = 0;
        QString deviceType;
    };
    Purged purgeCompareLibrary(const QString& deviceType);
    // Folder change in the "Open database" dialog: a folder under the program's
    // Data folder gets the backup as ecl41_data.db when it has none.
    void restoreLibraryIntoFolder(const QString& folder);

    // Library rows deleted in this run (by any path) come back newest first,
    // whole (the rows deleted together at once, unmarked), and the first
    // becomes the current record; so do the compare waveforms that a type
    // switch took out, when their type is shown and they went last. False
    // when nothing was left to restore. Throws StoreError when a row cannot
    // be written back.
    bool canUndoDelete() const;
    bool undoDelete();
    // Library rows deleted while the group lives come back with one undo.
    DeletedRows::Group deletingTogether() { return DeletedRows::Group(deleted_); }

    // Handlers of the datasets' events.
    void t_masterAfterOpen(Dataset& ds);
    void t_masterAfterInsert(Dataset& ds);
    void t_masterAfterDelete(Dataset& ds);
    void t_masterBeforeScroll(Dataset& ds);
    void ds_masterDataChange(Dataset& ds);
    void t_pictureAfterScroll(Dataset& ds);
    void t_pictureAfterPost(Dataset& ds);
    void t_ku_listAfterInsert(Dataset& ds);
    bool t_ku_listBeforePost(Dataset& ds);

signals:
    // Whether a deleted library row can be restored changed.
    void undoDeleteAvailable(bool available);

private:
    void openDatasets();
    // Another program changed the server library: the views list its rows
    // again, keeping the selection.
    void libraryChangedElsewhere(const QSet<qint64>& rows);
    void refreshLibraryViews();
    void libraryRestored();
    void showCurrentRecord(Dataset& ds, bool withSpeed);
    void showEmptyLibrary();
    void ensureBackup();
    // The local library failed to open with `first`: restored from the backup
    // when missing, and opened; throws StoreError saying what was done.
    void restoreLocalLibrary(const StoreError& first);
    // The compare waveforms of the shown type that a type switch took out,
    // back, when that was the newest deletion; false otherwise.
    bool undoCompareRemoval();

    ViewState& state_;
    DataModuleHost& host_;
    OdbcRegistry registry_;
    bool localThisRun_ = false;
    DeletedRows deleted_;
    // Compare waveforms taken out by type switches, by their device type.
    std::map<QString, DeletedRows> purged_;
    // Others' changes waiting for an edit here to end.
    QTimer refreshLater_;
    QSet<qint64> changedRows_;
    bool changedAll_ = false;
};

} // namespace store
