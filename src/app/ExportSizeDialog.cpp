#include "app/ExportSizeDialog.h"

#include "exporter/ChartPicture.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace app {

namespace {
QSpinBox* sideBox(int value, const char* name, const QString& accessible, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setRange(exporter::ChartPicture::kMinSide, exporter::ChartPicture::kMaxSide);
    box->setValue(value);
    box->setSuffix(ExportSizeDialog::tr(" px"));
    return box;
}
} // namespace

ExportSizeDialog::ExportSizeDialog(QSize initial, QWidget* parent) : QDialog(parent) {
    setObjectName("ExportSizeDialog");
    setWindowTitle(tr("Picture size"));
    width_ = sideBox(initial.width(), "sbExportWidth", tr("Picture width"), this);
    height_ = sideBox(initial.height(), "sbExportHeight", tr("Picture height"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("bbExportSize");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Width:"), width_);
    form->addRow(tr("Height:"), height_);
    form->addRow(buttons);
}

QSize ExportSizeDialog::chosen() const { return {width_->value(), height_->value()}; }

std::optional<QSize> ExportSizeDialog::ask(QSize initial, QWidget* parent) {
    ExportSizeDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

} // namespace app
