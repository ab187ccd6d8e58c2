#pragma once
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace store {

// What a long operation that stores items one at a time set out to do and how
// far it got: a read of banks from the instrument or an import of waveform
// files. The journal is written when the operation starts and after each item,
// and removed when the operation ends (done, stopped by the user or by an
// error the user saw); one still there at the next start is an operation the
// program did not live to finish.
struct JournalEntry {
    enum class Kind { Read, Import };
    Kind kind = Kind::Import;
    QString source;    // the folder of an import; empty for a read
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
    // The operation ended: the journal is removed.
    ~OperationJournal();
    OperationJournal(const OperationJournal&) = delete;
    OperationJournal& operator=(const OperationJournal&) = delete;

    void storing(const QString& item);
    void stored(const QString& item);

    // The journal left at `path`; nothing when there is none. A file that is
    // not a whole journal is nothing too, with the reason in `problem`.
    static std::optional<JournalEntry> load(const QString& path, QString* problem = nullptr);
    // Writes `entry` at `path` in one piece; false with the reason in `problem`.
    static bool save(const JournalEntry& entry, const QString& path, QString* problem = nullptr);

private:
    void write();

    JournalEntry entry_;
    QString path_;
    bool warned_ = false;
};

} // namespace store
