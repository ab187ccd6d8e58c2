#include "exchange/TfrmComm.h"

#include "exchange/RsCommPort.h"
#include "gui/QtClock.h"

#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace exchange {

namespace {
void setProgress(QProgressBar* bar, int position, int maximum) {
    maximum = std::max(0, maximum);
    if (bar->maximum() != maximum) bar->setRange(0, maximum);
    position = std::clamp(position, 0, maximum);
    if (bar->value() != position) bar->setValue(position);
}

void setText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}
} // namespace

TfrmComm::TfrmComm(QWidget* parent)
    : TfrmComm(std::make_unique<RsCommPort>(), std::make_unique<gui::QtClock>(), parent) {}

TfrmComm::TfrmComm(std::unique_ptr<CommPort> port, std::unique_ptr<gui::Clock> clock, QWidget* parent)
    : QDialog(parent), port_(std::move(port)), clock_(std::move(clock)),
      engine_(std::make_unique<ExchangeEngine>(*port_, *clock_)) {
    setObjectName(QStringLiteral("frmComm"));
    setWindowTitle(tr("Идет обмен данными..."));
    setModal(true);

    lbFileNum = new QLabel(this);
    lbFileNum->setObjectName(QStringLiteral("lbFileNum"));
    lbFrameNum = new QLabel(this);
    lbFrameNum->setObjectName(QStringLiteral("lbFrameNum"));
    lbProgress = new QLabel(this);
    lbProgress->setObjectName(QStringLiteral("lbProgress"));
    pbFile = new QProgressBar(this);
    pbFile->setObjectName(QStringLiteral("pbFile"));
    pbFile->setAccessibleName(tr("Packets of the command"));
    pbTotal = new QProgressBar(this);
    pbTotal->setObjectName(QStringLiteral("pbTotal"));
    pbTotal->setAccessibleName(tr("Commands of the list"));
    // Plain bars without a percentage: a bar showing text repaints at once on
    // every step instead of with the next paint.
    pbFile->setTextVisible(false);
    pbTotal->setTextVisible(false);
    btStop = new QPushButton(tr("Стоп"), this);
    btStop->setObjectName(QStringLiteral("btStop"));
    btStop->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbFileNum);
    layout->addWidget(lbFrameNum);
    layout->addWidget(pbFile);
    layout->addWidget(pbTotal);
    layout->addWidget(lbProgress);
    layout->addWidget(btStop, 0, Qt::AlignHCenter);
    setMinimumWidth(360);

    connect(btStop, &QPushButton::clicked, this, [this] { engine_->btStopClick(); });
    connect(engine_.get(), &ExchangeEngine::viewChanged, this, [this] { dirty_ = true; });
    refreshTimer_.setInterval(kRefreshInterval);
    connect(&refreshTimer_, &QTimer::timeout, this, [this] {
        if (dirty_) refresh();
    });
    connect(engine_.get(), &ExchangeEngine::finished, this, [this](ExchangeEngine::Result r) {
        done(r == ExchangeEngine::Result::Ok ? QDialog::Accepted : QDialog::Rejected);
    });
    refresh();
}

TfrmComm::~TfrmComm() {
    // Nothing the engine does while it is taken down reaches the half-gone dialog.
    QObject::disconnect(engine_.get(), nullptr, this, nullptr);
    try {
        engine_->FormDeactivate();
    } catch (...) {
        // Closing the port at the end of the run; nobody is left to tell.
    }
}

void TfrmComm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A restore from minimised is no new exchange: the running list goes on.
    if (!opening_.opens(event)) return;
    closing_ = false;
    refreshTimer_.start();
    // Start once the dialog is on screen, from the event loop of its exec().
    QMetaObject::invokeMethod(
        this, [this] { FormActivate(); }, Qt::QueuedConnection);
}

void TfrmComm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    opening_.hidden(event);
}

void TfrmComm::FormActivate() {
    if (closing_ || !isVisible()) return;
    engine_->FormActivate();
    refresh();
}

void TfrmComm::done(int result) {
    closing_ = true;
    engine_->closedByUser();
    engine_->FormDeactivate();
    refreshTimer_.stop();
    refresh();
    QDialog::done(result);
}

void TfrmComm::refresh() {
    dirty_ = false;
    const ExchangeView& v = engine_->view();
    setText(lbFrameNum, v.lbFrameNum);
    setText(lbFileNum, v.lbFileNum);
    setText(lbProgress, v.lbProgress);
    setProgress(pbFile, v.pbFilePosition, v.pbFileMax);
    setProgress(pbTotal, v.pbTotalPosition, v.pbTotalMax);
    btStop->setEnabled(v.btStopEnabled);
}

} // namespace exchange
