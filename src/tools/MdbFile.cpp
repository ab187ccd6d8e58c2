#include "tools/MdbFile.h"

#include "store/Numbers.h"
#include "tools/MdbError.h"

#include <QCoreApplication>
#include <QFile>
#include <glib.h>
// glib.h must come first: mdbtools.h uses its types without including it.
#include <mdbtools.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace tools {

namespace {

// Text and memo values longer than this are cut; waveform tables hold none.
constexpr size_t kBindSize = 65536;

MdbHandle* mdb(void* handle) { return static_cast<MdbHandle*>(handle); }

MdbColumn* columnAt(MdbTableDef* t, unsigned i) {
    return static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
}

struct TableDefDeleter {
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};
using TableDef = std::unique_ptr<MdbTableDef, TableDefDeleter>;

// One bound column: libmdb copies the value's text (or, for OLE, the 12-byte
// long-value reference) into `buffer` on every fetched row.
struct Binding {
    MdbColumn* column = nullptr;
    std::unique_ptr<char[]> buffer;
    int length = 0;
};

QVariant oleValue(MdbHandle* h, Binding& b) {
    if (b.length < MDB_MEMO_OVERHEAD) return {};
    size_t size = 0;
    void* data = mdb_ole_read_full(h, b.column, &size);
    if (!data) return {};
    QByteArray bytes(static_cast<const char*>(data), qsizetype(size));
    std::free(data);
    return bytes;
}

QVariant binaryValue(MdbHandle* h, const Binding& b) {
    const int start = b.column->cur_value_start;
    const int len = b.column->cur_value_len;
    if (len <= 0 || start < 0 || start + len > MDB_PGSIZE) return {};
    return QByteArray(reinterpret_cast<const char*>(h->pg_buf) + start, len);
}

QVariant textValue(const Binding& b) {
    const int len = std::clamp<int>(b.length, 0, int(kBindSize) - 1);
    const QString text = QString::fromUtf8(b.buffer.get(), len);
    switch (b.column->col_type) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT: {
        bool ok = false;
        const qint64 v = text.toLongLong(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC: {
        const auto v = store::parseNumber(text);
        return v ? QVariant(*v) : QVariant();
    }
    default: return len == 0 ? QVariant() : QVariant(text);
    }
}

} // namespace

MdbFile::MdbFile(const QString& path) : path_(path) {
    if (!QFile::exists(path))
        throw MdbError(QCoreApplication::translate("MdbFile", "%1: the file does not exist").arg(path));
    if (!hasAccessHeader(path))
        throw MdbError(QCoreApplication::translate("MdbFile", "%1: not an Access database file").arg(path));
    const QByteArray name = QFile::encodeName(path);
    MdbHandle* h = mdb_open(name.constData(), MDB_NOFLAGS);
    if (!h)
        throw MdbError(
            QCoreApplication::translate("MdbFile", "%1: the Access database cannot be opened").arg(path));
    mdb_set_bind_size(h, kBindSize);
    mdb_set_date_fmt(h, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(h);
    if (!mdb_read_catalog(h, MDB_TABLE)) {
        mdb_close(h);
        throw MdbError(
            QCoreApplication::translate("MdbFile", "%1: the table list of the Access database cannot be read")
                .arg(path));
    }
    handle_ = h;
}

MdbFile::~MdbFile() { mdb_close(mdb(handle_)); }

bool MdbFile::hasAccessHeader(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(19);
    return head.size() == 19 &&
           (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB");
}

QStringList MdbFile::tableNames() const {
    QStringList names;
    MdbHandle* h = mdb(handle_);
    for (unsigned i = 0; i < h->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(h->catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            names << QString::fromUtf8(entry->object_name);
    }
    return names;
}

MdbTable MdbFile::readTable(const QString& table, const QStringList& columns) const {
    MdbHandle* h = mdb(handle_);
    QByteArray tableName = table.toUtf8();
    TableDef t(mdb_read_table_by_name(h, tableName.data(), MDB_TABLE));
    if (!t)
        throw MdbError(QCoreApplication::translate("MdbFile", "%1: there is no table %2").arg(path_, table));
    if (!mdb_read_columns(t.get()))
        throw MdbError(QCoreApplication::translate("MdbFile", "%1: the columns of table %2 cannot be read")
                           .arg(path_, table));

    MdbTable result;
    // libmdb keeps pointers to each binding's buffer and length: they must not move.
    std::vector<std::unique_ptr<Binding>> bound;
    auto bind = [&](unsigned i) {
        auto b = std::make_unique<Binding>();
        b->column = columnAt(t.get(), i);
        b->buffer = std::make_unique<char[]>(kBindSize);
        mdb_bind_column(t.get(), int(i) + 1, b->buffer.get(), &b->length);
        result.columns << QString::fromUtf8(b->column->name);
        bound.push_back(std::move(b));
    };
    if (columns.isEmpty()) {
        for (unsigned i = 0; i < t->num_cols; ++i) bind(i);
    } else {
        for (const QString& wanted : columns) {
            unsigned i = 0;
            while (i < t->num_cols &&
                   QString::fromUtf8(columnAt(t.get(), i)->name).compare(wanted, Qt::CaseInsensitive))
                ++i;
            if (i == t->num_cols)
                throw MdbError(QCoreApplication::translate("MdbFile", "%1: table %2 has no column %3")
                                   .arg(path_, table, wanted));
            bind(i);
        }
    }

    mdb_rewind_table(t.get());
    while (mdb_fetch_row(t.get())) {
        QVariantList row(int(bound.size()));
        // Fixed binary values live on the current data page, which reading a
        // long OLE value replaces: take them first.
        for (size_t c = 0; c < bound.size(); ++c)
            if (bound[c]->column->col_type == MDB_BINARY) row[int(c)] = binaryValue(h, *bound[c]);
        for (size_t c = 0; c < bound.size(); ++c) {
            const int type = bound[c]->column->col_type;
            if (type == MDB_OLE) row[int(c)] = oleValue(h, *bound[c]);
            else if (type != MDB_BINARY) row[int(c)] = textValue(*bound[c]);
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

} // namespace tools
