#include "store/Dataset.h"

#include "store/Database.h"
#include "store/TableSource.h"

#include <algorithm>

namespace store {

struct Dataset::Impl {
    explicit Impl(Database& db) : source(db) {}
    TableSource source;
    SelectStatement statement;
    QVector<QVariant> buffer; // pending insert or edit
    QVector<bool> changed;
    QVector<int> numbered; // columns of the pending insert that take the next number
    int rowBeforeInsert = -1;
    // What happened while the controls were disabled: rows came or went
    // (the grids list them anew), rows changed, the current record moved.
    bool pendingReset = false;
    std::vector<int> pendingRows;
    bool pendingMove = false;
    bool pendingDataChange = false;
};

Dataset::Dataset(Database& db, QString name, QObject* parent)
    : QObject(parent), d_(std::make_unique<Impl>(db)), db_(db), name_(std::move(name)) {
    setObjectName(name_);
    db_.attach(this);
}

Dataset::~Dataset() { db_.detach(this); }

void Dataset::setTableName(const QString& table) {
    close();
    table_ = table;
    d_->statement = SelectStatement{};
    d_->statement.table = table;
}

void Dataset::setSql(const QString& sql) {
    const SelectStatement s = SelectStatement::parse(sql);
    close();
    d_->statement = s;
    table_ = s.table;
}

QString Dataset::sql() const { return d_->statement.text(); }

void Dataset::requireOpen(const char* operation) const {
    if (!isOpen())
        throw StoreError(QStringLiteral("Cannot %1: the dataset %2 is closed.")
                             .arg(QString::fromLatin1(operation), name_)
                             .toStdString());
}

void Dataset::open() { open(true); }

void Dataset::openCountingLater() { open(false); }

void Dataset::open(bool countNow) {
    if (isOpen()) return;
    if (!db_.isConnected()) db_.connect();
    d_->source.setStatement(d_->statement);
    d_->source.load(countNow);
    state_ = DatasetState::Browse;
    const bool empty = d_->source.isEmpty();
    cur_ = empty ? -1 : 0;
    bof_ = true;
    eof_ = empty;
    emitReset();
    if (afterOpen) afterOpen(*this);
    fireDataChange();
    if (afterScroll) afterScroll(*this);
}

void Dataset::close() {
    if (!isOpen()) return;
    dropPending();
    d_->source.clear();
    state_ = DatasetState::Inactive;
    cur_ = -1;
    bof_ = eof_ = true;
    emitReset();
}

bool Dataset::refresh(const QSet<qint64>& changedRows) {
    if (!isOpen()) return true;
    if (state_ != DatasetState::Browse) return false;
    const Bookmark keep = bookmark();
    d_->source.relist(changedRows);
    const int count = d_->source.count();
    const int row = keep >= 0 ? d_->source.indexOfRowid(keep) : -1;
    if (afterRefresh) afterRefresh(*this);
    emitReset();
    if (row < 0) {
        // The current record was deleted elsewhere (or there was none): its
        // neighbour in the list takes its place.
        scrollTo(std::clamp(cur_, 0, std::max(0, count - 1)), count == 0, count == 0);
        return true;
    }
    cur_ = row;
    bof_ = eof_ = false;
    if (!controlsDisabled()) emit currentChanged(cur_);
    if (changedRows.isEmpty() || changedRows.contains(keep)) fireDataChange();
    return true;
}

int Dataset::recordCount() const { return isOpen() ? d_->source.count() : 0; }

void Dataset::checkBrowseMode() {
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) post();
}

void Dataset::scrollTo(int row, bool bof, bool eof) {
    if (beforeScroll) beforeScroll(*this);
    const int count = d_->source.count();
    cur_ = count == 0 ? -1 : std::clamp(row, 0, count - 1);
    bof_ = bof || count == 0;
    eof_ = eof || count == 0;
    if (controlsDisabled()) d_->pendingMove = true;
    else emit currentChanged(cur_);
    fireDataChange();
    if (afterScroll) afterScroll(*this);
}

void Dataset::first() {
    requireOpen("move");
    checkBrowseMode();
    scrollTo(0, true, false);
}

void Dataset::last() {
    requireOpen("move");
    checkBrowseMode();
    scrollTo(d_->source.count() - 1, false, true);
}

void Dataset::next() {
    requireOpen("move");
    checkBrowseMode();
    if (cur_ + 1 >= d_->source.count()) {
        eof_ = true;
        return;
    }
    scrollTo(cur_ + 1, false, false);
}

void Dataset::prior() {
    requireOpen("move");
    checkBrowseMode();
    if (cur_ <= 0) {
        bof_ = true;
        return;
    }
    scrollTo(cur_ - 1, false, false);
}

void Dataset::moveTo(int index) {
    requireOpen("move");
    if (state_ == DatasetState::Insert && index == d_->source.count()) return; // the pending row is current
    checkBrowseMode();
    scrollTo(index, false, false);
}

