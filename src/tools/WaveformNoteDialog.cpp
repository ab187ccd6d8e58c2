#include "tools/WaveformNoteDialog.h"

#include "store/Messages.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tools {

WaveformNoteDialog::WaveformNoteDialog(store::Dataset& library, QWidget* parent)
    : QDialog(parent), note_(library) {
    setObjectName(QStringLiteral("frmNote"));
    setWindowTitle(tr("Waveform note"));
    setModal(true);

    lbWaveform = new QLabel(this);
    lbWaveform->setObjectName(QStringLiteral("lbWaveform"));
    lbWaveform->setTextFormat(Qt::PlainText);
    edNote = new QPlainTextEdit(this);
    edNote->setObjectName(QStringLiteral("edNote"));
    edNote->setAccessibleName(tr("Note"));
    edNote->setTabChangesFocus(true);
    edNote->setPlaceholderText(tr("What was found, where the crew dug…"));
    lbWaveform->setBuddy(edNote);
    lbHint = new QLabel(tr("Enter starts a new line; Ctrl+Enter stores the note."), this);
    lbHint->setObjectName(QStringLiteral("lbHint"));
    lbHint->setEnabled(false);
    btOK = new QPushButton(tr("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btCancel = new QPushButton(tr("Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lbHint, 1);
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbWaveform);
    layout->addWidget(edNote, 1);
    layout->addLayout(buttons);
    resize(460, 260);

    edNote->installEventFilter(this);
    connect(btOK, &QPushButton::clicked, this, &WaveformNoteDialog::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void WaveformNoteDialog::editCurrent() {
    const QString refusal = note_.refusal();
    if (!refusal.isEmpty()) {
        store::messages().warning(refusal);
        return;
    }
    lbWaveform->setText(tr("Note on waveform %1").arg(note_.waveformTitle()));
    edNote->setPlainText(note_.current());
    edNote->moveCursor(QTextCursor::End);
    edNote->setFocus();
    exec();
}

bool WaveformNoteDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edNote && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && key->modifiers().testFlag(Qt::ControlModifier)) {
            btOK->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WaveformNoteDialog::btOKClick() {
    if (store::showErrors([this] { note_.store(edNote->toPlainText()); })) accept();
}

} // namespace tools
