#pragma once
#include "report/ParameterTable.h"
#include "report/PrintAction.h"
#include "report/ReportMemo.h"
#include "report/ReportPdf.h"
#include "report/Tform_print.h"
#include "store/Database.h"
#include "store/Dataset.h"
#include "store/ViewState.h"
#include "support/TempHome.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

// A library and a compare library in a temporary program folder, the main
// window's state and a report form, with helpers to print and read back.
class ReportFixture : public ::testing::Test {
protected:
    ReportFixture()
        : libraryDb(QStringLiteral("ecl41_data"), store::Schema::Kind::Library),
          compareDb(QStringLiteral("ecl41_pic"), store::Schema::Kind::Library),
          library(libraryDb, QStringLiteral("t_master")), compare(compareDb, QStringLiteral("t_picture")) {
        libraryDb.setPath(home.file(QStringLiteral("Data/ecl41_data.db")));
        compareDb.setPath(home.file(QStringLiteral("Data/ecl41_pic.db")));
        library.setTableName(QStringLiteral("master"));
        compare.setTableName(QStringLiteral("master"));
        library.open();
        compare.open();
        state.setTitle(QStringLiteral("Echolon 4.1   [C:\\Work\\DATA\\Cables\\ ]"));
    }

    // One master row with distinct values in every printed field.
    static void addWaveform(store::Dataset& ds, int recId, const QString& memo, int bank) {
        ds.append();
        const auto set = [&ds](const char* f, const QVariant& v) {
            ds.fieldByName(QLatin1String(f)).setValue(v);
        };
        set("REC_ID", recId);
        set("BANK_NUM", bank);
        set("MEMO", memo);
        set("SCALE", 250);
        set("DLIT", 20 + recId);
        set("AMPL", 30 + recId);
        set("NAKOPL", 40 + recId);
        set("SOGLAS", 50 + recId);
        set("SPEED", QStringLiteral("1,500"));
        set("DATE", QStringLiteral("3.7.2024 9:5:%1").arg(recId));
        set("SDVIG", 5 * recId);
        set("ZOOM_L", 1);
        set("DEVICE_TYPE", QStringLiteral("KM-41A1 ver.5"));
        set("METHOD", QStringLiteral("pulse"));
        set("LEVEL", 60 + recId);
        set("TIME_OUT", 5);
        ds.post();
    }

    void fill() {
        report::PrintAction::fill(
            form, report::ReportSources{state, library.recordCount(), library, compare, upperChartShown},
            QDateTime(QDate(2024, 7, 3), QTime(9, 30)));
    }

    QStringList column(int c) const { return form.valueColumn(c)->lines; }

    QString writePdf(const QString& name = QStringLiteral("report.pdf")) {
        const QString path = home.file(name);
        report::ReportPdf::write(form, path);
        return path;
    }

    // The text of a PDF as poppler reads it (with the layout kept).
    static QString pdfText(const QString& path) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!p.waitForFinished(120000) || p.exitCode() != 0) return QStringLiteral("<pdftotext failed>");
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // Top edges (in points) of every word of the PDF that equals `word`.
    static QList<double> wordTops(const QString& path, const QString& word) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        QList<double> tops;
        if (!p.waitForFinished(120000) || p.exitCode() != 0) return tops;
        static const QRegularExpression re(
            QStringLiteral("<word xMin=\"[-0-9.]+\" yMin=\"([-0-9.]+)\"[^>]*>([^<]*)</word>"));
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        for (auto it = re.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(2) == word) tops.append(m.captured(1).toDouble());
        }
        return tops;
    }

    TempHome home;
    store::Database libraryDb;
    store::Database compareDb;
    store::Dataset library;
    store::Dataset compare;
    store::ViewState state;
    bool upperChartShown = true; // the window's "Screen" toggle
    report::Tform_print form;
};