Dataset::Bookmark Dataset::bookmark() const {
    if (!isOpen() || cur_ < 0 || cur_ >= d_->source.count()) return -1;
    return d_->source.rowidAt(cur_);
}

bool Dataset::bookmarkValid(Bookmark b) const {
    return isOpen() && b >= 0 && d_->source.indexOfRowid(b) >= 0;
}

void Dataset::gotoBookmark(Bookmark b) {
    requireOpen("move");
    checkBrowseMode();
    const int row = b >= 0 ? d_->source.indexOfRowid(b) : -1;
    scrollTo(row >= 0 ? row : cur_, false, false);
}

void Dataset::append() {
    requireOpen("append");
    checkBrowseMode();
    if (beforeScroll) beforeScroll(*this);
    const int n = d_->source.columns().size();
    d_->buffer = QVector<QVariant>(n);
    d_->changed = QVector<bool>(n, false);
    d_->rowBeforeInsert = cur_;
    state_ = DatasetState::Insert;
    eof_ = true;
    // Grids show the pending row after the records, as their current row.
    emitReset();
    if (!controlsDisabled()) emit currentChanged(d_->source.count());
    fireDataChange();
    if (afterInsert) afterInsert(*this);
    if (afterScroll) afterScroll(*this);
}

void Dataset::edit() {
    requireOpen("edit");
    if (state_ != DatasetState::Browse) return;
    if (d_->source.count() == 0) {
        append();
        return;
    }
    const int n = d_->source.columns().size();
    d_->buffer = QVector<QVariant>(n);
    d_->changed = QVector<bool>(n, false);
    state_ = DatasetState::Edit;
}

void Dataset::dropPending() {
    if (state_ == DatasetState::Insert) {
        const int count = d_->source.count();
        cur_ = count == 0 ? -1 : std::clamp(d_->rowBeforeInsert, 0, count - 1);
    }
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) state_ = DatasetState::Browse;
    d_->buffer.clear();
    d_->changed.clear();
    d_->numbered.clear();
}

void Dataset::appendNumbered(const QString& field, const QStringList& copies) {
    QVector<int> numbered;
    for (const QString& name : QStringList(field) + copies) numbered << fieldByName(name).index();
    append();
    d_->numbered = numbered;
}

void Dataset::post() {
    if (state_ != DatasetState::Edit && state_ != DatasetState::Insert) return;
    if (beforePost && !beforePost(*this)) {
        cancel();
        return;
    }
    store();
}

bool Dataset::postIfAccepted() {
    if (state_ != DatasetState::Edit && state_ != DatasetState::Insert) return false;
    if (beforePost && !beforePost(*this)) return false;
    store();
    return true;
}

void Dataset::store() {
    const bool inserting = state_ == DatasetState::Insert;
    try {
        if (inserting) cur_ = d_->source.insert(d_->buffer, d_->changed, d_->numbered);
        else d_->source.update(cur_, d_->buffer, d_->changed);
    } catch (...) {
        // The file is as it was; the view returns to it rather than keep a change it cannot store.
        dropPending();
        emitReset();
        throw;
    }
    state_ = DatasetState::Browse;
    d_->buffer.clear();
    d_->changed.clear();
    d_->numbered.clear();
    eof_ = bof_ = false;
    if (inserting) {
        db_.rowAdded(table_, d_->source.rowidAt(cur_), this);
        emitReset();
        if (!controlsDisabled()) emit currentChanged(cur_);
    } else {
        emitRowChanged(cur_);
    }
    fireDataChange();
    if (afterPost) afterPost(*this);
}

void Dataset::cancel() {
    if (state_ != DatasetState::Edit && state_ != DatasetState::Insert) return;
    const bool inserting = state_ == DatasetState::Insert;
    dropPending();
    if (inserting) {
        emitReset(); // the pending row leaves the grids
        if (!controlsDisabled()) emit currentChanged(cur_);
    } else {
        emitRowChanged(cur_);
    }
    fireDataChange();
}

void Dataset::deleteRecord() {
    requireOpen("delete");
    if (state_ == DatasetState::Insert) {
        cancel();
        return;
    }
    dropPending();
    if (d_->source.count() == 0 || cur_ < 0)
        throw StoreError(
            QStringLiteral("Cannot delete: the dataset %1 holds no records.").arg(name_).toStdString());
    if (beforeDelete) beforeDelete(*this);
    if (beforeScroll) beforeScroll(*this);
    const qint64 rowid = d_->source.rowidAt(cur_);
    d_->source.remove(cur_);
    db_.rowRemoved(table_, rowid, this);
    const int count = d_->source.count();
    cur_ = count == 0 ? -1 : std::min(cur_, count - 1);
    bof_ = eof_ = count == 0;
    emitReset();
    fireDataChange();
    if (afterDelete) afterDelete(*this);
    if (afterScroll) afterScroll(*this);
}

