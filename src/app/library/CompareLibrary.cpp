#include "app/library/CompareLibrary.h"

#include "store/DataModuleHost.h"
#include "store/DatasetWalk.h"
#include "store/Messages.h"
#include "store/TDataModule1.h"
#include "store/Translated.h"
#include "trace/TraceView.h"

#include <QCoreApplication>
#include <algorithm>

namespace app::library {

using store::Dataset;
using store::TagQuiet;

const QString CompareLibrary::kFullMessage = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "CompareLibrary",
    "Можно сравнивать не более 4-х рефлектограмм. Удалите ненужные рефлектограммы из таблицы сравнения"));

namespace {
const QString kPicture = QStringLiteral("PICTURE");

// The copy goes by position, so both tables must list the same fields in the same order.
void requireSameLayout(Dataset& library, Dataset& compare) {
    bool same = library.fieldCount() == compare.fieldCount() && compare.fieldCount() > 0;
    for (int i = 0; same && i < library.fieldCount(); ++i)
        same = library.fieldName(i).compare(compare.fieldName(i), Qt::CaseInsensitive) == 0;
    if (!same)
        throw store::StoreError(QCoreApplication::translate("CompareLibrary",
                                                            "The compare library's table does not hold the "
                                                            "waveform library's fields in the same order; "
                                                            "nothing was copied.")
                                    .toStdString());
}
} // namespace

CompareLibrary::CompareLibrary(store::ViewState& state, store::TDataModule1& dm,
                               store::DataModuleHost& window)
    : state_(state), dm_(dm), window_(window) {}

QString CompareLibrary::memoPrefix(const QString& title) {
    const int back = title.indexOf(QStringLiteral("\\DATA"));
    const int slash = title.indexOf(QStringLiteral("/DATA"));
    const int from = back < 0 ? slash : (slash < 0 ? back : std::min(back, slash));
    if (from < 0) return {};
    return title.mid(from, std::max(0, int(title.size()) - 2 - from));
}

void CompareLibrary::CopyToCompareLibrary(Dataset& library, Dataset& compare) {
    const int count = compare.recordCount();
    if (count >= kMaxRecords)
        throw CopyRefused(store::translated("CompareLibrary", kFullMessage).toStdString());
    requireSameLayout(library, compare);
    store::DatasetWalk walk(compare);
    walk.tag();
    compare.append();
    compare.fieldByName(QStringLiteral("REC_ID")).setInteger(count + 1);
    for (int i = 1; i < compare.fieldCount(); ++i)
        compare.fieldByNumber(i).setValue(library.fieldByNumber(i).value());
    compare.fieldByName(kPicture).setBool(false);
    compare.fieldByName(QStringLiteral("SDVIG")).setInteger(qint64(count) * kOffsetStep);
    compare.fieldByName(QStringLiteral("MEMO"))
        .setString(memoPrefix(state_.title()) + library.fieldByName(QStringLiteral("MEMO")).asString());
    compare.post();
    library.edit();
    library.fieldByName(kPicture).setBool(false);
    library.post();
    walk.finish();
    window_.redraw(trace::TraceView::WaveformsOnly);
}

void CompareLibrary::SpeedButton_inc_ref_masterClick() {
    Dataset& master = dm_.t_master;
    if (!master.isOpen() || master.isEmpty()) return;
    QString refusal;
    bool copied = false;
    {
        store::DatasetWalk walk(master);
        // The marked rows of the MasterCount first, in table order, as a walk
        // through all of them would meet them; the database finds them, and
        // only those rows are visited. The rows passed by unmarked would only
        // have reset the zoom caption, which the walk's return resets as well.
        const std::vector<int> marked =
            master.markedRows(kPicture, std::min(dm_.MasterCount, master.recordCount()));
        for (const int row : marked) {
            walk.moveTo(row);
            try {
                CopyToCompareLibrary(master, dm_.t_picture);
                copied = true;
            } catch (const CopyRefused& e) {
                refusal = QString::fromStdString(e.what());
                break;
            }
        }
        walk.finish();
    }
    // Each copy drew the walked row as the current waveform; the view goes back to the remembered one.
    if (copied) window_.redraw(trace::TraceView::WaveformsOnly);
    if (!refusal.isEmpty()) store::messages().information(refusal);
}

void CompareLibrary::DeleteMarked(Dataset& ds) {
    if (!ds.isOpen()) return;
    store::DatasetWalk walk(ds, TagQuiet, store::DatasetWalk::End::First);
    // The move to the first row posts a pending edit (a mark just set).
    if (walk.first()) {
        // The marked rows in table order, as a walk through every row would
        // meet and delete them; the database finds them, and only those rows
        // are visited. Each delete moves the rows after it up by one.
        int deleted = 0;
        for (const int row : ds.markedRows(kPicture, ds.recordCount())) {
            walk.moveTo(row - deleted);
            walk.tag();
            ds.deleteRecord();
            ++deleted;
        }
    }
    walk.finish();
}

void CompareLibrary::RenumberCompareLibrary(Dataset& ds) {
    if (!ds.isOpen() || ds.isEmpty()) return;
    const int n = ds.recordCount();
    store::DatasetWalk walk(ds, TagQuiet, store::DatasetWalk::End::First);
    walk.first();
    for (int i = 0; i < n; ++i) {
        ds.edit();
        ds.fieldByName(QStringLiteral("REC_ID")).setInteger(i + 1);
        ds.fieldByName(QStringLiteral("SDVIG")).setInteger(qint64(i) * kOffsetStep);
        ds.post();
        walk.next();
    }
    walk.finish();
}

void CompareLibrary::showCurrentLibraryRecord() {
    dm_.t_master.setTag(store::TagNormal);
    dm_.ds_masterDataChange(dm_.t_master);
}

void CompareLibrary::SpeedButton_del_ref_masterClick() {
    Dataset& library = dm_.t_master;
    if (!library.isOpen()) return;
    const auto marked = library.markedRows(kPicture, library.recordCount()).size();
    // Several at once are asked for once; one Undo delete brings them all back.
    if (marked > 1 && !store::messages().confirm(
                          QCoreApplication::translate("CompareLibrary", "Delete %1 marked waveforms?")
                              .arg(qulonglong(marked))))
        return;
    {
        const auto together = dm_.deletingTogether();
        DeleteMarked(library);
    }
    showCurrentLibraryRecord();
}

void CompareLibrary::SpeedButton_del_ref_pictureClick() {
    Dataset& picture = dm_.t_picture;
    DeleteMarked(picture);
    if (!picture.isEmpty()) RenumberCompareLibrary(picture);
    window_.updateRange();
    window_.redraw(trace::TraceView::KeepDistances);
}

} // namespace app::library
