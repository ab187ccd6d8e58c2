#include "tools/TfrmImport.h"

#include "store/DialogFolders.h"
#include "store/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tools {

namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The hourglass while a handler runs, restored however it ends.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

TfrmImport::TfrmImport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(tr("Импорт данных из ранней версии Echolon"));

    lbVer_ = named(new QLabel(tr("Версия Echolon")), "lbVer");
    cbSoftVer_ = named(new QComboBox, "cbSoftVer");
    cbSoftVer_->addItem(ImportCore::kSoftVer);
    cbSoftVer_->setEnabled(false);
    lbVer_->setBuddy(cbSoftVer_);
    lbFile_ = named(new QLabel(tr("Путь к файлам БД")), "lbFile");
    edDir_ = named(new QLineEdit, "edDir");
    lbFile_->setBuddy(edDir_);
    btFile_ = named(new QPushButton(tr("Открыть")), "btFile");
    btFile_->setToolTip(tr("Открыть файл(ы) БД для импортирования"));
    lbProgress_ = named(new QLabel, "lbProgress");
    pbImport_ = named(new QProgressBar, "pbImport");
    pbImport_->setAccessibleName(tr("Import progress"));
    btStart_ = named(new QPushButton(tr("Старт")), "btStart");
    btStart_->setToolTip(tr("Начать обработку файла"));
    btSave_ = named(new QPushButton(tr("Записать в БД")), "btSave");
    BitBtn1_ = named(new QPushButton(tr("Отмена")), "BitBtn1");

    auto* grid = new QGridLayout;
    grid->addWidget(lbVer_, 0, 0);
    grid->addWidget(cbSoftVer_, 0, 1, 1, 2);
    grid->addWidget(lbFile_, 1, 0);
    grid->addWidget(edDir_, 1, 1);
    grid->addWidget(btFile_, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btStart_);
    buttons->addStretch();
    buttons->addWidget(btSave_);
    buttons->addWidget(BitBtn1_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(lbProgress_);
    layout->addWidget(pbImport_);
    layout->addLayout(buttons);
    resize(520, layout->sizeHint().height());

    connect(btFile_, &QPushButton::clicked, this, &TfrmImport::btFileClick);
    connect(btStart_, &QPushButton::clicked, this, &TfrmImport::btStartClick);
    connect(btSave_, &QPushButton::clicked, this, &TfrmImport::btSaveClick);
    connect(BitBtn1_, &QPushButton::clicked, this, &QDialog::reject);
    connect(&core_, &ImportCore::changed, this, &TfrmImport::refresh);
    refresh();
}

void TfrmImport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A restore from minimised keeps what the user has done in the dialog.
    if (opening_.opens(event)) FormActivate();
}

void TfrmImport::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    opening_.hidden(event);
}

void TfrmImport::FormActivate() { core_.activate(); }

QString TfrmImport::openFileDialog() {
    const QString path = QFileDialog::getOpenFileName(
        this, windowTitle(), store::DialogFolders::folderFor(store::DialogPurpose::OldDatabase),
        QStringLiteral("*.mdb; *.dbf (*.mdb *.dbf)"));
    store::DialogFolders::remember(store::DialogPurpose::OldDatabase, path);
    return path;
}

void TfrmImport::btFileClick() {
    const QString path = chooseFile_ ? chooseFile_() : openFileDialog();
    if (path.isEmpty()) return;
    BusyCursor busy;
    try {
        core_.chooseFile(path);
    } catch (const std::exception& e) {
        // The application's error display; the dialog stays open.
        store::messages().error(QString::fromUtf8(e.what()));
    }
}

void TfrmImport::btStartClick() {
    BusyCursor busy;
    core_.start();
}

void TfrmImport::btSaveClick() {
    if (core_.save()) accept();
}

void TfrmImport::refresh() {
    cbSoftVer_->setCurrentIndex(core_.softVer.isEmpty() ? -1 : 0);
    edDir_->setText(core_.dir);
    lbProgress_->setText(core_.progressText);
    pbImport_->setMaximum(std::max(core_.progressMax, 1));
    pbImport_->setValue(core_.progressPos);
    btStart_->setEnabled(core_.startEnabled);
    btFile_->setEnabled(core_.fileEnabled);
    btSave_->setEnabled(core_.saveEnabled);
}

} // namespace tools
