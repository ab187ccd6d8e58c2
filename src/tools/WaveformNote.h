#pragma once
#include <QCoreApplication>
#include <QString>

namespace store {
class Dataset;
}

namespace tools {

// The free-text note kept with a library waveform (field NOTE of the current
// record of the library query): what was found, where the crew dug. Read and
// written without a window.
class WaveformNote {
    Q_DECLARE_TR_FUNCTIONS(WaveformNote)
public:
    // The longest note the library keeps.
    static constexpr int kMaxLength = 2000;

    explicit WaveformNote(store::Dataset& library) : library_(library) {}

    // Why no note can be stored for the current waveform now (no waveform
    // selected, a library that cannot keep notes, a read-only file); empty
    // when it can.
    QString refusal() const;
    // The current waveform's "№ N name", for the editor's title.
    QString waveformTitle() const;
    // The current waveform's note; empty when it has none.
    QString current() const;
    // Stores `text` as the current waveform's note in one post: its ends
    // trimmed, an empty text removing the note. Throws store::StoreError with
    // the reason when refused (see refusal()), when longer than kMaxLength,
    // or when the file refuses the write; the record is then as it was.
    void store(const QString& text);

private:
    int noteField() const;
    store::Dataset& library_;
};

} // namespace tools
