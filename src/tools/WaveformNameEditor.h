#pragma once
#include <QString>

namespace store {
class Dataset;
}

namespace tools {

// The rename behind "Edit waveform name": reads and writes MEMO of the current
// record of the library query, without a window.
class WaveformNameEditor {
public:
    // The longest name the library keeps.
    static constexpr int kMaxLength = 100;

    explicit WaveformNameEditor(store::Dataset& library) : library_(library) {}

    // MEMO of the current record; empty when the field or the query is empty.
    QString currentName() const;
    // Stores the first MaxLength characters of `name` into MEMO of the current
    // record and posts it. Returns false, storing nothing, when the query has
    // no current record: a rename must not create a waveform without samples.
    // Database errors propagate as store::StoreError.
    bool store(const QString& name);

private:
    bool hasCurrentRecord() const;
    store::Dataset& library_;
};

} // namespace tools
