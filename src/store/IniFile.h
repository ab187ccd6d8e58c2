#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

namespace store {

// A Windows-style "ini" file ([Section], key=value lines) that keeps the order
// of sections and keys as written. Garbage lines are ignored on reading; a
// missing or unreadable file reads as empty. Keys and sections compare without
// regard to case, as the Windows reader does.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // Reads the file again (a missing file gives no entries).
    void reload();

    QString readString(const QString& section, const QString& key, const QString& def) const;
    int readInteger(const QString& section, const QString& key, int def) const;

    // Changes the value in memory; a new key goes to the end of its section.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void removeKey(const QString& section, const QString& key);

    // Writes the whole file (atomically: temporary file, then rename).
    // Returns false and fills errorString() when it cannot.
    bool save();
    QString errorString() const { return error_; }

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QVector<Entry> entries;
    };
    const Section* findSection(const QString& name) const;
    Section& sectionFor(const QString& name);

    QString path_;
    QVector<Section> sections_;
    QString error_;
};

} // namespace store
