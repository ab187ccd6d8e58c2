#include "tools/WaveformNameEditor.h"

#include "store/Dataset.h"

namespace tools {

namespace {
const QString kMemo = QStringLiteral("MEMO");
}

bool WaveformNameEditor::hasCurrentRecord() const {
    return library_.isOpen() && library_.recordCount() > 0 && library_.recNo() >= 0;
}

QString WaveformNameEditor::currentName() const {
    if (!hasCurrentRecord()) return {};
    return library_.fieldByName(kMemo).asString();
}

bool WaveformNameEditor::store(const QString& name) {
    if (!hasCurrentRecord()) return false;
    library_.edit();
    try {
        library_.fieldByName(kMemo).setString(name.left(kMaxLength));
        library_.post();
    } catch (...) {
        // Leave the query browsing the stored record rather than half-edited.
        library_.cancel();
        throw;
    }
    return true;
}

} // namespace tools
