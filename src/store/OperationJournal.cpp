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
const QString kStoring = QStringLiteral("storing");
const QString kDone = QStringLiteral("done");

QByteArray stepLine(const QString& step, const QString& item) {
    return QJsonDocument(QJsonObject{{step, item}}).toJson(QJsonDocument::Compact) + '\n';
}

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
    : path_(std::move(path)), steps_(path_) {
    QString problem;
    if (!save(entry, path_, &problem)) warn(problem);
    else if (!steps_.open(QIODevice::WriteOnly | QIODevice::Append)) warn(steps_.errorString());
}

OperationJournal::~OperationJournal() {
    steps_.close();
    if (!kept_) QFile::remove(path_);
}

void OperationJournal::storing(const QString& item) { append(kStoring, item); }

void OperationJournal::stored(const QString& item) { append(kDone, item); }

void OperationJournal::append(const QString& step, const QString& item) {
    if (!steps_.isOpen()) return;
    // Flushed at once: what the program wrote survives the program being
    // killed; the operating system keeps it.
    if (steps_.write(stepLine(step, item)) < 0 || !steps_.flush()) warn(steps_.errorString());
}

void OperationJournal::warn(const QString& problem) {
    if (warned_) return;
    warned_ = true;
    qWarning().noquote() << "The journal" << path_ << "cannot be written:" << problem;
}

bool OperationJournal::save(const JournalEntry& entry, const QString& path, QString* problem) {
    QJsonObject o;
    o[QStringLiteral("operation")] = entry.kind == JournalEntry::Kind::Read ? kRead : kImport;
    o[QStringLiteral("source")] = entry.source;
    o[QStringLiteral("library")] = entry.library;
    o[QStringLiteral("items")] = QJsonArray::fromStringList(entry.items);
    QByteArray text = QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
    // In the operation's order, so that the file reads as a ticked list.
    for (const QString& item : entry.items)
        if (entry.done.contains(item)) text += stepLine(kDone, item);
    if (!entry.storing.isEmpty()) text += stepLine(kStoring, entry.storing);
    // Replaced whole or not at all: a journal whose operation line was cut
    // short is never read.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(text) >= 0 && file.commit();
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
    const QList<QByteArray> lines = file.readAll().split('\n');
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(lines.value(0), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return refuse(QCoreApplication::translate("OperationJournal", "the file is damaged or incomplete"));
    const QJsonObject o = doc.object();
    JournalEntry entry;
    const QString operation = o.value(QStringLiteral("operation")).toString();
    if (operation == kRead) entry.kind = JournalEntry::Kind::Read;
    else if (operation != kImport)
        return refuse(QCoreApplication::translate("OperationJournal", "the file names no known operation"));
    if (!toList(o.value(QStringLiteral("items")), entry.items))
        return refuse(QCoreApplication::translate("OperationJournal", "the file is damaged or incomplete"));
    entry.source = o.value(QStringLiteral("source")).toString();
    entry.library = o.value(QStringLiteral("library")).toString();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        // A step that is not whole (the last line of a killed program) was not done.
        const QJsonObject step = QJsonDocument::fromJson(lines[i]).object();
        if (const QJsonValue done = step.value(kDone); done.isString()) {
            entry.done.insert(done.toString());
            if (entry.storing == done.toString()) entry.storing.clear();
        } else if (const QJsonValue storing = step.value(kStoring); storing.isString()) {
            entry.storing = storing.toString();
        }
    }
    return entry;
}

} // namespace store
