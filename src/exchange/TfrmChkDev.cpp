#include "exchange/TfrmChkDev.h"

#include "exchange/RsCommPort.h"
#include "gui/QtClock.h"
#include "store/Messages.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace serial;

namespace exchange {

namespace {
template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
} // namespace

TfrmChkDev::TfrmChkDev(store::ViewState& state, store::DataModuleHost& mainWindow, QWidget* parent)
    : TfrmChkDev(state, mainWindow, std::make_unique<RsCommPort>(RsCommPort::Role::PortSettings),
                 std::make_unique<gui::QtClock>(), parent) {}

TfrmChkDev::TfrmChkDev(store::ViewState& state, store::DataModuleHost& mainWindow,
                       std::unique_ptr<CommPort> port, std::unique_ptr<gui::Clock> clock, QWidget* parent)
    : QDialog(parent), port_(std::move(port)), clock_(std::move(clock)),
      core_(std::make_unique<PortSettings>(*port_, *clock_, state, mainWindow,
                                           static_cast<PortSettings::Window&>(*this))) {
    setObjectName(QStringLiteral("frmChkDev"));
    setWindowTitle(tr("Настройка параметров связи"));
    setModal(true);
    buildControls();
    core_->FormCreate();
    // Adapters plugged in or out while the dialog is open appear and go within a second.
    rescanTimer_.setInterval(kRescanInterval);
    connect(&rescanTimer_, &QTimer::timeout, this, [this] { core_->rescan(); });
}

TfrmChkDev::~TfrmChkDev() = default;

void TfrmChkDev::closeDialog(bool accepted) {
    QDialog::done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

void TfrmChkDev::buildControls() {
    Label2 = named(new QLabel(tr("Порт:"), this), "Label2");
    cb_PortNum = named(new QComboBox(this), "cb_PortNum");
    cb_PortNum->setMaxVisibleItems(16);
    Label2->setBuddy(cb_PortNum);
    Label1 = named(new QLabel(tr("Тип прибора:"), this), "Label1");
    cbDevType = named(new QComboBox(this), "cbDevType");
    Label1->setBuddy(cbDevType);
    btType = named(new QPushButton(tr("Определить тип"), this), "btType");
    chbShow = named(new QCheckBox(tr("показывать это окно перед сеансом связи"), this), "chbShow");
    btOK = named(new QPushButton(tr("OK"), this), "btOK");
    btConnect = named(new QPushButton(tr("Связь"), this), "btConnect");
    BitBtn1 = named(new QPushButton(tr("Отмена"), this), "BitBtn1");
    btOK->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(cb_PortNum, 0, 1);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(cbDevType, 1, 1);
    grid->addWidget(btType, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btConnect);
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(chbShow);
    layout->addLayout(buttons);

    connect(cb_PortNum, &QComboBox::activated, this, [this](int index) { core_->cb_PortNumChange(index); });
    connect(cbDevType, &QComboBox::activated, this, [this](int index) { core_->cbDevTypeChange(index); });
    connect(chbShow, &QCheckBox::toggled, this, [this](bool checked) { core_->setShow(checked); });
    connect(btType, &QPushButton::clicked, this, [this] { core_->btTypeClick(); });
    connect(btOK, &QPushButton::clicked, this, [this] { confirm(); });
    connect(btConnect, &QPushButton::clicked, this, [this] { confirm(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { core_->BitBtn1Click(); });
}

void TfrmChkDev::confirm() {
    store::showErrors([this] { core_->btOKClick(); });
}

void TfrmChkDev::reject() { core_->BitBtn1Click(); }

void TfrmChkDev::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A restore from minimised keeps the user's unsaved choice.
    if (opening_.opens(event)) core_->FormActivate();
    rescanTimer_.start();
}

void TfrmChkDev::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    opening_.hidden(event);
    rescanTimer_.stop();
}

void TfrmChkDev::refresh() {
    const PortSettingsView& v = core_->view();
    const QSignalBlocker blockPorts(cb_PortNum), blockTypes(cbDevType), blockShow(chbShow);
    QStringList shown;
    for (int i = 0; i < cb_PortNum->count(); ++i) shown << cb_PortNum->itemText(i);
    if (shown != v.portItems) {
        cb_PortNum->clear();
        cb_PortNum->addItems(v.portItems);
        // An adapter's entry says what it is and its stable name: the open list shows it whole.
        cb_PortNum->view()->setMinimumWidth(cb_PortNum->view()->sizeHintForColumn(0) + 32);
    }
    cb_PortNum->setCurrentIndex(v.portIndex);
    for (int i = 0; i < v.devTypeItems.size(); ++i) {
        if (i < cbDevType->count()) cbDevType->setItemText(i, v.devTypeItems[i]);
        else cbDevType->addItem(v.devTypeItems[i]);
    }
    while (cbDevType->count() > v.devTypeItems.size()) cbDevType->removeItem(cbDevType->count() - 1);
    cbDevType->setCurrentIndex(v.devTypeIndex);
    cbDevType->setEnabled(v.devTypeEnabled);
    btType->setEnabled(v.typeEnabled);
    chbShow->setChecked(v.show);
    btOK->setEnabled(v.okEnabled);
    btOK->setVisible(v.okVisible);
    btConnect->setEnabled(v.connectEnabled);
    btConnect->setVisible(v.connectVisible);
    btConnect->setDefault(v.connectVisible && !v.okVisible);
}

} // namespace exchange