void Dataset::forgetRow(qint64 rowid) {
    if (!isOpen()) return;
    const int row = d_->source.forget(rowid);
    if (row < 0) return;
    const int count = d_->source.count();
    const auto shifted = [&](int r) {
        return count == 0 ? -1 : std::clamp(r > row ? r - 1 : r, 0, count - 1);
    };
    d_->rowBeforeInsert = shifted(d_->rowBeforeInsert);
    if (state_ != DatasetState::Insert) cur_ = shifted(cur_);
    if (count == 0) bof_ = eof_ = true;
    emitReset();
}

void Dataset::ignoreRow(qint64 rowid) {
    if (isOpen()) d_->source.addedElsewhere(rowid);
}

std::vector<int> Dataset::markedRows(const QString& field, int limit) const {
    return isOpen() ? d_->source.markedRows(fieldIndex(field), limit) : std::vector<int>();
}

int Dataset::fieldCount() const { return isOpen() ? d_->source.columns().size() : 0; }

QString Dataset::fieldName(int index) const {
    if (index < 0 || index >= fieldCount()) return {};
    return d_->source.columns()[index].name;
}

int Dataset::fieldIndex(const QString& name) const { return isOpen() ? d_->source.columnIndex(name) : -1; }

ColumnKind Dataset::fieldKind(int index) const {
    if (index < 0 || index >= fieldCount()) return ColumnKind::Other;
    return d_->source.columns()[index].kind;
}

Field Dataset::fieldByName(const QString& name) {
    const int i = fieldIndex(name);
    if (i < 0) throw StoreError(QStringLiteral("%1: Field '%2' not found").arg(name_, name).toStdString());
    return Field(this, i);
}

Field Dataset::fieldByNumber(int index) {
    if (index < 0 || index >= fieldCount())
        throw StoreError(
            QStringLiteral("%1: Field index %2 out of range").arg(name_).arg(index).toStdString());
    return Field(this, index);
}

QVariant Dataset::currentValue(int field) const {
    if (!isOpen() || field < 0 || field >= fieldCount()) return {};
    if ((state_ == DatasetState::Edit || state_ == DatasetState::Insert) && d_->changed.value(field))
        return d_->buffer[field];
    if (state_ == DatasetState::Insert) return {};
    return d_->source.value(cur_, field);
}

void Dataset::setCurrentValue(int field, const QVariant& v) {
    if (state_ != DatasetState::Edit && state_ != DatasetState::Insert)
        throw StoreError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(name_).toStdString());
    if (field < 0 || field >= fieldCount()) return;
    d_->buffer[field] = FieldValue::toStored(v, fieldKind(field), fieldName(field));
    d_->changed[field] = true;
}

bool Dataset::isPendingRow(int row) const {
    return state_ == DatasetState::Insert && row == d_->source.count();
}

QVariant Dataset::valueAt(int row, int field) const {
    if (isPendingRow(row)) return currentValue(field);
    return isOpen() ? d_->source.value(row, field) : QVariant();
}

void Dataset::setValueAt(int row, int field, const QVariant& v) {
    if (isPendingRow(row)) {
        fieldByNumber(field).setValue(v);
        // Stored as soon as the row is complete; until then it stays pending.
        if (!postIfAccepted()) emitRowChanged(row);
        return;
    }
    moveTo(row);
    edit();
    fieldByNumber(field).setValue(v);
    post();
}

void Dataset::disableControls() { ++disableCount_; }

void Dataset::enableControls() {
    if (disableCount_ == 0) return;
    if (--disableCount_ > 0) return;
    const bool reset = std::exchange(d_->pendingReset, false);
    const std::vector<int> rows = std::exchange(d_->pendingRows, {});
    const bool moved = std::exchange(d_->pendingMove, false);
    const bool change = std::exchange(d_->pendingDataChange, false);
    // A pass that only moved and changed rows (a walk, a copy) leaves the
    // grids their rows: they redraw the changed ones and follow the move.
    if (reset) emit this->reset();
    else
        for (const int row : rows) emit rowChanged(row);
    if (reset || moved || change || !rows.empty()) emit currentChanged(cur_);
    if (change && isOpen() && dataChange) dataChange(*this);
}

void Dataset::fireDataChange() {
    if (controlsDisabled()) {
        d_->pendingDataChange = true;
        return;
    }
    if (dataChange) dataChange(*this);
}

void Dataset::emitReset() {
    if (controlsDisabled()) d_->pendingReset = true;
    else emit reset();
}

void Dataset::emitRowChanged(int row) {
    if (row < 0) return;
    if (!controlsDisabled()) emit rowChanged(row);
    else if (std::find(d_->pendingRows.begin(), d_->pendingRows.end(), row) == d_->pendingRows.end())
        d_->pendingRows.push_back(row);
}

} // namespace store
