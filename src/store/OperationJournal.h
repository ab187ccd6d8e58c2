#pragma once
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace store {

// What a long operation that stores items one at a time set out to do and how
// far it got: a read of banks from the instrument or an import of waveform
// files. The journal is written when the operation starts and after each item,
// and removed when the operation ends (done, stopped by the user or by an
// error the user saw) unless kept for the next start; one still there at the
// next start is an operation the program did not finish.
//
// The file is the operation as one JSON line, written whole, followed by one
// JSON line a step ({"storing": item} or {"done": item}), appended: a folder of
// n files costs n small writes, not n rewrites of a growing list. A last line
// cut short by a crash is only a step not recorded.
struct JournalEntry {
    enum class Kind { Read, Import };
    Kind kind = Kind::Import;
    QString source;    // the folder of an import; empty for a read
    QString library;   // the library an import stores into; empty: not recorded
    QStringList items; // file names or bank numbers, in the operation's order
    QSet<QString> done;
    QString storing; // the item being stored when the journal was last written

    // The items not done, in order.
    QStringList missing() const;
};

class OperationJournal {
public:
    // The journal of this program: a file in the program folder.
    static QString defaultPath();

    // Starts the journal of `entry` at `path`. A journal that cannot be
    // written does not stop the operation; it is only reported in the log.
    OperationJournal(const JournalEntry& entry, QString path = defaultPath());
    // The operation ended: the journal is removed, unless kept.
    ~OperationJournal();
    OperationJournal(const OperationJournal&) = delete;
    OperationJournal& operator=(const OperationJournal&) = delete;

    void storing(const QString& item);
    void stored(const QString& item);
    // The operation stopped with items left that the next start is to offer
    // (its library became unreachable): the journal stays.
    void keep() { kept_ = true; }

    // The journal left at `path`; nothing when there is none. A file that is
    // not a whole journal is nothing too, with the reason in `problem`.
    static std::optional<JournalEntry> load(const QString& path, QString* problem = nullptr);
    // Writes `entry` at `path` in one piece; false with the reason in `problem`.
    static bool save(const JournalEntry& entry, const QString& path, QString* problem = nullptr);

private:
    void append(const QString& step, const QString& item);
    void warn(const QString& problem);

    QString path_;
    QFile steps_;
    bool warned_ = false;
    bool kept_ = false;
};

} // namespace store
