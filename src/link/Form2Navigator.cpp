#include "link/Form2Navigator.h"

#include "store/Dataset.h"
#include "store/Messages.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace exchange {

namespace {
const char* const kGlyphs[] = {"|<", "<", ">", ">|", "+", "-"};
const char* const kNames[] = {"nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete"};
} // namespace

Form2Navigator::Form2Navigator(const QString& name, store::Dataset& ds, const QStringList& hints, QWidget* parent)
    : QWidget(parent), ds_(ds) {
    setObjectName(name);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (int i = 0; i < hints.size() && i < 6; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kNames[i]));
        b->setText(QString::fromLatin1(kGlyphs[i]));
        b->setToolTip(hints[i]);
        b->setAccessibleName(hints[i]);
        connect(b, &QToolButton::clicked, this, [this, i] { act(i); });
        row->addWidget(b);
    }
    row->addStretch();
}

void Form2Navigator::act(int button) {
    if (!ds_.isOpen()) return;
    try {
        switch (button) {
        case 0: ds_.first(); break;
        case 1: ds_.prior(); break;
        case 2: ds_.next(); break;
        case 3: ds_.last(); break;
        case 4: ds_.append(); break;
        case 5:
            if (!ds_.isEmpty()) ds_.deleteRecord();
            break;
        default: break;
        }
    } catch (const std::exception& e) {
        store::messages().error(QString::fromUtf8(e.what()));
    }
}

} // namespace exchange
