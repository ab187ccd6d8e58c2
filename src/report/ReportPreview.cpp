#include "report/ReportPreview.h"

#include "report/ReportFileName.h"
#include "report/ReportPage.h"
#include "report/Tform_print.h"
#include "store/Messages.h"
#include "store/ProgramTitle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace report {

std::unique_ptr<QPrinter> ReportPreview::makePrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(ReportPage::pageLayout());
    printer->setDocName(store::programTitle() + QCoreApplication::translate("ReportPreview", " report"));
    return printer;
}

std::unique_ptr<QPrintPreviewDialog> ReportPreview::create(const Tform_print& form, QPrinter& printer,
                                                           QWidget* parent) {
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    dialog->setObjectName(QStringLiteral("QuickRep1Preview"));
    dialog->setWindowTitle(QCoreApplication::translate("ReportPreview", "Print preview"));
    // The page set-up chosen in the preview is kept: the report draws on
    // whatever layout the printer has by then.
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(), [&form](QPrinter* p) {
        QPainter painter;
        if (!painter.begin(p)) return;
        form.QuickRep1->paint(painter);
        painter.end();
    });
    return dialog;
}

void ReportPreview::exec(const Tform_print& form, QWidget* parent) {
    const std::unique_ptr<QPrinter> printer = makePrinter();
    ReportFileName::apply(*printer, ReportFileName::of(form));
    const std::unique_ptr<QPrintPreviewDialog> dialog = create(form, *printer, parent);
    if (dialog->exec() != QDialog::Accepted) return;
    ReportFileName::rememberFolder(*printer);
    if (printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty()) return;
    // A file has no paper to show for it: where it went is said.
    const QFileInfo pdf(printer->outputFileName());
    const QString shown = QDir::toNativeSeparators(pdf.absoluteFilePath());
    if (pdf.isFile() && pdf.size() > 0)
        store::messages().information(
            QCoreApplication::translate("ReportPreview", "The report was written to %1.").arg(shown));
    else
        store::messages().error(
            QCoreApplication::translate("ReportPreview", "The report could not be written to %1.")
                .arg(shown));
}

} // namespace report
