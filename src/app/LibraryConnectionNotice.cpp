#include "app/LibraryConnectionNotice.h"

#include "store/ViewState.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

namespace app {

namespace {
constexpr int kRetryMs = 250;
constexpr int kRestoredNoteMs = 15000;
} // namespace

LibraryConnectionNotice::LibraryConnectionNotice(QMainWindow& window, store::ViewState& state)
    : window_(window), state_(state), boxes_(&store::messages()) {
    mark = new QLabel(tr("Library not reachable"), &window);
    mark->setObjectName("LibraryConnectionMark");
    mark->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    window.statusBar()->addPermanentWidget(mark);
    mark->hide();
    store::setMessages(this);
    // Another library opened meanwhile sets its own title: the mark was the old one's.
    connect(&state_, &store::ViewState::changed, this, [this] {
        if (isLost() && state_.title() != markedTitle_) clear();
    });
}

LibraryConnectionNotice::~LibraryConnectionNotice() {
    if (&store::messages() == this) store::setMessages(boxes_);
}

void LibraryConnectionNotice::lost(const QString& why) {
    if (isLost() || why.isEmpty()) return;
    why_ = why;
    told_ = false;
    titleBefore_ = state_.title();
    markedTitle_ = tr("%1 - not reachable").arg(titleBefore_);
    state_.setTitle(markedTitle_);
    mark->setToolTip(why);
    mark->show();
    window_.statusBar()->clearMessage();
    // The loss is met inside some handler, often one whose error box is
    // about to say it: the message waits until that has had its turn.
    QTimer::singleShot(0, this, [this] { tellLoss(); });
}

void LibraryConnectionNotice::tellLoss() {
    if (!isLost() || told_) return;
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryMs, this, [this] { tellLoss(); });
        return;
    }
    told_ = true;
    boxes_->warning(why_);
}

void LibraryConnectionNotice::restored(const QString& library) {
    if (!isLost()) return;
    const bool titleKept = state_.title() == markedTitle_;
    clear();
    if (titleKept) state_.setTitle(titleBefore_);
    window_.statusBar()->showMessage(tr("The library %1 answers again.").arg(library), kRestoredNoteMs);
}

void LibraryConnectionNotice::clear() {
    why_.clear();
    mark->hide();
    mark->setToolTip(QString());
}

void LibraryConnectionNotice::warning(const QString& text) {
    noteTold(text);
    boxes_->warning(text);
}

void LibraryConnectionNotice::error(const QString& text) {
    noteTold(text);
    boxes_->error(text);
}

void LibraryConnectionNotice::noteTold(const QString& text) {
    if (isLost() && text.contains(why_)) told_ = true;
}

} // namespace app
