#include "report/ReportFileName.h"

#include "report/ParameterTable.h"
#include "report/ReportMemo.h"
#include "report/Tform_print.h"
#include "store/DialogFolders.h"

#include <QDir>
#include <QPrinter>
#include <QRegularExpression>

namespace report {

namespace {
constexpr int kNameRow = 3; // "waveform name"
const QString kPdf = QStringLiteral(".pdf");
} // namespace

QString ReportFileName::fromWaveformName(const QString& name) {
    static const QRegularExpression separator(QStringLiteral("[\\\\/]"));
    static const QRegularExpression unfit(QStringLiteral("[:*?\"<>|\\x00-\\x1f\\x7f]"));
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    QString base = name.mid(name.lastIndexOf(separator) + 1);
    base.replace(unfit, QStringLiteral("_"));
    base.replace(spaces, QStringLiteral(" "));
    base = base.trimmed();
    if (base.endsWith(kPdf, Qt::CaseInsensitive)) base.chop(kPdf.size());
    // Leading or trailing dots make hidden or unnamed files.
    while (base.startsWith(QLatin1Char('.')) || base.endsWith(QLatin1Char('.')) ||
           base.endsWith(QLatin1Char(' ')))
        base = base.startsWith(QLatin1Char('.')) ? base.mid(1) : base.chopped(1);
    base = base.left(kMaxLength).trimmed();
    return base.isEmpty() ? tr("report") : base;
}

QString ReportFileName::of(const Tform_print& form) {
    return fromWaveformName(form.valueColumn(1)->lines.value(kNameRow));
}

void ReportFileName::apply(QPrinter& printer, const QString& baseName) {
    printer.setDocName(baseName);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The print dialog shows this file for printing to a file. A ".pdf" name
    // turns the printer to PDF; turned back, it keeps the name and prints on
    // the chosen printer as before (with no printer at all it stays on PDF).
    printer.setOutputFileName(
        QDir(store::DialogFolders::folderFor(store::DialogPurpose::Report)).filePath(baseName + kPdf));
    printer.setOutputFormat(QPrinter::NativeFormat);
#endif
}

void ReportFileName::rememberFolder(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        store::DialogFolders::remember(store::DialogPurpose::Report, printer.outputFileName());
}

} // namespace report
