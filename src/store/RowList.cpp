#include "store/RowList.h"

#include "store/Backend.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QSqlError>
#include <algorithm>

namespace store {

namespace {
// Keys read at once: the grid's page and the rows around it, in one answer.
constexpr int kPage = 256;

QString quoted(const QString& identifier) { return QLatin1Char('"') + identifier + QLatin1Char('"'); }

QString marks(qsizetype n) {
    QStringList m;
    for (qsizetype i = 0; i < n; ++i) m << QStringLiteral("?");
    return m.join(QLatin1Char(','));
}

// The index of `key` in the ascending `keys`, or -1.
int find(const std::vector<qint64>& keys, qint64 key) {
    const auto at = std::lower_bound(keys.begin(), keys.end(), key);
    return at != keys.end() && *at == key ? int(at - keys.begin()) : -1;
}
} // namespace

void RowList::failRead(const QSqlQuery& q) const {
    db_.failRead(QCoreApplication::translate("TableSource", "Cannot read the table %1 of %2: %3")
                     .arg(stmt_.table, db_.displayName(), q.lastError().text()));
}

QSqlQuery RowList::select(const QString& what, const QString& extra, const QString& tail,
                          const QVariantList& params) const {
    QString condition = QStringLiteral("rowid <= ?");
    if (!extra.isEmpty()) condition += QStringLiteral(" AND ") + extra;
    QSqlQuery q(db_.handle());
    q.setForwardOnly(true);
    if (!q.prepare(
            QStringLiteral("SELECT %1 FROM %2%3 %4").arg(what, quoted(stmt_.table), where(condition), tail)))
        failRead(q);
    if (stmt_.hasFilter()) q.addBindValue(stmt_.whereValue);
    q.addBindValue(highest_);
    for (const QVariant& p : params) q.addBindValue(p);
    if (!q.exec()) failRead(q);
    return q;
}

void RowList::clear() {
    base_ = 0;
    counted_ = true;
    highest_ = -1;
    added_.clear();
    pages_.clear();
    all_ = false;
    keys_.clear();
    keys_.shrink_to_fit();
}

Backend::Count RowList::counting() const {
    const QString table = quoted(stmt_.table);
    if (!stmt_.hasFilter()) return {QStringLiteral("(SELECT count(*) FROM %1)").arg(table), 0};
    return db_.countEqual(table, quoted(stmt_.whereColumn));
}

QString RowList::where(const QString& condition) const {
    QStringList terms;
    if (stmt_.hasFilter()) terms << QStringLiteral("%1 = ?").arg(quoted(stmt_.whereColumn));
    if (!condition.isEmpty()) terms << condition;
    return terms.isEmpty() ? QString() : QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
}

qint64 RowList::scalars(const QString& second, const QVariantList& secondParams, qint64* secondValue) const {
    // One statement, so that both are of the same moment.
    const Backend::Count counted = counting();
    QSqlQuery q(db_.handle());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT %1, %2").arg(counted.sql, second))) failRead(q);
    for (int i = 0; stmt_.hasFilter() && i < counted.bindings; ++i) q.addBindValue(stmt_.whereValue);
    if (stmt_.hasFilter()) q.addBindValue(stmt_.whereValue);
    for (const QVariant& p : secondParams) q.addBindValue(p);
    if (!q.exec() || !q.next()) failRead(q);
    const qint64 count = q.value(0).toLongLong();
    if (count < 0 || count > std::numeric_limits<int>::max())
        db_.failRead(QCoreApplication::translate("TableSource", "The table %1 of %2 holds too many rows.")
                         .arg(stmt_.table, db_.displayName()));
    *secondValue = q.value(1).isNull() ? -1 : q.value(1).toLongLong();
    return count;
}

void RowList::load(bool countNow) {
    const QString largest =
        QStringLiteral("(SELECT max(rowid) FROM %1%2)").arg(quoted(stmt_.table), where({}));
    qint64 highest = -1;
    qint64 count = 0;
    if (stmt_.hasFilter()) db_.selectsOn(stmt_.table, stmt_.whereColumn);
    const QString query = stmt_.text();
    const std::optional<Database::Moment> now = countNow ? db_.moment(stmt_.table) : std::nullopt;
    const auto known = counts_.constFind(query);
    if (now && known != counts_.constEnd() && known->at == *now) {
        count = known->count;
        highest = known->highest;
    } else if (countNow) {
        count = scalars(largest, {}, &highest);
        // A few queries at most: the types and the whole library.
        if (counts_.size() >= 8) counts_.clear();
        if (now) counts_.insert(query, {*now, int(count), highest});
    } else {
        QSqlQuery q(db_.handle());
        q.setForwardOnly(true);
        if (!q.prepare(QStringLiteral("SELECT ") + largest)) failRead(q);
        if (stmt_.hasFilter()) q.addBindValue(stmt_.whereValue);
        if (!q.exec() || !q.next()) failRead(q);
        highest = q.value(0).isNull() ? -1 : q.value(0).toLongLong();
    }
    clear();
    base_ = int(count);
    highest_ = highest;
    counted_ = countNow || highest < 0;
}

void RowList::ensureCounted() const {
    if (counted_) return;
    base_ = countBase();
    counted_ = true;
}

int RowList::count() const {
    if (all_) return int(keys_.size());
    ensureCounted();
    return base_ + int(added_.size());
}

bool RowList::isEmpty() const {
    // Not counted yet, the view holds what its query had: rows when it had a largest key.
    if (!all_ && !counted_) return highest_ < 0;
    return count() == 0;
}

int RowList::countBase() const {
    // All the query's rows less the few above the largest key.
    qint64 above = 0;
    const qint64 all = scalars(QStringLiteral("(SELECT count(*) FROM %1%2)")
                                   .arg(quoted(stmt_.table), where(QStringLiteral("rowid > ?"))),
                               {highest_}, &above);
    return int(std::clamp<qint64>(all - std::max<qint64>(above, 0), 0, std::numeric_limits<int>::max()));
}

const std::vector<qint64>& RowList::page(int index) const {
    if (const auto found = pages_.find(index); found != pages_.end()) return found->second;
    const int from = index * kPage;
    const int size = std::min(kPage, base_ - from);
    // From the neighbour read before, so that the engine need not count its
    // way to the page; from the end for the last one.
    const auto before = pages_.find(index - 1);
    const auto after = pages_.find(index + 1);
    QSqlQuery q;
    bool backwards = true;
    if (before != pages_.end() && !before->second.empty() && before->second.back() >= 0) {
        backwards = false;
        q = select(QStringLiteral("rowid"), QStringLiteral("rowid > ?"),
                   QStringLiteral("ORDER BY rowid LIMIT ?"), {before->second.back(), size});
    } else if (after != pages_.end() && !after->second.empty() && after->second.front() >= 0) {
        q = select(QStringLiteral("rowid"), QStringLiteral("rowid < ?"),
                   QStringLiteral("ORDER BY rowid DESC LIMIT ?"), {after->second.front(), size});
    } else if (from + size == base_) {
        q = select(QStringLiteral("rowid"), {}, QStringLiteral("ORDER BY rowid DESC LIMIT ?"), {size});
    } else {
        backwards = false;
        q = select(QStringLiteral("rowid"), {}, QStringLiteral("ORDER BY rowid LIMIT ? OFFSET ?"),
                   {size, from});
    }
    std::vector<qint64> keys;
    keys.reserve(size_t(size));
    while (q.next()) keys.push_back(q.value(0).toLongLong());
    if (backwards) {
        // Rows another program deleted meanwhile leave their places empty
        // (-1) on the side away from the rows the page was read from.
        std::reverse(keys.begin(), keys.end());
        keys.insert(keys.begin(), size_t(std::max<qsizetype>(0, size - qsizetype(keys.size()))), -1);
    }
    return pages_.emplace(index, std::move(keys)).first->second;
}

qint64 RowList::at(int row) const {
    ensureCounted();
    if (row < 0 || row >= count()) return -1;
    if (all_) return keys_[size_t(row)];
    if (row >= base_) return added_[size_t(row - base_)];
    const std::vector<qint64>& keys = page(row / kPage);
    const size_t i = size_t(row % kPage);
    return i < keys.size() ? keys[i] : -1;
}

int RowList::cachedIndex(qint64 rowid, bool& known) const {
    known = true;
    if (all_) return find(keys_, rowid);
    if (rowid > highest_) {
        const int i = find(added_, rowid);
        return i < 0 ? -1 : base_ + i;
    }
    for (const auto& [index, keys] : pages_) {
        const auto first = std::find_if(keys.begin(), keys.end(), [](qint64 k) { return k >= 0; });
        if (first == keys.end() || rowid < *first || rowid > keys.back()) continue;
        const int i = find(keys, rowid);
        return i < 0 ? -1 : index * kPage + i;
    }
    known = false;
    return -1;
}

int RowList::position(qint64 rowid) const {
    // Counted from the nearest page below that was read, or from the first row.
    int from = 0;
    qint64 after = -1;
    for (const auto& [index, keys] : pages_) {
        if (keys.empty() || keys.back() < 0 || keys.back() >= rowid) continue;
        from = index * kPage + int(keys.size());
        after = keys.back();
    }
    QSqlQuery q = after >= 0 ? select(QStringLiteral("count(*)"), QStringLiteral("rowid > ? AND rowid < ?"),
                                      {}, {after, rowid})
                             : select(QStringLiteral("count(*)"), QStringLiteral("rowid < ?"), {}, {rowid});
    if (!q.next()) failRead(q);
    return from + q.value(0).toInt();
}

int RowList::indexOf(qint64 rowid) const {
    ensureCounted();
    if (rowid < 0) return -1;
    bool known = false;
    const int cached = cachedIndex(rowid, known);
    if (known) return cached;
    QSqlQuery q = select(QStringLiteral("1"), QStringLiteral("rowid = ?"), {}, {rowid});
    if (!q.next()) return -1;
    const int row = position(rowid);
    return row < base_ ? row : -1;
}

int RowList::insert(qint64 rowid) {
    ensureCounted();
    if (!all_ && rowid > highest_ && (added_.empty() || rowid > added_.back())) {
        added_.push_back(rowid);
        return count() - 1;
    }
    if (!all_) readAll();
    const auto at = std::lower_bound(keys_.begin(), keys_.end(), rowid);
    if (at != keys_.end() && *at == rowid) return int(at - keys_.begin());
    return int(keys_.insert(at, rowid) - keys_.begin());
}

void RowList::erase(int row) {
    ensureCounted();
    if (row < 0 || row >= count()) return;
    if (all_) {
        keys_.erase(keys_.begin() + row);
    } else if (row >= base_) {
        added_.erase(added_.begin() + (row - base_));
    } else {
        // The rows after it move up: their pages are read again when asked for.
        --base_;
        pages_.erase(pages_.lower_bound(row / kPage), pages_.end());
    }
}

int RowList::forget(qint64 rowid) {
    ensureCounted();
    if (rowid < 0) return -1;
    bool known = false;
    int row = cachedIndex(rowid, known);
    if (!known && !stmt_.hasFilter()) {
        // A whole table has no index of its own to count a place in, and
        // deletions come in runs: its keys are read once instead. The row is
        // gone from them already, and was listed as every row up to the
        // largest key is.
        readAll();
        return int(std::lower_bound(keys_.begin(), keys_.end(), rowid) - keys_.begin());
    }
    if (!known) {
        // Deleted from the table already: a smaller count tells that this view listed it.
        const int now = countBase();
        if (now >= base_) return -1;
        row = position(rowid);
        base_ = now + 1;
    }
    erase(row);
    return row;
}

void RowList::addedElsewhere(qint64 rowid) {
    if (all_ || rowid > highest_) return;
    readAll();
    const int row = find(keys_, rowid);
    if (row >= 0) keys_.erase(keys_.begin() + row);
}

void RowList::readAll() {
    // Without ORDER BY the engine may list the keys from a small index
    // instead of walking every row; table order is restored by sorting here.
    QSqlQuery q = select(QStringLiteral("rowid"), {}, {});
    std::vector<qint64> keys;
    keys.reserve(size_t(count()));
    while (q.next()) keys.push_back(q.value(0).toLongLong());
    std::sort(keys.begin(), keys.end());
    keys.insert(keys.end(), added_.begin(), added_.end());
    keys_ = std::move(keys);
    all_ = true;
    base_ = 0;
    added_.clear();
    pages_.clear();
}

QSqlQuery RowList::query(const QString& sql, const QVariantList& params) const {
    QSqlQuery q(db_.handle());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) failRead(q);
    for (const QVariant& p : params) q.addBindValue(p);
    if (!q.exec()) failRead(q);
    return q;
}

