#include "tools/WaveformNote.h"

#include "store/Database.h"
#include "store/Dataset.h"

#include <QDir>
#include <QFileInfo>

namespace tools {

namespace {
const QString kNote = QStringLiteral("NOTE");
}

int WaveformNote::noteField() const { return library_.isOpen() ? library_.fieldIndex(kNote) : -1; }

QString WaveformNote::refusal() const {
    if (!library_.isOpen() || library_.recordCount() == 0 || library_.recNo() < 0)
        return tr("Select a waveform in the library first; a note belongs to one waveform.");
    const store::Database& db = library_.database();
    const QString file = QDir::toNativeSeparators(db.path());
    if (noteField() < 0) {
        const QString why = db.missingFieldsReason().isEmpty()
                                ? tr("its waveform table has no field %1.").arg(kNote)
                                : db.missingFieldsReason();
        return tr("The library %1 cannot keep notes: %2").arg(file, why);
    }
    const QFileInfo info(db.path());
    if (info.exists() && !info.isWritable())
        return tr("The library %1 is read-only: the note cannot be stored. Copy the file to a folder you "
                  "may write to and open the copy.")
            .arg(file);
    return {};
}

QString WaveformNote::waveformTitle() const {
    if (!library_.isOpen() || library_.recordCount() == 0 || library_.recNo() < 0) return {};
    return tr("№ %1 %2").arg(library_.fieldByName(QStringLiteral("REC_ID")).asString(),
                             library_.fieldByName(QStringLiteral("MEMO")).asString());
}

QString WaveformNote::current() const {
    const int field = noteField();
    if (field < 0 || library_.recordCount() == 0 || library_.recNo() < 0) return {};
    return library_.fieldByNumber(field).asString();
}

void WaveformNote::store(const QString& text) {
    const QString why = refusal();
    if (!why.isEmpty()) throw store::StoreError(why.toStdString());
    const QString note = text.trimmed();
    if (note.size() > kMaxLength)
        throw store::StoreError(tr("The note has %1 characters; the library keeps at most %2. Shorten it.")
                                    .arg(note.size())
                                    .arg(kMaxLength)
                                    .toStdString());
    const int field = noteField();
    library_.edit();
    try {
        library_.fieldByNumber(field).setValue(note.isEmpty() ? QVariant() : QVariant(note));
        library_.post();
    } catch (...) {
        // The query goes back to browsing the stored record, not a half-edited one.
        library_.cancel();
        throw;
    }
}

} // namespace tools
