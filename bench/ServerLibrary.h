// A large waveform library on a server, made by the server itself.
#pragma once
#include "WaveformLibraries.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace bench {

// Sample images that do not compress, so the server stores each as large as the file does.
inline QByteArray image(int size, quint32 seed) {
    QByteArray bytes(size, '\0');
    for (char& b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<char>(seed >> 24);
    }
    return bytes;
}

// The same rows as bench::writeLibrary, made by the server itself in one statement.
inline void fillServerLibrary(const QString& url, int rows, int largeRows) {
    store::Database library(QStringLiteral("ecl41_data"), store::Schema::Kind::Library);
    library.setPath(url);
    library.connect(); // makes the tables as the program does
    {
        QSqlDatabase db = library.handle();
        QSqlQuery q(db);
        if (!db.transaction()) fail(db.lastError().text());
        q.prepare(QStringLiteral(
            R"(INSERT INTO master ("REC_ID", "BANK_NUM", "MEMO", "SCALE", "DLIT", "AMPL", "NAKOPL", "SOGLAS", )"
            R"("SPEED", "DATE", "SDVIG", "ZOOM_L", "POINTS", "DEVICE_TYPE", "METHOD", "LEVEL", "TIME_OUT", )"
            R"("PICTURE", "START_PLAN") )"
            "SELECT i + 1, i % 100, 'Рефлектограмма ' || i, "
            "CASE WHEN large THEN (ARRAY[62.5, 125, 250, 500, 1000])[(i / 6) % 5 + 1] ELSE 250 END, "
            "3, 5, 2, 1, '1,500', '1.2.2024 10:' || (i % 60) || ':00', 0, CASE WHEN large THEN 1 ELSE 2 END, "
            "CASE WHEN large THEN ?::bytea ELSE ?::bytea END, "
            "CASE WHEN large THEN 'KM-630 ver.1' ELSE 'KM-41A1 ver.5' END, 'pulse', 0, 1.0, false, 0.0 "
            "FROM (SELECT i, i % 6 = 5 AND i / 6 < ? AS large FROM generate_series(0, ? - 1) AS i) AS rows"));
        q.addBindValue(image(8512, 1));
        q.addBindValue(image(385, 2));
        q.addBindValue(largeRows);
        q.addBindValue(rows);
        if (!q.exec() || !db.commit()) fail(q.lastError().text());
        // As the server's background vacuum leaves a library some time after an import.
        if (!q.exec(QStringLiteral("VACUUM ANALYZE master"))) fail(q.lastError().text());
        if (!q.exec(QStringLiteral(R"(SELECT count(*) FROM master WHERE "DEVICE_TYPE" = 'KM-630 ver.1')")) ||
            !q.next() || q.value(0).toInt() != largeRows)
            fail(QStringLiteral("server library generation went wrong"));
        q.finish();
    }
    library.disconnect();
}

} // namespace bench
