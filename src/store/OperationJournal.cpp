#include "store/OperationJournal.h"

#include "store/ProgramFolder.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace store {

namespace {
// A journal lists at most a folder of files; anything larger is not ours.
constexpr qint64 kMaxJournalBytes = 16 * 1024 * 1024;
const QString kRead = QStringLiteral("read");
const QString kImport = QStringLiteral("import");

QJsonArray toArray(const QStringList& list) { return QJsonArray::fromStringList(list); }

bool toList(const QJsonValue& value, QStringList& out) {
    if (!value.isArray()) return false;
    for (const QJsonValue& v : value.toArray()) {
        if (!v.isString()) return false;
        out << v.toString();
    }
    return true;
}
} // namespace

QStringList JournalEntry::missing() const {
    QStringList out;
    for (const QString& item : items)
        if (!done.contains(item)) out << item;
    return out;
}

QString OperationJournal::defaultPath() { return programFolder() + QStringLiteral("operation.journal"); }

OperationJournal::OperationJournal(const JournalEntry& entry, QString path)
    : entry_(entry), path_(std::move(path)) {
    write();
}

OperationJournal::~OperationJournal() { QFile::remove(path_); }

void OperationJournal::storing(const QString& item) {
    entry_.storing = item;
    write();
}

void OperationJournal::stored(const QString& item) {
    entry_.done.insert(item);
    entry_.storing.clear();
    write();
}

void OperationJournal::write() {
    QString problem;
    if (!save(entry_, path_, &problem) && !warned_) {
        warned_ = true;
        qWarning().noquote() << "The journal" << path_ << "cannot be written:" << problem;
    }
}

bool OperationJournal::save(const JournalEntry& entry, const QString& path, QString* problem) {
    QStringList done;
    // In the operation's order, so that the file reads as a ticked list.
    for (const QString& item : entry.items)
        if (entry.done.contains(item)) done << item;
    QJsonObject o;
    o[QStringLiteral("operation")] = entry.kind == JournalEntry::Kind::Read ? kRead : kImport;
    o[QStringLiteral("source")] = entry.source;
    o[QStringLiteral("items")] = toArray(entry.items);
    o[QStringLiteral("done")] = toArray(done);
    o[QStringLiteral("storing")] = entry.storing;
    // Replaced whole or not at all: a journal cut short by a crash is never read.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(QJsonDocument(o).toJson(QJsonDocument::Compact)) >= 0 && file.commit();
    if (!written && problem) *problem = file.errorString();
    return written;
}

std::optional<JournalEntry> OperationJournal::load(const QString& path, QString* problem) {
    QFile file(path);
    if (!file.exists()) return std::nullopt;
    const auto refuse = [&](const QString& why) -> std::optional<JournalEntry> {
        if (problem) *problem = why;
        return std::nullopt;
    };
    if (!file.open(QIODevice::ReadOnly)) return refuse(file.errorString());
    if (file.size() > kMaxJournalBytes)
        return refuse(QCoreApplication::translate("OperationJournal", "the file is too large"));
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return refuse(QCoreApplication::translate("OperationJournal", "the file is damaged or incomplete"));
    const QJsonObject o = doc.object();
    JournalEntry entry;
    const QString operation = o.value(QStringLiteral("operation")).toString();
    if (operation == kRead) entry.kind = JournalEntry::Kind::Read;
    else if (operation != kImport)
        return refuse(QCoreApplication::translate("OperationJournal", "the file names no known operation"));
    QStringList done;
    if (!toList(o.value(QStringLiteral("items")), entry.items) ||
        !toList(o.value(QStringLiteral("done")), done))
        return refuse(QCoreApplication::translate("OperationJournal", "the file is damaged or incomplete"));
    entry.done = QSet<QString>(done.begin(), done.end());
    entry.source = o.value(QStringLiteral("source")).toString();
    entry.storing = o.value(QStringLiteral("storing")).toString();
    return entry;
}

} // namespace store
