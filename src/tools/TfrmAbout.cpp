#include "tools/TfrmAbout.h"

#include "store/ProgramFolder.h"
#include "store/Supplier.h"
#include "tools/AboutLogo.h"
#include "tools/AboutVersion.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tools {

const QStringList TfrmAbout::kContactLines = {
    QString(), store::Supplier::name(), QString(), store::Supplier::phone(), store::Supplier::web(),
};

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About... "));
    setModal(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setAccessibleName(tr("Logo"));
    ProgramIcon->setFixedSize(281, 81);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(AboutLogo::picture());
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    panelLayout->addWidget(ProgramIcon);

    lbVer = new QLabel(this);
    lbVer->setObjectName(QStringLiteral("lbVer"));
    QFont big = lbVer->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lbVer->setFont(big);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(tr("Supplier"));
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(kContactLines.join('\n'));
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 6);
    // Shows the dialog's own background, as a borderless memo does.
    Memo1->viewport()->setAutoFillBackground(false);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1, 0, Qt::AlignHCenter);
    layout->addWidget(lbVer, 0, Qt::AlignHCenter);
    layout->addWidget(Memo1);
    layout->addLayout(buttons);
    setFixedWidth(320);

    FormCreate();
}

void TfrmAbout::FormCreate() { lbVer->setText(AboutVersion::caption(store::programFolder())); }

} // namespace tools
