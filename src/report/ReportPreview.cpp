#include "report/ReportPreview.h"

#include "report/ReportFileName.h"
#include "report/ReportPage.h"
#include "report/Tform_print.h"
#include "store/ProgramTitle.h"

#include <QCoreApplication>
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
    if (dialog->exec() == QDialog::Accepted) ReportFileName::rememberFolder(*printer);
}

} // namespace report
