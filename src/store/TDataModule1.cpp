#include "store/TDataModule1.h"

#include "store/Numbers.h"
#include "store/ProgramFolder.h"
#include "store/ProgramTitle.h"
#include "store/SelectStatement.h"
#include "store/ServerAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <memory>

namespace store {

const QString TDataModule1::kLibraryAlias = QStringLiteral("ecl41_data");
const QString TDataModule1::kCompareAlias = QStringLiteral("ecl41_pic");
const QString TDataModule1::kListAlias = QStringLiteral("ecl41_list");

TDataModule1::TDataModule1(ViewState& state, DataModuleHost& host, QObject* parent)
    : QObject(parent), Database1(kLibraryAlias, Schema::Kind::Library),
      Database2(kCompareAlias, Schema::Kind::Library), Database3(kListAlias, Schema::Kind::Lists),
      Database4(kListAlias, Schema::Kind::Lists), t_ku_list(Database3, QStringLiteral("t_ku_list")),
      t_picture(Database2, QStringLiteral("t_picture")),
      t_ku_list_temp(Database4, QStringLiteral("t_ku_list_temp")),
      t_refl_list(Database4, QStringLiteral("t_refl_list")), t_master(Database1, QStringLiteral("t_master")),
      t_master2(Database1, QStringLiteral("t_master2")), state_(state), host_(host) {
    setObjectName(QStringLiteral("DataModule1"));
    const QString data = programFolder() + QStringLiteral("Data/");
    // A missing library is a database error that start-up answers with the
    // backup; the compare library and the lists are simply created.
    Database1.setCreateIfMissing(false);
    Database1.setPathSource([this] { return libraryPath(); });
    Database2.setPath(data + QStringLiteral("ecl41_pic.db"));
    // A server library keeps the PR list beside it, so the crew shares it.
    Database3.setPathSource([this] {
        const QString library = libraryPath();
        return ServerAddress::isServerUrl(library) ? library : listPath();
    });
    Database4.setPath(listPath());
    Database1.setServerEvents(
        {[this](const QString& why) { host_.libraryConnectionLost(why); }, [this] { libraryRestored(); },
         [this](const QString&, const QSet<qint64>& rows) { libraryChangedElsewhere(rows); }});

    t_ku_list.setTableName(QStringLiteral("list_ku"));
    t_picture.setTableName(QStringLiteral("master"));
    t_ku_list_temp.setTableName(QStringLiteral("list_ku_dev"));
    t_refl_list.setTableName(QStringLiteral("list_ref_dev"));
    t_master.setSql(queryFor(deviceTypeOf(state_.typeIndex())));
    t_master2.setTableName(QStringLiteral("master"));

    refreshLater_.setSingleShot(true);
    QObject::connect(&refreshLater_, &QTimer::timeout, this, [this] { refreshLibraryViews(); });
    t_master.afterOpen = [this](Dataset& ds) { t_masterAfterOpen(ds); };
    t_master.afterRefresh = [this](Dataset& ds) { t_masterAfterOpen(ds); };
    t_master.afterInsert = [this](Dataset& ds) { t_masterAfterInsert(ds); };
    t_master.afterDelete = [this](Dataset& ds) { t_masterAfterDelete(ds); };
    t_master.beforeDelete = [this](Dataset& ds) {
        deleted_.remember(Database1, ds.tableName(), ds.bookmark());
        emit undoDeleteAvailable(true);
    };
    t_master.beforeScroll = [this](Dataset& ds) { t_masterBeforeScroll(ds); };
    t_master.dataChange = [this](Dataset& ds) { ds_masterDataChange(ds); };
    t_picture.afterScroll = [this](Dataset& ds) { t_pictureAfterScroll(ds); };
    t_picture.afterPost = [this](Dataset& ds) { t_pictureAfterPost(ds); };
    t_ku_list.afterInsert = [this](Dataset& ds) { t_ku_listAfterInsert(ds); };
    t_ku_list.beforePost = [this](Dataset& ds) { return t_ku_listBeforePost(ds); };
}

TDataModule1::~TDataModule1() = default;

QString TDataModule1::libraryDefaultPath() { return programFolder() + QStringLiteral("Data/ecl41_data.db"); }

QString TDataModule1::listPath() { return programFolder() + QStringLiteral("Data/ecl41_list.db"); }

QString TDataModule1::backupPath() { return programFolder() + QStringLiteral("Save/ecl41_data.db"); }

QString TDataModule1::registeredLibraryPath() const {
    return registry_.readDbq(kLibraryAlias, libraryDefaultPath());
}

QString TDataModule1::libraryPath() const {
    return localThisRun_ ? libraryDefaultPath() : registeredLibraryPath();
}

QString TDataModule1::titleFor(const QString& libraryPath) {
    if (ServerAddress::isServerUrl(libraryPath))
        return programTitle() + QStringLiteral("   [") + ServerAddress::describe(libraryPath) +
               QStringLiteral(" ]");
    const int slash = std::max(libraryPath.lastIndexOf('/'), libraryPath.lastIndexOf('\\'));
    return programTitle() + QStringLiteral("   [") + libraryPath.left(slash + 1) + QStringLiteral(" ]");
}

QString TDataModule1::deviceTypeOf(int typeIndex) {
    return typeIndex == 1 ? QStringLiteral("KM-630 ver.1") : QStringLiteral("KM-41A1 ver.5");
}

QString TDataModule1::queryFor(const QString& deviceType) {
    SelectStatement s;
    s.table = QStringLiteral("master");
    s.whereColumn = QStringLiteral("DEVICE_TYPE");
    s.whereValue = deviceType;
    return s.text();
}

void TDataModule1::ensureBackup() {
    const QString backup = backupPath();
    if (QFileInfo::exists(backup)) return;
    try {
        Database::createFile(backup, Schema::Kind::Library);
    } catch (const StoreError&) {
        // A read-only program folder: the restore below then reports the missing backup.
    }
}

void TDataModule1::openDatasets() {
    Database1.connect();
    Database2.connect();
    Database3.connect();
    Database4.connect();
    t_ku_list.open();
    t_picture.setTag(TagScan);
    t_picture.open();
    t_ku_list_temp.open();
    t_refl_list.open();
    t_master.open();
    t_master2.open();
}

void TDataModule1::openStore() {
    ensureBackup();
    const QString opened = libraryPath();
    try {
        openDatasets();
    } catch (const StoreError& first) {
        Database1.disconnect();
        Database3.disconnect();
        // The backup is the local library's: a registered library elsewhere
        // that cannot be opened is named, and the choice is the user's.
        if (ServerAddress::isServerUrl(opened)) throw ServerLibraryError(first.what());
        const QString library = libraryDefaultPath();
        if (QDir::cleanPath(QFileInfo(opened).absoluteFilePath()) != QDir::cleanPath(library))
            throw UnavailableLibraryError(
                QCoreApplication::translate("TDataModule1", "The waveform library %1 cannot be opened: %2")
                    .arg(QDir::toNativeSeparators(opened), QString::fromUtf8(first.what()))
                    .toStdString());
        restoreLocalLibrary(first);
    }
    state_.setTitle(titleFor(libraryPath()));
}

void TDataModule1::restoreLocalLibrary(const StoreError& first) {
    const QString library = libraryDefaultPath();
    const QString backup = backupPath();
    auto fail = [&](const QString& what) {
        throw StoreError(
            QCoreApplication::translate("TDataModule1", "The waveform database cannot be opened.\n%1\n%2")
                .arg(QString::fromUtf8(first.what()), what)
                .toStdString());
    };
    // A library that is there is the user's, however damaged: it is never replaced.
    if (QFileInfo::exists(library))
        fail(QCoreApplication::translate(
                 "TDataModule1", "%1 was left as it is: the backup %2 replaces only a missing library.")
                 .arg(QDir::toNativeSeparators(library), QDir::toNativeSeparators(backup)));
    // A log left by a deleted library must not be replayed into the restored copy.
    QFile::remove(library + QStringLiteral("-wal"));
    QFile::remove(library + QStringLiteral("-shm"));
    QDir().mkpath(QFileInfo(library).absolutePath());
    if (!QFile::copy(backup, library))
        fail(QCoreApplication::translate("TDataModule1", "The backup %1 could not be copied to %2.")
                 .arg(QDir::toNativeSeparators(backup), QDir::toNativeSeparators(library)));
    try {
        if (!localThisRun_) registry_.writeDbq(kLibraryAlias, library);
        openDatasets();
    } catch (const StoreError& second) {
        fail(QCoreApplication::translate("TDataModule1", "After restoring %1 from %2: %3")
                 .arg(QDir::toNativeSeparators(library), QDir::toNativeSeparators(backup),
                      QString::fromUtf8(second.what())));
    }
}

void TDataModule1::useLocalLibrary() {
    Database1.disconnect();
    Database3.disconnect();
    if (ServerAddress::isServerUrl(registeredLibraryPath()))
        registry_.writeDbq(kLibraryAlias, libraryDefaultPath());
    else localThisRun_ = true;
}

void TDataModule1::DataModuleCreate() {
    openStore();
    host_.applyDeviceFilter();
    if (MasterCount > 0) showCurrentRecord(t_master, true);
    else showEmptyLibrary();
    host_.updateRange();
    host_.redraw(3);
    t_master.setTag(TagNormal);
}

void TDataModule1::openLibraryFile(const QString& path) {
    const QString previous = registeredLibraryPath();
    const bool wasLocal = localThisRun_;
    auto reopen = [this] {
        Database1.disconnect();
        Database3.disconnect();
        state_.setTitle(titleFor(libraryPath()));
        Database1.connect();
        t_master.open();
        t_picture.open();
        t_master2.open();
        Database3.connect();
        t_ku_list.open();
        t_ku_list_temp.open();
        t_refl_list.open();
    };
    try {
        if (ServerAddress::isServerUrl(path)) {
            const QString refusal = ServerAddress::refusal(path);
            if (!refusal.isEmpty()) throw StoreError(refusal.toStdString());
        }
        Database1.disconnect();
        registry_.writeDbq(kLibraryAlias, path);
        localThisRun_ = false;
        reopen();
    } catch (const StoreError& e) {
        try {
            registry_.writeDbq(kLibraryAlias, previous);
            localThisRun_ = wasLocal;
            reopen();
        } catch (const StoreError&) {
            // The previous library is gone too; the views stay empty and the message below says why.
        }
        throw StoreError(QCoreApplication::translate(
                             "TDataModule1",
                             "The waveform database %1 cannot be opened; the previous one stays in use.\n%2")
                             .arg(ServerAddress::isServerUrl(path) ? ServerAddress::describe(path)
                                                                   : QDir::toNativeSeparators(path),
                                  QString::fromStdString(e.what()))
                             .toStdString());
    }
}

void TDataModule1::applyTypeQuery(const QString& deviceType) {
    // The connection stays: the views opened on it again list what the
    // library holds now, as after a new connection, without closing and
    // opening the file; a server's keeps watching the server, and a lost
    // one comes back by itself, the views with it.
    t_master.setSql(queryFor(deviceType));
    t_master2.close();
    Database1.connect();
    t_picture.open();
    t_master.open();
    // The whole library is counted when an import or a read first needs it.
    t_master2.openCountingLater();
}

TDataModule1::Purged TDataModule1::purgeCompareLibrary(const QString& deviceType) {
    Purged purged;
    const int n = t_picture.recordCount();
    std::map<QString, std::unique_ptr<DeletedRows::Group>> together;
    t_picture.disableControls();
    try {
        t_picture.setTag(TagQuiet);
        t_picture.first();
        for (int i = 0; i < n && !t_picture.isEmpty(); ++i) {
            const QString type = t_picture.fieldByName(QStringLiteral("DEVICE_TYPE")).asString();
            if (type == deviceType) break;
            DeletedRows& kept = purged_[type];
            if (!together[type]) together[type] = std::make_unique<DeletedRows::Group>(kept);
            kept.remember(Database2, t_picture.tableName(), t_picture.bookmark());
            t_picture.setTag(TagQuiet);
            t_picture.deleteRecord();
            ++purged.count;
            purged.deviceType = type;
        }
    } catch (...) {
        t_picture.enableControls();
        emit undoDeleteAvailable(canUndoDelete());
        throw;
    }
    t_picture.enableControls();
    emit undoDeleteAvailable(canUndoDelete());
    return purged;
}

void TDataModule1::restoreLibraryIntoFolder(const QString& folder) {
    // The Data folder beside the program and the folders in it; "DataOld" or
    // "Database" beside it are other folders.
    const QString data = QDir::cleanPath(programFolder() + QStringLiteral("DATA")) + QLatin1Char('/');
    if (!(QDir::cleanPath(folder) + QLatin1Char('/')).startsWith(data, Qt::CaseInsensitive)) return;
    const QString target = QDir(folder).filePath(QStringLiteral("ecl41_data.db"));
    if (!QFileInfo::exists(target)) QFile::copy(backupPath(), target);
}

bool TDataModule1::canUndoDelete() const {
    const auto compare = purged_.find(deviceTypeOf(state_.typeIndex()));
    return !deleted_.isEmpty() || (compare != purged_.end() && !compare->second.isEmpty());
}

bool TDataModule1::undoCompareRemoval() {
    const auto compare = purged_.find(deviceTypeOf(state_.typeIndex()));
    if (compare == purged_.end() || compare->second.newestGroup(Database2) <= deleted_.newestGroup(Database1))
        return false;
    const QList<qint64> restored =
        compare->second.restoreNewest(Database2, t_picture.tableName(), QStringLiteral("REC_ID"));
    emit undoDeleteAvailable(canUndoDelete());
    if (restored.isEmpty()) return false;
    t_picture.close();
    t_picture.setTag(TagScan);
    t_picture.open();
    host_.SetCompareGridEnabled(t_picture.recordCount() > 0);
    host_.updateRange();
    host_.redraw(1);
    return true;
}

bool TDataModule1::undoDelete() {
    if (undoCompareRemoval()) return true;
    const QList<qint64> restored = deleted_.restoreNewest(
        Database1, t_master2.tableName(), QStringLiteral("REC_ID"), QStringLiteral("PICTURE"));
    emit undoDeleteAvailable(canUndoDelete());
    if (restored.isEmpty()) return false;
    const qint64 rowid = restored.first();
    // The views list their rows once, when opened: reopened, they list the
    // restored row in its place; the quiet tag leaves the drawing to the move.
    t_master2.close();
    t_master2.open();
    t_master.close();
    t_master.setTag(TagQuiet);
    t_master.open();
    t_master.setTag(TagNormal);
    t_master.gotoBookmark(rowid);
    return true;
}

void TDataModule1::libraryChangedElsewhere(const QSet<qint64>& rows) {
    // Empty: not known which rows; the whole list is read again.
    if (rows.isEmpty()) changedAll_ = true;
    changedRows_.unite(rows);
    refreshLibraryViews();
}

void TDataModule1::refreshLibraryViews() {
    // A waveform being edited here is stored (or refused) first; the views
    // follow a moment later, with everything changed meanwhile.
    if (t_master.state() != DatasetState::Browse || t_master2.state() != DatasetState::Browse) {
        if (!refreshLater_.isActive()) refreshLater_.start(200);
        return;
    }
    refreshLater_.stop();
    const QSet<qint64> changed = changedAll_ ? QSet<qint64>() : changedRows_;
    changedRows_.clear();
    changedAll_ = false;
    try {
        t_master2.refresh(changed);
        t_master.refresh(changed);
    } catch (const StoreError&) {
        // The server went away meanwhile: the views keep what they listed and
        // the lost connection is reported once, by its own path.
        return;
    }
    // The last waveform of the type went elsewhere: its values leave the boxes.
    if (MasterCount == 0) showEmptyLibrary();
    host_.updateRange();
}

void TDataModule1::libraryRestored() {
    // Views that could not be opened while the server was away are opened now.
    try {
        for (Dataset* ds : {&t_master2, &t_master})
            if (!ds->isOpen()) ds->open();
    } catch (const StoreError&) {
        // Gone again: the next reconnect tries once more.
    }
    libraryChangedElsewhere({});
    host_.libraryConnectionRestored(Database1.displayName());
}

} // namespace store