void RowList::relist(const QSet<qint64>& keys) {
    ensureCounted();
    if (keys.isEmpty()) return;
    QVariantList params;
    for (const qint64 key : keys) params << key;
    QString sql = QStringLiteral("SELECT rowid FROM %1 WHERE rowid IN (%2)")
                      .arg(quoted(stmt_.table), marks(keys.size()));
    if (stmt_.hasFilter()) {
        sql += QStringLiteral(" AND %1 = ?").arg(quoted(stmt_.whereColumn));
        params << stmt_.whereValue;
    }
    QSqlQuery q = query(sql, params);
    QSet<qint64> listed;
    while (q.next()) listed.insert(q.value(0).toLongLong());
    // Rows up to the largest key follow the table by themselves; above it
    // only those this view was told of.
    std::vector<qint64>& list = all_ ? keys_ : added_;
    const int base = all_ ? 0 : countBase();
    for (const qint64 key : keys) {
        if (!all_ && key <= highest_) continue;
        const auto at = std::lower_bound(list.begin(), list.end(), key);
        const bool present = at != list.end() && *at == key;
        if (listed.contains(key) && !present) list.insert(at, key);
        else if (!listed.contains(key) && present) list.erase(at);
    }
    if (all_) return;
    base_ = base;
    pages_.clear();
}

