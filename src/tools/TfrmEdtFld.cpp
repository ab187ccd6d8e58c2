#include "tools/TfrmEdtFld.h"

#include "store/Messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tools {

TfrmEdtFld::TfrmEdtFld(store::Dataset& library, QWidget* parent) : QDialog(parent), editor_(library) {
    setObjectName(QStringLiteral("frmEdtFld"));
    setWindowTitle(tr("Edit waveform name"));
    setModal(true);

    Label1 = new QLabel(tr("Waveform name"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    edName = new QLineEdit(this);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setAccessibleName(tr("Waveform name"));
    Label1->setBuddy(edName);
    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    // Captioned tr("Clear") but a plain Cancel: nothing is cleared or stored.
    BitBtn2 = new QPushButton(tr("Clear"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(edName);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        try {
            BitBtn1Click();
        } catch (const std::exception& e) {
            // A database that refuses the change: the dialog stays open with the name.
            store::messages().error(QString::fromUtf8(e.what()));
        }
    });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmEdtFld::FormActivate() { edName->setText(editor_.currentName()); }

void TfrmEdtFld::BitBtn1Click() {
    editor_.store(edName->text());
    accept();
}

void TfrmEdtFld::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A restore from minimised keeps what the user has done in the dialog.
    if (opening_.opens(event)) FormActivate();
}

void TfrmEdtFld::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    opening_.hidden(event);
}

} // namespace tools
