// Large waveform libraries for the benchmarks, written straight through SQL in
// one transaction, so that making them is fast and none of the program's own
// code is measured while they are made.
#pragma once
#include "store/Database.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace bench {

[[noreturn]] inline void fail(const QString& what) {
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::exit(1);
}

// One library file of a program folder: `rows` waveforms, of which `largeRows`
// are "KM-630 ver.1" waveforms with 8512-byte sample images, the others
// "KM-41A1 ver.5" with 385-byte images on the 250-m plan range. The large ones
// are every sixth row from the start, as imports and reads alternate, so there
// can be at most rows / 6 of them; their ranges run from 62.5 to 1000 m, so
// that the zoom has steps to take.
struct LibraryFile {
    QString name; // relative to the program folder, e.g. "Data/ecl41_data.db"
    int rows;
    int largeRows;
};

inline void writeLibrary(const QString& file, int rows, int largeRows) {
    if (rows < 0 || largeRows < 0 || largeRows > rows / 6)
        fail(QStringLiteral("%1: %2 large waveforms do not fit every sixth row of %3")
                 .arg(file)
                 .arg(largeRows)
                 .arg(rows));
    store::Database::createFile(file, store::Schema::Kind::Library);
    const QString connection = QStringLiteral("generate ") + file;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(file);
        if (!db.open()) fail(db.lastError().text());
        db.transaction();
        QSqlQuery q(db);
        q.prepare(
            "INSERT INTO master (REC_ID, BANK_NUM, MEMO, SCALE, DLIT, AMPL, NAKOPL, SOGLAS, SPEED, DATE, "
            "SDVIG, ZOOM_L, POINTS, DEVICE_TYPE, METHOD, LEVEL, TIME_OUT, PICTURE, START_PLAN) "
            "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (int i = 0; i < rows; ++i) {
            const bool large = i % 6 == 5 && (i / 6) < largeRows;
            static constexpr double windowRanges[] = {62.5, 125, 250, 500, 1000};
            QByteArray points(large ? 8512 : 385, '\0');
            for (int k = 0; k < points.size(); ++k) points[k] = static_cast<char>((k * 7 + i) & 0xff);
            const QVariantList values{i + 1,
                                      i % 100,
                                      QStringLiteral("Рефлектограмма %1").arg(i),
                                      large ? windowRanges[(i / 6) % 5] : 250.0,
                                      3,
                                      5,
                                      2,
                                      1,
                                      QStringLiteral("1,500"),
                                      QStringLiteral("1.2.2024 10:%1:00").arg(i % 60),
                                      0,
                                      large ? 1.0 : 2.0,
                                      points,
                                      large ? QStringLiteral("KM-630 ver.1")
                                            : QStringLiteral("KM-41A1 ver.5"),
                                      QStringLiteral("pulse"),
                                      0,
                                      1.0,
                                      0,
                                      0.0};
            for (const QVariant& v : values) q.addBindValue(v);
            if (!q.exec()) fail(q.lastError().text());
        }
        q.finish();
        db.commit();
        QSqlQuery count(db);
        count.exec("SELECT count(*), sum(DEVICE_TYPE = 'KM-630 ver.1') FROM master");
        count.next();
        if (count.value(0).toInt() != rows || count.value(1).toInt() != largeRows)
            fail(QStringLiteral("%1: library generation went wrong").arg(file));
        count.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

// Writes the files into `home` once; later runs reuse them (the marker file
// says they are complete).
inline void ensureProgramFolder(const QString& home, const std::vector<LibraryFile>& files) {
    const QString marker = home + QStringLiteral("/complete");
    if (QFile::exists(marker)) return;
    QDir(home).removeRecursively();
    for (const LibraryFile& f : files) {
        const QString path = home + QLatin1Char('/') + f.name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeLibrary(path, f.rows, f.largeRows);
    }
    QFile m(marker);
    if (!m.open(QIODevice::WriteOnly))
        fail(QStringLiteral("Cannot write %1: %2").arg(marker, m.errorString()));
}

} // namespace bench
