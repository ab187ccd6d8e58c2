#include "report/ReportPdf.h"

#include "report/ReportError.h"
#include "report/ReportPage.h"
#include "report/Tform_print.h"
#include "store/ProgramTitle.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>

namespace report {

void ReportPdf::write(const Tform_print& form, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageLayout(ReportPage::pageLayout());
    writer.setCreator(store::programTitle());
    writer.setTitle(store::programTitle() + QCoreApplication::translate("ReportPdf", " report"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw ReportError(QCoreApplication::translate("ReportPdf", "The report cannot be written to %1.")
                              .arg(QDir::toNativeSeparators(path))
                              .toStdString());
    form.QuickRep1->paint(painter);
    if (!painter.end())
        throw ReportError(QCoreApplication::translate("ReportPdf", "The report could not be completed in %1.")
                              .arg(QDir::toNativeSeparators(path))
                              .toStdString());
}

} // namespace report