std::vector<RowList::Candidate> RowList::rowsWhere(const QString& column, const QString& setCondition,
                                                   int limit) const {
    std::vector<Candidate> found;
    const int n = std::min(limit, count());
    if (n <= 0) return found;
    const QString what = QStringLiteral("rowid, ") + quoted(column);
    const auto take = [&](QSqlQuery& q) {
        while (q.next()) {
            const int row = indexOf(q.value(0).toLongLong());
            if (row >= 0 && row < n) found.push_back({row, q.value(1)});
        }
    };
    if (all_) {
        QSqlQuery q = query(
            QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(what, quoted(stmt_.table), setCondition), {});
        take(q);
        std::sort(found.begin(), found.end(),
                  [](const Candidate& a, const Candidate& b) { return a.row < b.row; });
        return found;
    }
    if (base_ > 0) {
        QSqlQuery q = select(what, setCondition, QStringLiteral("ORDER BY rowid"));
        take(q);
    }
    if (!added_.empty() && base_ < n) {
        QSqlQuery q = query(QStringLiteral("SELECT %1 FROM %2 WHERE rowid > ? AND %3 ORDER BY rowid")
                                .arg(what, quoted(stmt_.table), setCondition),
                            {highest_});
        take(q);
    }
    return found;
}

} // namespace store
