#pragma once
#include <QString>
#include <QStringList>

namespace store {
class DataModuleHost;
class Dataset;
} // namespace store

namespace app::tdr {

// What a folder import did.
struct TdrFolderResult {
    int imported = 0;
    QStringList passedOver; // "file name: reason", in listing order
    QStringList notStored;  // after the disk filled up or the server was lost: the files left, in order
};

// Imports every *.tdr file of the folder of a chosen file, in the order the
// file system lists them; files imported before are stored again. A file that
// cannot be read is passed over; after the folder one warning lists them. A
// full disk ends the import with one line saying what was not stored; a lost
// server with one message saying what was, keeping the journal for the next
// start. The import keeps a journal, so that one cut short can be finished
// later.
class TdrFolderImport {
public:
    // The main window's type filter reopens the library and redraws after an import.
    TdrFolderImport(store::Dataset& master, store::Dataset& master2, store::DataModuleHost& mainWindow);

    // Does nothing for an empty path (the file dialog was cancelled).
    TdrFolderResult importFolderOf(const QString& chosenFile);
    // Imports the named files of `folder`, in that order (the rest of an
    // import cut short).
    TdrFolderResult importFiles(const QString& folder, const QStringList& names);

    // "12 waveforms imported from <folder> (2 files skipped: a.tdr, b.tdr)."
    static QString summaryLine(const TdrFolderResult& result, const QString& folder);
    // The warning text for the files passed over; names at most kListedFiles.
    static QString passedOverMessage(const QStringList& passedOver);
    static constexpr int kListedFiles = 20;
    // The one line after a full disk: how many files of how many, the first
    // few names, and why.
    static QString diskFullMessage(const QStringList& notStored, int total, const QString& reason);
    static constexpr int kNamedInLine = 3;
    // After a lost server: how many files were stored, which were not, and
    // the loss itself (so the loss is told in this one message).
    static QString lostServerMessage(int stored, const QStringList& notStored, const QString& lost);

private:
    // `unlisted`: files the listing could not name, passed over with their reason.
    TdrFolderResult importFiles(const QString& folder, const QStringList& names, const QStringList& unlisted);

    store::Dataset& master_;
    store::Dataset& master2_;
    store::DataModuleHost& mainWindow_;
};

} // namespace app::tdr
