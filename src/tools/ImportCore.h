#pragma once
#include "tools/OldRecord.h"

#include <QObject>
#include <QString>
#include <QVector>

namespace tools {

class ImportCommandList;

// The import dialog's logic without its window: what each control shows and
// whether it is enabled, and the handlers. The dialog shows this state again
// on changed().
class ImportCore : public QObject {
    Q_OBJECT
public:
    static inline const QString kAlias = QStringLiteral("ecl40_data");
    static inline const QString kFileName = QStringLiteral("ecl40_data.mdb");
    static inline const QString kSoftVer = QStringLiteral("Echolon 4.0");
    static inline const QString kNoPath =
        QString::fromUtf8(QT_TRANSLATE_NOOP("tools::ImportCore", "!!! не задан !!!"));
    static inline const QString kNotFound = QString::fromUtf8(QT_TRANSLATE_NOOP(
        "tools::ImportCore",
        "Один или несколько файлов базы данных не найдены в указанной директории. Импорт невозможен."));

    explicit ImportCore(QObject* parent = nullptr) : QObject(parent) {}

    // The executor's list that Start fills (not owned).
    void setCommandList(ImportCommandList* list) { list_ = list; }

    // FormActivate.
    void activate();
    // btFileClick, with the file the user chose. A file named exactly
    // "ecl40_data.mdb" is registered as the data source ecl40_data; then the
    // records of the file that ecl40_data points to are read. Throws
    // ImportError, MdbError or store::StoreError for the application's error
    // display.
    void chooseFile(const QString& path);
    // btStartClick: one read-waveform entry per readable old record.
    void start();
    // btSaveClick: true, the dialog closes with OK.
    bool save();

    // What the controls show.
    bool startEnabled = false; // btStart
    bool fileEnabled = true;   // btFile
    bool saveEnabled = false;  // btSave
    QString softVer;           // cbSoftVer
    QString dir;               // edDir
    QString progressText;      // lbProgress
    int progressMax = 0;       // pbImport
    int progressPos = 0;
    int skipped = 0; // old records Start could not convert

    int recordCount() const { return int(records_.size()); }

signals:
    void changed();

private:
    void openOldTable();

    ImportCommandList* list_ = nullptr;
    QVector<OldRecord> records_;
    bool open_ = false;
};

} // namespace tools
