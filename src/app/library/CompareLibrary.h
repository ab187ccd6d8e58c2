#pragma once
#include <QString>
#include <stdexcept>

namespace store {
class DataModuleHost;
class Dataset;
class ViewState;
class TDataModule1;
} // namespace store

namespace app::library {

// A copy into the compare library that is not made; what() is the message
// shown to the user.
struct CopyRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The compare library and the marked rows: copying marked library rows into
// the compare library (at most three, numbered 1..3 with offsets 0, 5, 10),
// deleting marked rows from either library, and renumbering. Store failures
// are raised as store::StoreError; the datasets are left browsing and their
// grids attached.
class CompareLibrary {
public:
    static constexpr int kMaxRecords = 3;
    static constexpr int kOffsetStep = 5;
    static const QString kFullMessage;

    CompareLibrary(store::ViewState& state, store::TDataModule1& dm, store::DataModuleHost& window);

    // Copies every marked library row in table order; a refusal is shown in
    // an information box and ends the pass.
    void SpeedButton_inc_ref_masterClick();
    // Copies the library's current record: every field by position, values
    // as they are stored (the POINTS blob byte for byte), then REC_ID,
    // SDVIG, PICTURE and MEMO of the compare record; the library row's mark
    // is cleared. Throws CopyRefused when three records are there already.
    void CopyToCompareLibrary(store::Dataset& library, store::Dataset& compare);

    // Deletes every record whose PICTURE is set; ends on the first record.
    static void DeleteMarked(store::Dataset& ds);
    // REC_ID 1, 2, 3 and SDVIG 0, 5, 10 in table order; ends on the first record.
    static void RenumberCompareLibrary(store::Dataset& ds);

    void SpeedButton_del_ref_masterClick();
    void SpeedButton_del_ref_pictureClick();

    // The start of a compare record's MEMO: the title's part from the first
    // "\DATA" (or "/DATA") up to its closing blank and bracket; empty without one.
    static QString memoPrefix(const QString& title);

    // After the library's current record changed under the quiet tag, the
    // main window shows it as after any other move.
    void showCurrentLibraryRecord();

private:
    store::ViewState& state_;
    store::TDataModule1& dm_;
    store::DataModuleHost& window_;
};

} // namespace app::library
